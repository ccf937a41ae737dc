// mora: the console interpreter of the MORA script language.
#include <csignal>
#include <iostream>
#include <string>
#include <vector>

#include "core/engine.h"
#include "core/platform.h"

namespace {

volatile std::sig_atomic_t gInterrupted = 0;

extern "C" void onSignal(int) { gInterrupted = 1; }

// Without SA_RESTART, so that a blocking read returns and the read loop sees
// the signal at once.
void installSignalHandlers() {
  struct sigaction action {};
  action.sa_handler = onSignal;
  sigemptyset(&action.sa_mask);
  sigaction(SIGINT, &action, nullptr);
  sigaction(SIGTERM, &action, nullptr);
}

}  // namespace

int main(int argc, char** argv) {
  installSignalHandlers();
  auto platform = mora::makePosixPlatform();
  mora::Engine engine(*platform, std::cin, std::cout, std::cerr);
  engine.setInterruptFlag(&gInterrupted);
  std::vector<std::string> args(argv, argv + argc);
  return engine.run(args) & 0xFF;
}
