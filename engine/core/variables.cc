#include "core/variables.h"

#include <algorithm>
#include <string>

#include "core/engine.h"
#include "core/expressions.h"
#include "core/messages.h"
#include "core/text.h"

namespace mora {

namespace {

struct Predefined {
  std::string_view name;
  std::string_view value;
};
constexpr Predefined kPredefined[] = {
    {"$_0", ""},
    {"$_1", ""},
    {"$_2", ""},
    {"$_3", ""},
    {"$_4", ""},
    {"$_5", ""},
    {"$_6", ""},
    {"$_7", ""},
    {"$_8", ""},
    {"$_9", ""},
    {"$_r", ""},
    {"$result", "1"},
    {"$version", kVersion},
    {"$_t", "1"},
    {"$_f", ""},
    {"$_e", "-1"},
    {"$_n", ""},
    {"$_s", "\""},
};

int currentDepth(const Engine& e) { return std::clamp(e.exec.depth, 0, kVariableLevels - 1); }

const std::size_t* find(const VariableIndex& index, std::string_view name) {
  auto it = index.find(name);
  return it == index.end() ? nullptr : &it->second;
}

void addScalar(VariableLevel& level, std::string_view name, std::string_view value) {
  level.scalarIndex.emplace(std::string(name), level.scalarNames.size());
  level.scalarNames.emplace_back(name);
  level.scalarValues.emplace_back(value);
}

// Stores `value` into an existing array as setVariable's index rules say.
bool storeElement(Engine& e, std::vector<std::string>& array, long index, std::string_view value) {
  if (index == kScalarIndex) {
    array.assign(1, std::string(value));
    return true;
  }
  std::size_t wanted = index == kAppendIndex ? array.size() : static_cast<std::size_t>(index);
  if (wanted >= kMaxArrayElements) {
    raiseMessage(e, "FIES004");
    return false;
  }
  if (wanted >= array.size()) array.resize(wanted + 1);
  array[wanted] = value;
  return true;
}

std::string joinLines(const std::vector<std::string>& elements) {
  std::string joined;
  for (std::size_t i = 0; i < elements.size(); ++i) {
    if (i > 0) joined += '\n';
    joined += elements[i];
  }
  return joined;
}

// Reads `name` from one level; false when the level does not hold it, else
// `read` tells whether reading succeeded.
bool readFromLevel(Engine& e, const VariableLevel& level, std::string_view name, long index,
                   std::string& value, bool& read) {
  if (const std::size_t* s = find(level.scalarIndex, name)) {
    if (index != kScalarIndex) {
      raiseMessage(e, "FIEU027", name);
      read = false;
      return true;
    }
    value = level.scalarValues[*s];
    read = true;
    return true;
  }
  if (const std::size_t* a = find(level.arrayIndex, name)) {
    const auto& array = level.arrays[*a];
    if (index == kScalarIndex) {
      value = joinLines(array);
    } else if (index >= 0 && static_cast<std::size_t>(index) < array.size()) {
      value = array[static_cast<std::size_t>(index)];
    } else {
      value.clear();
    }
    read = true;
    return true;
  }
  return false;
}

}  // namespace

void definePredefinedVariables(Engine& e) {
  for (const auto& p : kPredefined) setEngineScalar(e, p.name, p.value);
}

int levelForName(const Engine& e, std::string_view name, int requested) {
  if (isGlobalName(name)) return 0;
  auto it = e.vars.localLevels.find(name);
  if (it == e.vars.localLevels.end()) return 0;
  int depth = currentDepth(e);
  for (int level = std::min(depth, kVariableLevels - 1); level > 0; --level)
    if (it->second[static_cast<std::size_t>(level)] > 0) return std::min(level, requested);
  return 0;
}

bool setVariable(Engine& e, int requested, std::string_view name, long index,
                 std::string_view value) {
  int levelNumber = levelForName(e, name, requested);
  if (levelNumber < 0 || levelNumber >= kVariableLevels) {
    raiseMessage(e, "FIES004");
    return false;
  }
  VariableLevel& level = e.vars.levels[levelNumber];
  const std::size_t* scalar = find(level.scalarIndex, name);
  const std::size_t* array = find(level.arrayIndex, name);
  if (scalar && array) {
    raiseMessage(e, "FIEX001", name);
    return false;
  }
  if (scalar) {
    if (index != kScalarIndex) {
      raiseMessage(e, "FIEU027", name);
      return false;
    }
    level.scalarValues[*scalar] = value;
    return true;
  }
  if (array) return storeElement(e, level.arrays[*array], index, value);
  if (index == kScalarIndex) {
    addScalar(level, name, value);
    return true;
  }
  if (level.arrays.size() >= kMaxArraysPerLevel ||
      (index >= 0 && static_cast<std::size_t>(index) >= kMaxArrayElements)) {
    raiseMessage(e, "FIES004");
    return false;
  }
  level.arrayIndex.emplace(std::string(name), level.arrays.size());
  level.arrayNames.emplace_back(name);
  level.arrays.emplace_back();
  return storeElement(e, level.arrays.back(), index, value);
}

bool getVariable(Engine& e, std::string_view name, long index, std::string& value) {
  int top = isGlobalName(name) ? 0 : currentDepth(e);
  for (int levelNumber = top; levelNumber >= 0; --levelNumber) {
    const VariableLevel& level = e.vars.levels[levelNumber];
    if (find(level.scalarIndex, name) && find(level.arrayIndex, name)) {
      raiseMessage(e, "FIEX001", name);
      return false;
    }
    bool read = false;
    if (readFromLevel(e, level, name, index, value, read)) return read;
  }
  // Reading a variable defines it.
  addScalar(e.vars.levels[0], name, "");
  value.clear();
  return true;
}

void setEngineScalar(Engine& e, std::string_view name, std::string_view value) {
  static_cast<void>(setVariable(e, 0, name, kScalarIndex, value));
}

void declareLocal(Engine& e, std::string_view name, int level) {
  if (level < 0 || level >= kVariableLevels) return;
  auto it = e.vars.localLevels.find(name);
  if (it == e.vars.localLevels.end())
    it = e.vars.localLevels.emplace(std::string(name), std::array<int, kVariableLevels>{}).first;
  // A repeated declaration at the same level changes nothing; keeping only
  // one entry stops a loop that declares from growing the list.
  int& count = it->second[static_cast<std::size_t>(level)];
  if (count > 0) return;
  ++count;
  e.vars.localDeclarations.push_back(std::string(name) + " " + std::to_string(level));
}

void clearLevel(Engine& e, int levelNumber) {
  if (levelNumber < 0 || levelNumber >= kVariableLevels) return;
  e.vars.levels[levelNumber] = VariableLevel{};
}

void dropLocalsAbove(Engine& e, int depth) {
  auto& declarations = e.vars.localDeclarations;
  auto kept =
      std::remove_if(declarations.begin(), declarations.end(), [&](const std::string& entry) {
        std::size_t blank = entry.rfind(' ');
        int level = static_cast<int>(parseLeadingInt(std::string_view(entry).substr(blank + 1)));
        if (level <= depth) return false;
        auto it = e.vars.localLevels.find(std::string_view(entry).substr(0, blank));
        if (it != e.vars.localLevels.end()) {
          it->second[static_cast<std::size_t>(level)] = 0;
          bool any = std::any_of(it->second.begin(), it->second.end(), [](int n) { return n > 0; });
          if (!any) e.vars.localLevels.erase(it);
        }
        return true;
      });
  declarations.erase(kept, declarations.end());
}

// var $a, $b, ...
bool cmdVar(Engine& e, std::string_view rest) {
  std::vector<std::string_view> names;
  std::size_t i = 0;
  auto skipSeparators = [&] {
    while (i < rest.size() && (isBlank(rest[i]) || rest[i] == ',')) ++i;
  };
  skipSeparators();
  while (i < rest.size()) {
    std::size_t length = variableNameLength(rest.substr(i));
    if (length == 0) {
      if (names.empty()) {
        raiseMessage(e, "FIEU003", "$");
      } else {
        raiseMessage(e, "FIEU012", rest.substr(i));
      }
      return false;
    }
    if (length == 1) {
      raiseMessage(e, "FIEU015");
      return false;
    }
    names.push_back(rest.substr(i, length));
    i += length;
    if (i < rest.size() && !isBlank(rest[i]) && rest[i] != ',') {
      raiseMessage(e, "FIEU012", rest.substr(i));
      return false;
    }
    skipSeparators();
  }
  if (names.empty()) {
    raiseMessage(e, "FIEU003", "$");
    return false;
  }
  for (std::string_view name : names) declareLocal(e, name, currentDepth(e));
  return true;
}

}  // namespace mora
