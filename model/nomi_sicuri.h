// The line name and the train number become parts of the names of the files
// the package writes into its own folder, so both must be names that stay in
// that folder on every system the package runs on. One rule for the package,
// which refuses appended data with unsafe names, and for the scenario tool,
// which refuses them on its command line.
#pragma once

#include <string>
#include <string_view>

namespace progetto1 {

// Why `nome` (Windows-1252, as the package holds it) is not a safe part of
// a file name, or empty when it is. Refused: the empty name, path separators
// and the other characters Windows forbids in names, control characters,
// "..", a trailing dot or blank (which Windows drops), the reserved device
// names (CON, PRN, AUX, NUL, COM1 to COM9, LPT1 to LPT9, in any case, also
// before an extension) and bytes the code page leaves undefined.
std::string motivo_nome_non_sicuro(std::string_view nome);

// Why the pair cannot name the package's files together, or empty: with the
// number "linea" (in any case) the track cell file would take the line plan file's name.
std::string motivo_nomi_in_conflitto(const std::string& nome_linea,
                                     const std::string& numero_treno);

}  // namespace progetto1
