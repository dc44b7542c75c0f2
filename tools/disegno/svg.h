// A small SVG writer: elements appended as text, numbers with one decimal,
// texts escaped for XML.
#pragma once

#include <algorithm>
#include <string>

namespace progetto1::strumento {

// One decimal: "12.5".
std::string n1(double v);

// Text for XML content and attribute values.
std::string testo_xml(const std::string& utf8);

// An estimate of the width of a text in a sans-serif face.
double larghezza_testo(const std::string& utf8, double corpo);

class Svg {
 public:
  void apri(const std::string& tag, const std::string& attributi) {
    s_ += "<" + tag + (attributi.empty() ? "" : " " + attributi) + ">\n";
  }
  void chiudi(const std::string& tag) { s_ += "</" + tag + ">\n"; }
  void vuoto(const std::string& tag, const std::string& attributi) {
    s_ += "<" + tag + " " + attributi + "/>\n";
  }
  void testo(double x, double y, const std::string& t, const std::string& attributi = "") {
    s_ += "<text x=\"" + n1(x) + "\" y=\"" + n1(y) + "\"" +
          (attributi.empty() ? "" : " " + attributi) + ">" + testo_xml(t) + "</text>\n";
  }
  void linea(double x1, double y1, double x2, double y2, const std::string& attributi) {
    vuoto("line", "x1=\"" + n1(x1) + "\" y1=\"" + n1(y1) + "\" x2=\"" + n1(x2) + "\" y2=\"" +
                      n1(y2) + "\" " + attributi);
  }
  void rettangolo(double x, double y, double w, double h, const std::string& attributi) {
    vuoto("rect", "x=\"" + n1(x) + "\" y=\"" + n1(y) + "\" width=\"" + n1(std::max(w, 0.0)) +
                      "\" height=\"" + n1(std::max(h, 0.0)) + "\" " + attributi);
  }
  // An element with a tooltip that the browser shows on hover.
  void con_titolo(const std::string& tag, const std::string& attributi, const std::string& titolo) {
    s_ += "<" + tag + " " + attributi + "><title>" + testo_xml(titolo) + "</title></" + tag + ">\n";
  }
  std::string& grezzo() { return s_; }

 private:
  std::string s_;
};

}  // namespace progetto1::strumento
