// The statement executor: decides for each statement whether it is skipped,
// recorded, a label, a block brace, an assignment or a command.
#pragma once

#include <string_view>

namespace mora {

class Engine;

// The result of a statement that failed.
inline constexpr int kStatementFailed = -1;

// Returns kStatementFailed when the statement failed, otherwise a
// non-negative value (the command's token, or another value for labels,
// braces, assignments and statements that were skipped or recorded).
int executeStatement(Engine& e, std::string_view statement);

// The same, without storing the statement in the code list and without the
// label search: for a statement that is part of another one (the statement
// after an `if` condition, the initialisation of `for`).
int executeInnerStatement(Engine& e, std::string_view statement);

// Whether the reader should hold back its prompt (a function body is being
// recorded).
bool isRecordingFunction(const Engine& e);

// Called by the read loop when its input ends (a pending label search fails).
void endOfInput(Engine& e);

// Closes the blocks above `depth`, as if their "}" had been read. Used where
// a body ended before its blocks did (break, return, a jump out of a loop).
void closeBlocksTo(Engine& e, int depth);

}  // namespace mora
