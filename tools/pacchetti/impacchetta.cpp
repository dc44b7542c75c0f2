#include "tools/pacchetti/impacchetta.h"

#include "model/cp1252.h"
#include "scenario/scrittori/scrittore_testi.h"
#include "tools/terminale/scrittura.h"

namespace progetto1::strumento {

namespace {

// Every byte above 0x7F belongs to a well-formed UTF-8 sequence, and there
// is at least one such byte.
bool tutto_utf8(std::string_view s) {
  bool multibyte = false;
  for (std::size_t i = 0; i < s.size();) {
    const auto b = static_cast<unsigned char>(s[i]);
    if (b < 0x80) {
      ++i;
      continue;
    }
    const std::size_t n = b >= 0xC2 && b <= 0xDF   ? 2
                          : b >= 0xE0 && b <= 0xEF ? 3
                          : b >= 0xF0 && b <= 0xF4 ? 4
                                                   : 0;
    if (n == 0 || i + n > s.size()) return false;
    for (std::size_t k = 1; k < n; ++k) {
      if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return false;
    }
    multibyte = true;
    i += n;
  }
  return multibyte;
}

}  // namespace

std::array<TestoScenario, 5> testi_scenario(const Pacchetto& p) {
  return {{{nome_testo_linea(p), &Scenario::linea},
           {nome_testo_treno(p), &Scenario::treno},
           {nome_scheda(p), &Scenario::scheda},
           {nome_rallentamenti(p), &Scenario::rallentamenti},
           {nome_note(p), &Scenario::note}}};
}

RigheTesto righe_del_testo(std::string_view byte, const std::string& file) {
  RigheTesto t;
  t.sembra_utf8 = tutto_utf8(byte);
  std::size_t inizio = 0;
  long numero = 0;
  while (inizio < byte.size()) {
    std::size_t fine = byte.find('\n', inizio);
    std::size_t dopo = fine == std::string_view::npos ? byte.size() : fine + 1;
    if (fine == std::string_view::npos) fine = byte.size();
    std::string_view riga = byte.substr(inizio, fine - inizio);
    if (fine < byte.size()) {
      if (!riga.empty() && riga.back() == '\r') {
        riga.remove_suffix(1);
      } else {
        t.solo_lf = true;
      }
    }
    ++numero;
    const std::string motivo = motivo_riga_non_scrivibile(riga);
    if (!motivo.empty()) {
      throw ErroreFile(file + ":" + std::to_string(numero) + ": la riga " + motivo);
    }
    if (numero >= kRigheElenco) {
      throw ErroreFile(file + ":" + std::to_string(numero) + ": più di " +
                       std::to_string(kRigheElenco - 1) +
                       " righe: il pacchetto non ne scrive di più in un testo");
    }
    t.righe.push_back(da_cp1252(riga));
    inizio = dopo;
  }
  return t;
}

bool uscita_windows(const std::filesystem::path& uscita) {
  return minuscole(uscita.extension().string()) == ".exe";
}

PacchettoComposto componi_pacchetto(std::string_view base, bool windows, const Scenario& s,
                                    const std::string& nome_base) {
  if (windows ? !eseguibile_windows(base) : !eseguibile_linux(base)) {
    throw ErroreFile("la base \"" + nome_base + "\" non è un eseguibile " +
                     (windows ? "Windows (l'uscita finisce con .exe)"
                              : "Linux (l'uscita non finisce con .exe)"));
  }
  const ContenutoAccodato vecchio = leggi_accodato(base);
  if (vecchio.stato == ContenutoAccodato::Stato::kDanneggiato) {
    throw ErroreFile("la base \"" + nome_base + "\" porta uno scenario accodato rovinato (" +
                     vecchio.motivo + "): serve il pacchetto senza scenario o uno intatto");
  }
  PacchettoComposto p;
  p.sostituiti = vecchio.stato == ContenutoAccodato::Stato::kValido;
  p.byte.assign(base.substr(0, vecchio.inizio));
  p.byte += componi_accodato(s, vecchio.inizio);
  return p;
}

}  // namespace progetto1::strumento
