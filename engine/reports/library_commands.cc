// The library commands: import, type, export, print and delete. The bare
// `list` (no operands) is the tree module's, which hands it to listLibrary.
#include "analysis/library_file.h"
#include "analysis/pattern_list.h"
#include "analysis/scan_failure.h"
#include "analysis/text_writer.h"
#include "core/engine.h"
#include "core/file_list.h"
#include "core/messages.h"
#include "core/temporary_files.h"
#include "core/text.h"
#include "core/word_argument.h"
#include "reports/report_commands.h"
#include "reports/report_operands.h"

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
  if (!nothingFollows(e, skipBlanks(rest).substr(list->consumed))) return std::nullopt;
  return expandFileNames(e, list->names);
}

// patterns from files
constexpr OperandRules kTextOperands{.filesRequired = true};

// A library file that does not exist yet is created here, exclusively, so
// that it counts as the engine's own and is deleted at the end of the run;
// one that was there before is the user's and is only appended to.
void createLibraryIfMissing(Engine& e) {
  const std::string& name = e.settings.sysdt;
  if (e.platform.fileStatus(name, false)) return;
  if (auto created = createTemporaryFile(e, name)) created->finish();
}

// The messages of the commands that write function texts: a failure ends
// the command.
constexpr ScanFailureMessages textFailures(std::string_view cannotOpenSource,
                                           std::string_view cannotOpenOutput,
                                           std::string_view other) {
  return {{cannotOpenSource, ScanSubject::Source},
          {cannotOpenOutput, ScanSubject::Output},
          {"FIES004", ScanSubject::None},
          {other, ScanSubject::None}};
}

bool writeTexts(Engine& e, std::string_view rest, bool toLibrary,
                const ScanFailureMessages& failures) {
  LibraryMode mode = readModeWord(e, rest);
  auto ops = readReportOperands(e, rest, kTextOperands);
  if (!ops) return false;
  if (toLibrary) createLibraryIfMissing(e);
  std::string output = toLibrary ? e.settings.sysdt : std::string();
  for (const auto& file : ops->files) {
    ScanError error = writeFunctionTexts(e, file, output, ops->patterns, mode, true);
    if (error == kScanOk) continue;
    raiseScanFailure(e, error, failures, file, output);
    return false;
  }
  return true;
}

}  // namespace

// import [function|prototype] patterns [as names] from files
bool cmdImport(Engine& e, std::string_view rest) {
  return writeTexts(e, rest, true, textFailures("FIEC001", "FIEC004", "FIEC003"));
}

// type [function|prototype] patterns [as names] from files
bool cmdType(Engine& e, std::string_view rest) {
  return writeTexts(e, rest, false, textFailures("FIEC001", "FIEC024", "FIEC024"));
}

// export [function|prototype] patterns [as names] [to files]
bool cmdExport(Engine& e, std::string_view rest) {
  LibraryMode mode = readModeWord(e, rest);
  auto parsed = parsePatternList(e, rest);
  if (!parsed) return false;
  std::string_view tail = rest.substr(parsed->consumed);
  if (trim(tail).empty()) return exportToOutput(e, parsed->patterns, mode, true);
  auto files = readFiles(e, tail, "to");
  if (!files) return false;
  return exportToFiles(e, parsed->patterns, mode, *files);
}

// print patterns
bool cmdPrint(Engine& e, std::string_view rest) {
  auto parsed = parsePatternList(e, rest);
  if (!parsed || !nothingFollows(e, rest.substr(parsed->consumed))) return false;
  return exportToOutput(e, parsed->patterns, e.settings.mode, false);
}

// delete patterns from files
bool cmdDelete(Engine& e, std::string_view rest) {
  auto ops = readReportOperands(e, rest, kTextOperands);
  if (!ops) return false;
  return deleteBlocks(e, ops->patterns, e.settings.mode, ops->files);
}

}  // namespace mora
