#include "scenario/accodato/contenuto_accodato.h"

#include <algorithm>
#include <array>

#include "model/cp1252.h"
#include "scenario/scrittori/scrittore_testi.h"

namespace progetto1 {

namespace {

constexpr std::string_view kMagiaIntestazione = "P1SCENAR";
constexpr std::string_view kMagiaCoda = "P1SCFINE";

constexpr std::array<std::uint32_t, 256> tabella_crc() {
  std::array<std::uint32_t, 256> t{};
  for (std::uint32_t i = 0; i < 256; ++i) {
    std::uint32_t c = i;
    for (int k = 0; k < 8; ++k) c = (c & 1) != 0 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
    t[i] = c;
  }
  return t;
}
constexpr std::array<std::uint32_t, 256> kTabellaCrc = tabella_crc();

void metti(std::string& out, std::uint64_t v, int byte) {
  for (int i = 0; i < byte; ++i) out += static_cast<char>((v >> (8 * i)) & 0xFF);
}

std::uint64_t prendi(std::string_view in, std::size_t da, int byte) {
  std::uint64_t v = 0;
  for (int i = byte - 1; i >= 0; --i) {
    v = (v << 8) | static_cast<unsigned char>(in[da + static_cast<std::size_t>(i)]);
  }
  return v;
}

void metti_testo(std::string& out, std::string_view s) {
  metti(out, s.size(), 4);
  out += s;
}

// Reads the body from the front; every read checks what is left first.
class Lettore {
 public:
  explicit Lettore(std::string_view corpo) : resto_(corpo) {}
  bool numero(std::uint32_t& v) {
    if (resto_.size() < 4) return false;
    v = static_cast<std::uint32_t>(prendi(resto_, 0, 4));
    resto_.remove_prefix(4);
    return true;
  }
  bool testo(std::string& s) {
    std::uint32_t n = 0;
    if (!numero(n) || resto_.size() < n) return false;
    s.assign(resto_.substr(0, n));
    resto_.remove_prefix(n);
    return true;
  }
  bool finito() const { return resto_.empty(); }

