#include "compiler/campi.h"

#include <charconv>
#include <system_error>
#include <utility>

#include "model/guasto.h"
#include "model/numeri.h"

namespace progetto1 {

namespace {

bool spazio(char c) { return c == ' ' || c == '\t'; }
bool fine_riga(char c) { return c == '\r' || c == '\n'; }
bool cifra(char c) { return c >= '0' && c <= '9'; }

// Optional sign, digits, optional decimal fraction; at least one digit.
bool numero_valido(const std::string& s) {
  std::size_t i = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
  bool cifre = false;
  while (i < s.size() && cifra(s[i])) ++i, cifre = true;
  if (i < s.size() && s[i] == '.') {
    ++i;
    while (i < s.size() && cifra(s[i])) ++i, cifre = true;
  }
  return cifre && i == s.size();
}

double converti(const std::string& s) {
  if (s.empty()) return 0;
  if (!numero_valido(s)) throw Guasto::tipo_non_corrispondente();
  const char* inizio = s.data();
  const char* const fine = s.data() + s.size();
  const bool negativo = *inizio == '-';
  if (*inizio == '+' || *inizio == '-') ++inizio;
  double v = 0;
  const auto [dove, errore] = std::from_chars(inizio, fine, v, std::chars_format::fixed);
  if (errore == std::errc::result_out_of_range) throw Guasto::overflow();
  if (errore != std::errc() || dove != fine) throw Guasto::tipo_non_corrispondente();
  return negativo ? -v : v;
}

}  // namespace

LettoreCampi::LettoreCampi(std::string testo) : testo_(std::move(testo)) {}

std::size_t LettoreCampi::fine_campo(std::size_t da) const {
  // Locals, not members, in the loop: a text field may run to megabytes.
  const char* const t = testo_.data();
  const std::size_t n = testo_.size();
  while (da < n && t[da] != ',' && !fine_riga(t[da])) ++da;
  return da;
}

bool LettoreCampi::a_capo() const { return pos_ < testo_.size() && fine_riga(testo_[pos_]); }

void LettoreCampi::consuma_a_capo() {
  if (testo_[pos_] == '\r' && pos_ + 1 < testo_.size() && testo_[pos_ + 1] == '\n') ++pos_;
  ++pos_;
  ++riga_;
  inizio_riga_ = pos_;
}

void LettoreCampi::salta_spazi() {
  while (pos_ < testo_.size() && spazio(testo_[pos_])) ++pos_;
}

void LettoreCampi::inizia_lettura() {
  salta_spazi();
  riga_lettura_ = riga_;
  colonna_lettura_ = static_cast<long>(pos_ - inizio_riga_) + 1;
  if (letture_ < kStoria) storia_[letture_] = {riga_lettura_, colonna_lettura_};
  ++letture_;
  if (alla_fine()) {
    if (riga_lettura_ > righe()) riga_lettura_ = righe();
    throw Guasto::input_oltre_fine();
  }
}

std::string LettoreCampi::campo_testo() {
  inizia_lettura();
  std::string campo;
  if (testo_[pos_] == '"') {
    ++pos_;
    while (pos_ < testo_.size() && testo_[pos_] != '"') {
      const std::size_t inizio = pos_;
      if (fine_riga(testo_[pos_])) {
        consuma_a_capo();
      } else {
        while (pos_ < testo_.size() && testo_[pos_] != '"' && !fine_riga(testo_[pos_])) ++pos_;
      }
      campo.append(testo_, inizio, pos_ - inizio);
    }
    if (pos_ < testo_.size()) ++pos_;  // the closing quote
    salta_spazi();
    while (pos_ < testo_.size() && testo_[pos_] != ',' && !fine_riga(testo_[pos_])) ++pos_;
  } else {
    const std::size_t inizio = pos_;
    pos_ = fine_campo(inizio);
    std::size_t fine = pos_;
    while (fine > inizio && spazio(testo_[fine - 1])) --fine;
    campo.assign(testo_, inizio, fine - inizio);
  }
  if (pos_ < testo_.size()) {
    if (testo_[pos_] == ',') {
      ++pos_;
    } else {
      consuma_a_capo();
    }
  }
  return campo;
}

double LettoreCampi::campo_numero() {
  inizia_lettura();
  const std::size_t inizio = pos_;
  while (pos_ < testo_.size() && testo_[pos_] != ',' && !spazio(testo_[pos_]) &&
         !fine_riga(testo_[pos_])) {
    ++pos_;
  }
  ultimo_numero_.assign(testo_, inizio, pos_ - inizio);
  salta_spazi();
  if (pos_ < testo_.size()) {
    if (testo_[pos_] == ',') {
      ++pos_;
    } else if (a_capo()) {
      consuma_a_capo();
    }
  }
  return converti(ultimo_numero_);
}

template <typename F>
auto LettoreCampi::lettura(F f) {
  in_lettura_ = true;
  auto valore = f();
  in_lettura_ = false;
  return valore;
}

std::string LettoreCampi::leggi_testo() {
  return lettura([this] { return campo_testo(); });
}
double LettoreCampi::leggi_numero() {
  return lettura([this] { return campo_numero(); });
}
std::int32_t LettoreCampi::leggi_long() {
  return lettura([this] { return a_long(campo_numero()); });
}
std::int16_t LettoreCampi::leggi_integer() {
  return lettura([this] { return a_integer(campo_numero()); });
}
std::uint8_t LettoreCampi::leggi_byte() {
  return lettura([this] { return a_byte(campo_numero()); });
}

void LettoreCampi::salta_a_riga(long n) {
  while (riga_ < n && pos_ < testo_.size()) {
    if (fine_riga(testo_[pos_])) {
      consuma_a_capo();
    } else {
      ++pos_;
    }
  }
}

long LettoreCampi::righe() const {
  long n = 0;
  for (std::size_t i = 0; i < testo_.size(); ++i) {
    if (testo_[i] == '\n' ||
        (testo_[i] == '\r' && (i + 1 >= testo_.size() || testo_[i + 1] != '\n'))) {
      ++n;
    }
  }
  if (!testo_.empty() && !fine_riga(testo_.back())) ++n;
  return n;
}

std::vector<std::string_view> LettoreCampi::tutte_le_righe() const {
  std::vector<std::string_view> righe;
  const std::string_view t = testo_;
  std::size_t i = 0;
  while (i < t.size()) {
    std::size_t fine = i;
    while (fine < t.size() && !fine_riga(t[fine])) ++fine;
    righe.push_back(t.substr(i, fine - i));
    if (fine < t.size() && t[fine] == '\r' && fine + 1 < t.size() && t[fine + 1] == '\n') ++fine;
    i = fine + 1;
  }
  return righe;
}

std::string LettoreCampi::testo_riga(long n) const {
  if (n < 1) return {};
  std::size_t i = 0;
  for (long r = 1; r < n; ++r) {
    while (i < testo_.size() && !fine_riga(testo_[i])) ++i;
    if (i >= testo_.size()) return {};
    if (testo_[i] == '\r' && i + 1 < testo_.size() && testo_[i + 1] == '\n') ++i;
    ++i;
  }
  if (i >= testo_.size()) return {};
  std::size_t fine = i;
  while (fine < testo_.size() && !fine_riga(testo_[fine])) ++fine;
  return testo_.substr(i, fine - i);
}

}  // namespace progetto1
