// The variable store: 12 levels of scalars and arrays, local declarations,
// and the assignment statement.
#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/limits.h"

namespace mora {

class Engine;

// Index convention of setVariable/getVariable.
inline constexpr long kScalarIndex = -2;
inline constexpr long kAppendIndex = -1;

// Hashing that lets the name indexes be searched with a string_view.
struct VariableNameHash {
  using is_transparent = void;
  std::size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
};
using VariableIndex =
    std::unordered_map<std::string, std::size_t, VariableNameHash, std::equal_to<>>;

// One level of the store. The parallel vectors keep the order in which the
// names were made; the indexes find a name without a linear search.
struct VariableLevel {
  std::vector<std::string> scalarNames;
  std::vector<std::string> scalarValues;
  std::vector<std::string> arrayNames;
  std::vector<std::vector<std::string>> arrays;
  VariableIndex scalarIndex;
  VariableIndex arrayIndex;
};

struct VariableStore {
  VariableLevel levels[kVariableLevels];
  std::vector<std::string> localDeclarations;  // "name level"
  // Per declared name, how many declarations each level holds.
  std::unordered_map<std::string, std::array<int, kVariableLevels>, VariableNameHash,
                     std::equal_to<>>
      localLevels;
};

// Defines the predefined variables at level 0.
void definePredefinedVariables(Engine& e);

// False after a message. getVariable fills `value`, reusing its buffer:
// variables are read for every statement.
[[nodiscard]] bool setVariable(Engine& e, int level, std::string_view name, long index,
                               std::string_view value);
[[nodiscard]] bool getVariable(Engine& e, std::string_view name, long index, std::string& value);
// Sets a global scalar that the engine fills itself ($_r, the argument
// variables): a failure has raised its message and the caller goes on.
void setEngineScalar(Engine& e, std::string_view name, std::string_view value);
void declareLocal(Engine& e, std::string_view name, int level);
// Empties the tables of one level (a block opens) and drops local
// declarations above `depth` (a block closes).
void clearLevel(Engine& e, int level);
void dropLocalsAbove(Engine& e, int depth);

// The level that an assignment of `name` at block depth `requested` uses.
int levelForName(const Engine& e, std::string_view name, int requested);

// A statement that begins with "$": assignment. False after a message.
[[nodiscard]] bool executeAssignment(Engine& e, std::string_view statement);

bool cmdVar(Engine& e, std::string_view rest);

}  // namespace mora
