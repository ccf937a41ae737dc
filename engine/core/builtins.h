// Built-in functions that scripts call like script functions. A call passes
// its arguments in $_0..$_9; the built-in may rewrite them (the caller copies
// them back into its variables) and leaves its result in $_r.
#pragma once

#include <array>
#include <istream>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/limits.h"

namespace mora {

class Engine;

// A file opened by the fopen built-in.
struct BuiltinFile {
  std::unique_ptr<std::iostream> stream;
  std::string name;
  bool textMode = true;  // without "b" a CR before LF is dropped on reading
};

struct BuiltinState {
  // Handle "#nn" lives in slot nn-1; handles are never reused within a run.
  std::array<std::unique_ptr<BuiltinFile>, kFileHandles> files;
  std::size_t handlesAssigned = 0;
};

// Whether `name` is a built-in (names are compared exactly).
bool isBuiltin(std::string_view name);
// Every built-in's name, in registration order.
std::vector<std::string_view> builtinNames();
// Runs the built-in `name` with $_0..$_9 as arguments; false when `name` is
// no built-in.
bool callBuiltin(Engine& e, std::string_view name);
// Closes every file that fopen opened.
void closeBuiltinFiles(Engine& e);

}  // namespace mora
