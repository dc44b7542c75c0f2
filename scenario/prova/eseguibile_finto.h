// Programs for tests of appended data: the headers of a 64-bit ELF or PE
// program that say it ends at `dimensione` bytes, padded to that size, and
// nothing a system could run.
#pragma once

#include <cstdint>
#include <string>

namespace progetto1::prova {

inline void metti_le(std::string& f, std::size_t da, std::uint64_t v, int byte) {
  for (int i = 0; i < byte; ++i)
    f[da + static_cast<std::size_t>(i)] = static_cast<char>(v >> (8 * i));
}

// ELF: one section header, the table at the end of the file.
inline std::string elf_finto(std::size_t dimensione) {
  std::string f(dimensione, '\x90');
  f.replace(0, 4,
            "\x7f"
            "ELF");
  metti_le(f, 4, 2, 1);      // 64-bit
  metti_le(f, 5, 1, 1);      // little-endian
  metti_le(f, 0x20, 64, 8);  // program headers: none
  metti_le(f, 0x28, dimensione - 64, 8);
  metti_le(f, 0x36, 56, 2);
  metti_le(f, 0x38, 0, 2);
  metti_le(f, 0x3A, 64, 2);
  metti_le(f, 0x3C, 1, 2);
  return f;
}

// PE32+: one section from 0x400 to `dimensione`, and a certificate of
// `certificato` bytes after it, when asked for.
inline std::string pe_finto(std::size_t dimensione, std::size_t certificato = 0) {
  std::string f(dimensione + certificato, '\0');
  f.replace(0, 2, "MZ");
  metti_le(f, 0x3C, 0x80, 4);
  f.replace(0x80, 4, std::string("PE\0\0", 4));
  const std::size_t coff = 0x84;
  metti_le(f, coff, 0x8664, 2);
  metti_le(f, coff + 2, 1, 2);
  metti_le(f, coff + 16, 240, 2);
  metti_le(f, coff + 20, 0x20B, 2);
  if (certificato > 0) {
    metti_le(f, coff + 20 + 112 + 32, dimensione, 4);
    metti_le(f, coff + 20 + 112 + 36, certificato, 4);
  }
  const std::size_t sezione = coff + 20 + 240;
  metti_le(f, sezione + 16, dimensione - 0x400, 4);
  metti_le(f, sezione + 20, 0x400, 4);
  return f;
}

}  // namespace progetto1::prova
