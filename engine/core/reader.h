// The script reader: turns input text into statements. It reads lines from a
// stream or a list of strings, joins continued lines, strips comments, splits
// statements, expands aliases, keeps the interactive history and hands each
// statement to the executor.
#pragma once

#include <istream>
#include <string>
#include <string_view>
#include <vector>

namespace mora {

class Engine;

// The read loop over one stream; returns at end of input, false when the
// input ended in a read error.
bool runStream(Engine& e, std::istream& in, bool isStdin);
// Opens `name` (no search), runs it as a nested script, closes it. False
// after FIES001 when it cannot be opened or FIES009 when it fails to read.
[[nodiscard]] bool runScriptFile(Engine& e, const std::string& name);
// Runs each string as a line; stops early once `break` has run.
void runStringList(Engine& e, const std::vector<std::string>& lines);
// Splits a logical line into statements and executes each.
void executeLine(Engine& e, std::string_view text);

// Line preparation: trims and cuts the comment (exposed for tests).
std::string prepareLine(std::string_view raw);
// Splits a logical line at ";" outside quotes and parentheses.
std::vector<std::string> splitStatements(std::string_view text);
// Expands an alias; returns false (after FIEU033) when the statement is dropped.
bool expandAlias(Engine& e, std::string& statement);

bool cmdAlias(Engine& e, std::string_view rest);
bool cmdHistory(Engine& e, std::string_view rest);
bool cmdCreate(Engine& e, std::string_view rest);

}  // namespace mora
