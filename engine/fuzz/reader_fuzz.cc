// libFuzzer target for the whole read loop: the input is a script read from
// standard input by a fresh engine, so line reading, comments, continuation,
// statement splitting, aliases, history, the executor and every command that
// stays inside the sandbox are exercised together. Loops are left out: a
// `while` without `break` is meant to run until the user interrupts it.
// Mixed UTF-8 input that is valid UTF-8 runs with UTF-8 forced, and then
// nothing the engine writes may hold a multi-byte character cut in two
// (scripts that format bytes themselves with printf are left out of that
// check: "%.1s" or "%c" may cut one on purpose).
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>

#include "core/engine.h"
#include "core/text.h"
#include "sandbox_platform.h"
#include "utf8_mix.h"

namespace {

bool mentions(std::string_view text, std::string_view word) {
  std::string lower(text);
  for (char& c : lower) c = mora::asciiLower(c);
  return lower.find(word) != std::string::npos;
}

bool mentionsLoop(std::string_view text) {
  return mentions(text, "while") || mentions(text, "for");
}

// Lines short enough that no input piece cuts a character.
bool linesAreShort(std::string_view text) {
  std::size_t run = 0;
  for (char c : text) {
    run = c == '\n' ? 0 : run + 1;
    if (run >= 255) return false;
  }
  return true;
}

// The sandbox with MORA_ENCODING set (or not).
class EncodingSandbox : public mora::fuzz::SandboxPlatform {
 public:
  explicit EncodingSandbox(std::optional<std::string> encoding) : encoding_(std::move(encoding)) {}
  std::optional<std::string> environment(const std::string& name) override {
    return name == "MORA_ENCODING" ? encoding_ : std::nullopt;
  }

 private:
  std::optional<std::string> encoding_;
};

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
  bool checkCharacters = !mixed.empty() && mora::fuzz::isValidUtf8(mixed) && linesAreShort(mixed) &&
                         !mentions(mixed, "printf");
  EncodingSandbox platform(checkCharacters ? std::optional<std::string>("utf8") : std::nullopt);
  std::istringstream in{std::string(script)};
  std::ostringstream out, err;
  mora::Engine engine(platform, in, out, err);
  int code = engine.run({"/sandbox/mora", "-vd1", "-nd", "-nh"});
  if (code < 0) __builtin_trap();
  if (checkCharacters &&
      (!mora::fuzz::isValidUtf8(out.str()) || !mora::fuzz::isValidUtf8(err.str())))
    __builtin_trap();
  return 0;
}
