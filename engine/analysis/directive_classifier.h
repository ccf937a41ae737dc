// Classifies a preprocessor line (comments already removed) for the
// conditional stack and `check define`.
#pragma once

#include <string_view>

namespace mora {

enum class DirectiveKind : int {
  Other = 0,
  Ifdef = 1,  // "#ifdef", or "#if defined"
  If = 2,     // "#if" with any other expression
  Endif = 3,
  Define = 4,
  Ifndef = 5,  // "#ifndef", or "#if !defined"
  Elif = 6,
  Else = 7,
};

struct Directive {
  DirectiveKind kind = DirectiveKind::Other;
  // The name for the defined forms; otherwise the rest of the line after
  // the directive word and its blanks, up to the line feed.
  std::string_view argument;
};

Directive classifyDirective(std::string_view line);

}  // namespace mora
