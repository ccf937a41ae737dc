// `check define`: the macro names that the conditional directives of some
// files test, so that a user sees what a build configuration must define.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace mora {

class Engine;

// Removes C comments from one line into `out` (reused from line to line);
// `inComment` carries an open block comment. Surrounding white space goes too.
void stripComments(std::string_view line, bool& inComment, std::string& out);

// The names a conditional directive's argument tests, in order; the
// operator word "defined" is no macro and is left out.
std::vector<std::string_view> conditionNames(std::string_view argument);

// check define files
bool cmdCheck(Engine& e, std::string_view rest);

}  // namespace mora
