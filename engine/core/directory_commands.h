// Commands on directories: chdir/cd, mkdir, rmdir, and the listings dir and ls.
#pragma once

#include <string_view>

namespace mora {

class Engine;

int cmdChdir(Engine& e, std::string_view rest);
int cmdMkdir(Engine& e, std::string_view rest);
int cmdRmdir(Engine& e, std::string_view rest);
int cmdDir(Engine& e, std::string_view rest);
int cmdLs(Engine& e, std::string_view rest);

}  // namespace mora
