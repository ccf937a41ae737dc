// mora: the console interpreter of the MORA script language.
#include <csignal>
#include <iostream>
#include <string>
#include <vector>

#include "core/engine.h"
#include "core/platform.h"

namespace {

volatile std::sig_atomic_t gInterrupted = 0;

}  // namespace

int main(int argc, char** argv) {
  mora::installInterruptHandler(&gInterrupted);
  auto platform = mora::makeHostPlatform();
  mora::Engine engine(*platform, std::cin, std::cout, std::cerr);
  engine.setInterruptFlag(&gInterrupted);
  std::vector<std::string> args(argv, argv + argc);
  return engine.run(args) & 0xFF;
}
