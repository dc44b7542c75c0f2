// Texts reach files as 8-bit characters of the Western European code page
// (Windows-1252). The source of the package holds them as UTF-8; these
// helpers convert, and give the case folding that keyword tests and check
// codes use.
#pragma once

#include <string>
#include <string_view>

namespace progetto1 {

// UTF-8 to Windows-1252. A character the code page cannot hold becomes "?".
std::string a_cp1252(std::string_view utf8);
// Windows-1252 to UTF-8, for showing texts to a person.
std::string da_cp1252(std::string_view cp1252);

// Lower case of a Windows-1252 byte or text: ASCII letters and the accented
// capitals of the code page.
char minuscola(char c);
std::string minuscole(std::string_view testo);

}  // namespace progetto1
