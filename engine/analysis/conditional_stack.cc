#include "analysis/conditional_stack.h"

#include "analysis/condition_evaluator.h"
#include "analysis/define_table.h"

namespace mora {

void ConditionalStack::reset() {
  levels_.fill(Level{});
  depth_ = 0;
}

void ConditionalStack::open(std::int32_t value) {
  if (depth_ < kConditionalDepthMax) ++depth_;
  Level& top = levels_[static_cast<std::size_t>(depth_)];
  top.value = value;
  top.active = 1;
  top.taken = value != 0 ? 1 : 0;
}

void ConditionalStack::close() {
  levels_[static_cast<std::size_t>(depth_)] = Level{};
  if (depth_ > 0) --depth_;
}

bool ConditionalStack::suppressed() const {
  for (int k = 0; k <= depth_; ++k)
    if (level(k).active == 1 && level(k).value == 0) return true;
  return false;
}

LineVerdict ConditionalStack::verdict(std::string_view line, const DefineTable& defines) {
  Directive d = classifyDirective(line);
  Level& top = levels_[static_cast<std::size_t>(depth_)];
  switch (d.kind) {
    case DirectiveKind::Ifdef:
      open(defines.find(d.argument) ? 1 : 0);
      return LineVerdict::Directive;
    case DirectiveKind::Ifndef:
      open(defines.find(d.argument) ? 0 : 1);
      return LineVerdict::Directive;
    case DirectiveKind::If:
      open(evaluateCondition(d.argument, defines));
      return LineVerdict::Directive;
    case DirectiveKind::Endif:
      close();
      return LineVerdict::Directive;
    case DirectiveKind::Elif:
      if (top.taken == 0) {
        top.value = evaluateCondition(d.argument, defines);
        if (top.value != 0) top.taken = 1;
      } else {
        top.value = 0;
      }
      top.active = 1;
      return LineVerdict::Directive;
    case DirectiveKind::Else:
      top.value = top.taken == 0 ? 1 : 0;
      top.active = 1;
      if (top.value == 1) top.taken = 1;
      return LineVerdict::Directive;
    case DirectiveKind::Define:
    case DirectiveKind::Other:
      break;
  }
  return suppressed() ? LineVerdict::Suppressed : LineVerdict::Scan;
}

}  // namespace mora
