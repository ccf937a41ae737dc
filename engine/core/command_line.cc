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
    "       -f scriptfile: Script file-name (@scriptfile is the same)\n",
    "       -nh          : Not print the banner\n",
    "       -vd<n>       : Hand-shake, n from 1 to 9 (required: -vd1)\n",
    "       -help, -?    : This usage (--help, --version: on stdout)\n",
    "\n",
};

// `--help`: the conventional long help on standard output. It explains the
// hand-shake, which the short usage can only name, and where help goes on.
constexpr std::string_view kLongHelp =
    "Usage: mora -vd1 [options] [-f scriptfile | @scriptfile] [command-string...]\n"
    "Runs MORA statements: the command strings if any are given, else the\n"
    "script file, else standard input (interactive, prompt \"MORA>\").\n"
    "\n"
    "  -vd<n>           hand-shake, n from 1 to 9: without it mora does not run\n"
    "  -f file, @file   the script file to run\n"
    "  -d file          the def-file run first (default mora.def, searched on PATH)\n"
    "  -nd              do not run a def-file\n"
    "  -nh              do not print the banner\n"
    "  -e[esfn]         messages to stderr (e) or stdout (s), with (f) or\n"
    "                   without (n) the script file name and line\n"
    "  -help, -?        the short usage, on standard error\n"
    "  --help           this text\n"
    "  --version        the version\n"
    "\n"
    "A first run:  mora -vd1 -nd -nh \"list * from examples/calc\"\n"
    "Help topics:  mora -vd1 -nd -nh help   (then \"help intro\", \"help ftree\", ...)\n";

// Ends the run at once with code 0 after printing `text` on standard output.
std::optional<int> printAndEnd(Engine& e, std::string_view text) {
  *e.out.stdOut << text;
  e.out.stdOut->flush();
  return 0;
}

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
    if (arg == "--help") return printAndEnd(e, kLongHelp);
    if (arg == "--version") return printAndEnd(e, std::string(trim(kVersion)) + "\n");
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
