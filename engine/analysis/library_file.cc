#include "analysis/library_file.h"

#include <istream>
#include <ostream>

#include "analysis/text_writer.h"
#include "core/engine.h"
#include "core/line_reader.h"
#include "core/messages.h"
#include "core/output.h"
#include "core/source_files.h"
#include "core/temporary_files.h"
#include "core/text.h"

namespace mora {

const MarkerSet& markerSet(LibraryMode mode) {
  return mode == LibraryMode::Prototype ? kMarkerSets[1] : kMarkerSets[0];
}

const MarkerSet& otherMarkerSet(LibraryMode mode) {
  return mode == LibraryMode::Prototype ? kMarkerSets[0] : kMarkerSets[1];
}

std::optional<std::string> beginLineName(std::string_view line, const MarkerSet& set) {
  if (!line.starts_with(set.begin) || !line.ends_with('\n')) return std::nullopt;
  if (line.size() < set.begin.size() + 3) return std::nullopt;
  std::size_t from = set.begin.size() + 1;
  return std::string(line.substr(from, line.size() - 2 - from));
}

bool isEndLine(std::string_view line, const MarkerSet& set) { return line.starts_with(set.end); }

namespace {

// Calls visit(piece, startsLine) for each piece of at most kLibraryPieceMax
// bytes. A piece that continues a longer line never counts as a marker line.
template <typename Visit>
void forEachPiece(std::istream& in, Visit visit) {
  LineReader reader(in);
  std::string piece;
  bool lineStart = true;
  while (reader.readPiece(piece, kLibraryPieceMax)) {
    visit(piece, lineStart);
    lineStart = piece.back() == '\n';
  }
}

// The library file opened for reading, or nullptr after `missingCode`
// (the file does not exist) or FIEC004.
std::unique_ptr<std::istream> openLibrary(Engine& e, std::string_view missingCode) {
  const std::string& name = e.settings.sysdt;
  if (!e.platform.exists(name)) {
    raiseMessage(e, missingCode, name);
    return nullptr;
  }
  auto in = openForReading(e, name);
  if (!in) raiseMessage(e, "FIEC004", name);
  return in;
}

bool hasWildcard(std::string_view pattern) {
  return pattern.find_first_of("*?") != std::string_view::npos;
}

const std::string& workFileName(Engine& e) { return e.settings.workFile; }

bool copyStream(std::istream& in, std::ostream& out) {
  out << in.rdbuf();
  out.flush();
  return static_cast<bool>(out);
}

// Appends (or, with `replace`, writes) the work file to `target`.
bool copyWorkFile(Engine& e, const std::string& work, const std::string& target, bool replace) {
  auto in = openForReading(e, work);
  auto out = replace ? openForWriting(e, target) : openForAppending(e, target);
  if (!in || !out) return false;
  in->peek();  // an empty work file copies nothing and is no failure
  if (in->eof()) return true;
  return copyStream(*in, *out);
}

// Names of the library's blocks: those of `set`, and with `listing` those of
// the other set too, formatted with their kind word.
std::optional<std::vector<std::string>> readLibraryNames(Engine& e, LibraryMode mode,
                                                         bool listing) {
  auto in = openLibrary(e, "FIEC014");
  if (!in) return std::nullopt;
  const MarkerSet& set = markerSet(mode);
  const MarkerSet& other = otherMarkerSet(mode);
  std::vector<std::string> names;
  forEachPiece(*in, [&](const std::string& piece, bool lineStart) {
    if (!lineStart) return;
    for (const MarkerSet* s : {&set, &other}) {
      if (s == &other && !listing) break;
      auto name = beginLineName(piece, *s);
      if (!name) continue;
      std::string kind(s->kindWord);
      names.push_back(listing ? format("%-32s : %-12s", name->c_str(), kind.c_str()) : *name);
      break;
    }
  });
  if (in->bad()) {
    raiseMessage(e, "FIEC004", e.settings.sysdt);
    return std::nullopt;
  }
  return names;
}

// Copies the blocks selected by `patterns` to a consumer: begin(old, new),
// line(text, startsLine), end(name). Returns how many blocks matched, or
// nothing after FIEC004 when the library could not be read to its end.
template <typename Begin, typename Line, typename End>
std::optional<int> copyBlocks(Engine& e, std::istream& in, const FunctionPatternList& patterns,
                              const MarkerSet& set, bool renaming, Begin begin, Line line,
                              End end) {
  int matched = 0;
  bool inBlock = false;
  std::string oldName;
  std::string newName;
  forEachPiece(in, [&](const std::string& piece, bool lineStart) {
    if (!inBlock) {
      auto name = lineStart ? beginLineName(piece, set) : std::nullopt;
      const FunctionPattern* p = name ? findPattern(patterns, *name) : nullptr;
      if (!p) return;
      inBlock = true;
      ++matched;
      oldName = *name;
      newName = renaming && p->newName != kNoNewName ? p->newName : oldName;
      begin(newName);
      return;
    }
    if (lineStart && isEndLine(piece, set)) {
      inBlock = false;
      end(newName);
      return;
    }
    std::string text = piece;
    if (newName != oldName) replaceAll(text, oldName, newName);
    line(text, lineStart);
  });
  if (inBlock) end(newName);
  if (in.bad()) {
    raiseMessage(e, "FIEC004", e.settings.sysdt);
    return std::nullopt;
  }
  return matched;
}

// Copies the selected blocks to the work file; how many matched, or nothing
// after a message.
std::optional<int> writeWorkFile(Engine& e, const std::string& work,
                                 const FunctionPatternList& patterns, LibraryMode mode) {
  auto in = openLibrary(e, "FIEI001");
  if (!in) return std::nullopt;
  auto out = rewriteTemporaryFile(e, work);
  if (!out) {
    raiseMessage(e, "FIES001", work);
    return std::nullopt;
  }
  const MarkerSet& set = markerSet(mode);
  bool head = e.settings.exportHead;
  std::optional<int> matched = copyBlocks(
      e, *in, patterns, set, true,
      [&](const std::string& name) {
        *out << '\n';
        if (head) *out << format(set.header, name.c_str()) << '\n';
      },
      [&](const std::string& text, bool) { *out << text; },
      [&](const std::string& name) {
        *out << '\n';
        if (head) *out << format(set.trailer, name.c_str()) << '\n';
      });
  out->flush();
  return matched;
}

// Where a block to delete starts on `line`: its name, or nothing.
std::optional<std::string> deletableName(std::string_view line, const MarkerSet& set,
                                         bool& commentBlock) {
  std::string_view headPrefix = std::string_view(set.header).substr(0, kCommentMarkerPrefix);
  bool marker = line.starts_with(set.begin);
  commentBlock = !marker && line.starts_with(headPrefix);
  std::size_t open = line.find('[');
  if ((!marker && !commentBlock) || open == std::string_view::npos) return std::nullopt;
  std::size_t close = line.find(']', open + 1);
  if (close == std::string_view::npos) close = trim(line).size();
  return std::string(line.substr(open + 1, close - open - 1));
}

// Copies `file` to the work file without the selected blocks.
bool copyWithoutBlocks(std::istream& in, std::ostream& out, const FunctionPatternList& patterns,
                       const MarkerSet& set) {
  std::string_view tailPrefix = std::string_view(set.trailer).substr(0, kCommentMarkerPrefix);
  bool dropping = false;
  bool commentBlock = false;
  forEachPiece(in, [&](const std::string& piece, bool lineStart) {
    if (dropping) {
      if (lineStart && (commentBlock ? piece.starts_with(tailPrefix) : isEndLine(piece, set)))
        dropping = false;
      return;
    }
    auto name = lineStart ? deletableName(piece, set, commentBlock) : std::nullopt;
    if (name && findPattern(patterns, *name)) {
      dropping = true;
      return;
    }
    out << piece;
  });
  out.flush();
  return static_cast<bool>(out) && !in.bad();
}

}  // namespace

bool listLibrary(Engine& e) {
  auto names = readLibraryNames(e, e.settings.mode, true);
  if (!names) return false;
  if (names->empty()) {
    raiseMessage(e, "FIEI001", e.settings.sysdt);
    return false;
  }
  for (std::size_t i = 0; i < names->size(); ++i)
    printOutput(e, outputStream(e),
                format(" %03d: %s\n", static_cast<int>(i + 1), (*names)[i].c_str()));
  return true;
}

bool exportToOutput(Engine& e, const FunctionPatternList& patterns, LibraryMode mode,
                    bool renaming) {
  auto in = openLibrary(e, "FIEI001");
  if (!in) return false;
  std::ostream& out = outputStream(e);
  std::optional<int> matched = copyBlocks(
      e, *in, patterns, markerSet(mode), renaming, [](const std::string&) {},
      [&](const std::string& text, bool lineStart) {
        printOutput(e, out, lineStart ? " " + text : text);
      },
      [](const std::string&) {});
  if (!matched) return false;
  if (*matched == 0) {
    raiseMessage(e, "FIEI009");
    return false;
  }
  return true;
}

bool exportToFiles(Engine& e, const FunctionPatternList& patterns, LibraryMode mode,
                   const std::vector<std::string>& files) {
  bool plainNames = false;
  for (const auto& p : patterns) plainNames |= !hasWildcard(p.pattern);
  if (plainNames) {
    auto names = readLibraryNames(e, mode, false);
    if (!names) return false;
    for (const auto& p : patterns) {
      if (hasWildcard(p.pattern)) continue;
      if (std::find(names->begin(), names->end(), p.pattern) == names->end()) {
        raiseMessage(e, "FIEC012", p.pattern);
        return false;
      }
    }
  }
  std::string work = workFileName(e);
  std::optional<int> matched = writeWorkFile(e, work, patterns, mode);
  if (!matched) return false;
  if (*matched == 0) {
    raiseMessage(e, "FIEI009");
    return false;
  }
  for (const auto& file : files) {
    if (!registerForChange(e, file)) {
      raiseMessage(e, "FIEC015", file);
      return false;
    }
    if (!copyWorkFile(e, work, file, false)) {
      raiseMessage(e, "FIEC016", file);
      return false;
    }
  }
  return true;
}

bool deleteBlocks(Engine& e, const FunctionPatternList& patterns, LibraryMode mode,
                  const std::vector<std::string>& files) {
  const MarkerSet& set = markerSet(mode);
  std::string work = workFileName(e);
  for (const auto& file : files) {
    if (!registerForChange(e, file)) {
      raiseMessage(e, "FIEC015", file);
      return false;
    }
    auto in = openForReading(e, file);
    auto out = in ? rewriteTemporaryFile(e, work) : nullptr;
    if (!in || !out) {
      raiseMessage(e, "FIES001", in ? work : file);
      return false;
    }
    bool copied = copyWithoutBlocks(*in, *out, patterns, set);
    in.reset();
    out.reset();
    if (!copied || !copyWorkFile(e, work, file, true)) {
      raiseMessage(e, "FIEC007");
      return false;
    }
  }
  return true;
}

}  // namespace mora
