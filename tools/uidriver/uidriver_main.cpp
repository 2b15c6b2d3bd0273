// uidriver: drives the windows of another process from outside, for the end-to-end tests and the
// demo. Reads its script from standard input (see driver_session.h); exits 1 at the first failure.
#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <iostream>

#include "tools/uidriver/driver_session.h"

int main() {
  // Answers are UTF-8 lines ending in "\n" alone, for the scripts that compare them.
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stdin), _O_BINARY);
  CDriverSession session;
  return session.Run(std::cin, std::cout, std::cerr) ? 0 : 1;
}
