// The `set` command: changes one setting, or shows them all.
#pragma once

#include <string_view>

namespace mora {

class Engine;

int cmdSet(Engine& e, std::string_view rest);

}  // namespace mora
