#include "output/file_binari.h"

#include <bit>
#include <cstdint>
#include <cstring>
#include <limits>
#include <memory>
#include <optional>

#include "model/guasto.h"

namespace progetto1 {

namespace {

// Appends little-endian fields one at a time.
class Uscita {
 public:
  explicit Uscita(std::string& byte) : byte_(byte) {}

  void campo(std::uint8_t v) { byte_.push_back(static_cast<char>(v)); }
  void campo(std::int16_t v) { senza_segno(static_cast<std::uint16_t>(v), sizeof v); }
  void campo(std::int32_t v) { senza_segno(static_cast<std::uint32_t>(v), sizeof v); }
  void campo(const std::string& t) {
    campo(static_cast<std::int16_t>(t.size()));
    byte_.append(t);
  }

  template <class Record, class Campi>
  void record(const Record& r, const Campi& campi) {
    per_ogni_campo(campi, [&](const auto& c) { campo(r.*c.membro); });
  }

 private:
  void senza_segno(std::uint64_t v, std::size_t n) {
    for (std::size_t i = 0; i < n; ++i) campo(static_cast<std::uint8_t>(v >> (8 * i)));
  }
  std::string& byte_;
};

// A field into a buffer with room for it, little-endian whatever the host;
// the plan has millions, and on a little-endian host each is its memory
// image.
template <class T>
char* metti_campo(char* p, T v) {
  if constexpr (std::endian::native == std::endian::little) {
    std::memcpy(p, &v, sizeof v);
    return p + sizeof v;
  } else {
    for (std::size_t i = 0; i < sizeof v; ++i)
      *p++ = static_cast<char>(static_cast<std::uint8_t>(v >> (8 * i)));
    return p;
  }
}

std::size_t byte_valore(TipoValore tipo) { return kByteEtichetta + byte_dato(tipo); }

// A long line's plan runs to some 20 MB: it goes out in blocks filled in
// place, never as one buffer beside the model.
void produci_tabella(const TabellaLinea& tabella, const Contenuto::Pezzo& pezzo) {
  constexpr std::size_t kBlocco = 1 << 17;
  const std::size_t massimo = byte_valore(TipoValore::kDoppio);
  const auto blocco = std::make_unique_for_overwrite<char[]>(kBlocco);
  char* const inizio = blocco.get();
  char* const limite = inizio + kBlocco - massimo;
  char* p = inizio;
  for (int coordinata = 0; coordinata < 2; ++coordinata) {
    // Plain pointers: the bytes written through p could alias the vectors'
    // own fields, which the loop would then fetch again for every value.
    const TipoValore* const tipi = tabella.tipi(coordinata).data();
    const double* const valori = tabella.valori(coordinata).data();
    const std::size_t n = tabella.tipi(coordinata).size();
    for (std::size_t i = 0; i < n; ++i) {
      if (p > limite) {
        pezzo({inizio, static_cast<std::size_t>(p - inizio)});
        p = inizio;
      }
      static_assert(kByteEtichetta == sizeof(std::uint16_t));
      p = metti_campo(p, static_cast<std::uint16_t>(tipi[i]));
      switch (tipi[i]) {
        case TipoValore::kVuoto:
          break;
        case TipoValore::kIntero:
          static_assert(byte_dato(TipoValore::kIntero) == sizeof(std::uint16_t));
          p = metti_campo(p, static_cast<std::uint16_t>(static_cast<std::int16_t>(valori[i])));
          break;
        case TipoValore::kDoppio:
          static_assert(byte_dato(TipoValore::kDoppio) == sizeof(std::uint64_t));
          p = metti_campo(p, std::bit_cast<std::uint64_t>(valori[i]));
          break;
      }
    }
  }
  pezzo({inizio, static_cast<std::size_t>(p - inizio)});
}

}  // namespace

void scrivi_cella(std::string& uscita, const cella& c) {
  const std::size_t inizio = uscita.size();
  Uscita(uscita).record(c, kCampiCella);
  if (uscita.size() - inizio != kByteCella) throw Guasto::errore_interno();
}

void scrivi_stazione(std::string& uscita, const stazione& s) {
  if (s.testo.size() > static_cast<std::size_t>(std::numeric_limits<std::int16_t>::max())) {
    throw Guasto::overflow();
  }
  const std::size_t inizio = uscita.size();
  Uscita(uscita).record(s, kCampiStazione);
  if (uscita.size() - inizio != kByteStazioneSenzaTesto + s.testo.size())
    throw Guasto::errore_interno();
}

Contenuto contenuto_tabella_linea(const TabellaLinea& tabella) {
  std::size_t totale = 0;
  for (int coordinata = 0; coordinata < 2; ++coordinata) {
    for (TipoValore tipo : tabella.tipi(coordinata)) totale += byte_valore(tipo);
  }
  return {totale, [&tabella](const Contenuto::Pezzo& pezzo) { produci_tabella(tabella, pezzo); }};
}

std::string byte_tabella_linea(const TabellaLinea& tabella) {
  return contenuto_tabella_linea(tabella).tutto();
}

std::string byte_stazioni(const Vettore<stazione>& stazioni) {
  std::string byte;
  std::size_t totale = 0;
  for (const stazione& s : stazioni) totale += kByteStazioneSenzaTesto + s.testo.size();
  byte.reserve(totale);
  for (const stazione& s : stazioni) scrivi_stazione(byte, s);
  return byte;
}

std::string byte_celle(const Vettore<cella>& percorso) {
  std::string byte;
  byte.reserve(percorso.size() * kByteCella);
  for (const cella& c : percorso) scrivi_cella(byte, c);
  return byte;
}

void scrivi_file_binari(const Pacchetto& p, Archivio& archivio) {
  std::optional<Contenuto> linea;
  if (p.con_tabella != 0) {
    // The reader creates the plan together with the cells; a plan that was
    // never created is a missing array, as for the cells.
    if (!p.tabella_linea.esiste()) throw Guasto::indice_fuori_intervallo();
    linea = contenuto_tabella_linea(p.tabella_linea);
  }
  const std::string stazioni = byte_stazioni(p.stazioni);
  const std::string celle = byte_celle(p.percorso);
  std::vector<std::pair<std::string, Contenuto>> file;
  if (linea) file.emplace_back(nome_file_linea(p), *linea);
  file.emplace_back(nome_file_stazioni(p), stazioni);
  file.emplace_back(nome_file_celle(p), celle);
  archivio.sostituisci_tutti(file);
}

}  // namespace progetto1
