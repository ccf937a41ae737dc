// Loops: `while` and `for` announce a loop whose body is the next block; the
// executor records that block and, at its closing brace, runs the loop.
#pragma once

#include <string_view>

namespace mora {

class Engine;

// Runs the loop whose body has just been recorded at the current loop level.
void runAnnouncedLoop(Engine& e);
// Forgets the loop announced at the current loop level.
void cancelAnnouncedLoop(Engine& e);

bool cmdWhile(Engine& e, std::string_view rest);
bool cmdFor(Engine& e, std::string_view rest);
bool cmdBreak(Engine& e, std::string_view rest);

}  // namespace mora
