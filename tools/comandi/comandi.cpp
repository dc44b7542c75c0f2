#include "tools/comandi/comandi.h"

#include <CLI/CLI.hpp>

#include "model/cp1252.h"
#include "model/nomi_sicuri.h"
#include "tools/comandi/sottocomandi.h"

namespace progetto1::strumento {

namespace {

const char* const kEsempio = R"(Esempio:
  scenario texts --out testi
  scenario compile --line testi/Corsanta_linea.txt --train testi/Corsanta_7402-.txt \
      --name Corsanta --number 7402 --out uscita
  scenario dump uscita/Corsanta_7402.sim
  scenario map --dir uscita --name Corsanta --number 7402 --out corsanta.svg
  scenario decompile --dir uscita --name Corsanta --number 7402 --out ritorno
  scenario help stazione

Record, sezioni, codici d'errore, avvisi, documenti e celle: scenario help
[ARGOMENTO]. Il manuale degli autori: docs/manuale.md nei sorgenti, e nella
cartella )" P1_CARTELLA_MANUALE R"( di un'installazione.
)";

const char* const kAiuto = "mostra questo aiuto ed esce";

void localizza(CLI::App& app) {
  auto f = app.get_formatter();
  f->label("Usage", "Uso");
  f->label("OPTIONS", "OPZIONI");
  f->label("SUBCOMMAND", "SOTTOCOMANDO");
  f->label("SUBCOMMANDS", "SOTTOCOMANDI");
  f->label("REQUIRED", "(obbligatorio)");
  f->label("Positionals", "Argomenti");
  f->column_width(34);
  app.option_defaults()->group("Opzioni");
  app.set_help_flag("-h,--help", kAiuto);
}

// "compile, check, ... o package", in the table's order.
std::string elenco_sottocomandi() {
  const std::vector<Sottocomando>& tabella = sottocomandi();
  std::string elenco;
  for (std::size_t i = 0; i < tabella.size(); ++i) {
    if (i > 0) elenco += i + 1 == tabella.size() ? " o " : ", ";
    elenco += tabella[i].nome;
  }
  return elenco;
}

// The command-line library reports in English; the common cases in Italian.
std::string messaggio_uso(const CLI::ParseError& e) {
  const std::string m = e.what();
  const std::string richiesto = " is required";
  if (m == "A subcommand is required") return "serve un sottocomando: " + elenco_sottocomandi();
  if (dynamic_cast<const CLI::RequiredError*>(&e) != nullptr && m.ends_with(richiesto)) {
    return "manca l'opzione obbligatoria " + m.substr(0, m.size() - richiesto.size());
  }
  if (dynamic_cast<const CLI::ExtrasError*>(&e) != nullptr) {
    const std::size_t due_punti = m.find(": ");
    return "argomenti inattesi: " + (due_punti == std::string::npos ? m : m.substr(due_punti + 2));
  }
  return m;
}

}  // namespace

bool nome_valido(const std::string& utf8, std::string& cp1252, std::string& motivo) {
  const std::string convertito = a_cp1252(utf8);
  if (da_cp1252(convertito) != utf8) {
    motivo = "contiene caratteri fuori dalla codifica Windows-1252 dei file del pacchetto";
    return false;
  }
  motivo = motivo_nome_non_sicuro(convertito);
  if (!motivo.empty()) return false;
  cp1252 = convertito;
  return true;
}

int esegui_scenario(int argc, const char* const* argv, std::ostream& out, std::ostream& err,
                    SistemaFile& sistema, FormaLuogo luogo) {
  CLI::App app(
      "scenario: lo strumento degli autori di scenari. Compila i testi della linea e del treno\n"
      "con lo stesso compilatore del pacchetto, esporta i testi dello scenario incorporato,\n"
      "decodifica e disegna i file binari; help spiega i testi, i codici e gli avvisi.",
      "scenario");
  localizza(app);
  app.require_subcommand(1);
  app.footer(kEsempio);

  std::vector<std::pair<CLI::App*, Corpo>> corpi;
  for (const Sottocomando& s : sottocomandi()) {
    CLI::App* comando = app.add_subcommand(s.nome, s.sommario);
    comando->set_help_flag("-h,--help", kAiuto);
    comando->group("Sottocomandi");
    corpi.emplace_back(comando, s.prepara(*comando));
  }

  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp& e) {
    return app.exit(e, out, err) == 0 ? kUscitaPulita : kUscitaUso;
  } catch (const CLI::CallForAllHelp& e) {
    return app.exit(e, out, err) == 0 ? kUscitaPulita : kUscitaUso;
  } catch (const CLI::ParseError& e) {
    err << "scenario: " << messaggio_uso(e) << "\nUsa --help per l'aiuto.\n";
    return kUscitaUso;
  }

  const Ambiente ambiente{out, err, sistema, luogo};
  for (const auto& [comando, corpo] : corpi) {
    if (comando->parsed()) return corpo(ambiente);
  }
  return kUscitaUso;
}

}  // namespace progetto1::strumento
