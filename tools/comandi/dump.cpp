// scenario dump: binary files, and what a package executable carries, decoded
// into rows a person can read or into JSON.
#include <memory>

#include "tools/binari/scarico.h"
#include "tools/comandi/comandi.h"
#include "tools/comandi/opzioni.h"
#include "tools/comandi/sottocomandi.h"
#include "tools/terminale/percorsi.h"
#include "tools/terminale/scrittura.h"

namespace progetto1::strumento {

namespace {

const char* const kPiedeDump = R"(
Il tipo di file si riconosce dal nome: "_linea.dat" è il piano della linea
(una riga per punto, con il tipo di ogni valore), ".sim" la tabella delle
stazioni (una riga per slot), ogni altro ".dat" le celle del percorso (una
riga per cella, con il genere per nome). Un file la cui dimensione non
corrisponde al suo formato viene rifiutato con lo stato 2.
)";

struct OpzioniDump {
  std::vector<std::string> file;
  bool json = false;
};

int esegui(const OpzioniDump& o, const Ambiente& a) {
  // Every file is decoded before anything is printed, so a bad one leaves no
  // half output behind.
  std::vector<FileDecodificato> file;
  for (const std::string& nome : o.file) {
    try {
      file.push_back(leggi_file_decodificato(percorso(nome)));
      file.back().nome = nome;
    } catch (const ErroreFile& e) {
      a.err << "scenario: " << e.what() << "\n";
      return kUscitaUso;
    } catch (const ErroreFormato& e) {
      a.err << nome << ": errore: " << e.what() << "\n";
      return kUscitaUso;
    }
  }
  if (o.json) {
    a.out << "{\"files\":[";
    for (std::size_t i = 0; i < file.size(); ++i) {
      if (i > 0) a.out << ',';
      scrivi_json_scarico(a.out, file[i]);
    }
    a.out << "]}\n";
  } else {
    for (std::size_t i = 0; i < file.size(); ++i) {
      if (i > 0) a.out << "\n";
      scrivi_scarico(a.out, file[i]);
    }
  }
  return kUscitaPulita;
}

}  // namespace

Corpo prepara_dump(CLI::App& c) {
  auto o = std::make_shared<OpzioniDump>();
  c.add_option("FILE", o->file, "file binari da decodificare")->required()->type_name("FILE");
  opzione_json(c, o->json, "un oggetto JSON con un elemento per file");
  c.footer(kPiedeDump);
  return [o](const Ambiente& a) { return esegui(*o, a); };
}

}  // namespace progetto1::strumento
