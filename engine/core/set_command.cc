#include "core/set_command.h"

#include <array>
#include <memory>
#include <optional>
#include <ostream>
#include <span>

#include "core/engine.h"
#include "core/keywords.h"
#include "core/limits.h"
#include "core/messages.h"
#include "core/output.h"
#include "core/platform.h"
#include "core/show.h"
#include "core/text.h"
#include "core/word_argument.h"

namespace mora {

namespace {

// Reads one of `choices` (as a keyword) and the end of the statement.
std::optional<std::size_t> readChoice(Engine& e, std::string_view rest,
                                      std::span<const Token> choices) {
  WordArgument word = readKeywordWord(rest);
  if (word.value.empty()) {
    std::string_view left = trim(rest);
    if (left.empty()) {
      raiseMessage(e, "FIEU001");
    } else {
      raiseMessage(e, "FIEU009", left);
    }
    return std::nullopt;
  }
  std::optional<Token> token = lookupKeyword(word.value);
  for (std::size_t i = 0; i < choices.size(); ++i) {
    if (token == choices[i]) {
      if (!nothingFollows(e, rest.substr(word.consumed))) return std::nullopt;
      return i;
    }
  }
  raiseMessage(e, "FIEU009", word.value);
  return std::nullopt;
}

constexpr Token kOnOff[] = {Token::On, Token::Off};

bool setOnOff(Engine& e, std::string_view rest, const SettingEntry& entry) {
  std::optional<std::size_t> choice = readChoice(e, rest, kOnOff);
  if (!choice) return false;
  bool on = *choice == 0;
  if (entry.effect && !entry.effect(e, on)) return false;
  if (entry.flag) e.settings.*entry.flag = on;
  return true;
}

bool applyTrace(Engine& e, bool on) {
  if (!on) {
    e.out.trace.reset();
    return true;
  }
  if (e.out.trace) return true;
  auto file = e.platform.openStream(e.platform.userFilePath(e.settings.traceFile),
                                    std::ios::out | kTextWriteMode | std::ios::trunc);
  if (!file) {
    raiseMessage(e, "FIES001", e.settings.traceFile);
    return false;
  }
  e.out.trace = std::move(file);
  return true;
}

// HTML mode brings escaping with it; leaving it ends the index file too.
bool applyHtml(Engine& e, bool on) {
  e.settings.htmlFilter = on;
  if (!on) {
    e.out.index.reset();
    e.out.indexName.clear();
  }
  return true;
}

bool applyScreen(Engine& e, bool) {
  printOutput(e, outputStream(e), "Screen Mode Not-Supported\n");
  return true;
}

constexpr Token kModes[] = {Token::Function, Token::Prototype};

bool setMode(Engine& e, std::string_view rest, const SettingEntry&) {
  std::optional<std::size_t> choice = readChoice(e, rest, kModes);
  if (!choice) return false;
  e.settings.mode = *choice == 0 ? LibraryMode::Function : LibraryMode::Prototype;
  return true;
}

constexpr Token kLineStyles[] = {Token::Ascii, Token::Jis};

bool setLine(Engine& e, std::string_view rest, const SettingEntry&) {
  std::optional<std::size_t> choice = readChoice(e, rest, kLineStyles);
  if (!choice) return false;
  e.settings.line = *choice == 0 ? LineStyle::Ascii : LineStyle::Jis;
  return true;
}

constexpr Token kCountUnits[] = {Token::Function, Token::File};

bool setCount(Engine& e, std::string_view rest, const SettingEntry&) {
  std::optional<std::size_t> choice = readChoice(e, rest, kCountUnits);
  if (!choice) return false;
  e.settings.count = *choice == 0 ? CountUnit::Function : CountUnit::File;
  return true;
}

bool setFilepos(Engine& e, std::string_view rest, const SettingEntry&) {
  std::string_view s = trim(rest);
  if (s.empty() || !isAsciiDigit(s[0])) {
    raiseMessage(e, "FIEU043", s);
    return false;
  }
  std::size_t n = 0;
  long value = 0;
  for (; n < s.size() && isAsciiDigit(s[n]); ++n) {
    value = value * 10 + (s[n] - '0');
    if (value > kFileposMax) break;
  }
  if (value > kFileposMax) {
    raiseMessage(e, "FIEU012", s);
    return false;
  }
  if (!nothingFollows(e, s.substr(n))) return false;
  e.settings.filepos = static_cast<int>(value);
  return true;
}

bool setLanguage(Engine& e, std::string_view rest, const SettingEntry&) {
  WordArgument word = readKeywordWord(rest);
  for (const LanguageInfo& info : kLanguages) {
    if (!equalsNoCase(word.value, info.word)) continue;
    if (!nothingFollows(e, rest.substr(word.consumed))) return false;
    e.settings.language = info.kind;
    e.settings.dirmask = info.dirmask;
    return true;
  }
  raiseMessage(e, "FIEB002", "language");
  return false;
}

// Reads the word argument of sysdt, prompt and dirmask. An empty word raises
// `emptyCode`, or for a setting that may be empty (prompt "") only when
// nothing at all was written. This comes before the check for text after the
// word, since a bare mask such as *.c reads as an empty word.
std::optional<std::string> readSettingWord(Engine& e, std::string_view rest, bool mayBeEmpty,
                                           const char* emptyCode) {
  std::optional<WordArgument> word = readWordArgument(e, rest);
  if (!word) return std::nullopt;
  if (word->value.empty() && (!mayBeEmpty || trim(rest).empty())) {
    raiseMessage(e, emptyCode);
    return std::nullopt;
  }
  if (!nothingFollows(e, rest.substr(word->consumed))) return std::nullopt;
  return std::move(word->value);
}

bool setSysdt(Engine& e, std::string_view rest, const SettingEntry&) {
  std::optional<std::string> name = readSettingWord(e, rest, false, "FIEU007");
  if (!name) return false;
  e.settings.sysdt = std::move(*name);
  return true;
}

bool setPrompt(Engine& e, std::string_view rest, const SettingEntry&) {
  std::optional<std::string> prompt = readSettingWord(e, rest, true, "FIEU007");
  if (!prompt) return false;
  e.settings.prompt = std::move(*prompt);
  return true;
}

bool setDirmask(Engine& e, std::string_view rest, const SettingEntry&) {
  std::optional<std::string> mask = readSettingWord(e, rest, false, "FIEU012");
  if (!mask) return false;
  e.settings.dirmask = std::move(*mask);
  return true;
}

constexpr std::string_view kConsole = "CONSOLE";

bool setOutput(Engine& e, std::string_view rest, const SettingEntry&) {
  std::optional<WordArgument> name = readNameOrValue(e, rest);
  if (!name) return false;
  if (name->value.empty()) {
    raiseMessage(e, "FIEU007");
    return false;
  }
  if (!nothingFollows(e, rest.substr(name->consumed))) return false;
  if (equalsNoCase(name->value, kConsole)) {
    e.out.output = e.out.stdOut;
    e.out.outputFile.reset();
    e.settings.output = kConsole;
    return true;
  }
  // The new file is opened before the old one closes, so a failure leaves
  // output where it was.
  auto file = e.platform.openStream(e.platform.userFilePath(name->value),
                                    std::ios::out | kTextWriteMode | std::ios::app);
  if (!file) {
    raiseMessage(e, "FIES001", name->value);
    return false;
  }
  e.out.output = file.get();
  e.out.outputFile = std::move(file);
  e.settings.output = std::move(name->value);
  return true;
}

// Spooling has its own command.
bool setSpool(Engine& e, std::string_view, const SettingEntry&) {
  raiseMessage(e, "FIEU009", "spool");
  return false;
}

// What `set` without arguments shows for the settings that are no plain
// on/off flag.
std::optional<std::string> showMode(const Engine& e) {
  return e.settings.mode == LibraryMode::Function ? "Function" : "Prototype";
}
std::optional<std::string> showSysdt(const Engine& e) { return e.settings.sysdt; }
std::optional<std::string> showLanguage(const Engine& e) {
  return std::string(languageInfo(e.settings.language).showName);
}
std::optional<std::string> showDirmask(const Engine& e) { return e.settings.dirmask; }
// Statement continuation only concerns the C/C++ scanner.
std::optional<std::string> showContinue(const Engine& e) {
  if (e.settings.language != ScanLanguage::C) return std::nullopt;
  return onOff(e.settings.continueLines);
}
std::optional<std::string> showOutput(const Engine& e) { return e.settings.output; }
std::optional<std::string> showLine(const Engine& e) {
  return e.settings.line == LineStyle::Ascii ? "ASCII" : "JIS";
}
std::optional<std::string> showCount(const Engine& e) {
  return e.settings.count == CountUnit::Function ? "Function" : "File";
}
std::optional<std::string> showFilepos(const Engine& e) {
  return std::to_string(e.settings.filepos);
}
std::optional<std::string> showSpool(const Engine& e) { return onOff(e.out.spool != nullptr); }
std::optional<std::string> showSpoolFile(const Engine& e) {
  if (!e.out.spool) return std::nullopt;
  return e.out.spoolName;
}

// In the order of `set` without arguments.
// clang-format off
constexpr SettingEntry kSettings[] = {
    {Token::Mode,       {},                setMode,     nullptr,                             nullptr,     "Import/Export/Delete Mode: ", showMode},
    {Token::Echo,       {},                setOnOff,    &EngineSettings::echo,               nullptr,     "ECHO                     : "},
    {Token::Error,      {},                setOnOff,    &EngineSettings::error,              nullptr,     "ERROR                    : "},
    {Token::Warning,    {},                setOnOff,    &EngineSettings::warning,            nullptr,     "WARNING                  : "},
    {Token::Export,     Token::Head,       setOnOff,    &EngineSettings::exportHead,         nullptr,     "ADD Header When Export   : "},
    {Token::With,       Token::File,       setOnOff,    &EngineSettings::withFile,           nullptr,     "Func-name with File-name : "},
    {Token::With,       Token::Position,   setOnOff,    &EngineSettings::withPosition,       nullptr,     "Func-name with Positon   : "},
    {Token::Code,       Token::Store,      setOnOff,    &EngineSettings::codeStore,          nullptr,     "Code-Store in Buffer     : "},
    {Token::Braces,     {},                setOnOff,    &EngineSettings::braces,             nullptr,     "Check Braces(C Func-TREE): "},
    {Token::Fullpath,   {},                setOnOff,    &EngineSettings::fullpath,           nullptr,     "Print Fullpath           : "},
    {Token::Html,       {},                setOnOff,    &EngineSettings::html,               applyHtml,   "HTML Mode                : "},
    {Token::Htmlfilter, {},                setOnOff,    &EngineSettings::htmlFilter,         nullptr,     "HTML Mode (Filter)       : "},
    {Token::Ifdef,      {},                setOnOff,    &EngineSettings::ifdef,              nullptr,     "Ifdef Check Mode         : "},
    {Token::Case,       {},                setOnOff,    &EngineSettings::caseSensitive,      nullptr,     "Find case-sensitive      : "},
    {Token::Sysdt,      {},                setSysdt,    nullptr,                             nullptr,     "SYSDT Library File       : ", showSysdt},
    {Token::Language,   {},                setLanguage, nullptr,                             nullptr,     "Target Language          : ", showLanguage},
    {Token::Dirmask,    {},                setDirmask,  nullptr,                             nullptr,     "Directory Mask           : ", showDirmask},
    {Token::Continue,   {},                setOnOff,    &EngineSettings::continueLines,      nullptr,     "C Nextline Continue      : ", showContinue},
    {Token::Output,     {},                setOutput,   nullptr,                             nullptr,     "Output File              : ", showOutput},
    {Token::Line,       {},                setLine,     nullptr,                             nullptr,     "Display Line Type        : ", showLine},
    {Token::Count,      {},                setCount,    nullptr,                             nullptr,     "Step Count               : ", showCount},
    {Token::Filepos,    {},                setFilepos,  nullptr,                             nullptr,     "Tree File-Position       : ", showFilepos},
    {Token::Spool,      {},                setSpool,    nullptr,                             nullptr,     "SPOOL                    : ", showSpool},
    {{},                {},                nullptr,     nullptr,                             nullptr,     "              SpoolFile  : ", showSpoolFile},
    {Token::Trace,      {},                setOnOff,    &EngineSettings::trace,              applyTrace,  "COMMAND TRACE            : "},
    // Not shown.
    {Token::Debug,      {},                setOnOff,    &EngineSettings::debug},
    {Token::Number,     {},                setOnOff,    &EngineSettings::number},
    {Token::Prompt,     {},                setPrompt},
    {Token::Screen,     {},                setOnOff,    nullptr,                             applyScreen},
    {Token::Without,    Token::Notdefined, setOnOff,    &EngineSettings::withoutNotDefined},
};
// clang-format on

// A shown row shows its own value or its flag.
constexpr bool everyShownRowHasAValue() {
  for (const SettingEntry& entry : kSettings)
    if (entry.showLabel && !entry.showValue && !entry.flag) return false;
  return true;
}
static_assert(everyShownRowHasAValue());

// The first entry of `keyword`, or with a qualifier the entry of both words.
const SettingEntry* findSetting(Token keyword, std::optional<Token> qualifier) {
  for (const SettingEntry& entry : kSettings)
    if (entry.keyword == keyword && (!qualifier || entry.qualifier == qualifier)) return &entry;
  return nullptr;
}

// For settings of two words (with file, code store, ...): reads the second
// word and finds its entry.
const SettingEntry* findQualified(Engine& e, Token keyword, std::string_view& rest) {
  WordArgument word = readKeywordWord(rest);
  std::optional<Token> qualifier = lookupKeyword(word.value);
  const SettingEntry* entry = qualifier ? findSetting(keyword, qualifier) : nullptr;
  if (!entry) {
    std::string_view left = trim(rest);
    if (left.empty()) {
      raiseMessage(e, "FIEU001");
    } else {
      raiseMessage(e, "FIEU009", word.value.empty() ? left : std::string_view(word.value));
    }
    return nullptr;
  }
  rest = rest.substr(word.consumed);
  return entry;
}

}  // namespace

std::span<const SettingEntry> settingsTable() { return kSettings; }

std::vector<std::string> settingNames() {
  std::vector<std::string> names;
  for (const SettingEntry& entry : kSettings) {
    if (!entry.keyword) continue;
    std::string name(keywordWord(*entry.keyword));
    if (entry.qualifier) name += " " + std::string(keywordWord(*entry.qualifier));
    names.push_back(std::move(name));
  }
  return names;
}

bool cmdSet(Engine& e, std::string_view rest) {
  if (trim(rest).empty()) {
    showSettings(e);
    return true;
  }
  WordArgument word = readKeywordWord(rest);
  std::optional<Token> keyword = lookupKeyword(word.value);
  if (!keyword) {
    raiseMessage(e, "FIEU005", word.value.empty() ? trim(rest) : std::string_view(word.value));
    return false;
  }
  const SettingEntry* entry = findSetting(*keyword, std::nullopt);
  if (!entry) {
    raiseMessage(e, "FIEU012", word.value);
    return false;
  }
  rest = rest.substr(word.consumed);
  if (entry->qualifier && !(entry = findQualified(e, *keyword, rest))) return false;
  return entry->handler(e, rest, *entry);
}

}  // namespace mora
