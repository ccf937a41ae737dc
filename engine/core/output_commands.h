// Commands that print text or manage the run's output files: echo, spool and
// the HTML index file (open/close).
#pragma once

#include <string_view>

namespace mora {

class Engine;

int cmdEcho(Engine& e, std::string_view rest);
int cmdSpool(Engine& e, std::string_view rest);
int cmdOpen(Engine& e, std::string_view rest);
int cmdClose(Engine& e, std::string_view rest);

}  // namespace mora
