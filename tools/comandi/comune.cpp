#include "tools/comandi/comune.h"

#include <system_error>
#include <utility>

#include "model/cp1252.h"
#include "model/nomi_sicuri.h"
#include "tools/comandi/comandi.h"
#include "tools/terminale/percorsi.h"

namespace progetto1::strumento {

namespace fs = std::filesystem;

bool nomi_pacchetto(const std::string& nome, const std::string& numero, Pacchetto& p,
                    std::ostream& err) {
  std::string motivo;
  if (!nome_valido(nome, p.nome_linea, motivo)) {
    err << "scenario: --name \"" << nome << "\": " << motivo << "\n";
    return false;
  }
  if (!nome_valido(numero, p.numero_treno, motivo)) {
    err << "scenario: --number \"" << numero << "\": " << motivo << "\n";
    return false;
  }
  motivo = motivo_nomi_in_conflitto(p.nome_linea, p.numero_treno);
  if (!motivo.empty()) {
    err << "scenario: --number \"" << numero << "\": " << motivo << "\n";
    return false;
  }
  return true;
}

std::vector<FileUscita> con_nomi_disco(std::vector<FileUscita> file) {
  for (FileUscita& f : file) f.first = da_cp1252(f.first);
  return file;
}

bool cartella_utilizzabile(const fs::path& cartella, std::ostream& err) {
  std::error_code ec;
  if (fs::exists(cartella, ec) && !fs::is_directory(cartella, ec)) {
    err << "scenario: \"" << testo(cartella) << "\" non è una cartella\n";
    return false;
  }
  return true;
}

bool estensione_di_uscita(const std::string& uscita, const std::string& estensione,
                          std::ostream& err) {
  if (uscita.ends_with(estensione)) return true;
  err << "scenario: --out \"" << uscita << "\": il file deve finire con \"" << estensione << "\"\n";
  return false;
}

bool file_di_uscita(const std::string& uscita, fs::path& destinazione, fs::path& cartella,
                    std::ostream& err) {
  destinazione = percorso(uscita);
  cartella = destinazione.has_parent_path() ? destinazione.parent_path() : fs::path(".");
  if (!destinazione.has_filename()) {
    err << "scenario: --out \"" << uscita << "\": serve il nome di un file\n";
    return false;
  }
  return cartella_utilizzabile(cartella, err);
}

bool testi_intatti(const fs::path& cartella, const std::vector<FileUscita>& file, bool forza,
                   SistemaFile& sistema, std::ostream& err) {
  std::vector<fs::path> diversi;
  for (const FileUscita& f : file) {
    const fs::path p = cartella / percorso(f.first);
    if (!sistema.esiste(p)) continue;
    std::string attuale;
    if (sistema.leggi(p, attuale) || attuale != f.second) diversi.push_back(p);
  }
  if (diversi.empty()) return true;
  if (forza) {
    err << "scenario: --force: sostituisco testi che avevano un contenuto diverso:\n";
    for (const fs::path& p : diversi) err << "  " << testo(p) << "\n";
    return true;
  }
  err << "scenario: non sostituisco testi che esistono già con un contenuto diverso (forse li "
         "hai modificati); non ho scritto nulla:\n";
  for (const fs::path& p : diversi) err << "  " << testo(p) << "\n";
  err << "Scegli un'altra cartella con --out, oppure aggiungi --force per sostituirli.\n";
  return false;
}

bool scrivi_o_avvisa(const fs::path& cartella, const std::vector<FileUscita>& file,
                     const std::vector<fs::path>& intoccabili, SistemaFile& sistema,
                     std::ostream& err) {
  try {
    scrivi_in_cartella(cartella, file, intoccabili, sistema);
  } catch (const ErroreFile& e) {
    err << "scenario: " << e.what() << "\n";
    return false;
  }
  return true;
}

bool leggi_testi(const std::string& linea, const std::string& treno, std::string& testo_linea,
                 std::string& testo_treno, std::ostream& err) {
  try {
    testo_linea = leggi_file(percorso(linea), "il testo della linea");
    testo_treno = leggi_file(percorso(treno), "il testo del treno");
  } catch (const ErroreFile& e) {
    err << "scenario: " << e.what() << "\n";
    return false;
  }
  return true;
}

std::optional<ScenarioCompilato> leggi_compilato(const PercorsiScenario& percorsi,
                                                 std::ostream& err) {
  try {
    return leggi_scenario_compilato(percorsi);
  } catch (const ErroreFile& e) {
    err << "scenario: " << e.what() << "\n";
  } catch (const ErroreFileRovinato& e) {
    err << testo(percorsi.di(e.tipo())) << ": errore: " << e.what() << "\n";
  }
  return std::nullopt;
}

std::optional<Disegno> da_disegnare(const OpzioniDisegno& o, const std::string& estensione,
                                    std::ostream& err) {
  if (!estensione_di_uscita(o.uscita, estensione, err)) return std::nullopt;
  Disegno d;
  if (!nomi_pacchetto(o.nome, o.numero, d.p, err)) return std::nullopt;
  d.letti = percorsi_scenario(percorso(o.cartella), d.p);
  std::optional<ScenarioCompilato> scenario = leggi_compilato(d.letti, err);
  if (!scenario) return std::nullopt;
  d.dati.nome_linea = o.nome;
  d.dati.numero_treno = o.numero;
  d.dati.stazioni = std::move(scenario->stazioni);
  d.dati.celle = std::move(scenario->celle);
  if (!scenario->piano) {
    err << "scenario: " << testo(d.letti.piano)
        << ": avviso: piano della linea assente: disegno solo il profilo\n";
  } else if (piano_compatibile(*scenario->piano, d.dati.stazioni, d.dati.celle)) {
    d.dati.piano = std::move(scenario->piano);
  } else {
    err << "scenario: " << testo(d.letti.piano)
        << ": avviso: il piano non corrisponde alle celle (è di un'altra compilazione?): "
           "disegno solo il profilo\n";
  }
  return d;
}

int scrivi_disegno(const std::string& uscita, const std::string& contenuto, const Disegno& d,
                   const Ambiente& a) {
  fs::path destinazione, cartella;
  if (!file_di_uscita(uscita, destinazione, cartella, a.err) ||
      !scrivi_o_avvisa(cartella, {{testo(destinazione.filename()), contenuto}},
                       {d.letti.piano, d.letti.stazioni, d.letti.celle}, a.sistema, a.err)) {
    return kUscitaUso;
  }
  a.out << "scritto " << testo(destinazione) << "\n";
  return kUscitaPulita;
}

}  // namespace progetto1::strumento
