#include "core/script_files.h"

#include <istream>
#include <optional>

#include "core/engine.h"
#include "core/file_list.h"
#include "core/file_search.h"
#include "core/keywords.h"
#include "core/line_reader.h"
#include "core/messages.h"
#include "core/nesting_budget.h"
#include "core/reader.h"
#include "core/temporary_files.h"
#include "core/text.h"

namespace mora {

namespace {

// Counts the script files being run, so that a file that includes itself
// ends with a message instead of exhausting the stack.
class ScriptNesting {
 public:
  explicit ScriptNesting(Engine& e) : e_(e) { ++e_.exec.scriptNesting; }
  ~ScriptNesting() { --e_.exec.scriptNesting; }
  ScriptNesting(const ScriptNesting&) = delete;
  ScriptNesting& operator=(const ScriptNesting&) = delete;

 private:
  Engine& e_;
};

// Runs one found script file; false after FIES009.
bool runFoundScript(Engine& e, const std::string& path) {
  NestingLevel level(e, "FIES009", path);
  if (!level.entered()) return false;
  if (e.exec.scriptNesting >= kMaxScriptNesting || !canOpenForReading(e, path)) {
    raiseMessage(e, "FIES009", path);
    return false;
  }
  ScriptNesting nesting(e);
  return runScriptFile(e, path) && !isUnwinding(e);
}

// The names of a file list that must be the whole rest of the statement.
std::optional<std::vector<std::string>> fileNames(Engine& e, std::string_view text) {
  auto list = parseFileList(e, text);
  if (!list) return std::nullopt;
  if (std::string_view extra = trim(text.substr(list->consumed)); !extra.empty()) {
    raiseMessage(e, "FIEU005", extra);
    return std::nullopt;
  }
  return expandFileNames(e, list->names);
}

// The section name of a header line "[name]", or std::nullopt.
std::optional<std::string_view> sectionName(std::string_view line) {
  if (line.empty() || line[0] != '[') return std::nullopt;
  std::size_t close = line.find(']');
  if (close == std::string_view::npos) return std::nullopt;
  return line.substr(1, close - 1);
}

struct EventRequest {
  std::vector<std::string> sections;
  std::string_view files;
};

bool isNameSeparator(char c) { return isBlank(c) || c == ','; }

// names from files: the section names up to the word "from".
std::optional<EventRequest> parseEventRequest(Engine& e, std::string_view rest) {
  EventRequest request;
  std::size_t pos = 0;
  for (;;) {
    while (pos < rest.size() && isNameSeparator(rest[pos])) ++pos;
    if (pos >= rest.size()) {
      raiseMessage(e, "FIEU003", "from");
      return std::nullopt;
    }
    std::size_t end = pos;
    while (end < rest.size() && !isNameSeparator(rest[end])) ++end;
    std::string_view word = rest.substr(pos, end - pos);
    if (lookupKeyword(word) == Token::From) {
      request.files = trim(rest.substr(end));
      break;
    }
    request.sections.emplace_back(word);
    pos = end;
  }
  if (request.sections.empty() || request.files.empty()) {
    raiseMessage(e, "FIEU001");
    return std::nullopt;
  }
  return request;
}

// The largest suffix tried for the work file of a nested event.
constexpr std::size_t kEventFileLimit = 1000;

// The work file of an event, created here and only here. The outermost event
// rewrites the engine's work file; an event run from an event file gets a
// file of its own beside it, "<work file>.<n>" with the first free n from
// its nesting depth on, so that it neither overwrites the file being read
// nor writes through anything planted under a predictable name.
std::optional<NumberedFile> openEventFile(Engine& e) {
  const std::string& work = e.settings.workFile;
  if (work.empty()) return std::nullopt;
  if (e.exec.eventNesting == 0) {
    auto writer = rewriteTemporaryFile(e, work);
    if (!writer) return std::nullopt;
    return NumberedFile{absolutePath(e, work), 0, std::move(writer)};
  }
  return createNumberedFile(
      e, [&work](std::size_t n) { return work + "." + std::to_string(n); },
      static_cast<std::size_t>(e.exec.eventNesting), kEventFileLimit);
}

// Writes the lines into the event's work file; false after FIES001 or
// FIES010.
bool writeEventFile(Engine& e, NumberedFile& file, const std::vector<std::string>& lines) {
  for (const std::string& line : lines) *file.writer << line;
  if (!file.writer->finish()) {
    raiseMessage(e, "FIES010", file.path);
    return false;
  }
  return true;
}

// One event run: its work file is deleted afterwards, also when the run
// ends the engine.
class EventRun {
 public:
  explicit EventRun(Engine& e) : e_(e) { ++e_.exec.eventNesting; }
  ~EventRun() {
    --e_.exec.eventNesting;
    if (!name_.empty()) removeTemporaryFile(e_, name_);
  }
  EventRun(const EventRun&) = delete;
  EventRun& operator=(const EventRun&) = delete;
  void own(const std::string& name) { name_ = name; }

