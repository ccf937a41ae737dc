// The `set` command: changes one setting, or shows them all.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace mora {

class Engine;

int cmdSet(Engine& e, std::string_view rest);

// The words that name each setting after `set`: "echo", "with file", ...
std::vector<std::string> settingNames();

}  // namespace mora
