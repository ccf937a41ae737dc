// Conditionals: `if`, `elsif` and `else`. Each stores its outcome for the
// current block depth; a branch is either the statement that follows the
// condition or, when none does, the next block.
#pragma once

#include <string_view>

namespace mora {

class Engine;

bool cmdIf(Engine& e, std::string_view rest);
bool cmdElsif(Engine& e, std::string_view rest);
bool cmdElse(Engine& e, std::string_view rest);

}  // namespace mora
