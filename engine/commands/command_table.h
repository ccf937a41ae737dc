// The command table of the whole program: every command word's handler,
// joined from the tables of the modules that implement them.
#pragma once

#include "core/dispatch.h"

namespace mora {

// The handler of `token`; nullptr for words that are no command (option and
// reserved words answer FIEU002).
CommandHandler handlerFor(Token token);

}  // namespace mora
