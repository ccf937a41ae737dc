// Control-flow commands: conditionals, loops, labels, script functions,
// script files, event files, handlers, help and debug.
#pragma once

#include <string_view>

namespace mora {

class Engine;

// `call name(args)`: also used for a function call inside an expression,
// with `rest` = "name(args)". Returns 1, or 0 after a message.
int cmdCall(Engine& e, std::string_view rest);

}  // namespace mora
