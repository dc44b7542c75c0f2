#include "model/pacchetto.h"

namespace progetto1 {

std::string nome_testo_linea(const Pacchetto& p) { return p.nome_linea + "_linea.txt"; }
std::string nome_testo_treno(const Pacchetto& p) {
  return p.nome_linea + "_" + p.numero_treno + "-.txt";
}
std::string nome_note(const Pacchetto& p) {
  return p.nome_linea + "_" + p.numero_treno + "_" + "note.txt";
}
std::string nome_rallentamenti(const Pacchetto& p) {
  return p.nome_linea + "_" + p.numero_treno + "_" + "rallentamenti.txt";
}
std::string nome_scheda(const Pacchetto& p) {
  return p.nome_linea + "_" + p.numero_treno + "_" + "scheda_treno.txt";
}
std::string nome_file_linea(const Pacchetto& p) { return p.nome_linea + kSuffissoPiano; }
std::string nome_file_stazioni(const Pacchetto& p) {
  return p.nome_linea + "_" + p.numero_treno + kSuffissoStazioni;
}
std::string nome_file_celle(const Pacchetto& p) {
  return p.nome_linea + "_" + p.numero_treno + kSuffissoCelle;
}

}  // namespace progetto1
