// scenario: the tool for scenario authors (see `scenario --help`).
#include <iostream>

#include "tools/comandi.h"

int main(int argc, char** argv) {
  return progetto1::strumento::esegui_scenario(argc, argv, std::cout, std::cerr);
}
