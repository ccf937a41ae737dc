// EngineSettings: the engine's one record of settings and start-up state,
// with every default in its member initialiser.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "core/limits.h"

namespace mora {

enum class ScanLanguage { C = 1, Basic = 2, Pascal = 3 };
enum class LineStyle { Ascii, Jis };
enum class CountUnit { Function, File };
enum class LibraryMode { Function, Prototype };
enum class PrefixMode { WithoutScriptName = 0, WithScriptName = 1 };

inline constexpr const char* kDefaultDirmaskC = "*.c,*.cpp,*.h";
inline constexpr const char* kDefaultDirmaskBasic = "*.frm,*.bas,*.cls";
inline constexpr const char* kDefaultDirmaskPascal = "*.pas";

// The source languages that `set language` knows: its word, the scanner kind,
// the directory mask it selects and its name in the settings list.
struct LanguageInfo {
  std::string_view word;
  ScanLanguage kind;
  std::string_view dirmask;
  std::string_view showName;
};

inline constexpr std::array kLanguages = {
    LanguageInfo{"c", ScanLanguage::C, kDefaultDirmaskC, "C/C++"},
    LanguageInfo{"basic", ScanLanguage::Basic, kDefaultDirmaskBasic, "Basic"},
    LanguageInfo{"pascal", ScanLanguage::Pascal, kDefaultDirmaskPascal, "Pascal"},
};

constexpr const LanguageInfo& languageInfo(ScanLanguage kind) {
  for (const LanguageInfo& info : kLanguages)
    if (info.kind == kind) return info;
  return kLanguages[0];
}

struct EngineSettings {
  // Start-up.
  std::string programDirectory;
  std::string cataloguePath;
  std::string helpPath;
  std::string defFile = "mora.def";
  std::string scriptFile;
  std::string workFile;
  std::string traceFile = "command.mora";
  std::string prompt = "MORA>";
  bool messagesToStdout = false;
  PrefixMode prefixMode = PrefixMode::WithoutScriptName;
  bool banner = true;
  int handshake = -1;

  // `set` settings.
  bool echo = true;
  bool error = true;
  bool warning = true;
  bool debug = false;
  bool number = false;
  bool trace = false;
  bool caseSensitive = true;
  bool html = false;
  bool htmlFilter = false;
  bool braces = true;
  bool fullpath = true;
  bool continueLines = true;
  bool ifdef = false;
  bool withFile = false;
  bool withPosition = false;
  bool withoutNotDefined = false;
  bool codeStore = false;
  bool exportHead = false;
  LibraryMode mode = LibraryMode::Function;
  LineStyle line = LineStyle::Jis;
  CountUnit count = CountUnit::Function;
  int filepos = 55;
  ScanLanguage language = ScanLanguage::C;
  std::string dirmask = kDefaultDirmaskC;
  std::string sysdt = "sysdt";
  std::string output = "CONSOLE";
};

}  // namespace mora
