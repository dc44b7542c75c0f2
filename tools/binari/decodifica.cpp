#include "tools/binari/decodifica.h"

#include <bit>

#include "model/pacchetto.h"
#include "model/tracciati.h"

namespace progetto1::strumento {

namespace {

// A cursor over the bytes of a file that refuses to read past the end.
class Lettore {
 public:
  explicit Lettore(std::string_view byte) : byte_(byte) {}

  bool finito() const { return pos_ == byte_.size(); }
  std::size_t posizione() const { return pos_; }
  std::size_t restanti() const { return byte_.size() - pos_; }

  std::uint64_t senza_segno(std::size_t n, const char* campo) {
    if (restanti() < n) {
      throw ErroreFormato("il file finisce al byte " + std::to_string(byte_.size()) +
                          " dentro il campo " + campo + " (servono " + std::to_string(n) +
                          " byte dal byte " + std::to_string(pos_) + ")");
    }
    std::uint64_t v = 0;
    for (std::size_t i = 0; i < n; ++i) {
      v |= static_cast<std::uint64_t>(static_cast<unsigned char>(byte_[pos_ + i])) << (8 * i);
    }
    pos_ += n;
    return v;
  }
  std::uint8_t byte(const char* campo) { return static_cast<std::uint8_t>(senza_segno(1, campo)); }
  std::int16_t integer(const char* campo) {
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(senza_segno(2, campo)));
  }
  std::int32_t long_(const char* campo) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(senza_segno(4, campo)));
  }
  double doppio(const char* campo) { return std::bit_cast<double>(senza_segno(8, campo)); }

  void campo(std::uint8_t& v, const char* nome) { v = byte(nome); }
  void campo(std::int16_t& v, const char* nome) { v = integer(nome); }
  void campo(std::int32_t& v, const char* nome) { v = long_(nome); }
  std::string testo(std::size_t n, const char* campo) {
    if (restanti() < n) {
      throw ErroreFormato("il file finisce al byte " + std::to_string(byte_.size()) +
                          " dentro il campo " + campo + " (lungo " + std::to_string(n) +
                          " byte dal byte " + std::to_string(pos_) + ")");
    }
    std::string t(byte_.substr(pos_, n));
    pos_ += n;
    return t;
  }

 private:
  std::string_view byte_;
  std::size_t pos_ = 0;
};

// "0, 2 o 5".
std::string etichette_valide() {
  std::string s;
  const std::size_t n = std::size(kTipiValore);
  for (std::size_t i = 0; i < n; ++i) {
    if (i > 0) s += i + 1 == n ? " o " : ", ";
    s += std::to_string(static_cast<int>(kTipiValore[i]));
  }
  return s;
}

}  // namespace

Piano decodifica_piano(std::string_view byte) {
  Lettore l(byte);
  std::vector<ValorePiano> valori;
  while (!l.finito()) {
    const std::size_t inizio = l.posizione();
    const std::int16_t tag = l.integer("etichetta");
    if (!etichetta_valida(tag)) {
      throw ErroreFormato("etichetta " + std::to_string(tag) + " al byte " +
                          std::to_string(inizio) + ": attese solo " + etichette_valide());
    }
    ValorePiano v;
    v.tipo = static_cast<TipoValore>(tag);
    switch (v.tipo) {
      case TipoValore::kVuoto:
        break;
      case TipoValore::kIntero:
        v.valore = l.integer("valore intero");
        break;
      case TipoValore::kDoppio:
        v.valore = l.doppio("valore doppio");
        break;
    }
    valori.push_back(v);
  }
  // Every x first, then every y: the two halves have the same length.
  if (valori.empty() || valori.size() % 2 != 0) {
    throw ErroreFormato("il file contiene " + std::to_string(valori.size()) +
                        " valori: servono due metà uguali (tutte le x, poi tutte le y)");
  }
  const std::size_t n = valori.size() / 2;
  Piano piano;
  piano.x.assign(valori.begin(), valori.begin() + static_cast<std::ptrdiff_t>(n));
  piano.y.assign(valori.begin() + static_cast<std::ptrdiff_t>(n), valori.end());
  return piano;
}

std::vector<stazione> decodifica_stazioni(std::string_view byte) {
  Lettore l(byte);
  std::vector<stazione> slot;
  for (long i = 0; i < kNumeroSlot; ++i) {
    stazione s;
    per_ogni_campo(kCampiStazione, [&](const auto& c) {
      if constexpr (c.kTesto) {
        const std::int16_t n = l.integer("lunghezza del testo");
        if (n < 0) {
          throw ErroreFormato("slot " + std::to_string(i) + ": lunghezza del testo negativa (" +
                              std::to_string(n) + ")");
        }
        s.*c.membro = l.testo(static_cast<std::size_t>(n), c.nome);
      } else {
        l.campo(s.*c.membro, c.nome);
      }
    });
    slot.push_back(std::move(s));
  }
  if (!l.finito()) {
    throw ErroreFormato(std::to_string(l.restanti()) + " byte in più dopo gli " +
                        std::to_string(kNumeroSlot) + " slot (il file ha " +
                        std::to_string(byte.size()) + " byte)");
  }
  return slot;
}

std::vector<cella> decodifica_celle(std::string_view byte) {
  if (byte.empty() || byte.size() % kByteCella != 0) {
    throw ErroreFormato("il file ha " + std::to_string(byte.size()) +
                        " byte, che non sono un multiplo positivo di " +
                        std::to_string(kByteCella) + " (una cella per record)");
  }
  Lettore l(byte);
  std::vector<cella> celle;
  celle.reserve(byte.size() / kByteCella);
  while (!l.finito()) {
    cella c;
    per_ogni_campo(kCampiCella, [&](const auto& f) { l.campo(c.*f.membro, f.nome); });
    celle.push_back(c);
  }
  return celle;
}

bool tipo_da_nome(const std::string& nome, TipoFile& tipo) {
  // The plan's suffix ends like the cells': it is tried first.
  if (nome.ends_with(kSuffissoPiano)) {
    tipo = TipoFile::kPiano;
  } else if (nome.ends_with(kSuffissoStazioni)) {
    tipo = TipoFile::kStazioni;
  } else if (nome.ends_with(kSuffissoCelle)) {
    tipo = TipoFile::kCelle;
  } else {
    return false;
  }
  return true;
}

std::string nome_tipo_valore(TipoValore tipo) {
  switch (tipo) {
    case TipoValore::kVuoto:
      return "vuoto";
    case TipoValore::kIntero:
      return "intero";
    case TipoValore::kDoppio:
      return "doppio";
  }
  return "?";
}

}  // namespace progetto1::strumento
