// The settings list that `set` prints without arguments.
#pragma once

namespace mora {

class Engine;

// Prints every setting, one line each and an empty line after them, through
// print-if-echo.
void showSettings(Engine& e);

}  // namespace mora
