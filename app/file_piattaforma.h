// The few file operations that differ between the platforms; the rest of
// the real SistemaFile is standard C.
#pragma once

#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>

namespace progetto1::file_piattaforma {

// fopen with "wb" or "rb"; null with errno set on failure.
std::FILE* apri(const std::filesystem::path& percorso, bool scrittura);
std::error_code rinomina(const std::filesystem::path& da, const std::filesystem::path& a);
std::error_code elimina(const std::filesystem::path& percorso);
bool esiste(const std::filesystem::path& percorso);
std::error_code rendi_eseguibile(const std::filesystem::path& percorso);
std::string testo(const std::filesystem::path& percorso);

}  // namespace progetto1::file_piattaforma
