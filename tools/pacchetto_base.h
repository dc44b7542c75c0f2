// The package that `scenario package` copies when it is given no --base: the
// one handed out beside the tool, for the platform that the output names.
#pragma once

#include <filesystem>

namespace progetto1::strumento {

// `strumento` is the tool's own file, `uscita` the package to write: an
// output ending in ".exe" (in any case) is a Windows package and takes
// Progetto1.exe from the tool's folder; any other takes Progetto1.
std::filesystem::path pacchetto_base_predefinito(const std::filesystem::path& strumento,
                                                 const std::filesystem::path& uscita);

}  // namespace progetto1::strumento
