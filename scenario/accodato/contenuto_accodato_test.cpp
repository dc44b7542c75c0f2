#include "scenario/accodato/contenuto_accodato.h"

#include <gtest/gtest.h>

#include <functional>

#include "scenario/prova/eseguibile_finto.h"

namespace progetto1 {
namespace {

using Stato = ContenutoAccodato::Stato;

const std::string kBase = std::string(
                              "\x7F"
                              "ELF eseguibile",
                              15) +
                          std::string(100, '\0');

Scenario scenario_prova() {
  Scenario s;
  s.nome_linea = "Val d'Olmo";
  s.numero_treno = "12";
  s.linea = {"[generale]", "lunghezza percorso,    20000", ""};
  s.treno = {"Città: più €"};
  s.scheda = {};
  s.rallentamenti = {"a", "b"};
  s.note = {"  rientro", "\t"};
  return s;
}

void scrivi_u32(std::string& f, std::size_t da, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) f[da + static_cast<std::size_t>(i)] = static_cast<char>(v >> (8 * i));
}

// The checksum made right again after a change inside header or body, so that
// the parser's later checks are reached.
void ricalcola_crc(std::string& f) {
  const std::size_t coda = f.size() - kDimensioneCoda;
  scrivi_u32(f, coda + 12, crc32(std::string_view(f).substr(kBase.size(), coda - kBase.size())));
}

TEST(ContenutoAccodato, Crc32DelControlloComune) {
  EXPECT_EQ(crc32(""), 0u);
  EXPECT_EQ(crc32("123456789"), 0xCBF43926u);
}

TEST(ContenutoAccodato, IlFileSenzaDatiNonNeHa) {
  for (const std::string& f : {std::string(), std::string("P1SCFINE"), kBase}) {
    const ContenutoAccodato c = leggi_accodato(f);
    EXPECT_EQ(c.stato, Stato::kAssente);
    EXPECT_EQ(c.inizio, f.size());
  }
}

TEST(ContenutoAccodato, AndataERitorno) {
  const std::string dati = componi_accodato(scenario_prova(), kBase.size());
  EXPECT_EQ(dati.substr(0, 8), "P1SCENAR");
  EXPECT_EQ(dati.substr(dati.size() - 8), "P1SCFINE");
  const ContenutoAccodato c = leggi_accodato(kBase + dati);
  ASSERT_EQ(c.stato, Stato::kValido) << c.motivo;
  EXPECT_EQ(c.scenario, scenario_prova());
  EXPECT_EQ(c.inizio, kBase.size());
}

// The layout, byte for byte, for a scenario of one short line.
TEST(ContenutoAccodato, Tracciato) {
  Scenario s{"L", "9", {}, {}, {}, {}, {"\xC3\xA8"}};  // "è", one byte in the file
  const std::string dati = componi_accodato(s, 0x0102);
  const std::string corpo(
      "\x01\0\0\0L\x01\0\0\0"
      "9"
      "\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0"
      "\x01\0\0\0\x01\0\0\0\xE8",
      35);
  std::string intestazione("P1SCENAR\x01\0\0\0\x23\0\0\0", 16);
  EXPECT_EQ(dati.substr(0, 16), intestazione);
  EXPECT_EQ(dati.substr(16, corpo.size()), corpo);
  std::string coda("\x02\x01\0\0\0\0\0\0\x23\0\0\0", 12);
  const std::uint32_t crc = crc32(intestazione + corpo);
  for (int i = 0; i < 4; ++i) coda += static_cast<char>(crc >> (8 * i));
  coda += "P1SCFINE";
  EXPECT_EQ(dati.substr(16 + corpo.size()), coda);
}

// Every kind of damage is refused, never read as a scenario and never a
// crash; the changes keep the trailer's magic, so the data is still there.
TEST(ContenutoAccodato, OgniDannoRifiutato) {
  const std::string buono = kBase + componi_accodato(scenario_prova(), kBase.size());
  const std::size_t inizio = kBase.size();
  const std::size_t coda = buono.size() - kDimensioneCoda;
  struct Caso {
    const char* nome;
    std::function<void(std::string&)> guasta;
  };
  const Caso casi[] = {
      {"un byte del corpo cambiato", [&](std::string& f) { f[inizio + 20] ^= 0x40; }},
      {"la somma cambiata", [&](std::string& f) { f[coda + 12] ^= 1; }},
      {"un byte tolto prima della coda", [&](std::string& f) { f.erase(coda - 1, 1); }},
      {"un byte in più prima della coda", [&](std::string& f) { f.insert(coda, 1, 'x'); }},
      {"la base accorciata", [&](std::string& f) { f.erase(0, 10); }},
      {"l'inizio oltre il file", [&](std::string& f) { scrivi_u32(f, coda + 4, 1); }},
      {"l'inizio oltre la coda", [&](std::string& f) { scrivi_u32(f, coda, 0xFFFFFFF0u); }},
      {"il corpo più grande del file",
       [&](std::string& f) { scrivi_u32(f, coda + 8, 0xFFFFFFFFu); }},
      {"solo la coda", [&](std::string& f) { f = f.substr(coda); }},
      {"l'intestazione senza magia",
       [&](std::string& f) {
         f[inizio] = 'Q';
         ricalcola_crc(f);
       }},
      {"le dimensioni che non tornano tra intestazione e coda",
       [&](std::string& f) {
         scrivi_u32(f, inizio + 12, 3);
         ricalcola_crc(f);
       }},
      {"una versione sconosciuta",
       [&](std::string& f) {
         scrivi_u32(f, inizio + 8, 2);
         ricalcola_crc(f);
       }},
      {"una lunghezza oltre il corpo",
       [&](std::string& f) {
         scrivi_u32(f, inizio + 16, 5000);
         ricalcola_crc(f);
       }},
      {"un numero di righe oltre 1000",
       [&](std::string& f) {
         // The line text's count follows the two names.
         scrivi_u32(f, inizio + 16 + 4 + 10 + 4 + 2, 1001);
         ricalcola_crc(f);
       }},
      {"una riga con un ritorno a capo",
       [&](std::string& f) {
         f[inizio + 16 + 4 + 10 + 4 + 2 + 4 + 4] = '\n';
         ricalcola_crc(f);
       }},
      {"una riga con un byte non definito",
       [&](std::string& f) {
         f[inizio + 16 + 4 + 10 + 4 + 2 + 4 + 4] = '\x81';
         ricalcola_crc(f);
       }},
  };
  for (const Caso& c : casi) {
    std::string f = buono;
    c.guasta(f);
    const ContenutoAccodato letto = leggi_accodato(f);
    EXPECT_EQ(letto.stato, Stato::kDanneggiato) << c.nome;
    EXPECT_FALSE(letto.motivo.empty()) << c.nome;
  }
  // Cut anywhere but inside the trailer's magic, and flipped anywhere: never
  // a scenario other than the one written.
  for (std::size_t i = inizio; i < buono.size(); ++i) {
    std::string f = buono;
    f[i] = static_cast<char>(f[i] ^ 0x01);
    const ContenutoAccodato letto = leggi_accodato(f);
    EXPECT_NE(letto.stato, Stato::kValido) << "byte " << i;
  }
  for (std::size_t n = 0; n + 8 < buono.size() - inizio; ++n) {
    const std::string f = buono.substr(0, inizio + n) + "P1SCFINE";
    EXPECT_NE(leggi_accodato(f).stato, Stato::kValido) << "lunghezza " << n;
  }
}

TEST(ContenutoAccodato, RigheCheIScrittoriNonScrivonoComeSono) {
  struct Caso {
    std::string riga;
    bool scrivibile;
  };
  const Caso casi[] = {
      {"", true},
      {"segnale,   30400,   1", true},
      {"\xE8\x80\x9F", true},
      {"a\rb", false},
      {"a\n", false},
      {"\x81", false},
      {"x\x8D", false},
      {"\x8F", false},
      {"\x90", false},
      {"\x9D", false},
      {"riferimento fine del file", false},
      {"riferimento fine del file ", true},
  };
  for (const Caso& c : casi) {
    EXPECT_EQ(motivo_riga_non_scrivibile(c.riga).empty(), c.scrivibile) << c.riga;
  }
}

}  // namespace
}  // namespace progetto1

