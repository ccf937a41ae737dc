// libFuzzer target for the whole read loop: the input is a script read from
// standard input by a fresh engine, so line reading, comments, continuation,
// statement splitting, aliases, history, the executor and every command that
// stays inside the sandbox are exercised together. Loops are left out: a
// `while` without `break` is meant to run until the user interrupts it.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>

#include "core/engine.h"
#include "core/text.h"
#include "sandbox_platform.h"
#include "utf8_mix.h"

namespace {

bool mentionsLoop(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) c = mora::asciiLower(c);
  return lower.find("while") != std::string::npos || lower.find("for") != std::string::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static bool inSandbox = [] {
    char dir[] = "/tmp/mora-reader-fuzz-XXXXXX";
    if (mkdtemp(dir) == nullptr || chdir(dir) != 0) std::abort();
    return true;
  }();
  (void)inSandbox;
  std::string_view script(reinterpret_cast<const char*>(data), size);
  if (size > 1 << 16 || mentionsLoop(script)) return 0;
  // A first byte 0xFF asks for the rest as mixed UTF-8 and stray bytes.
  std::string mixed;
  if (size > 0 && data[0] == 0xFF) script = mixed = mora::fuzz::mixUtf8(script.substr(1));
  mora::fuzz::SandboxPlatform platform;
  std::istringstream in{std::string(script)};
  std::ostringstream out, err;
  mora::Engine engine(platform, in, out, err);
  int code = engine.run({"/sandbox/mora", "-vd1", "-nd", "-nh"});
  if (code < 0) __builtin_trap();
  return 0;
}
