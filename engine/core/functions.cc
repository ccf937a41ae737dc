#include "core/functions.h"

#include <optional>
#include <string>

#include "core/builtins.h"
#include "core/control_commands.h"
#include "core/engine.h"
#include "core/executor.h"
#include "core/expressions.h"
#include "core/labels.h"
#include "core/messages.h"
#include "core/nesting_budget.h"
#include "core/reader.h"
#include "core/text.h"
#include "core/variables.h"

namespace mora {

namespace {

std::string argumentVariable(std::size_t k) { return "$_" + std::to_string(k); }

bool isFunctionNameChar(char c) { return isAsciiAlnum(c) || c == '_'; }

std::size_t functionNameLength(std::string_view s) {
  std::size_t n = 0;
  while (n < s.size() && isFunctionNameChar(s[n])) ++n;
  return n;
}

// Splits an argument list at the commas outside quotes and parentheses.
std::vector<std::string_view> splitArguments(std::string_view list) {
  std::vector<std::string_view> items;
  if (trim(list).empty()) return items;
  int depth = 0;
  bool quoted = false;
  std::size_t start = 0;
  for (std::size_t i = 0; i < list.size(); ++i) {
    if (std::size_t n = charLength(list, i); n > 1) {
      i += n - 1;
      continue;
    }
    char c = list[i];
    if (c == kQuote) quoted = !quoted;
    if (quoted) continue;
    if (c == '(') ++depth;
    if (c == ')') --depth;
    if (c == ',' && depth == 0) {
      items.push_back(trim(list.substr(start, i - start)));
      start = i + 1;
    }
  }
  items.push_back(trim(list.substr(start)));
  return items;
}

// The parameter list of a definition, "$a, $b"; std::nullopt after a message.
std::optional<std::vector<std::string>> parseParameters(Engine& e, std::string_view list) {
  std::vector<std::string> names;
  for (std::string_view item : splitArguments(list)) {
    if (item.empty() || item[0] != kVariableMark) {
      raiseMessage(e, "FIEU017", item);
      return std::nullopt;
    }
    std::size_t n = variableNameLength(item);
    if (n == 1) {
      raiseMessage(e, "FIEU015");
      return std::nullopt;
    }
    if (n < item.size()) {
      raiseMessage(e, "FIEU005", item.substr(n));
      return std::nullopt;
    }
    for (const std::string& known : names) {
      if (known == item) {
        raiseMessage(e, "FIEU018", item);
        return std::nullopt;
      }
    }
    names.emplace_back(item);
  }
  return names;
}

// Evaluates one argument completely; false after a message.
bool evaluateArgument(Engine& e, std::string_view text, std::string& value) {
  auto used = evaluateValue(e, text, value, "");
  if (!used) return false;
  if (std::string_view extra = trim(text.substr(*used)); !extra.empty()) {
    raiseMessage(e, "FIEU005", extra);
    return false;
  }
  return true;
}

bool isPlainVariable(std::string_view text) {
  std::size_t n = variableNameLength(text);
  return n > 1 && n == text.size();
}

// A call runs with the code store off; the setting comes back afterwards.
class CodeStoreOff {
 public:
  explicit CodeStoreOff(Engine& e) : e_(e), saved_(e.settings.codeStore) {
    e.settings.codeStore = false;
  }
  ~CodeStoreOff() { e_.settings.codeStore = saved_; }
  CodeStoreOff(const CodeStoreOff&) = delete;
  CodeStoreOff& operator=(const CodeStoreOff&) = delete;

 private:
  Engine& e_;
  bool saved_;
};

// Counts the script function bodies being run, also when a run is left
// through an exception.
class FunctionRunning {
 public:
  explicit FunctionRunning(Engine& e) : e_(e) { ++e_.exec.runningFunctions; }
  ~FunctionRunning() { --e_.exec.runningFunctions; }
  FunctionRunning(const FunctionRunning&) = delete;
  FunctionRunning& operator=(const FunctionRunning&) = delete;