 private:
  std::string_view resto_;
};

ContenutoAccodato danneggiato(std::string motivo, std::uint64_t inizio) {
  ContenutoAccodato c;
  c.stato = ContenutoAccodato::Stato::kDanneggiato;
  c.motivo = std::move(motivo);
  c.inizio = inizio;
  return c;
}

// The five texts in the order of the body.
template <class S>
auto testi(S& s) {
  return std::array{&s.linea, &s.treno, &s.scheda, &s.rallentamenti, &s.note};
}

}  // namespace

std::uint32_t crc32(std::string_view byte) {
  std::uint32_t c = 0xFFFFFFFFu;
  for (char b : byte) c = kTabellaCrc[(c ^ static_cast<unsigned char>(b)) & 0xFF] ^ (c >> 8);
  return c ^ 0xFFFFFFFFu;
}

std::string motivo_riga_non_scrivibile(std::string_view riga) {
  for (char c : riga) {
    const auto b = static_cast<unsigned char>(c);
    if (c == '\r' || c == '\n') return "contiene un ritorno a capo (CR o LF) dentro la riga";
    if (b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D)
      return "contiene un byte che la codifica Windows-1252 non definisce";
  }
  if (riga == kSentinella)
    return "è la riga che chiude l'elenco dei testi (\"" + std::string(kSentinella) +
           "\"), dove la scrittura si ferma";
  return {};
}

std::string componi_accodato(const Scenario& s, std::uint64_t dimensione_base) {
  std::string corpo;
  metti_testo(corpo, s.nome_linea);
  metti_testo(corpo, s.numero_treno);
  for (const std::vector<std::string>* righe : testi(s)) {
    metti(corpo, righe->size(), 4);
    for (const std::string& riga : *righe) metti_testo(corpo, a_cp1252(riga));
  }
  std::string dati(kMagiaIntestazione);
  metti(dati, kVersioneAccodato, 4);
  metti(dati, corpo.size(), 4);
  dati += corpo;
  const std::uint32_t crc = crc32(dati);
  metti(dati, dimensione_base, 8);
  metti(dati, corpo.size(), 4);
  metti(dati, crc, 4);
  dati += kMagiaCoda;
  return dati;
}

bool ha_coda_accodata(std::string_view coda) {
  return coda.size() >= kDimensioneCoda &&
         coda.substr(coda.size() - kMagiaCoda.size()) == kMagiaCoda;
}

std::optional<std::uint64_t> fine_eseguibile(std::string_view testa) {
  // Every read checked against what testa holds.
  const auto c = [&](std::uint64_t da, int byte) -> std::optional<std::uint64_t> {
    if (da > testa.size() || testa.size() - da < static_cast<std::uint64_t>(byte)) return {};
    return prendi(testa, static_cast<std::size_t>(da), byte);
  };
  if (eseguibile_linux(testa)) {
    if (c(4, 1) != 2u || c(5, 1) != 1u) return {};  // 64-bit, little-endian
    const auto phoff = c(0x20, 8), shoff = c(0x28, 8);
    const auto phentsize = c(0x36, 2), phnum = c(0x38, 2);
    const auto shentsize = c(0x3A, 2), shnum = c(0x3C, 2);
    if (!phoff || !shoff || !phentsize || !phnum || !shentsize || !shnum) return {};
    std::uint64_t fine = *shoff + *shentsize * *shnum;
    for (std::uint64_t i = 0; i < *phnum; ++i) {
      const std::uint64_t voce = *phoff + i * *phentsize;
      const auto offset = c(voce + 8, 8), filesz = c(voce + 32, 8);
      if (!offset || !filesz) return {};
      fine = std::max(fine, *offset + *filesz);
    }
    return fine;
  }
  if (eseguibile_windows(testa)) {
    const auto pe = c(0x3C, 4);
    if (!pe || testa.substr(static_cast<std::size_t>(std::min<std::uint64_t>(*pe, testa.size())),
                            4) != std::string_view("PE\0\0", 4)) {
      return {};
    }
    const std::uint64_t coff = *pe + 4;
    const auto sezioni = c(coff + 2, 2), simboli = c(coff + 8, 4), opzionale = c(coff + 16, 2);
    if (!sezioni || !simboli || !opzionale || *simboli != 0) return {};
    const std::uint64_t tabella = coff + 20 + *opzionale;
    std::uint64_t fine = tabella + 40 * *sezioni;
    for (std::uint64_t i = 0; i < *sezioni; ++i) {
      const auto dimensione = c(tabella + 40 * i + 16, 4), inizio = c(tabella + 40 * i + 20, 4);
      if (!dimensione || !inizio) return {};
      if (*dimensione > 0) fine = std::max(fine, *inizio + *dimensione);
    }
    // The certificate of a signed program, for a 64-bit one: data directory 4.
    const std::uint64_t o = coff + 20;
    if (c(o, 2) == 0x20Bu && *opzionale >= 112 + 5 * 8) {
      const auto certificato = c(o + 112 + 4 * 8, 4), dimensione = c(o + 112 + 4 * 8 + 4, 4);
      if (!certificato || !dimensione) return {};
      if (*dimensione > 0) fine = std::max(fine, *certificato + *dimensione);
    }
    return fine;
  }
  return {};
}

bool inizia_come_accodato(std::string_view dopo) {
  return dopo.substr(0, kMagiaIntestazione.size()) == kMagiaIntestazione;
}

ContenutoAccodato leggi_accodato(LettoreFile& lettore) {
  const std::string coda = lettore.coda(kDimensioneCoda);
  if (!ha_coda_accodata(coda)) {
    const std::optional<std::uint64_t> fine = fine_eseguibile(lettore.parte(0, kDimensioneTesta));
    if (fine && inizia_come_accodato(lettore.parte(*fine, kMagiaIntestazione.size()))) {
      return danneggiato(kMotivoCoda, *fine);
    }
    return {};
  }
  const std::uint64_t inizio = prendi(coda, 0, 8);
  const std::uint64_t corpo = prendi(coda, 8, 4);
  const auto crc = static_cast<std::uint32_t>(prendi(coda, 12, 4));
  // From the header to the end of the file, and one byte more if there is
  // one: exactly header, body and this trailer, or the sizes are wrong.
  const std::uint64_t attesi = kDimensioneIntestazione + corpo + kDimensioneCoda;
  const std::string letti = lettore.parte(inizio, static_cast<std::size_t>(attesi + 1));
  if (letti.size() != attesi ||
      std::string_view(letti).substr(letti.size() - kDimensioneCoda) != coda) {
    return danneggiato("i dati accodati sono troncati o le loro dimensioni vanno oltre il file",
                       inizio);
  }
  const std::string_view dati = std::string_view(letti).substr(0, letti.size() - kDimensioneCoda);
  if (dati.substr(0, kMagiaIntestazione.size()) != kMagiaIntestazione ||
      prendi(dati, 12, 4) != corpo) {
    return danneggiato("l'intestazione dei dati accodati è rovinata", inizio);
  }
  if (crc32(dati) != crc) {
    return danneggiato("la somma di controllo dei dati accodati non corrisponde", inizio);
  }
  const std::uint64_t versione = prendi(dati, 8, 4);
  if (versione != kVersioneAccodato) {
    return danneggiato("i dati accodati sono nel formato " + std::to_string(versione) +
                           ", che questo pacchetto non conosce",
                       inizio);
  }

  ContenutoAccodato c;
  c.stato = ContenutoAccodato::Stato::kValido;
  c.inizio = inizio;
  Lettore l(dati.substr(kDimensioneIntestazione));
  bool integro = l.testo(c.scenario.nome_linea) && l.testo(c.scenario.numero_treno);
  for (std::vector<std::string>* righe : testi(c.scenario)) {
    std::uint32_t n = 0;
    if (!integro || !l.numero(n) || n >= static_cast<std::uint32_t>(kRigheElenco)) {
      integro = false;
      break;
    }
    for (std::uint32_t i = 0; i < n && integro; ++i) {
      std::string riga;
      integro = l.testo(riga) && motivo_riga_non_scrivibile(riga).empty();
      righe->push_back(da_cp1252(riga));
    }
  }
  if (!integro || !l.finito()) {
    return danneggiato("il contenuto dei dati accodati non è uno scenario leggibile", inizio);
  }
  return c;
}

ContenutoAccodato leggi_accodato(std::string_view file) {
  class InMemoria : public LettoreFile {
   public:
    explicit InMemoria(std::string_view f) : f_(f) {}
    std::string coda(std::size_t n) override {
      return std::string(f_.substr(f_.size() - std::min(n, f_.size())));
    }
    std::string parte(std::uint64_t da, std::size_t n) override {
      return da < f_.size() ? std::string(f_.substr(static_cast<std::size_t>(da), n)) : "";
    }

   private:
    std::string_view f_;
  } lettore(file);
  ContenutoAccodato c = leggi_accodato(lettore);
  if (c.stato == ContenutoAccodato::Stato::kAssente) c.inizio = file.size();
  return c;
}

}  // namespace progetto1
