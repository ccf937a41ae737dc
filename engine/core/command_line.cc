#include "core/command_line.h"

#include <ostream>

#include "core/engine.h"
#include "core/limits.h"
#include "core/text.h"

namespace mora {

namespace {

constexpr std::string_view kBannerTitle = "MORA Source Documentation Engine ";
constexpr std::string_view kBannerAttribution = "Veldra Project";

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

// One option on the command line: how it is recognised, what it prints in
// the usage and what it does.
enum class OptionMatch {
  Prefix,          // the option word starts with the name ("-vd1", "/vd1")
  WordNoCase,      // the option word is the name, in any case ("-HELP")
  Word,            // the option word is exactly the name ("-?")
  Argument,        // the whole argument is the name ("--help")
  ArgumentPrefix,  // the argument starts with the name, no "-" or "/" ("@script")
};

struct OptionCall {
  Engine& e;
  std::string_view value;  // what follows the name
  const std::vector<std::string>& args;
  std::size_t& index;  // of the argument; an option that takes the next one moves it
};

// Nothing to go on with the run, or the code that ends it at once.
using OptionResult = std::optional<int>;

struct OptionRow {
  std::string_view name;
  OptionMatch match;
  OptionResult (*apply)(OptionCall&);
  std::string_view usage;  // its lines of the usage, none for an option it does not list
};

OptionResult usageEnding(Engine& e, int code) {
  printUsage(e);
  return code;
}

// The option's value: the rest of its word, else the next argument.
std::optional<std::string> fileValue(OptionCall& call) {
  if (!call.value.empty()) return std::string(call.value);
  if (call.index + 1 >= call.args.size()) return std::nullopt;
  return call.args[++call.index];
}

OptionResult setDefFile(OptionCall& call) {
  auto value = fileValue(call);
  if (!value) return usageEnding(call.e, 255);
  call.e.settings.defFile = *value;
  return std::nullopt;
}

OptionResult setScriptFile(OptionCall& call) {
  auto value = fileValue(call);
  if (!value) return usageEnding(call.e, 255);
  call.e.settings.scriptFile = *value;
  return std::nullopt;
}

OptionResult setAtScriptFile(OptionCall& call) {
  call.e.settings.scriptFile = std::string(call.value);
  return std::nullopt;
}

OptionResult noDefFile(OptionCall& call) {
  call.e.settings.defFile.clear();
  return std::nullopt;
}

OptionResult noBanner(OptionCall& call) {
  call.e.settings.banner = false;
  return std::nullopt;
}

OptionResult setHandshake(OptionCall& call) {
  call.e.settings.handshake = handshakeNumber(call.value);
  return std::nullopt;
}

OptionResult setMessageLetters(OptionCall& call) {
  if (!applyMessageLetters(call.e, call.value)) return usageEnding(call.e, 255);
  return std::nullopt;
}

OptionResult shortUsage(OptionCall& call) { return usageEnding(call.e, 0); }
OptionResult longHelp(OptionCall& call) { return printAndEnd(call.e, kLongHelp); }
OptionResult version(OptionCall& call) {
  return printAndEnd(call.e, std::string(trim(kVersion)) + "\n");
}

// In the order of the usage. No two rows match the same argument, so the
// order decides nothing else.
constexpr OptionRow kOptions[] = {
    {"d", OptionMatch::Prefix, setDefFile, "       -d def-file  : Initialization file-name\n"},
    {"nd", OptionMatch::Prefix, noDefFile, "       -nd          : Not Read def-file\n"},
    {"e", OptionMatch::Prefix, setMessageLetters,
     "       -e[esfn]   e : Error message to stderr\n"
     "                  s :               to stdout\n"
     "                  f :         with ScriptFileName\n"
     "                  n :         without ScriptFileName\n"},
    {"f", OptionMatch::Prefix, setScriptFile,
     "       -f scriptfile: Script file-name (@scriptfile is the same)\n"},
    {"@", OptionMatch::ArgumentPrefix, setAtScriptFile, ""},
    {"nh", OptionMatch::Prefix, noBanner, "       -nh          : Not print the banner\n"},
    {"vd", OptionMatch::Prefix, setHandshake,
     "       -vd<n>       : Hand-shake, n from 1 to 9 (required: -vd1)\n"},
    {"help", OptionMatch::WordNoCase, shortUsage,
     "       -help, -?    : This usage (--help, --version: on stdout)\n"},
    {"?", OptionMatch::Word, shortUsage, ""},
    {"--help", OptionMatch::Argument, longHelp, ""},
    {"--version", OptionMatch::Argument, version, ""},
};

constexpr const char* kUsageHead =
    " Usage: %s [-options...] [-f scriptfile ]  [command-string...] \n"
    "    options...\n";

bool isOptionArgument(std::string_view arg) { return arg[0] == '-' || arg[0] == '/'; }

// Whether `row` takes `arg`; `value` is then what follows its name.
bool matches(const OptionRow& row, std::string_view arg, std::string_view& value) {
  if (row.match == OptionMatch::Argument) return arg == row.name;
  if (row.match == OptionMatch::ArgumentPrefix) {
    if (!arg.starts_with(row.name)) return false;
    value = arg.substr(row.name.size());
    return true;
  }
  if (!isOptionArgument(arg)) return false;
  std::string_view word = arg.substr(1, kOptionWordMax);
  switch (row.match) {
    case OptionMatch::Prefix:
      if (!word.starts_with(row.name)) return false;
      value = word.substr(row.name.size());
      return true;
    case OptionMatch::WordNoCase:
      return equalsNoCase(word, row.name);
    default:
      return word == row.name;
  }
}

const OptionRow* findOption(std::string_view arg, std::string_view& value) {
  for (const OptionRow& row : kOptions)
    if (matches(row, arg, value)) return &row;
  return nullptr;
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
  err << format(kUsageHead, "MORA");
  for (const OptionRow& row : kOptions) err << row.usage;
  err << "\n";
  err.flush();
}

std::optional<int> parseCommandLine(Engine& e, const std::vector<std::string>& args) {
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string& arg = args[i];
    std::string_view value;
    const OptionRow* option = arg.empty() ? nullptr : findOption(arg, value);
    if (option) {
      OptionCall call{e, value, args, i};
      if (auto code = option->apply(call)) return code;
      continue;
    }
    if (arg.empty() || !isOptionArgument(arg)) {
      e.reader.commandStrings.push_back(arg);
      continue;
    }
    printUsage(e);
    return 255;
  }
  if (!e.reader.commandStrings.empty()) e.reader.commandStrings.push_back("exit");
  return std::nullopt;
}

}  // namespace mora
