#include "tools/comandi/opzioni.h"

#include "model/pacchetto.h"

namespace progetto1::strumento {

void opzioni_testi(CLI::App& comando, std::string& linea, std::string& treno) {
  comando.add_option("--line", linea, "testo della linea")->required()->type_name("TESTO_LINEA");
  comando.add_option("--train", treno, "testo del treno")->required()->type_name("TESTO_TRENO");
}

void opzioni_testi_per_diagnostiche(CLI::App& comando, std::string& linea, std::string& treno) {
  CLI::Option* l = comando.add_option("--line", linea, "testo della linea, per le diagnostiche")
                       ->type_name("TESTO_LINEA");
  CLI::Option* t = comando.add_option("--train", treno, "testo del treno, per le diagnostiche")
                       ->type_name("TESTO_TRENO");
  l->needs(t);
  t->needs(l);
}

void opzioni_nomi(CLI::App& comando, std::string& nome, std::string& numero, bool obbligatori,
                  const std::string& per) {
  const std::string fine = per.empty() ? "" : ", " + per;
  if (obbligatori) {
    comando.add_option("--name", nome, "nome della linea (prima parte dei nomi dei file)")
        ->required()
        ->type_name("NOME_LINEA");
    comando.add_option("--number", numero, "numero del treno")
        ->required()
        ->type_name("NUMERO_TRENO");
    return;
  }
  comando
      .add_option("--name", nome,
                  "nome della linea (di solito: " + std::string(kNomeLinea) + ")" + fine)
      ->type_name("NOME_LINEA");
  comando
      .add_option("--number", numero,
                  "numero del treno (di solito: " + std::string(kNumeroTreno) + ")" + fine)
      ->type_name("NUMERO_TRENO");
}

void opzioni_scenario_compilato(CLI::App& comando, std::string& cartella, std::string& nome,
                                std::string& numero) {
  comando.add_option("--dir", cartella, "cartella dei file binari")->required()->type_name("DIR");
  opzioni_nomi(comando, nome, numero, true);
}

void opzione_uscita(CLI::App& comando, std::string& uscita, const std::string& descrizione,
                    const std::string& tipo) {
  comando.add_option("--out", uscita, descrizione)->required()->type_name(tipo);
}

void opzione_forza(CLI::App& comando, bool& forza) {
  comando.add_flag("--force", forza,
                   "sostituisce anche i testi che nella cartella esistono già con un contenuto "
                   "diverso");
}

void opzione_json(CLI::App& comando, bool& json, const std::string& descrizione) {
  comando.add_flag("--json", json, descrizione);
}

FormaLuogo SceltaLuogo::forma(FormaLuogo predefinita) const {
  return scelta.empty()     ? predefinita
         : scelta == "msvc" ? FormaLuogo::kVisualStudio
                            : FormaLuogo::kCompilatore;
}

void opzione_luogo(CLI::App& comando, SceltaLuogo& luogo) {
  comando
      .add_option("--diagnostics", luogo.scelta,
                  "forma del luogo: gcc FILE:RIGA:COLONNA: o msvc FILE(RIGA,COLONNA):")
      ->check(CLI::Validator(
          [](const std::string& valore) {
            return valore == "gcc" || valore == "msvc" ? std::string() : "deve essere gcc o msvc";
          },
          ""))
      ->type_name("gcc|msvc");
}

}  // namespace progetto1::strumento
