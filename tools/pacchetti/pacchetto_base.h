// The package that `scenario package` copies when it is given no --base: one
// of those handed out with the tool, for the platform that the output names.
//
// The tool looks for it, in this order:
//   1. in its own folder, where the build puts both bases (build/tools/ beside
//      the Linux tool: Progetto1, and Progetto1.exe wherever MinGW-w64 is
//      installed; build-windows/app/ in the Windows cross-build) and where a
//      Windows install puts them (bin/, beside scenario.exe);
//   2. in the folder where a Linux install puts them, named relative to the
//      tool's own folder: libexec/progetto1/ beside bin/ by default, out of
//      bin/ because a package run where it lies writes its files there. The
//      build computes that relative path from CMAKE_INSTALL_BINDIR and
//      CMAKE_INSTALL_LIBEXECDIR (tools/CMakeLists.txt).
#pragma once

#include <filesystem>
#include <vector>

namespace progetto1::strumento {

struct PacchettoBase {
  // The first candidate that is a file; the first candidate when none is.
  std::filesystem::path scelto;
  // Every candidate, in the order tried, for a message that names them.
  std::vector<std::filesystem::path> provati;
  bool trovato = false;
};

// The folder where an install puts the bases, for the tool's own file
// `strumento`; on Windows the tool's own folder.
std::filesystem::path cartella_basi_installate(const std::filesystem::path& strumento);

// The places where the base for the output `uscita` may be, in the order
// above, none twice: an output ending in ".exe" (in any case) is a Windows
// package and takes Progetto1.exe, any other Progetto1.
std::vector<std::filesystem::path> candidati_pacchetto_base(const std::filesystem::path& strumento,
                                                            const std::filesystem::path& uscita);

// The first of the candidates that is a file (or a link to one).
PacchettoBase cerca_pacchetto_base(const std::filesystem::path& strumento,
                                   const std::filesystem::path& uscita);

// cerca_pacchetto_base(strumento, uscita).scelto.
std::filesystem::path pacchetto_base_predefinito(const std::filesystem::path& strumento,
                                                 const std::filesystem::path& uscita);

}  // namespace progetto1::strumento
