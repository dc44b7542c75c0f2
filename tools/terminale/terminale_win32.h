// Windows: the pieces of the tool's platform layer that the tests reach.
#pragma once

#include <windows.h>

#include <streambuf>
#include <string>
#include <vector>

#include "tools/terminale/terminale.h"

namespace progetto1::strumento {

// A command line split as the C runtime splits it, each argument as UTF-8.
std::vector<std::string> argomenti_da_riga(const wchar_t* riga);

// UTF-8 into a handle: through WriteConsoleW when the handle is a console, so
// that the console's code page plays no part; as the bytes themselves
// otherwise (a file, a pipe). A character cut across two writes is held back
// until it is whole.
class FlussoConsolle : public std::streambuf {
 public:
  explicit FlussoConsolle(HANDLE h);
  ~FlussoConsolle() override;

 protected:
  int_type overflow(int_type c) override;
  std::streamsize xsputn(const char* s, std::streamsize n) override;
  int sync() override;

 private:
  bool scarica(bool tutto);

  HANDLE h_;
  bool consolle_;
  std::string attesa_;
};

}  // namespace progetto1::strumento
