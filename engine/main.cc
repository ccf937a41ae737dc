// mora: the console interpreter of the MORA script language.
#include <csignal>
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "core/engine.h"
#include "core/limits.h"
#include "core/platform.h"

namespace {

volatile std::sig_atomic_t gInterrupted = 0;

// Standard output stays line-buffered on a terminal; elsewhere it is written
// in large blocks and flushed where a reader could tell (before messages, the
// prompt, input and shell commands, and at the end). std::cout passes
// through C stdio, so this buffer is the only one.
void bufferStandardOutput(mora::Platform& platform) {
  if (!platform.standardOutputIsTerminal())
    std::setvbuf(stdout, nullptr, _IOFBF, mora::kStdoutBufferSize);
}

}  // namespace

int main(int argc, char** argv) {
  mora::installInterruptHandler(&gInterrupted);
  auto platform = mora::makeHostPlatform();
  bufferStandardOutput(*platform);
  mora::Engine engine(*platform, std::cin, std::cout, std::cerr);
  engine.setInterruptFlag(&gInterrupted);
  std::vector<std::string> args(argv, argv + argc);
  return engine.run(args) & 0xFF;
}
