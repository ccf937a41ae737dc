#include "core/file_list.h"

#include <istream>
#include <new>

#include "core/directory_walker.h"
#include "core/engine.h"
#include "core/expressions.h"
#include "core/keywords.h"
#include "core/limits.h"
#include "core/line_reader.h"
#include "core/messages.h"
#include "core/platform/paths.h"
#include "core/source_files.h"
#include "core/text.h"
#include "core/variables.h"

namespace mora {

namespace {

constexpr std::string_view kNamePunctuation = ".\\/_-~%!}#@[]+$&{():?*";

class FileListParser {
 public:
  FileListParser(Engine& e, std::string_view text) : e_(e), text_(text) {}

  std::optional<ParsedList> parse() {
    ParsedList list;
    for (;;) {
      skipBlanksHere();
      if (!parseItem(list.names)) return std::nullopt;
      list.consumed = pos_;
      skipBlanksHere();
      if (pos_ == text_.size()) break;
      if (text_[pos_] == ',') {
        ++pos_;
        continue;
      }
      if (pos_ > list.consumed && atKeyword()) break;
      raiseMessage(e_, "FIEU003", ",");
      return std::nullopt;
    }
    return list;
  }

 private:
  bool parseItem(std::vector<std::string>& names) {
    char c = pos_ < text_.size() ? text_[pos_] : '\0';
    if (c == kQuote) return parseQuoted(names);
    if (c == '<') return parseListFile(names);
    if (c == kVariableMark && pos_ + 1 < text_.size() && isNameChar(text_[pos_ + 1]))
      return parseVariable(names);
    std::size_t start = pos_;
    pos_ = nameRunEnd(pos_);
    if (pos_ == start) return missingName();
    names.emplace_back(text_.substr(start, pos_ - start));
    return true;
  }

  bool parseQuoted(std::vector<std::string>& names) {
    std::size_t close = text_.find(kQuote, pos_ + 1);
    if (close == std::string_view::npos) {
      raiseMessage(e_, "FIEU003", std::string_view("\""));
      return false;
    }
    std::string_view name = text_.substr(pos_ + 1, close - pos_ - 1);
    pos_ = close + 1;
    if (name.empty()) return missingName();
    names.emplace_back(name);
    return true;
  }

  bool parseListFile(std::vector<std::string>& names) {
    std::size_t close = text_.find('>', pos_ + 1);
    if (close == std::string_view::npos) {
      raiseMessage(e_, "FIEU003", ">");
      return false;
    }
    std::string name(text_.substr(pos_ + 1, close - pos_ - 1));
    pos_ = close + 1;
    if (name.empty()) return missingName();
    return readListFile(e_, name, names);
  }

  // "$name" or "$name[n]". The value may hold several names, so that a
  // variable can carry a whole list (an array reads as its elements joined
  // by line feeds).
  bool parseVariable(std::vector<std::string>& names) {
    std::size_t start = pos_++;
    while (pos_ < text_.size() && isNameChar(text_[pos_])) ++pos_;
    std::string_view name = text_.substr(start, pos_ - start);
    long index = kScalarIndex;
    std::size_t digits = pos_ + 1;
    while (digits < text_.size() && isAsciiDigit(text_[digits])) ++digits;
    if (pos_ < text_.size() && text_[pos_] == '[' && digits > pos_ + 1 && digits < text_.size() &&
        text_[digits] == ']') {
      index = parseLeadingInt(text_.substr(pos_ + 1, digits - pos_ - 1));
      pos_ = digits + 1;
    }
    std::string value;
    if (!getVariable(e_, name, index, value)) return false;
    std::size_t before = names.size();
    if (!addValueNames(value, names)) return false;
    return names.size() > before || missingName();
  }

  bool addValueNames(std::string_view value, std::vector<std::string>& names) {
    while (!value.empty()) {
      std::size_t end = value.find_first_of(",\n");
      std::string_view part = trim(value.substr(0, end));
      value = end == std::string_view::npos ? std::string_view() : value.substr(end + 1);
      if (part.empty()) continue;
      if (part.size() > 2 && part.front() == '<' && part.back() == '>') {
        if (!readListFile(e_, std::string(part.substr(1, part.size() - 2)), names)) return false;
      } else {
        names.emplace_back(part);
      }
    }
    return true;
  }

  // The end of the run of name characters at `i`; double-byte characters
  // count as name characters.
  std::size_t nameRunEnd(std::size_t i) const {
    while (i < text_.size()) {
      if (std::size_t n = charLength(text_, i); n > 1)
        i += n;
      else if (isFileNameChar(text_[i]))
        ++i;
      else
        break;
    }
    return i;
  }

