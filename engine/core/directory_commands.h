// Commands on directories: chdir/cd, mkdir, rmdir, and the listings dir and ls.
#pragma once

#include <string_view>

namespace mora {

class Engine;

bool cmdChdir(Engine& e, std::string_view rest);
bool cmdMkdir(Engine& e, std::string_view rest);
bool cmdRmdir(Engine& e, std::string_view rest);
bool cmdDir(Engine& e, std::string_view rest);
bool cmdLs(Engine& e, std::string_view rest);

}  // namespace mora
