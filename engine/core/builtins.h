// Built-in functions that scripts call like script functions.
#pragma once

#include <string_view>

namespace mora {

class Engine;

struct BuiltinState {};

// Whether `name` is a built-in; runs it with $_0..$_9 as arguments.
bool isBuiltin(std::string_view name);
// Returns false when `name` is no built-in.
bool callBuiltin(Engine& e, std::string_view name);
void closeBuiltinFiles(Engine& e);

}  // namespace mora
