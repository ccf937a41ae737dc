// libFuzzer target for conditional compilation: the directive classifier,
// the conditional stack and the condition evaluator. Each input line goes
// through the stack as a scan would send it; the text as a whole is also
// evaluated as one condition, so long and deeply nested expressions reach
// the evaluator unbroken.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "analysis/condition_evaluator.h"
#include "analysis/conditional_stack.h"
#include "analysis/define_table.h"
#include "analysis/directive_classifier.h"

namespace {

void check(bool ok) {
  if (!ok) std::abort();
}

mora::DefineTable makeDefines() {
  mora::DefineTable t;
  for (const char* line : {"DEBUG", "VERSION,3", "NAME abc", "NEG -5", "BIG 2147483647"})
    t.add(*mora::parseDefineLine(line));
  return t;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const mora::DefineTable defines = makeDefines();
  std::string_view text(reinterpret_cast<const char*>(data), size);

  mora::ConditionResult whole = mora::evaluateExpression(mora::substituteMacros(text, defines));
  check(whole.error == mora::ConditionError::None || whole.value == 0);

  mora::ConditionalStack stack;
  for (std::size_t start = 0; start <= text.size();) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(start, end - start);
    mora::Directive d = mora::classifyDirective(line);
    check(d.argument.size() <= line.size());
    mora::LineVerdict v = stack.verdict(line, defines);
    check(stack.depth() >= 0 && stack.depth() <= mora::kConditionalDepthMax);
    check((d.kind == mora::DirectiveKind::Other || d.kind == mora::DirectiveKind::Define) ==
          (v != mora::LineVerdict::Directive));
    start = end + 1;
  }

  // A define file made of the same bytes.
  mora::DefineTable loaded;
  for (std::size_t start = 0; start < text.size() && !loaded.full();) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    if (auto record = mora::parseDefineLine(text.substr(start, end - start)))
      check(!record->name.empty() && loaded.add(std::move(*record)));
    start = end + 1;
  }
  return 0;
}
