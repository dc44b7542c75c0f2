#include "tools/scarico.h"

#include <charconv>
#include <cstdio>

#include "model/cp1252.h"

namespace progetto1::strumento {

namespace {

std::string riga(const char* formato, auto... valori) {
  char buffer[256];
  const int n = std::snprintf(buffer, sizeof buffer, formato, valori...);
  return std::string(
      buffer, n < 0 ? 0 : std::min<std::size_t>(static_cast<std::size_t>(n), sizeof buffer - 1));
}

std::string testo_valore(const ValorePiano& v) {
  return v.tipo == TipoValore::kVuoto ? "-" : testo_doppio(v.valore);
}

nlohmann::ordered_json json_valore(const ValorePiano& v) {
  if (v.tipo == TipoValore::kVuoto) return nullptr;
  if (v.tipo == TipoValore::kIntero) return static_cast<long>(v.valore);
  return v.valore;
}

// Cell i begins i - 1 cells of 50 m after the origin: position 0 is cell 1.
long inizio_cella(long i) { return (i - 1) * 50; }

void scrivi_piano(std::ostream& out, const FileDecodificato& f) {
  const std::size_t n = f.piano.x.size();
  out << "# " << f.nome << ": piano della linea, " << n << " punti (0-" << n - 1
      << "), un punto per metro, x e y in metri\n";
  out << "  punto  tipo_x  x                        tipo_y  y\n";
  for (std::size_t i = 0; i < n; ++i) {
    const ValorePiano& x = f.piano.x[i];
    const ValorePiano& y = f.piano.y[i];
    out << riga("%7zu  %-6s  %-23s  %-6s  %s\n", i, nome_tipo_valore(x.tipo).c_str(),
                testo_valore(x).c_str(), nome_tipo_valore(y.tipo).c_str(), testo_valore(y).c_str());
  }
}

void scrivi_stazioni(std::ostream& out, const FileDecodificato& f) {
  out << "# " << f.nome << ": tabella delle stazioni, " << f.stazioni.size() << " slot (0-"
      << f.stazioni.size() - 1 << ")\n";
  out << "slot  uso          codice    valore1    valore2    valore3  selettore  intero1  intero2"
         "  intero3  intero4  intero5  marca1  marca2  marca3  marca4     valore4  testo\n";
  for (std::size_t i = 0; i < f.stazioni.size(); ++i) {
    const stazione& s = f.stazioni[i];
    out << riga(
               "%4zu  %-11s  %6d  %9d  %9d  %9d  %9d  %7d  %7d  %7d  %7d  %7d  %6d  %6d  %6d  %6d  "
               "%10d  ",
               i, uso_slot(static_cast<long>(i), s).c_str(), s.codice, s.valore1, s.valore2,
               s.valore3, s.selettore, s.intero1, s.intero2, s.intero3, s.intero4, s.intero5,
               s.marca1, s.marca2, s.marca3, s.marca4, s.valore4)
        << '"' << da_cp1252(s.testo) << "\"\n";
  }
}

void scrivi_celle(std::ostream& out, const FileDecodificato& f) {
  out << "# " << f.nome << ": celle del percorso, " << f.celle.size() << " celle (0-"
      << f.celle.size() - 1 << ") da 50 m; la cella 1 inizia a 0 m\n";
  out << "  cella  inizio_m  genere                dato1   dato2   dato3   dato4  tempo  "
         "avvicinamento  montagna  vel_limite  pendenza  aderenza\n";
  for (std::size_t i = 0; i < f.celle.size(); ++i) {
    const cella& c = f.celle[i];
    out << riga("%7zu  %8ld  %-20s  %6d  %6d  %6d  %6d  %5d  %13d  %8d  %10d  %8d  %8d\n", i,
                inizio_cella(static_cast<long>(i)), nome_genere(c.genere).c_str(), c.dato1, c.dato2,
                c.dato3, c.dato4, c.tempo, c.avvicinamento, c.montagna, c.vel_limite, c.pendenza,
                c.aderenza);
  }
}

}  // namespace

std::string testo_doppio(double v) {
  char buffer[64];
  const auto r = std::to_chars(buffer, buffer + sizeof buffer, v);
  return std::string(buffer, r.ptr);
}

FileDecodificato decodifica_file(const std::string& nome, std::string_view byte) {
  FileDecodificato f;
  f.nome = nome;
  if (!tipo_da_nome(nome, f.tipo)) {
    throw ErroreFormato(
        "tipo di file sconosciuto: il nome deve finire con \"_linea.dat\" (piano), \".sim\" "
        "(stazioni) o \".dat\" (celle)");
  }
  switch (f.tipo) {
    case TipoFile::kPiano:
      f.piano = decodifica_piano(byte);
      break;
    case TipoFile::kStazioni:
      f.stazioni = decodifica_stazioni(byte);
      break;
    case TipoFile::kCelle:
      f.celle = decodifica_celle(byte);
      break;
  }
  return f;
}

std::string uso_slot(long slot, const stazione& s) {
  if (slot == 0) return "riservato";
  if (slot >= kSlotProgressive && slot < kSlotGenerali) return "progressiva";
  if (slot == kSlotGenerali) return "generali";
  if (slot == kSlotLinea) return "linea";
  if (slot == kSlotTreno) return "treno";
  if (s == stazione{}) return "libero";
  stazione solo_testo;
  solo_testo.testo = s.testo;
  // Signs keep only their lettering; a station always has some value besides its name.
  if (s == solo_testo) return "cartello";
  return "stazione";
}

void scrivi_scarico(std::ostream& out, const FileDecodificato& f) {
  switch (f.tipo) {
    case TipoFile::kPiano:
      scrivi_piano(out, f);
      break;
    case TipoFile::kStazioni:
      scrivi_stazioni(out, f);
      break;
    case TipoFile::kCelle:
      scrivi_celle(out, f);
      break;
  }
}

const char* chiave_elementi(const FileDecodificato& f) {
  switch (f.tipo) {
    case TipoFile::kPiano:
      return "punti";
    case TipoFile::kStazioni:
      return "slot";
    case TipoFile::kCelle:
      return "celle";
  }
  return "";
}

std::size_t numero_elementi(const FileDecodificato& f) {
  switch (f.tipo) {
    case TipoFile::kPiano:
      return f.piano.x.size();
    case TipoFile::kStazioni:
      return f.stazioni.size();
    case TipoFile::kCelle:
      return f.celle.size();
  }
  return 0;
}

nlohmann::ordered_json json_elemento(const FileDecodificato& f, std::size_t i) {
  switch (f.tipo) {
    case TipoFile::kPiano:
      return {{"punto", i},
              {"tipo_x", nome_tipo_valore(f.piano.x[i].tipo)},
              {"x", json_valore(f.piano.x[i])},
              {"tipo_y", nome_tipo_valore(f.piano.y[i].tipo)},
              {"y", json_valore(f.piano.y[i])}};
    case TipoFile::kStazioni: {
      const stazione& s = f.stazioni[i];
      return {{"slot", i},
              {"uso", uso_slot(static_cast<long>(i), s)},
              {"codice", s.codice},
              {"valore1", s.valore1},
              {"valore2", s.valore2},
              {"valore3", s.valore3},
              {"selettore", s.selettore},
              {"testo", da_cp1252(s.testo)},
              {"intero1", s.intero1},
              {"intero2", s.intero2},
              {"intero3", s.intero3},
              {"intero4", s.intero4},
              {"intero5", s.intero5},
              {"marca1", s.marca1},
              {"marca2", s.marca2},
              {"marca3", s.marca3},
              {"marca4", s.marca4},
              {"valore4", s.valore4}};
    }
    case TipoFile::kCelle: {
      const cella& c = f.celle[i];
      return {{"cella", i},
              {"inizio_m", inizio_cella(static_cast<long>(i))},
              {"genere", c.genere},
              {"nome_genere", nome_genere(c.genere)},
              {"dato1", c.dato1},
              {"dato2", c.dato2},
              {"dato3", c.dato3},
              {"dato4", c.dato4},
              {"tempo", c.tempo},
              {"avvicinamento", c.avvicinamento},
              {"montagna", c.montagna},
              {"vel_limite", c.vel_limite},
              {"pendenza", c.pendenza},
              {"aderenza", c.aderenza}};
    }
  }
  return nullptr;
}

void scrivi_json_scarico(std::ostream& out, const FileDecodificato& f) {
  // Element by element: a plan has a point per metre, too many to hold as
  // one document in memory.
  const nlohmann::ordered_json nome = f.nome;
  const nlohmann::ordered_json tipo = nome_tipo_file(f.tipo);
  out << "{\"file\":" << nome.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace)
      << ",\"tipo\":" << tipo.dump() << ",\"" << chiave_elementi(f) << "\":[";
  const std::size_t n = numero_elementi(f);
  for (std::size_t i = 0; i < n; ++i) {
    if (i > 0) out << ',';
    out << json_elemento(f, i).dump(-1, ' ', false,
                                    nlohmann::ordered_json::error_handler_t::replace);
  }
  out << "]}";
}

std::string nome_tipo_file(TipoFile tipo) {
  switch (tipo) {
    case TipoFile::kPiano:
      return "piano";
    case TipoFile::kStazioni:
      return "stazioni";
    case TipoFile::kCelle:
      return "celle";
  }
  return "";
}

}  // namespace progetto1::strumento
