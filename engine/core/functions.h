// Script functions: `function`/`func` announce a definition whose body is the
// next block; the executor records that block, wrapped in generated
// statements that pass the parameters in and out through $_0..$_9. `call`
// runs a script function or a built-in; `return` sets $_r and jumps to the
// function's exit label.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace mora {

class Engine;

// The exit label at the end of every function body.
inline constexpr std::string_view kFunctionExitLabel = "_EXIT_F";

// At the "{" of an announced definition: starts recording the body and opens
// the block. Returns false after a message (the body is then skipped).
bool startFunctionBody(Engine& e);
// At the matching "}": completes the body and enters the function.
void finishFunctionBody(Engine& e);

// The recorded body of a script function, or nullptr.
const std::vector<std::string>* functionBody(const Engine& e, std::string_view name);

bool cmdFunction(Engine& e, std::string_view rest);
bool cmdReturn(Engine& e, std::string_view rest);
// cmdCall is declared in control_commands.h.

}  // namespace mora
