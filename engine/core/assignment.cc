// The assignment statement: $name [index] = value, $name[] = { items }, and
// the function call statement $name(args).
#include <string>
#include <vector>

#include "core/control_commands.h"
#include "core/engine.h"
#include "core/expressions.h"
#include "core/messages.h"
#include "core/text.h"
#include "core/variables.h"

namespace mora {

namespace {

std::size_t skipBlanksAt(std::string_view s, std::size_t pos) {
  while (pos < s.size() && isBlank(s[pos])) ++pos;
  return pos;
}

// Reads the optional "[" integer "]" or "[]" at `pos`. `index` stays
// kScalarIndex when there is none.
bool readTargetIndex(Engine& e, std::string_view s, std::size_t& pos, long& index) {
  if (pos >= s.size() || s[pos] != '[') return true;
  pos = skipBlanksAt(s, pos + 1);
  if (pos < s.size() && s[pos] == ']') {
    ++pos;
    index = kAppendIndex;
    return true;
  }
  std::int32_t n = 0;
  auto consumed = evaluateInteger(e, s.substr(pos), n, "]");
  if (!consumed) return false;
  pos += *consumed;
  if (pos >= s.size() || s[pos] != ']') {
    raiseMessage(e, "FIEU003", "]");
    return false;
  }
  ++pos;
  if (n < 0) {
    raiseMessage(e, "FIEU026");
    return false;
  }
  index = n;
  return true;
}

// "{" item { "," item } "}" with nothing after it but blanks.
bool readList(Engine& e, std::string_view s, std::size_t pos, std::vector<std::string>& items) {
  ++pos;  // the "{"
  for (;;) {
    pos = skipBlanksAt(s, pos);
    std::string item;
    if (pos < s.size() && s[pos] != ',' && s[pos] != '}') {
      auto consumed = evaluateValue(e, s.substr(pos), item, ",}");
      if (!consumed) return false;
      pos = skipBlanksAt(s, pos + *consumed);
    }
    items.push_back(std::move(item));
    if (pos >= s.size()) {
      raiseMessage(e, "FIEU031");
      return false;
    }
    if (s[pos] == '}') break;
    ++pos;  // the ","
  }
  pos = skipBlanksAt(s, pos + 1);
  if (pos < s.size()) {
    raiseMessage(e, "FIEU005", s.substr(pos));
    return false;
  }
  return true;
}

bool storeList(Engine& e, std::string_view name, long index,
               const std::vector<std::string>& items) {
  for (std::size_t i = 0; i < items.size(); ++i) {
    long at = index == kAppendIndex ? kAppendIndex : index + static_cast<long>(i);
    if (!setVariable(e, e.exec.depth, name, at, items[i])) return false;
  }
  return true;
}

}  // namespace

bool executeAssignment(Engine& e, std::string_view statement) {
  std::string_view s = trim(statement);
  std::size_t length = variableNameLength(s);
  if (length == 0) {
    raiseMessage(e, "FIEU014");
    return false;
  }
  if (length == 1) {
    raiseMessage(e, "FIEU015");
    return false;
  }
  std::string_view name = s.substr(0, length);
  std::size_t pos = skipBlanksAt(s, length);

  // $name(args) is a function call statement.
  if (pos < s.size() && s[pos] == '(') {
    std::string call(name.substr(1));
    call.append(s.substr(pos));
    return cmdCall(e, call);
  }

  long index = kScalarIndex;
  if (!readTargetIndex(e, s, pos, index)) return false;
  pos = skipBlanksAt(s, pos);
  if (operatorRun(s.substr(pos)) != "=") {
    raiseMessage(e, "FIEU003", "=");
    return false;
  }
  pos = skipBlanksAt(s, pos + 1);

  if (pos < s.size() && s[pos] == '{') {
    if (index == kScalarIndex) {
      raiseMessage(e, "FIEU030", name);
      return false;
    }
    std::vector<std::string> items;
    if (!readList(e, s, pos, items)) return false;
    return storeList(e, name, index, items);
  }

  std::string value;
  if (isNumericName(name)) {
    std::int32_t n = 0;
    if (!evaluateInteger(e, s.substr(pos), n, "")) return false;
    value = std::to_string(n);
  } else if (!evaluateValue(e, s.substr(pos), value, "")) {
    return false;
  }
  return setVariable(e, e.exec.depth, name, index, value);
}

}  // namespace mora
