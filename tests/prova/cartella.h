// A temporary folder of the running test's own: the same test may run at the
// same time from another build folder (the sanitizer suite, another
// checkout), and the cases of one suite run in parallel under ctest.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>

namespace progetto1::prova {

// prefisso + the suite and case names + a random suffix, under the system's
// temporary folder. The folder itself is not created.
inline std::filesystem::path cartella_temporanea(const std::string& prefisso) {
  const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
  std::string nome = prefisso;
  if (info != nullptr) {
    nome += '_';
    nome += info->test_suite_name();
    nome += '_';
    nome += info->name();
  }
  for (char& c : nome) {
    if (c == '/') c = '_';
  }
  nome += '_';
  nome += std::to_string(std::random_device{}());
  return std::filesystem::temp_directory_path() / nome;
}

}  // namespace progetto1::prova
