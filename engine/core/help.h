// `help [topic]`: prints a section of the help file, or the whole file.
#pragma once

#include <string_view>

namespace mora {

class Engine;

bool cmdHelp(Engine& e, std::string_view rest);

}  // namespace mora
