// scenario texts: the five texts of the embedded scenario as the package
// writes them, under the names it gives them for a line and a train.
#include <memory>

#include "tools/comandi/comandi.h"
#include "tools/comandi/comune.h"
#include "tools/comandi/opzioni.h"
#include "tools/comandi/sottocomandi.h"
#include "tools/terminale/percorsi.h"

namespace progetto1::strumento {

namespace fs = std::filesystem;

namespace {

struct OpzioniTexts {
  std::string uscita, nome = kNomeLinea, numero = kNumeroTreno;
  bool forza = false;
};

int esegui(const OpzioniTexts& o, const Ambiente& a) {
  Pacchetto p;
  if (!nomi_pacchetto(o.nome, o.numero, p, a.err)) return kUscitaUso;
  const fs::path uscita = percorso(o.uscita);
  if (!cartella_utilizzabile(uscita, a.err)) return kUscitaUso;
  const std::vector<FileUscita> file =
      con_nomi_disco(testi_pacchetto(p.nome_linea, p.numero_treno));
  if (!testi_intatti(uscita, file, o.forza, a.sistema, a.err) ||
      !scrivi_o_avvisa(uscita, file, {}, a.sistema, a.err)) {
    return kUscitaUso;
  }
  for (const FileUscita& f : file) a.out << "scritto " << testo(uscita / percorso(f.first)) << "\n";
  return kUscitaPulita;
}

}  // namespace

Corpo prepara_texts(CLI::App& c) {
  auto o = std::make_shared<OpzioniTexts>();
  opzione_uscita(c, o->uscita, "cartella dei testi (creata se manca)", "DIR");
  opzioni_nomi(c, o->nome, o->numero, false, "nei nomi dei file, per package");
  opzione_forza(c, o->forza);
  return [o](const Ambiente& a) { return esegui(*o, a); };
}

}  // namespace progetto1::strumento
