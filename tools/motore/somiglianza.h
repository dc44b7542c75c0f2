// The nearest word: what the tool suggests for a misspelled keyword, topic,
// subcommand or option.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace progetto1::strumento {

// The edit distance (insertions, deletions, substitutions), ignoring case.
std::size_t distanza(std::string_view a, std::string_view b);

// The candidate nearest to parola, never parola itself (ignoring case); on a
// tie the first. Empty when none is within the distance a typing slip
// explains: a third of the word's length, at least 2.
std::string piu_vicina(std::string_view parola, const std::vector<std::string>& candidati);

}  // namespace progetto1::strumento
