// The command table of the whole program: the handler column of the keyword
// table (core/keywords.h), filled with the handlers of every layer.
#pragma once

#include "core/dispatch.h"

namespace mora {

// The handler of `token`; nullptr for words that are no command (option and
// reserved words answer FIEU002).
CommandHandler handlerFor(Token token);

}  // namespace mora
