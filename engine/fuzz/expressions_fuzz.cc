// libFuzzer target for the evaluators and the assignment statement. The first
// byte chooses the evaluator and the block depth; the rest is the text. One
// engine serves all runs, so the variable store fills up the way a long
// script fills it.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>

#include "core/engine.h"
#include "core/expressions.h"
#include "core/keywords.h"
#include "core/limits.h"
#include "core/platform.h"
#include "core/text.h"
#include "core/variables.h"
#include "sandbox_platform.h"

namespace {

struct FuzzEngine {
  FuzzEngine() : e(platform, in, out, err) {
    // Files that commands write land in a directory of their own.
    char dir[] = "/tmp/mora-fuzz-XXXXXX";
    if (mkdtemp(dir) == nullptr || chdir(dir) != 0) std::abort();
    e.settings.error = false;  // count messages without printing them
    mora::definePredefinedVariables(e);
  }
  mora::fuzz::SandboxPlatform platform;
  std::istringstream in;
  std::ostringstream out, err;
  mora::Engine e;
};

// Only the listing commands may run inside backquotes: the point is the
// evaluators, not every command of the language.
bool substitutesOnlyListings(std::string_view text) {
  for (std::size_t at = text.find('`'); at != text.npos; at = text.find('`', at + 1)) {
    std::string_view after = mora::skipBlanks(text.substr(at + 1));
    std::size_t n = 0;
    while (n < after.size() && (mora::isAsciiAlnum(after[n]) || after[n] == '_')) ++n;
    if (!after.empty() && after[0] == mora::kShellEscape) return false;
    auto token = mora::lookupKeyword(after.substr(0, n));
    if (token && *token != mora::Token::Alias && *token != mora::Token::History) return false;
  }
  return true;
}

// Whether a function call ("$name(") may run: calls go to other commands,
// which raise their own messages.
bool mayCall(std::string_view text) {
  for (std::size_t at = text.find('$'); at != text.npos; at = text.find('$', at + 1)) {
    std::size_t i = at + mora::variableNameLength(text.substr(at));
    while (i < text.size() && mora::isBlank(text[i])) ++i;
    if (i < text.size() && text[i] == '(') return true;
  }
  return false;
}

// A broken invariant is reported by libFuzzer as a crash.
void check(bool ok) {
  if (!ok) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static FuzzEngine fuzz;
  if (size < 1 || size >= mora::kStatementMax) return 0;
  std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);
  if (!substitutesOnlyListings(text)) return 0;
  mora::Engine& e = fuzz.e;
  fuzz.err.str("");
  e.messages.errorCount = 0;
  e.exec.depth = data[0] % mora::kVariableLevels;
  // Messages inside backquotes are captured output, and calls go to other
  // commands: only plain texts must raise exactly one message per failure.
  bool plain = text.find('`') == text.npos && !mayCall(text);
  std::optional<std::size_t> consumed;
  try {
    switch ((data[0] >> 4) % 5) {
      case 0: {
        std::string value;
        consumed = mora::evaluateValue(e, text, value, ",}");
        break;
      }
      case 1: {
        std::string value;
        consumed = mora::evaluateString(e, text, value, ")");
        break;
      }
      case 2: {
        std::int32_t number = 0;
        consumed = mora::evaluateInteger(e, text, number, "]");
        break;
      }
      case 3: {
        bool truth = false;
        consumed = mora::evaluateCondition(e, text, truth);
        break;
      }
      case 4: {
        bool assigned = mora::executeAssignment(e, text);
        if (plain) check(e.messages.errorCount == (assigned ? 0 : 1));
        check(!e.out.capturing);
        return 0;
      }
    }
  } catch (const mora::EngineExit&) {
    return 0;
  }
  if (plain) check(e.messages.errorCount == (consumed ? 0 : 1));
  if (consumed) check(*consumed <= text.size());
  check(!e.out.capturing);
  return 0;
}