 private:
  Engine& e_;
  std::string name_;
};

bool runWorkFile(Engine& e, const std::vector<std::string>& lines) {
  auto file = openEventFile(e);
  if (!file) {
    std::string work = e.settings.workFile;
    if (e.exec.eventNesting > 0) work += "." + std::to_string(e.exec.eventNesting);
    raiseMessage(e, "FIES001", work);
    return false;
  }
  EventRun run(e);
  run.own(file->path);
  return writeEventFile(e, *file, lines) && runFoundScript(e, file->path);
}

}  // namespace

bool readSection(std::istream& in, std::string_view name, std::vector<std::string>& lines) {
  LineReader reader(in);
  std::string piece;
  bool atLineStart = true;
  bool inSection = false;
  bool found = false;
  while (reader.readPiece(piece, kInputPieceMax)) {
    bool header = atLineStart && !piece.empty() && piece[0] == '[';
    atLineStart = piece.back() == '\n';
    if (inSection && header) break;
    if (inSection) {
      lines.push_back(piece);
      continue;
    }
    if (!header) continue;
    std::string_view line = piece;
    auto section = sectionName(trim(line));
    if (section && equalsNoCase(trim(*section), name)) inSection = found = true;
  }
  if (found && !lines.empty() && lines.back().back() != '\n') lines.back() += '\n';
  return found;
}

// include files
bool cmdInclude(Engine& e, std::string_view rest) {
  auto names = fileNames(e, trim(rest));
  if (!names) return false;
  // Every file must exist before any runs.
  std::vector<std::string> paths;
  for (const std::string& name : *names) {
    auto found = searchFile(e, name);
    if (!found) {
      raiseMessage(e, "FIEC013", name);
      return false;
    }
    paths.push_back(std::move(*found));
  }
  for (const std::string& path : paths)
    if (!runFoundScript(e, path)) return false;
  return true;
}

// event names from files, on names from files
bool cmdEvent(Engine& e, std::string_view rest) {
  auto request = parseEventRequest(e, trim(rest));
  if (!request) return false;
  auto names = fileNames(e, request->files);
  if (!names) return false;
  std::vector<std::string> lines;
  bool copied = false;
  for (const std::string& name : *names) {
    auto path = searchFile(e, name);
    auto file = path ? e.platform.openStream(*path, std::ios::in | std::ios::binary) : nullptr;
    if (!file || !*file) {
      raiseMessage(e, "FIES001", name);
      return false;
    }
    std::istream& in = *file;
    for (const std::string& section : request->sections) {
      in.clear();
      in.seekg(0);
      copied = readSection(in, section, lines) || copied;
      if (in.bad()) {
        raiseMessage(e, "FIES001", name);
        return false;
      }
    }
  }
  if (!copied) return true;
  return runWorkFile(e, lines);
}

}  // namespace mora
