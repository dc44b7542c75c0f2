#include "tools/comandi/comandi.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <cctype>
#include <optional>
#include <string_view>

#include "model/cp1252.h"
#include "model/nomi_sicuri.h"
#include "tools/comandi/sottocomandi.h"
#include "tools/motore/somiglianza.h"

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

std::string forse(const std::string& vicina) {
  return vicina.empty() ? "" : "; forse \"" + vicina + "\"?";
}

// A subcommand or option that the command line does not know, told with the
// nearest one it knows; empty when every word is known. The library would
// report a missing option first, which hides the misspelled one.
std::string parola_sconosciuta(const std::vector<std::pair<CLI::App*, Corpo>>& comandi, int argc,
                               const char* const* argv) {
  if (argc < 2 || std::string_view(argv[1]).starts_with('-')) return "";
  const std::string nome = argv[1];
  std::vector<std::string> nomi;
  const CLI::App* comando = nullptr;
  for (const auto& [c, corpo] : comandi) {
    nomi.push_back(c->get_name());
    if (c->get_name() == nome) comando = c;
  }
  if (comando == nullptr) {
    return "sottocomando sconosciuto \"" + nome + "\"" + forse(piu_vicina(nome, nomi)) +
           "\nI sottocomandi sono: " + elenco_sottocomandi() + ".";
  }
  std::vector<std::string> opzioni;
  for (const CLI::Option* o : comando->get_options()) {
    for (const std::string& n : o->get_lnames()) opzioni.push_back("--" + n);
    for (const std::string& n : o->get_snames()) opzioni.push_back("-" + n);
  }
  for (int i = 2; i < argc; ++i) {
    const std::string_view a = argv[i];
    if (a == "--") break;
    // A value such as -5 is no option.
    if (a.size() < 2 || a[0] != '-' || std::isdigit(static_cast<unsigned char>(a[1])) != 0) {
      continue;
    }
    const std::string opzione(a.substr(0, a.find('=')));
    if (std::find(opzioni.begin(), opzioni.end(), opzione) != opzioni.end()) continue;
    return "opzione sconosciuta " + opzione + " per " + nome + forse(piu_vicina(opzione, opzioni));
  }
  return "";
}

// What follows "prefisso" in m, or empty when m does not begin so.
std::optional<std::string> dopo(const std::string& m, std::string_view prefisso) {
  if (!m.starts_with(prefisso)) return std::nullopt;
  return m.substr(prefisso.size());
}

// The command-line library reports in English: its messages in Italian.
std::string messaggio_uso(const CLI::ParseError& e) {
  const std::string m = e.what();
  const std::size_t due_punti = m.find(": ");
  const std::string nome = m.substr(0, due_punti == std::string::npos ? 0 : due_punti);
  const std::string resto = due_punti == std::string::npos ? m : m.substr(due_punti + 2);
  if (m == "A subcommand is required") return "serve un sottocomando: " + elenco_sottocomandi();
  if (dynamic_cast<const CLI::RequiredError*>(&e) != nullptr) {
    const std::string richiesto = " is required";
    if (m.ends_with(richiesto)) {
      return "manca l'opzione obbligatoria " + m.substr(0, m.size() - richiesto.size());
    }
    return "mancano opzioni obbligatorie (" + m + ")";
  }
  if (dynamic_cast<const CLI::ExtrasError*>(&e) != nullptr) return "argomenti inattesi: " + resto;
  if (dynamic_cast<const CLI::ArgumentMismatch*>(&e) != nullptr) {
    return "numero di valori sbagliato per " + nome + " (manca il valore, o ce ne sono troppi)";
  }
  if (dynamic_cast<const CLI::ConversionError*>(&e) != nullptr) {
    if (const auto v = dopo(m, "Could not convert: ")) return "valore non valido: " + *v;
    return "valore non valido per " + nome;
  }
  if (dynamic_cast<const CLI::RequiresError*>(&e) != nullptr) {
    const std::size_t r = m.find(" requires ");
    if (r != std::string::npos) {
      return m.substr(0, r) + " va data insieme a " + m.substr(r + 10);
    }
  }
  if (dynamic_cast<const CLI::ExcludesError*>(&e) != nullptr) {
    const std::size_t x = m.find(" excludes ");
    if (x != std::string::npos) {
      return m.substr(0, x) + " e " + m.substr(x + 10) + " non vanno date insieme";
    }
  }
  if (dynamic_cast<const CLI::ValidationError*>(&e) != nullptr) {
    const std::size_t non = resto.find(" not in {");
    if (non != std::string::npos) {
      std::string ammessi = resto.substr(non + 9);
      if (!ammessi.empty() && ammessi.back() == '}') ammessi.pop_back();
      for (std::size_t v = ammessi.find(','); v != std::string::npos;
           v = ammessi.find(',', v + 2)) {
        ammessi.replace(v, 1, ", ");
      }
      return nome + ": valore \"" + resto.substr(0, non) + "\" non ammesso (ammessi: " + ammessi +
             ")";
    }
    // Our own checks speak Italian already.
    return m;
  }
  return "riga di comando non valida (" + m + ")";
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

  if (const std::string parola = parola_sconosciuta(corpi, argc, argv); !parola.empty()) {
    err << "scenario: " << parola << "\nUsa --help per l'aiuto.\n";
    return kUscitaUso;
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
