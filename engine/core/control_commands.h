// Control-flow commands: conditionals, loops, labels, script functions,
// script files, event files, handlers, help and debug.
#pragma once

#include <string_view>

namespace mora {

class Engine;

// `call name(args)`: also used for a function call inside an expression,
// with `rest` = "name(args)". False after a message.
bool cmdCall(Engine& e, std::string_view rest);

// `whenever error|exit statement`: arms the statement for the next error or
// exit.
bool cmdWhenever(Engine& e, std::string_view rest);

// `debug function [name] | var | history | label | code`: prints what the
// interpreter holds.
bool cmdDebug(Engine& e, std::string_view rest);

}  // namespace mora
