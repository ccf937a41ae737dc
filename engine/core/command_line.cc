#include "core/command_line.h"

#include <ostream>

#include "core/engine.h"
#include "core/limits.h"
#include "core/text.h"

namespace mora {

namespace {

constexpr std::string_view kBannerTitle = "MORA Source Documentation Engine ";
constexpr std::string_view kBannerAttribution = "Veldra Project";

constexpr const char* kUsageLines[] = {
    " Usage: %s [-options...] [-f scriptfile ]  [command-string...] \n",
    "    options...\n",
    "       -d def-file  : Initialization file-name\n",
    "       -nd          : Not Read def-file\n",
    "       -e[esfn]   e : Error message to stderr\n",
    "                  s :               to stdout\n",
    "                  f :         with ScriptFileName\n",
    "                  n :         without ScriptFileName\n",
    "\n",
};

// Applies the letters of a -e option; false when one is not known.
bool applyMessageLetters(Engine& e, std::string_view letters) {
  if (letters.empty()) return false;
  for (char c : letters) {
    switch (c) {
      case 'e':
        e.settings.messagesToStdout = false;
        break;
      case 's':
        e.settings.messagesToStdout = true;
        break;
      case 'f':
        e.settings.prefixMode = PrefixMode::WithScriptName;
        break;
      case 'n':
        e.settings.prefixMode = PrefixMode::WithoutScriptName;
        break;
      default:
        return false;
    }
  }
  return true;
}

int handshakeNumber(std::string_view digits) {
  long value = 0;
  for (std::size_t i = 0; i < digits.size() && isAsciiDigit(digits[i]) && value < 1000000; ++i)
    value = value * 10 + (digits[i] - '0');
  return static_cast<int>(value);
}

}  // namespace

void printBanner(Engine& e) {
  std::string title = std::string(kBannerTitle) + std::string(kVersion);
  std::string pad(title.size() - kBannerAttribution.size(), ' ');
  *e.out.stdErr << title << "\n" << pad << kBannerAttribution << "\n\n";
  e.out.stdErr->flush();
  e.settings.banner = false;
}

void printUsage(Engine& e) {
  if (e.settings.banner) printBanner(e);
  std::ostream& err = *e.out.stdErr;
  err << format(kUsageLines[0], "MORA");
  for (std::size_t i = 1; i < std::size(kUsageLines); ++i) err << kUsageLines[i];
  err.flush();
}

std::optional<int> parseCommandLine(Engine& e, const std::vector<std::string>& args) {
  auto usage = [&](int code) {
    printUsage(e);
    return std::optional<int>(code);
  };
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (!arg.empty() && arg[0] == '@') {
      e.settings.scriptFile = arg.substr(1);
      continue;
    }
    if (arg.empty() || (arg[0] != '-' && arg[0] != '/')) {
      e.reader.commandStrings.push_back(arg);
      continue;
    }
    std::string_view word = std::string_view(arg).substr(1, kOptionWordMax);
    if (equalsNoCase(word, "help") || word == "?") return usage(0);
    if (word.starts_with("nd")) {
      e.settings.defFile.clear();
    } else if (word.starts_with("nh")) {
      e.settings.banner = false;
    } else if (word.starts_with("vd")) {
      e.settings.handshake = handshakeNumber(word.substr(2));
    } else if (!word.empty() && (word[0] == 'f' || word[0] == 'd')) {
      std::string value(word.substr(1));
      if (value.empty()) {
        if (i + 1 >= args.size()) return usage(255);
        value = args[++i];
      }
      (word[0] == 'f' ? e.settings.scriptFile : e.settings.defFile) = value;
    } else if (!word.empty() && word[0] == 'e') {
      if (!applyMessageLetters(e, word.substr(1))) return usage(255);
    } else {
      return usage(255);
    }
  }
  if (!e.reader.commandStrings.empty()) e.reader.commandStrings.push_back("exit");
  return std::nullopt;
}

}  // namespace mora
