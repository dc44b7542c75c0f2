#include "tools/comandi/sottocomandi.h"

namespace progetto1::strumento {

const std::vector<Sottocomando>& sottocomandi() {
  static const std::vector<Sottocomando> tabella = {
      {"compile",
       "Compila un testo della linea e uno del treno come fa il pacchetto e scrive i file binari",
       prepara_compile},
      {"check",
       "Verifica un testo della linea e uno del treno: tutti gli errori in una volta, e un\n"
       "avviso dove il pacchetto cambierebbe in silenzio quello che il testo dice",
       prepara_check},
      {"texts",
       "Scrive i cinque testi dello scenario incorporato (linea, treno, note, rallentamenti,\n"
       "scheda) come li scrive il pacchetto; non sostituisce testi modificati senza --force",
       prepara_texts},
      {"dump", "Decodifica piano (_linea.dat), stazioni (.sim) e celle (.dat) in testo o JSON",
       prepara_dump},
      {"map", "Disegna la linea compilata come immagine SVG", prepara_map},
      {"view",
       "Scrive la linea compilata come una pagina HTML da esplorare: pianta e profilo, ricerca,\n"
       "celle, stazioni, strati e, con i testi, le diagnostiche di check",
       prepara_view},
      {"decompile",
       "Riscrive i testi della linea e del treno dai tre file binari, verificati: compilati\n"
       "danno gli stessi byte",
       prepara_decompile},
      {"package",
       "Scrive un pacchetto (Windows o Linux) che porta con sé i cinque testi di uno scenario:\n"
       "avviato, fa quello che fa Progetto1 con questo scenario",
       prepara_package},
      {"help",
       "Spiega un record, una sezione, i codici d'errore, gli avvisi, i documenti o le celle;\n"
       "con --manuale scrive i file generati del manuale degli autori",
       prepara_help},
      {"lsp",
       "Server del Language Server Protocol per l'editor: diagnostiche, hover, completamento e\n"
       "simboli dei testi della linea e del treno",
       prepara_lsp},
  };
  return tabella;
}

}  // namespace progetto1::strumento