  bool atKeyword() const {
    std::size_t end = nameRunEnd(pos_);
    return end > pos_ && lookupKeyword(text_.substr(pos_, end - pos_)).has_value();
  }

  bool missingName() {
    raiseMessage(e_, "FIEU007");
    return false;
  }

  void skipBlanksHere() {
    while (pos_ < text_.size() && isBlank(text_[pos_])) ++pos_;
  }

  Engine& e_;
  std::string_view text_;
  std::size_t pos_ = 0;
};

// Splits a name into the directory to walk, the prefix of the entries and
// the mask; false when the name is taken as it is.
struct WalkPlan {
  std::string directory;
  std::string prefix;
  std::string mask;
};

std::optional<WalkPlan> planWalk(Engine& e, const std::string& name, bool& regular) {
  WalkPlan plan;
  // One look-up for the usual case, a plain file; the directory test only
  // for what is not one.
  auto status = e.platform.fileStatus(name, true);
  regular = status && status->regular;
  if (!regular && e.platform.isDirectory(name)) {
    plan.directory = withTrailingSeparator(name);
    plan.prefix = plan.directory;
    plan.mask = "*";
  } else if (name.find_first_of("?*") != std::string::npos) {
    // The mask is the last component alone, so a separator never reaches
    // the wildcard matcher, where a backslash escapes the next byte.
    std::size_t start = nameStart(name);
    plan.directory = start == 0 ? std::string(".") : name.substr(0, start);
    plan.prefix = name.substr(0, start);
    plan.mask = name.substr(start);
  } else {
    return std::nullopt;
  }
  if (hasWildcard(plan.directory) || !hasWildcard(plan.mask)) return std::nullopt;
  return plan;
}

void expandName(Engine& e, const std::string& name, std::vector<std::string>& out,
                std::vector<bool>& seen) {
  bool regular = false;
  auto plan = planWalk(e, name, regular);
  DirectoryWalker walker(e.platform);
  if (!plan || !walker.open(plan->directory)) {
    out.push_back(name);
    seen.push_back(regular);
    return;
  }
  // File masks match without regard to case: both sides are folded.
  WildcardPattern mask(foldUpperSjis(plan->mask));
  std::size_t before = out.size();
  while (auto entry = walker.next()) {
    if (!mask.matches(foldUpperSjis(*entry))) continue;
    out.push_back(plan->prefix + *entry);
    seen.push_back(true);
  }
  walker.close();
  if (out.size() == before) {
    out.push_back(name);
    seen.push_back(false);
  }
}

}  // namespace

bool isFileNameChar(char c) {
  return isAsciiAlnum(c) || (c != '\0' && kNamePunctuation.find(c) != std::string_view::npos);
}

std::string foldUpperSjis(std::string_view text) {
  std::string out(text);
  for (std::size_t i = 0; i < out.size(); ++i) {
    if (std::size_t n = charLength(out, i); n > 1)
      i += n - 1;
    else
      out[i] = asciiUpper(out[i]);
  }
  return out;
}

std::optional<ParsedList> parseFileList(Engine& e, std::string_view text) {
  try {
    return FileListParser(e, text).parse();
  } catch (const std::bad_alloc&) {
    raiseMessage(e, "FIES004");
    return std::nullopt;
  }
}

std::vector<std::string> expandFileNames(Engine& e, const std::vector<std::string>& names,
                                         std::vector<bool>& seen) {
  std::vector<std::string> out;
  seen.clear();
  for (const auto& name : names) expandName(e, name, out, seen);
  return out;
}

std::vector<std::string> expandFileNames(Engine& e, const std::vector<std::string>& names) {
  std::vector<bool> seen;
  return expandFileNames(e, names, seen);
}

bool allFilesExist(Engine& e, const std::vector<std::string>& files) {
  return allFilesExist(e, files, {});
}

bool allFilesExist(Engine& e, const std::vector<std::string>& files,
                   const std::vector<bool>& seen) {
  bool all = true;
  for (std::size_t i = 0; i < files.size(); ++i) {
    const std::string& file = files[i];
    if ((i < seen.size() && seen[i]) || e.platform.exists(file)) continue;
    raiseMessage(e, "FIEC013", file);
    all = false;
  }
  return all;
}

bool readListFile(Engine& e, const std::string& name, std::vector<std::string>& names) {
  auto in = openForReading(e, name);
  if (!in) {
    raiseMessage(e, "FIES001", name);
    return false;
  }
  LineReader reader(*in);
  std::string piece;
  while (reader.readPiece(piece, kFileNameMax)) {
    chopLineFeed(piece);
    if (!piece.empty()) names.push_back(piece);
  }
  if (reader.failed()) {
    raiseMessage(e, "FIES001", name);
    return false;
  }
  return true;
}

}  // namespace mora
