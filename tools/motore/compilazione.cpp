#include "tools/motore/compilazione.h"

#include <algorithm>
#include <utility>

#include "model/avvisi.h"
#include "model/guasto.h"
#include "model/pacchetto.h"
#include "output/finitura.h"
#include "scenario/scrittori/testi.h"

namespace progetto1::strumento {

namespace {

// The package shows a message box and ends; here the report becomes an
// exception that ends the compilation instead of the process.
struct ErroreFinitura {
  CodiceErrore codice;
};

class AvvisiStrumento : public Avvisi {
 public:
  [[noreturn]] void errore(CodiceErrore a) override { throw ErroreFinitura{a}; }
};

}  // namespace

std::string ArchivioRegistrato::leggi(const std::string& nome) {
  auto it = file.find(nome);
  if (it == file.end()) throw Guasto::file_non_trovato(nome);
  return std::exchange(it->second, std::string());
}

void ArchivioRegistrato::sostituisci(const std::string& nome, std::string_view byte) {
  ArchivioMemoria::sostituisci(nome, byte);
  if (std::find(ordine.begin(), ordine.end(), nome) == ordine.end()) ordine.push_back(nome);
}

void carica_testi(Pacchetto& p, ArchivioMemoria& archivio, std::string testo_linea,
                  std::string testo_treno, const std::string& nome_linea,
                  const std::string& numero_treno) {
  p.nome_linea = nome_linea;
  p.numero_treno = numero_treno;
  archivio.file[nome_testo_linea(p)] = std::move(testo_linea);
  archivio.file[nome_testo_treno(p)] = std::move(testo_treno);
}

void ArchivioRegistrato::sostituisci_tutti(const FileProdotti& nuovi) {
  if (!consegna) {
    ArchivioMemoria::sostituisci_tutti(nuovi);
    return;
  }
  consegna(nuovi);
}

EsitoCompilazione compila(std::string_view testo_linea, std::string_view testo_treno,
                          const std::string& nome_linea, const std::string& numero_treno,
                          bool con_piano) {
  return compila(std::string(testo_linea), std::string(testo_treno), nome_linea, numero_treno,
                 con_piano, Consegna());
}

EsitoCompilazione compila(std::string testo_linea, std::string testo_treno,
                          const std::string& nome_linea, const std::string& numero_treno,
                          bool con_piano, const Consegna& consegna) {
  Pacchetto p;
  ArchivioRegistrato archivio;
  archivio.consegna = consegna;
  carica_testi(p, archivio, std::move(testo_linea), std::move(testo_treno), nome_linea,
               numero_treno);

  EsitoCompilazione esito;
  AvvisiStrumento avvisi;
  try {
    memorizza_percorso(p, con_piano ? 1 : 0, archivio, avvisi, &esito.traccia);
  } catch (const ErroreFinitura& e) {
    esito.fatale = e.codice == CodiceErrore::kValoriPacchetto ? Fatale::k1250 : Fatale::k1251;
  } catch (const Guasto& g) {
    esito.fatale = p.percorso.vuoto() ? Fatale::kSenzaPercorso : Fatale::kGuasto;
    esito.guasto = std::to_string(g.numero()) + " (" + g.descrizione() + ")";
  }
  esito.codice_errore = p.codice_errore;
  esito.posizione_errore = p.posizione_errore;
  if (p.percorso.ultimo() >= 1) esito.cella1 = p.percorso[1];
  esito.slot_linea = p.stazioni[kSlotLinea];
  if (esito.fatale != Fatale::kNessuno) return esito;

  // Only the binary files: a text the reader left behind is not output.
  const std::string binari[] = {nome_file_linea(p), nome_file_stazioni(p), nome_file_celle(p)};
  for (const std::string& nome : archivio.ordine) {
    if (std::find(std::begin(binari), std::end(binari), nome) == std::end(binari)) continue;
    if (!archivio.esiste(nome)) continue;
    esito.file.emplace_back(nome, archivio.file[nome]);
  }
  return esito;
}

std::vector<FileUscita> testi_pacchetto(const std::string& nome_linea,
                                        const std::string& numero_treno) {
  Pacchetto p;
  p.nome_linea = nome_linea;
  p.numero_treno = numero_treno;
  ArchivioRegistrato archivio;
  scrivi_testi(p, archivio);
  std::vector<FileUscita> file;
  for (const std::string& nome : archivio.ordine) file.emplace_back(nome, archivio.file[nome]);
  return file;
}

}  // namespace progetto1::strumento
