// Conditional compilation for C scans: the define table that `load define`
// fills, the conditional stack of the file being scanned, the hooks the
// function database calls while the ifdef setting is on, and the commands
// that manage the table.
#pragma once

#include <string_view>

#include "analysis/conditional_stack.h"
#include "analysis/define_table.h"

namespace mora {

class Engine;
struct PreprocessorHooks;

struct PreprocessorState {
  DefineTable defines;
  ConditionalStack conditionals;
};

// The hooks that make a scan honour the define table.
PreprocessorHooks preprocessorHooks();

// load define files
bool cmdLoad(Engine& e, std::string_view rest);
// unload define
bool cmdUnload(Engine& e, std::string_view rest);
// deflist
bool cmdDeflist(Engine& e, std::string_view rest);

}  // namespace mora
