#include "app/prova/ritratto_x11.h"

#include <FL/Fl_Window.H>
#include <FL/x.H>

#include <map>

namespace progetto1 {

Ritratto leggi_finestra(const Fl_Window& finestra) {
  const Window xid = fl_xid(&finestra);
  if (xid == 0) return {};
  const int w = finestra.w();
  const int h = finestra.h();
  XImage* img = XGetImage(fl_display, xid, 0, 0, static_cast<unsigned>(w), static_cast<unsigned>(h),
                          AllPlanes, ZPixmap);
  if (img == nullptr) return {};
  // The colormap turns pixel values into colours whatever the visual.
  std::map<unsigned long, int> luce_del_pixel;
  std::vector<int> luce;
  luce.reserve(static_cast<std::size_t>(w * h));
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const unsigned long pixel = XGetPixel(img, x, y);
      auto it = luce_del_pixel.find(pixel);
      if (it == luce_del_pixel.end()) {
        XColor c{};
        c.pixel = pixel;
        XQueryColor(fl_display, fl_colormap, &c);
        it = luce_del_pixel.emplace(pixel, luminosita(c.red >> 8, c.green >> 8, c.blue >> 8)).first;
      }
      luce.push_back(it->second);
    }
  }
  XDestroyImage(img);
  return Ritratto(w, h, std::move(luce));
}

}  // namespace progetto1
