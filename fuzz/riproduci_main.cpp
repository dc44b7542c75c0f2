// Runs the fuzz target once on each file named on the command line (or each
// file of each folder named), so that the inputs that once found a fault run
// with every normal build and are easy to debug.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t n);

int main(int argc, char** argv) {
  namespace fs = std::filesystem;
  std::vector<fs::path> file;
  for (int i = 1; i < argc; ++i) {
    if (fs::is_directory(argv[i])) {
      for (const auto& voce : fs::directory_iterator(argv[i])) {
        if (voce.is_regular_file()) file.push_back(voce.path());
      }
    } else {
      file.emplace_back(argv[i]);
    }
  }
  for (const auto& f : file) {
    std::ifstream in(f, std::ios::binary);
    if (!in) {
      std::fprintf(stderr, "impossibile leggere %s\n", f.string().c_str());
      return 2;
    }
    const std::string dati{std::istreambuf_iterator<char>(in), {}};
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(dati.data()), dati.size());
  }
  std::printf("%zu ingressi eseguiti senza errori\n", file.size());
  return 0;
}
