// The `action` command: action diagrams of the chosen functions.
#pragma once

#include <string_view>

namespace mora {

class Engine;

// action names [from files]: each file's selected function texts go to the
// work file, which is then drawn as one diagram. Without `from` the library
// file is the source.
bool cmdAction(Engine& e, std::string_view rest);

}  // namespace mora
