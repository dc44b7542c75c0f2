#include "tools/binari/scarico.h"

#include <charconv>
#include <cstdio>

#include "model/costanti.h"
#include "model/cp1252.h"
#include "model/tracciati.h"
#include "tools/binari/significato.h"
#include "tools/pacchetti/impacchetta.h"

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

template <class C>
constexpr bool e_genere(const C& c) {
  if constexpr (std::is_same_v<C, Campo<cella, std::uint8_t>>) {
    return c.membro == &cella::genere;
  } else {
    return false;
  }
}

// The numeric fields of a record right-aligned in their columns, each after
// two blanks; texts are left for the end of the row. The kind of a cell
// shows as its name.
template <class Record, class Campi>
std::string colonne(const Record& r, const Campi& campi) {
  std::string s;
  per_ogni_campo(campi, [&](const auto& c) {
    if constexpr (!c.kTesto) {
      if (e_genere(c)) {
        s += riga("  %-*s", c.colonna, nome_genere(r.*c.membro).c_str());
      } else {
        s += riga("  %*d", c.colonna, static_cast<int>(r.*c.membro));
      }
    }
  });
  return s;
}

template <class Campi>
std::string intestazioni(const Campi& campi) {
  std::string s;
  per_ogni_campo(campi, [&](const auto& c) {
    if constexpr (!c.kTesto) {
      // The heading of the kinds' column stands one place to the left.
      s += e_genere(c) ? riga("  %-*s", c.colonna - 1, c.nome) : riga("  %*s", c.colonna, c.nome);
    }
  });
  return s;
}

// The fields of a record as JSON members, in file order; a cell's kind is
// followed by its name.
template <class Record, class Campi>
void membri_json(nlohmann::ordered_json& j, const Record& r, const Campi& campi) {
  per_ogni_campo(campi, [&](const auto& c) {
    if constexpr (c.kTesto) {
      j[c.nome] = da_cp1252(r.*c.membro);
    } else {
      j[c.nome] = r.*c.membro;
      if (e_genere(c)) j["nome_genere"] = nome_genere(r.*c.membro);
    }
  });
}

// What the stored values mean, after the row's columns.
std::string significati(const std::vector<Significato>& s) {
  return s.empty() ? "" : "  | " + testo_significati(s);
}

nlohmann::ordered_json json_significati(const std::vector<Significato>& s) {
  nlohmann::ordered_json j = nlohmann::ordered_json::object();
  for (const Significato& x : s) j[x.campo] = x.spiegazione;
  return j;
}

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
  out << riga("%4s  %-11s", "slot", "uso") << intestazioni(kCampiStazione) << "  testo\n";
  for (std::size_t i = 0; i < f.stazioni.size(); ++i) {
    const stazione& s = f.stazioni[i];
    out << riga("%4zu  %-11s", i, uso_slot(static_cast<long>(i), s).c_str())
        << colonne(s, kCampiStazione) << "  \"" << da_cp1252(s.testo) << "\""
        << significati(significato_slot(static_cast<long>(i), s)) << "\n";
  }
}

void scrivi_celle(std::ostream& out, const FileDecodificato& f) {
  out << "# " << f.nome << ": celle del percorso, " << f.celle.size() << " celle (0-"
      << f.celle.size() - 1 << ") da 50 m; la cella 1 inizia a 0 m\n";
  out << riga("%7s  %8s", "cella", "inizio_m") << intestazioni(kCampiCella) << "\n";
  for (std::size_t i = 0; i < f.celle.size(); ++i) {
    out << riga("%7zu  %8ld", i, inizio_cella(static_cast<long>(i)))
        << colonne(f.celle[i], kCampiCella)
        << significati(significato_cella(static_cast<long>(i), f.celle[i])) << "\n";
  }
}

// The five texts of the scenario a package carries, under the names the
// package writes them by.
std::array<TestoScenario, 5> testi_accodati(const Scenario& s) {
  Pacchetto p;
  p.nome_linea = s.nome_linea;
  p.numero_treno = s.numero_treno;
  return testi_scenario(p);
}

void scrivi_pacchetto(std::ostream& out, const FileDecodificato& f) {
  if (f.accodato.stato != ContenutoAccodato::Stato::kValido) {
    out << "# " << f.nome << ": pacchetto senza scenario accodato: esegue quello incorporato "
        << "(linea \"" << kNomeLinea << "\", treno \"" << kNumeroTreno << "\")\n";
    return;
  }
  const Scenario& s = f.accodato.scenario;
  out << "# " << f.nome << ": pacchetto con uno scenario accodato dal byte " << f.accodato.inizio
      << ": linea \"" << da_cp1252(s.nome_linea) << "\", treno \"" << da_cp1252(s.numero_treno)
      << "\"\n";
  for (const TestoScenario& t : testi_accodati(s)) {
    const std::vector<std::string>& righe = s.*t.righe;
    out << "## " << da_cp1252(t.nome) << ": " << righe.size() << " righe\n";
    for (const std::string& r : righe) out << r << "\n";
  }
}

}  // namespace

std::string testo_doppio(double v) {
  char buffer[64];
  const auto r = std::to_chars(buffer, buffer + sizeof buffer, v);
  return std::string(buffer, r.ptr);
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
    case TipoFile::kPacchetto:
      scrivi_pacchetto(out, f);
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
    case TipoFile::kPacchetto:
      return "testi";
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
    case TipoFile::kPacchetto:
      return f.accodato.stato == ContenutoAccodato::Stato::kValido ? 5 : 0;
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
      nlohmann::ordered_json j = {{"slot", i}, {"uso", uso_slot(static_cast<long>(i), s)}};
      membri_json(j, s, kCampiStazione);
      j["significato"] = json_significati(significato_slot(static_cast<long>(i), s));
      return j;
    }
    case TipoFile::kCelle: {
      nlohmann::ordered_json j = {{"cella", i}, {"inizio_m", inizio_cella(static_cast<long>(i))}};
      membri_json(j, f.celle[i], kCampiCella);
      j["significato"] = json_significati(significato_cella(static_cast<long>(i), f.celle[i]));
      return j;
    }
    case TipoFile::kPacchetto: {
      const TestoScenario t = testi_accodati(f.accodato.scenario)[i];
      return {{"file", da_cp1252(t.nome)}, {"righe", f.accodato.scenario.*t.righe}};
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
      << ",\"tipo\":" << tipo.dump();
  if (f.tipo == TipoFile::kPacchetto) {
    // The constants of the scenario it carries, null when it runs the embedded one.
    const bool con = f.accodato.stato == ContenutoAccodato::Stato::kValido;
    nlohmann::ordered_json s;
    if (con) {
      s["nome_linea"] = da_cp1252(f.accodato.scenario.nome_linea);
      s["numero_treno"] = da_cp1252(f.accodato.scenario.numero_treno);
      s["inizio"] = f.accodato.inizio;
    }
    out << ",\"scenario\":"
        << s.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
  }
  out << ",\"" << chiave_elementi(f) << "\":[";
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
    case TipoFile::kPacchetto:
      return "pacchetto";
  }
  return "";
}

}  // namespace progetto1::strumento
