// The settings list that `set` prints without arguments: the shown rows of
// the settings table, in table order.
#pragma once

#include <string>

namespace mora {

class Engine;

// Prints every setting, one line each and an empty line after them, through
// print-if-echo.
void showSettings(Engine& e);

// "ON" or "OFF".
std::string onOff(bool on);

}  // namespace mora
