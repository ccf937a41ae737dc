// mora: the console interpreter of the MORA script language.
#include <csignal>
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

#include "core/engine.h"
#include "core/limits.h"
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

// Standard output stays line-buffered on a terminal; elsewhere it is written
// in large blocks and flushed where a reader could tell (before messages, the
// prompt, input and shell commands, and at the end). std::cout passes
// through C stdio, so this buffer is the only one.
void bufferStandardOutput() {
#ifdef _WIN32
  bool terminal = _isatty(_fileno(stdout));
#else
  bool terminal = isatty(fileno(stdout));
#endif
  if (!terminal) std::setvbuf(stdout, nullptr, _IOFBF, mora::kStdoutBufferSize);
}

}  // namespace

int main(int argc, char** argv) {
  installSignalHandlers();
  bufferStandardOutput();
  auto platform = mora::makePosixPlatform();
  mora::Engine engine(*platform, std::cin, std::cout, std::cerr);
  engine.setInterruptFlag(&gInterrupted);
  std::vector<std::string> args(argv, argv + argc);
  return engine.run(args) & 0xFF;
}