namespace progetto1 {
namespace {

TEST(FineEseguibile, DalleTesteDiELFEPE) {
  struct Caso {
    const char* nome;
    std::string programma;
    std::optional<std::uint64_t> fine;
  };
  std::string con_simboli = prova::pe_finto(0x800);
  prova::metti_le(con_simboli, 0x84 + 8, 0x600, 4);
  std::string elf32 = prova::elf_finto(0x800);
  elf32[4] = 1;
  const Caso casi[] = {
      {"ELF", prova::elf_finto(0x800), 0x800},
      {"PE", prova::pe_finto(0x800), 0x800},
      {"PE firmato", prova::pe_finto(0x800, 0x123), 0x923},
      {"PE con simboli", con_simboli, std::nullopt},
      {"ELF a 32 bit", elf32, std::nullopt},
      {"testo", "MZ, ma non un programma", std::nullopt},
      {"testa troppo corta", prova::elf_finto(0x800).substr(0, 0x30), std::nullopt},
      {"vuoto", "", std::nullopt},
  };
  for (const Caso& c : casi) {
    EXPECT_EQ(fine_eseguibile(c.programma), c.fine) << c.nome;
  }
}

// A package whose end was cut off lost its trailer but not the header of its
// data: damaged, not a bare package that runs the embedded scenario.
TEST(FineEseguibile, UnPacchettoTagliatoERovinato) {
  for (const std::string& base : {prova::elf_finto(0x800), prova::pe_finto(0x800)}) {
    const std::string intero = base + componi_accodato(scenario_prova(), base.size());
    for (std::size_t taglio :
         {std::size_t{1}, std::size_t{24}, std::size_t{100}, intero.size() - base.size() - 8}) {
      const ContenutoAccodato c =
          leggi_accodato(std::string_view(intero).substr(0, intero.size() - taglio));
      EXPECT_EQ(c.stato, Stato::kDanneggiato) << taglio;
      EXPECT_EQ(c.motivo, kMotivoCoda);
      EXPECT_EQ(c.inizio, base.size());
    }
    // Fewer bytes than the header's magic: nothing left to tell.
    EXPECT_EQ(leggi_accodato(intero.substr(0, base.size() + 7)).stato, Stato::kAssente);
    EXPECT_EQ(leggi_accodato(base).stato, Stato::kAssente);
  }
}

}  // namespace
}  // namespace progetto1
