// Control-flow commands: conditionals, loops, labels, script functions,
// script files, event files, handlers, help and debug.
#pragma once

#include <string_view>

namespace mora {

class Engine;

// `call name(args)`: also used for a function call inside an expression,
// with `rest` = "name(args)". Returns 1, or 0 after a message.
int cmdCall(Engine& e, std::string_view rest);

// `whenever error|exit statement`: arms the statement for the next error or
// exit.
int cmdWhenever(Engine& e, std::string_view rest);

// `debug function [name] | var | history | label | code`: prints what the
// interpreter holds.
int cmdDebug(Engine& e, std::string_view rest);

}  // namespace mora
