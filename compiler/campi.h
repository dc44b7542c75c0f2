// Reading the description texts field by field, the way the package's text
// input reads a comma-separated record: the readers never see whole lines,
// only the next field, taken either as text or as a number.
//
// - Blanks (space, tab) in front of a field are skipped.
// - A text field runs to the next comma or line end, which is consumed; its
//   trailing blanks are dropped. A text field that begins with a double quote
//   runs to the closing quote (line ends included); after the quote, blanks
//   and the one comma or line end that follow are consumed, and anything else
//   up to the next comma or line end is dropped. Without a closing quote the
//   field runs to the end of the text.
// - A number field ends at the first blank, comma or line end; the blanks and
//   the one comma or line end that follow it are consumed. So "0    ,0" gives
//   0 and 0, and "2   49   40 " gives three numbers. An empty field reads as 0.
// - A number is an optional sign, digits and an optional decimal fraction
//   ("12", "-3", "+7", "2.5", ".5", "5."). Anything else where a number is
//   expected is the failure 13; a value is stored into its field (Byte,
//   Integer, Long) by the standard rounding with a range check (failure 6).
// - A line ends with CR LF, LF alone or CR alone.
// - Reading when nothing remains is the failure 62.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace progetto1 {

class LettoreCampi {
 public:
  explicit LettoreCampi(std::string testo);

  // True when nothing remains after the last field read, line end included.
  bool alla_fine() const { return pos_ >= testo_.size(); }

  std::string leggi_testo();
  double leggi_numero();
  std::int32_t leggi_long();
  std::int16_t leggi_integer();
  std::uint8_t leggi_byte();

  // The 1-based line on which the most recent read began, also when that read
  // failed (at the very end of the text: its last line); 0 before any read.
  long riga_lettura() const { return riga_lettura_; }
  // The 1-based column (in bytes) at which the most recent read began, its
  // leading blanks skipped.
  long colonna_lettura() const { return colonna_lettura_; }
  // Where the reads since the last segna() began: 0 is the first of them.
  // Later reads than the history holds are not kept.
  void segna() { letture_ = 0; }
  // How many reads began since the last segna(), the failed one included.
  int letture() const { return letture_; }
  // The most recent number field as written, also when it failed to convert.
  const std::string& ultimo_numero() const { return ultimo_numero_; }
  // Only line and column: the field reader does not know which text it reads
  // (Lettura::luogo adds that).
  struct Luogo {
    long riga = 0;
    long colonna = 0;
  };
  Luogo luogo_lettura(int n) const {
    return n < letture_ && n < kStoria ? storia_[n] : Luogo{riga_lettura_, colonna_lettura_};
  }
  // Moves on to the start of line n, when the reading has not passed it yet.
  void salta_a_riga(long n);
  // True while a read is under way: after a failure, whether it was a read
  // (or the storing of the value read) that failed.
  bool in_lettura() const { return in_lettura_; }
  // Number of lines of the text; the last one need not have a line end.
  long righe() const;
  // Line n (1-based) without its line end; empty when it does not exist.
  std::string testo_riga(long n) const;
  // Every line without its line end, in one pass: element n - 1 is line n.
  std::vector<std::string_view> tutte_le_righe() const;

 private:
  // Where the unquoted field starting at da ends: its comma, line end or
  // the end of the text.
  std::size_t fine_campo(std::size_t da) const;
  bool a_capo() const;
  void consuma_a_capo();
  void salta_spazi();
  void inizia_lettura();
  std::string campo_testo();
  double campo_numero();
  template <typename F>
  auto lettura(F f);

  static constexpr int kStoria = 24;  // more than the longest record's fields

  std::string testo_;
  std::size_t pos_ = 0;
  long riga_ = 1;                // line of pos_
  std::size_t inizio_riga_ = 0;  // where line riga_ begins
  long riga_lettura_ = 0;
  long colonna_lettura_ = 0;
  Luogo storia_[kStoria];
  int letture_ = 0;
  bool in_lettura_ = false;
  std::string ultimo_numero_;
};

}  // namespace progetto1
