// The library commands: import, type, export, print, delete and list (its
// form without operands; the report module registers `list` with operands
// and hands the bare form back to listLibrary).
#include "analysis/library_file.h"
#include "analysis/pattern_list.h"
#include "analysis/text_writer.h"
#include "core/command_tables.h"
#include "core/engine.h"
#include "core/file_list.h"
#include "core/messages.h"
#include "core/temporary_files.h"
#include "core/text.h"

namespace mora {

namespace {

// True when `rest` starts with the mode word `word` standing alone: followed
// by a blank, the end or the "(" of a parenthesised list. "function*" is a
// pattern, not the mode word.
bool startsWithModeWord(std::string_view rest, std::string_view word, std::size_t* consumed) {
  if (!startsWithKeyword(rest, word, consumed)) return false;
  std::string_view after = rest.substr(*consumed);
  return after.empty() || isBlank(after.front()) || after.front() == '(';
}

// The words `function` or `prototype` directly after the command word choose
// the marker set for this command only.
LibraryMode readModeWord(Engine& e, std::string_view& rest) {
  std::size_t n = 0;
  if (startsWithModeWord(rest, "function", &n)) {
    rest.remove_prefix(n);
    return LibraryMode::Function;
  }
  if (startsWithModeWord(rest, "prototype", &n)) {
    rest.remove_prefix(n);
    return LibraryMode::Prototype;
  }
  return e.settings.mode;
}

// Nothing but blanks may follow the last operand.
bool atEnd(Engine& e, std::string_view rest) {
  if (trim(rest).empty()) return true;
  raiseMessage(e, "FIEU005", trim(rest));
  return false;
}

// `keyword` files: the expanded file names; std::nullopt after a message.
std::optional<std::vector<std::string>> readFiles(Engine& e, std::string_view rest,
                                                  std::string_view keyword) {
  std::size_t n = 0;
  if (!startsWithKeyword(rest, keyword, &n)) {
    raiseMessage(e, "FIEU003", keyword);
    return std::nullopt;
  }
  rest.remove_prefix(n);
  auto list = parseFileList(e, skipBlanks(rest));
  if (!list) return std::nullopt;
  if (!atEnd(e, skipBlanks(rest).substr(list->consumed))) return std::nullopt;
  return expandFileNames(e, list->names);
}

struct Operands {
  FunctionPatternList patterns;
  std::vector<std::string> files;
};

// patterns `keyword` files
std::optional<Operands> readPatternsAndFiles(Engine& e, std::string_view rest,
                                             std::string_view keyword) {
  auto parsed = parsePatternList(e, rest);
  if (!parsed) return std::nullopt;
  auto files = readFiles(e, rest.substr(parsed->consumed), keyword);
  if (!files) return std::nullopt;
  return Operands{std::move(parsed->patterns), std::move(*files)};
}

// Message codes for a failed text scan, by scan error.
struct TextFailureCodes {
  std::string_view cannotOpenSource;
  std::string_view cannotOpenOutput;
  std::string_view other;
};

// A library file that does not exist yet is created here, exclusively, so
// that it counts as the engine's own and is deleted at the end of the run;
// one that was there before is the user's and is only appended to.
void createLibraryIfMissing(Engine& e) {
  const std::string& name = e.settings.sysdt;
  if (e.platform.fileStatus(name, false)) return;
  if (auto created = createTemporaryFile(e, name)) created->finish();
}

int writeTexts(Engine& e, std::string_view rest, bool toLibrary, const TextFailureCodes& codes) {
  LibraryMode mode = readModeWord(e, rest);
  auto ops = readPatternsAndFiles(e, rest, "from");
  if (!ops) return 0;
  if (toLibrary) createLibraryIfMissing(e);
  std::string output = toLibrary ? e.settings.sysdt : std::string();
  for (const auto& file : ops->files) {
    e.functions.lastError = kScanOk;
    if (writeFunctionTexts(e, file, output, ops->patterns, mode, true) == 0) continue;
    switch (e.functions.lastError) {
      case kScanCannotOpenSource:
        raiseMessage(e, codes.cannotOpenSource, file);
        break;
      case kScanCannotOpenOutput:
        raiseMessage(e, codes.cannotOpenOutput, output);
        break;
      case kScanOutOfMemory:
        raiseMessage(e, "FIES004");
        break;
      default:
        raiseMessage(e, codes.other);
        break;
    }
    return 0;
  }
  return 1;
}

// import [function|prototype] patterns [as names] from files
int cmdImport(Engine& e, std::string_view rest) {
  return writeTexts(e, rest, true, {"FIEC001", "FIEC004", "FIEC003"});
}

// type [function|prototype] patterns [as names] from files
int cmdType(Engine& e, std::string_view rest) {
  return writeTexts(e, rest, false, {"FIEC001", "FIEC024", "FIEC024"});
}

// export [function|prototype] patterns [as names] [to files]
int cmdExport(Engine& e, std::string_view rest) {
  LibraryMode mode = readModeWord(e, rest);
  auto parsed = parsePatternList(e, rest);
  if (!parsed) return 0;
  std::string_view tail = rest.substr(parsed->consumed);
  if (trim(tail).empty()) return exportToOutput(e, parsed->patterns, mode, true);
  auto files = readFiles(e, tail, "to");
  if (!files) return 0;
  return exportToFiles(e, parsed->patterns, mode, *files);
}

// print patterns
int cmdPrint(Engine& e, std::string_view rest) {
  auto parsed = parsePatternList(e, rest);
  if (!parsed || !atEnd(e, rest.substr(parsed->consumed))) return 0;
  return exportToOutput(e, parsed->patterns, e.settings.mode, false);
}

// delete patterns from files
int cmdDelete(Engine& e, std::string_view rest) {
  auto ops = readPatternsAndFiles(e, rest, "from");
  if (!ops) return 0;
  return deleteBlocks(e, ops->patterns, e.settings.mode, ops->files);
}

// list (no operands)
int cmdList(Engine& e, std::string_view rest) {
  if (!atEnd(e, rest)) return 0;
  return listLibrary(e);
}

constexpr CommandEntry kLibraryCommands[] = {
    {Token::Import, cmdImport}, {Token::Type, cmdType},     {Token::Export, cmdExport},
    {Token::Print, cmdPrint},   {Token::Delete, cmdDelete}, {Token::List, cmdList},
};

}  // namespace

std::span<const CommandEntry> libraryCommands() { return kLibraryCommands; }

}  // namespace mora
