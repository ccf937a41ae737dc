#include <cstdio>

#include "interactive.h"

namespace veldra {

int runInteractive(int, char**) {
  std::fputs("VeldraC: this build has no window; use --compose, --analyse or --version\n", stderr);
  return 1;
}

}  // namespace veldra
