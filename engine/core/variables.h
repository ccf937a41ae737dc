// The variable store: 12 levels of scalars and arrays, local declarations,
// and the assignment statement.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/limits.h"

namespace mora {

class Engine;

// Index convention of setVariable/getVariable.
inline constexpr long kScalarIndex = -2;
inline constexpr long kAppendIndex = -1;

struct VariableLevel {
  std::vector<std::string> scalarNames;
  std::vector<std::string> scalarValues;
  std::vector<std::string> arrayNames;
  std::vector<std::vector<std::string>> arrays;
};

struct VariableStore {
  VariableLevel levels[kVariableLevels];
  std::vector<std::string> localDeclarations;  // "name level"
  bool lastValueWasInteger = false;
};

// Defines the predefined variables at level 0.
void definePredefinedVariables(Engine& e);

// Result 0, or -1 after a message.
int setVariable(Engine& e, int level, std::string_view name, long index, std::string_view value);
int getVariable(Engine& e, std::string_view name, long index, std::string& value);
void declareLocal(Engine& e, std::string_view name, int level);
// Empties the tables of one level (a block opens) and drops local
// declarations above `depth` (a block closes).
void clearLevel(Engine& e, int level);
void dropLocalsAbove(Engine& e, int depth);

// A statement that begins with "$": assignment. Returns 1, or 0 after a message.
int executeAssignment(Engine& e, std::string_view statement);

int cmdVar(Engine& e, std::string_view rest);

}  // namespace mora
