#include "reports/define_check.h"

#include <new>
#include <unordered_set>

#include "analysis/condition_evaluator.h"
#include "analysis/directive_classifier.h"
#include "analysis/pattern_list.h"
#include "core/engine.h"
#include "core/file_list.h"
#include "core/file_search.h"
#include "core/limits.h"
#include "core/line_reader.h"
#include "core/messages.h"
#include "core/output.h"
#include "core/source_files.h"
#include "core/text.h"

namespace mora {

namespace {

// Names in order of first appearance, each once.
class NameList {
 public:
  bool add(std::string_view name) {
    if (!seen_.emplace(name).second) return false;
    names_.emplace_back(name);
    return true;
  }
  std::size_t size() const { return names_.size(); }
  const std::vector<std::string>& names() const { return names_; }

 private:
  std::vector<std::string> names_;
  std::unordered_set<std::string> seen_;
};

bool testsNames(DirectiveKind kind) {
  return kind == DirectiveKind::Ifdef || kind == DirectiveKind::Ifndef ||
         kind == DirectiveKind::If || kind == DirectiveKind::Elif;
}

// The names one file's conditionals test, at most kCheckNamesPerFile.
void collectNames(std::istream& in, NameList& names) {
  LineReader reader(in);
  std::string piece;
  std::string line;
  bool inComment = false;
  while (reader.readPiece(piece, kCheckLineMax)) {
    stripComments(piece, inComment, line);
    Directive d = classifyDirective(line);
    if (!testsNames(d.kind)) continue;
    for (std::string_view name : conditionNames(d.argument)) {
      if (names.size() >= kCheckNamesPerFile) return;
      names.add(name);
    }
  }
}

// Every file located before any is read; FIEC013 names each missing one.
std::optional<std::vector<std::string>> locateAll(Engine& e,
                                                  const std::vector<std::string>& files) {
  std::vector<std::string> paths;
  bool missing = false;
  for (const std::string& name : files) {
    if (auto path = searchFile(e, name)) {
      paths.push_back(*path);
    } else {
      raiseMessage(e, "FIEC013", name);
      missing = true;
    }
  }
  if (missing) return std::nullopt;
  return paths;
}

bool checkDefine(Engine& e, const std::vector<std::string>& files) {
  auto paths = locateAll(e, files);
  if (!paths) return false;
  NameList all;
  for (std::size_t k = 0; k < paths->size(); ++k) {
    auto in = openForReading(e, (*paths)[k]);
    if (!in) {
      // What was collected so far is still written.
      raiseMessage(e, "FIES001", files[k]);
      break;
    }
    NameList own;
    collectNames(*in, own);
    for (const std::string& name : own.names()) all.add(name);
  }
  for (const std::string& name : all.names()) printOutput(e, outputStream(e), " " + name + "\n");
  return true;
}

}  // namespace

void stripComments(std::string_view line, bool& inComment, std::string& out) {
  out.clear();
  std::size_t n = std::min(line.find('\n'), line.size());
  for (std::size_t i = 0; i < n; ++i) {
    char c = line[i];
    char next = i + 1 < n ? line[i + 1] : '\0';
    std::size_t width = charLength(line.substr(0, n), i);
    bool pair = width > 1;
    if (inComment) {
      if (pair) {
        i += width - 1;
      } else if (c == '*' && next == '/') {
        inComment = false;
        ++i;
      }
    } else if (pair) {
      out.append(line.substr(i, width));
      i += width - 1;
    } else if (c == '/' && next == '*') {
      inComment = true;
      ++i;
    } else if (c == '/' && next == '/') {
      break;
    } else {
      out += c;
    }
  }
  // Trimmed in place, so the buffer keeps its room for the next line.
  std::string_view kept = trim(out);
  std::size_t first = static_cast<std::size_t>(kept.data() - out.data());
  out.erase(first + kept.size());
  out.erase(0, first);
}

std::vector<std::string_view> conditionNames(std::string_view argument) {
  std::vector<std::string_view> names;
  for (std::size_t pos = 0; pos < argument.size();) {
    ConditionToken token = conditionTokenAt(argument, pos);
    pos += token.text.size();
    if (token.cls == ConditionToken::Class::Name && token.text != "defined")
      names.push_back(token.text);
  }
  return names;
}

bool cmdCheck(Engine& e, std::string_view rest) {
  std::size_t n = 0;
  if (!startsWithKeyword(rest, "define", &n)) {
    raiseMessage(e, "FIEU009", trim(rest));
    return false;
  }
  rest = rest.substr(n);
  auto list = parseFileList(e, rest);
  if (!list) return false;
  std::string_view tail = trim(rest.substr(list->consumed));
  if (!tail.empty()) {
    raiseMessage(e, "FIEU005", tail);
    return false;
  }
  try {
    return checkDefine(e, expandFileNames(e, list->names));
  } catch (const std::bad_alloc&) {
    raiseMessage(e, "FIES004");
    return false;
  }
}

}  // namespace mora
