// The statement executor: decides for each statement whether it is a label,
// a block brace, an assignment or a command.
#pragma once

#include <string_view>

namespace mora {

class Engine;

// Returns -1 when the statement failed, otherwise a non-negative value.
int executeStatement(Engine& e, std::string_view statement);

// Whether the reader should hold back its prompt (a function body is being
// recorded).
bool isRecordingFunction(const Engine& e);

// Called by the read loop when its input ends (a pending label search fails).
void endOfInput(Engine& e);

}  // namespace mora
