#include "core/labels.h"

#include <string>

#include "core/engine.h"
#include "core/executor.h"
#include "core/expressions.h"
#include "core/messages.h"
#include "core/text.h"
#include "core/variables.h"

namespace mora {

namespace {

bool endsLabelName(char c) {
  return isBlank(c) || c == '\n' || c == kLabelMark || c == kStatementSeparator;
}

// Labels match without regard to case, in the table as in the search.
std::string labelKey(std::string_view name) {
  std::string key(name);
  for (char& c : key) c = asciiUpper(c);
  return key;
}

bool isBrace(std::string_view statement, char brace) {
  return !statement.empty() && statement[0] == brace && trim(statement.substr(1)).empty();
}

// Braces passed over by a search still open and close their blocks, so a
// jump out of a block (or into one) leaves the depth that the text around
// the label has.
void followBraces(Engine& e, std::string_view statement) {
  if (isBrace(statement, kBlockOpen) && e.exec.depth < kMaxDepth) {
    ++e.exec.depth;
    clearLevel(e, e.exec.depth);
  } else if (isBrace(statement, kBlockClose)) {
    closeBlocksTo(e, e.exec.depth - 1);
  }
}

// Runs the code list from `index` to its end with the code store off.
void replayFrom(Engine& e, std::size_t index) {
  e.settings.codeStore = false;
  e.exec.replaying = true;
  std::size_t end = e.exec.code.size();
  for (std::size_t i = index; i < end; ++i) {
    std::string statement = e.exec.code[i];  // the list may grow while it runs
    if (executeStatement(e, statement) == kStatementFailed) break;
  }
  e.exec.replaying = false;
  e.settings.codeStore = true;
}

}  // namespace

std::string_view labelNameOf(std::string_view statement) {
  std::string_view name = statement.substr(1);
  std::size_t n = 0;
  while (n < name.size() && !endsLabelName(name[n])) ++n;
  return name.substr(0, n);
}

bool skipWhileSearching(Engine& e, std::string_view statement) {
  if (statement.empty() || statement[0] != kLabelMark) {
    followBraces(e, statement);
    return true;
  }
  if (equalsNoCase(labelNameOf(statement), e.exec.searchedLabel)) e.exec.labelSearch = false;
  return false;
}

bool defineLabel(Engine& e, std::string_view statement) {
  if (!e.settings.codeStore) return true;
  std::string_view name = labelNameOf(statement);
  ExecutorState& x = e.exec;
  std::string key = labelKey(name);
  if (x.labelIndex.contains(key)) {
    raiseMessage(e, "FIEU038", name);
    return false;
  }
  if (x.labelNames.size() >= kMaxLabels) {
    raiseMessage(e, "FIEU039");
    return false;
  }
  x.labelIndex.emplace(std::move(key), x.code.size() - 1);
  x.labelNames.emplace_back(name);
  return true;
}

void startLabelSearch(Engine& e, std::string_view label) {
  e.exec.labelSearch = true;
  e.exec.searchedLabel = std::string(label);
}

bool cmdGoto(Engine& e, std::string_view rest) {
  std::size_t n = 0;
  while (n < rest.size() && isNameChar(rest[n])) ++n;
  if (n == 0) {
    raiseMessage(e, "FIEU036");
    return false;
  }
  std::string_view label = rest.substr(0, n);
  if (std::string_view extra = trim(rest.substr(n)); !extra.empty()) {
    raiseMessage(e, "FIEU005", extra);
    return false;
  }
  // A jump inside a replay searches forward: replays never nest.
  if (e.settings.codeStore && !e.exec.replaying) {
    auto found = e.exec.labelIndex.find(labelKey(label));
    if (found != e.exec.labelIndex.end()) {
      replayFrom(e, found->second);
      return true;
    }
  }
  startLabelSearch(e, label);
  return true;
}

}  // namespace mora
