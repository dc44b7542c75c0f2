// scenario lsp: the language server of the scenario texts, on the standard
// input and output.
#include <memory>

#include "tools/comandi/comandi.h"
#include "tools/comandi/sottocomandi.h"
#include "tools/lsp/server.h"
#include "tools/terminale/terminale.h"

namespace progetto1::strumento {

namespace {

const char* const kPiedeLsp = R"(
Un server del Language Server Protocol (JSON-RPC 2.0 con Content-Length)
sull'ingresso e sull'uscita standard, per l'editor dell'autore. Per i testi
NOME_linea.txt e NOME_NUMERO-.txt, accoppiati per nome nella stessa cartella
(il compagno non aperto è letto dal disco):
  - le diagnostiche di check, a ogni apertura e modifica, per tutti e due;
  - hover: su una parola chiave il riferimento del record, su un valore il
    suo campo (nome, unità, valori, che cosa ne fa il pacchetto);
  - completamento delle parole chiave, con i campi come segnaposto, e delle
    intestazioni;
  - i simboli del documento: le sezioni e i loro record.
Esce con 0 dopo "shutdown" ed "exit", con 1 senza "shutdown".
)";

}  // namespace

Corpo prepara_lsp(CLI::App& c) {
  c.footer(kPiedeLsp);
  return [](const Ambiente& a) { return lsp::servi(ingresso_programma(), a.out); };
}

}  // namespace progetto1::strumento
