// The command tables of the modules; the dispatcher joins them into one
// token-to-command table.
#pragma once

#include <span>

#include "core/dispatch.h"

namespace mora {

std::span<const CommandEntry> variableCommands();    // var
std::span<const CommandEntry> controlCommands();     // if, while, for, goto, call, include, ...
std::span<const CommandEntry> outputCommands();      // set, echo, spool, open, close, cd, dir, ...
std::span<const CommandEntry> stagingCommands();     // define, done, reset
std::span<const CommandEntry> libraryCommands();     // import, export, delete, type, print, list
std::span<const CommandEntry> treeCommands();        // list with operands, ftree, rtree, tree
std::span<const CommandEntry> lineReportCommands();  // count, tags, find
std::span<const CommandEntry> reportCommands();      // itree, check, action, ...
std::span<const CommandEntry> preprocessorCommands();  // load, unload, deflist, itree, check

}  // namespace mora