 private:
  Engine& e_;
};

bool runScriptFunction(Engine& e, const std::vector<std::string>& body) {
  // The body opens a block: a call deeper than the deepest block fails here
  // rather than recursing without end.
  if (e.exec.depth >= kMaxDepth) {
    // Called from a running function, this is a recursion out of room.
    raiseBlocksTooDeep(e);
    return false;
  }
  e.exec.breakFlag = false;  // left over from outside any loop
  setEngineScalar(e, "$_r", "");
  int depthBefore = e.exec.depth;
  std::vector<std::string> lines = body;  // the table may change while it runs
  {
    FunctionRunning running(e);
    runStringList(e, lines);
  }
  // Blocks left open by a `return` inside them close with the function.
  closeBlocksTo(e, depthBefore);
  // A call whose chain ran out of nesting did not complete.
  return !isUnwinding(e);
}

}  // namespace

const std::vector<std::string>* functionBody(const Engine& e, std::string_view name) {
  auto found = e.exec.functionIndex.find(std::string(name));
  return found == e.exec.functionIndex.end() ? nullptr : &e.exec.functions[found->second].body;
}

// function name($a, $b)
bool cmdFunction(Engine& e, std::string_view rest) {
  if (e.exec.depth != 0) {
    raiseMessage(e, "FIEU021");
    return false;
  }
  std::size_t n = functionNameLength(rest);
  std::string_view after = skipBlanks(rest.substr(n));
  // A definition without a name is refused like one without "(".
  if (n == 0 || after.empty() || after[0] != '(') {
    raiseMessage(e, "FIEU003", "(");
    return false;
  }
  std::size_t close = after.find(')');
  if (close == std::string_view::npos) {
    raiseMessage(e, "FIEU003", ")");
    return false;
  }
  auto parameters = parseParameters(e, after.substr(1, close - 1));
  if (!parameters) return false;
  if (std::string_view extra = trim(after.substr(close + 1)); !extra.empty()) {
    raiseMessage(e, "FIEU005", extra);
    return false;
  }
  FunctionDefinition& d = e.exec.definition;
  d = FunctionDefinition{};
  d.state = CaptureState::NextBlock;
  d.name = std::string(rest.substr(0, n));
  d.parameters = std::move(*parameters);
  return true;
}

bool startFunctionBody(Engine& e) {
  ExecutorState& x = e.exec;
  FunctionDefinition& d = x.definition;
  if (x.functions.size() >= kMaxFunctions && !x.functionIndex.contains(d.name)) {
    raiseMessage(e, "FIEU040");
    // The abandoned body is skipped, not run as a plain block.
    d = FunctionDefinition{};
    x.skip = SkipState::Skipping;
    x.skipDepth = x.depth;
    ++x.depth;
    clearLevel(e, x.depth);
    return false;
  }
  setEngineScalar(e, "$" + d.name, "");
  d.body.assign(1, std::string(1, kBlockOpen));
  for (std::size_t k = 0; k < d.parameters.size(); ++k) {
    d.body.push_back("Var " + d.parameters[k]);
    d.body.push_back(d.parameters[k] + "=" + argumentVariable(k));
  }
  for (std::size_t k = 0; k <= kMaxCallArguments; ++k) setEngineScalar(e, argumentVariable(k), "");
  d.state = CaptureState::Recording;
  d.startDepth = x.depth;
  ++x.depth;
  return true;
}

void finishFunctionBody(Engine& e) {
  ExecutorState& x = e.exec;
  FunctionDefinition d = std::move(x.definition);
  x.definition = FunctionDefinition{};
  d.body.push_back(std::string(1, kLabelMark) + std::string(kFunctionExitLabel));
  for (std::size_t k = 0; k < d.parameters.size(); ++k)
    d.body.push_back(argumentVariable(k) + "=" + d.parameters[k]);
  d.body.emplace_back(1, kBlockClose);
  // A second definition of a name replaces the first.
  if (auto found = x.functionIndex.find(d.name); found != x.functionIndex.end()) {
    x.functions[found->second].body = std::move(d.body);
    return;
  }
  x.functionIndex.emplace(d.name, x.functions.size());
  x.functions.push_back({std::move(d.name), std::move(d.body)});
}

// call name(arguments): the name is checked first; the arguments are then
// evaluated and stored one by one, so a failing argument leaves the earlier
// ones in place, as does a tenth one.
bool cmdCall(Engine& e, std::string_view rest) {
  rest = trim(rest);
  std::size_t n = functionNameLength(rest);
  std::string name(rest.substr(0, n));
  CodeStoreOff codeStoreOff(e);
  const std::vector<std::string>* body = functionBody(e, name);
  if (!body && !isBuiltin(name)) {
    raiseMessage(e, "FIEC019", name);
    return false;
  }
  std::size_t open = n;
  while (open < rest.size() && isBlank(rest[open])) ++open;
  if (open >= rest.size() || rest[open] != '(') {
    raiseMessage(e, "FIEU003", "(");
    return false;
  }
  auto close = matchingParenthesis(rest, open);
  if (!close) {
    raiseMessage(e, "FIEU003", ")");
    return false;
  }
  std::vector<std::string_view> arguments =
      splitArguments(rest.substr(open + 1, *close - open - 1));
  for (std::size_t k = 0; k < arguments.size(); ++k) {
    if (k == kMaxCallArguments) {
      raiseMessage(e, "FIEU022");
      return false;
    }
    std::string value;
    if (!evaluateArgument(e, arguments[k], value)) return false;
    if (!setVariable(e, 0, argumentVariable(k), kScalarIndex, value)) return false;
  }
  if (std::string_view extra = trim(rest.substr(*close + 1)); !extra.empty()) {
    raiseMessage(e, "FIEU005", extra);
    return false;
  }
  // Argument variables beyond the last argument are emptied, so a parameter
  // without an argument reads "" and not what an earlier call left there.
  for (std::size_t k = arguments.size(); k <= kMaxCallArguments; ++k)
    setEngineScalar(e, argumentVariable(k), "");

  if (body) {
    if (!runScriptFunction(e, *body)) return false;
  } else {
    callBuiltin(e, name);
  }
  // Parameters are passed out again: an argument written as a variable
  // receives the final value of its argument variable.
  for (std::size_t k = 0; k < arguments.size(); ++k) {
    if (!isPlainVariable(arguments[k])) continue;
    std::string value;
    if (!getVariable(e, argumentVariable(k), kScalarIndex, value)) return false;
    if (!setVariable(e, e.exec.depth, arguments[k], kScalarIndex, value)) return false;
  }
  return true;
}

// return [value], return (value)
bool cmdReturn(Engine& e, std::string_view rest) {
  rest = trim(rest);
  std::string value;
  if (!rest.empty()) {
    std::string_view expression = rest;
    if (rest[0] == '(') {
      auto close = matchingParenthesis(rest, 0);
      if (!close) {
        raiseMessage(e, "FIEU003", ")");
        return false;
      }
      if (std::string_view extra = trim(rest.substr(*close + 1)); !extra.empty()) {
        raiseMessage(e, "FIEU005", extra);
        return false;
      }
      expression = rest.substr(1, *close - 1);
    }
    if (!evaluateArgument(e, expression, value)) return false;
  }
  if (!setVariable(e, 0, "$_r", kScalarIndex, value)) return false;
  startLabelSearch(e, kFunctionExitLabel);
  return true;
}

}  // namespace mora
