// For the windowed tests: what the window system holds for a window's client
// area, read back from it, as the brightness of each pixel (0 black to 255
// white). Text is told from the background by brightness alone, so that the
// check does not depend on the exact colours or font of the platform.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

namespace progetto1 {

struct Area {
  int x, y, w, h;
  bool contiene(int px, int py) const { return px >= x && px < x + w && py >= y && py < y + h; }
};

class Ritratto {
 public:
  static constexpr int kScuro = 64;    // below: text
  static constexpr int kChiaro = 160;  // from here: background

  Ritratto() = default;
  Ritratto(int w, int h, std::vector<int> luce) : w_(w), h_(h), luce_(std::move(luce)) {}

  bool letto() const {
    return w_ > 0 && h_ > 0 && luce_.size() == static_cast<std::size_t>(w_ * h_);
  }
  int w() const { return w_; }
  int h() const { return h_; }

  // Pixels of an area that are dark, light, or any.
  int scuri(const Area& a) const {
    return conta(a, [](int l) { return l < kScuro; });
  }
  int chiari(const Area& a) const {
    return conta(a, [](int l) { return l >= kChiaro; });
  }
  int pixel(const Area& a) const {
    return conta(a, [](int) { return true; });
  }

 private:
  template <typename F>
  int conta(const Area& a, F scelta) const {
    if (!letto()) return 0;
    int n = 0;
    for (int y = 0; y < h_; ++y) {
      for (int x = 0; x < w_; ++x) {
        if (a.contiene(x, y) && scelta(luce_[static_cast<std::size_t>(y * w_ + x)])) ++n;
      }
    }
    return n;
  }

  int w_ = 0, h_ = 0;
  std::vector<int> luce_;
};

// Brightness of a colour given as 8-bit red, green and blue.
inline int luminosita(int r, int g, int b) { return (299 * r + 587 * g + 114 * b) / 1000; }

inline std::string descrivi(const Area& a) {
  return std::to_string(a.w) + "x" + std::to_string(a.h) + " a " + std::to_string(a.x) + "," +
         std::to_string(a.y);
}

// What is wrong with a text drawn in an area (empty when nothing is): at least
// scuri_minimi dark pixels in it, at least half of it light, and only light
// pixels in each area of sgombre, where nothing but the background belongs.
inline std::string difetti_del_testo(const Ritratto& r, const Area& testo, int scuri_minimi,
                                     std::initializer_list<Area> sgombre) {
  if (!r.letto()) return "finestra non letta";
  std::string difetti;
  if (r.scuri(testo) < scuri_minimi) {
    difetti += std::to_string(r.scuri(testo)) + " pixel scuri nel testo " + descrivi(testo) +
               ", meno di " + std::to_string(scuri_minimi) + "; ";
  }
  if (r.chiari(testo) < r.pixel(testo) / 2) {
    difetti += "solo " + std::to_string(r.chiari(testo)) + " pixel chiari nel testo " +
               descrivi(testo) + "; ";
  }
  for (const Area& a : sgombre) {
    if (r.chiari(a) != r.pixel(a)) {
      difetti += std::to_string(r.pixel(a) - r.chiari(a)) + " pixel non chiari nello sfondo " +
                 descrivi(a) + "; ";
    }
  }
  return difetti;
}

// What a test read from a modal message box before it pressed OK.
struct LetturaMessaggio {
  Ritratto ritratto;
  std::string titolo;
  std::string testo;  // of the box's text widget, with its area
  Area area_testo{0, 0, 0, 0};
  bool ok_premuto = false;
  bool scaduto = false;  // the box never showed and was closed
};

}  // namespace progetto1
