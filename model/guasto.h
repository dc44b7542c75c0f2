// A run-time failure of the package: a file that cannot be created, read or
// written, a conversion overflow, an index outside an array, the end of a text
// inside a record. Each carries the number and the description under which
// the package reports it. The text readers turn any Guasto into error code 25;
// anywhere else it ends the run with the generic failure report.
#pragma once

#include <stdexcept>
#include <string>

namespace progetto1 {

class Guasto : public std::runtime_error {
 public:
  Guasto(long numero, const std::string& descrizione)
      : std::runtime_error(descrizione), numero_(numero) {}

  long numero() const { return numero_; }
  std::string descrizione() const { return what(); }

  static Guasto overflow() { return {6, "Overflow"}; }
  static Guasto indice_fuori_intervallo() { return {9, "Indice non incluso nell'intervallo"}; }
  static Guasto tipo_non_corrispondente() { return {13, "Tipo non corrispondente"}; }
  static Guasto file_non_trovato(const std::string& nome) {
    return {53, "File non trovato: " + nome};
  }
  // A fault of the package itself, never of the scenario: a record written
  // with another size than its layout declares, a code without its meaning.
  static Guasto errore_interno() { return {51, "Errore interno"}; }
  static Guasto input_oltre_fine() { return {62, "Input oltre la fine del file"}; }
  static Guasto accesso_file(const std::string& nome) {
    return {75, "Errore di accesso al percorso/file: " + nome};
  }

 private:
  long numero_;
};

}  // namespace progetto1
