#include "tools/binari/lettura.h"

#include <system_error>
#include <utility>

#include "model/cp1252.h"
#include "tools/terminale/percorsi.h"
#include "tools/terminale/scrittura.h"

namespace progetto1::strumento {

namespace fs = std::filesystem;

const fs::path& PercorsiScenario::di(TipoFile tipo) const {
  return tipo == TipoFile::kPiano ? piano : tipo == TipoFile::kStazioni ? stazioni : celle;
}

PercorsiScenario percorsi_scenario(const fs::path& cartella, const Pacchetto& p) {
  return {cartella / percorso(da_cp1252(nome_file_linea(p))),
          cartella / percorso(da_cp1252(nome_file_stazioni(p))),
          cartella / percorso(da_cp1252(nome_file_celle(p)))};
}

FileDecodificato decodifica_tipo(TipoFile tipo, std::string_view byte) {
  FileDecodificato f;
  f.tipo = tipo;
  switch (tipo) {
    case TipoFile::kPacchetto:
      f.accodato = leggi_accodato(byte);
      if (f.accodato.stato == ContenutoAccodato::Stato::kDanneggiato) {
        throw ErroreFormato("lo scenario accodato al pacchetto è rovinato: " + f.accodato.motivo);
      }
      break;
    case TipoFile::kPiano:
      f.piano = decodifica_piano(byte);
      break;
    case TipoFile::kStazioni:
      f.stazioni = decodifica_stazioni(byte);
      break;
    case TipoFile::kCelle:
      f.celle = decodifica_celle(byte);
      break;
  }
  return f;
}

FileDecodificato decodifica_file(const std::string& nome, std::string_view byte) {
  TipoFile tipo;
  if (!tipo_da_nome(nome, tipo)) {
    if (!eseguibile_windows(byte) && !eseguibile_linux(byte)) {
      throw ErroreFormato(std::string("tipo di file sconosciuto: il nome deve finire con \"") +
                          kSuffissoPiano + "\" (piano), \"" + kSuffissoStazioni +
                          "\" (stazioni) o \"" + kSuffissoCelle +
                          "\" (celle), oppure il file deve essere un pacchetto eseguibile");
    }
    tipo = TipoFile::kPacchetto;
  }
  FileDecodificato f = decodifica_tipo(tipo, byte);
  f.nome = nome;
  return f;
}

FileDecodificato leggi_file_decodificato(const fs::path& percorso) {
  return decodifica_file(testo(percorso.filename()), leggi_file(percorso, "il file"));
}

namespace {

FileDecodificato decodifica_nominato(TipoFile tipo, std::string_view byte) {
  try {
    return decodifica_tipo(tipo, byte);
  } catch (const ErroreFormato& e) {
    throw ErroreFileRovinato(tipo, e.what());
  }
}

}  // namespace

ScenarioCompilato decodifica_scenario(FileBinari byte) {
  ScenarioCompilato s;
  s.stazioni = decodifica_nominato(TipoFile::kStazioni, byte.stazioni).stazioni;
  s.celle = decodifica_nominato(TipoFile::kCelle, byte.celle).celle;
  if (byte.piano) s.piano = decodifica_nominato(TipoFile::kPiano, *byte.piano).piano;
  s.byte = std::move(byte);
  return s;
}

ScenarioCompilato leggi_scenario_compilato(const PercorsiScenario& percorsi) {
  FileBinari byte;
  byte.stazioni = leggi_file(percorsi.stazioni, "la tabella delle stazioni");
  byte.celle = leggi_file(percorsi.celle, "il file delle celle");
  std::error_code ec;
  if (fs::exists(percorsi.piano, ec))
    byte.piano = leggi_file(percorsi.piano, "il piano della linea");
  return decodifica_scenario(std::move(byte));
}

}  // namespace progetto1::strumento
