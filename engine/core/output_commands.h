// Commands that print text or manage the run's output files: echo, spool and
// the HTML index file (open/close).
#pragma once

#include <string_view>

namespace mora {

class Engine;

bool cmdEcho(Engine& e, std::string_view rest);
bool cmdSpool(Engine& e, std::string_view rest);
bool cmdOpen(Engine& e, std::string_view rest);
bool cmdClose(Engine& e, std::string_view rest);

}  // namespace mora
