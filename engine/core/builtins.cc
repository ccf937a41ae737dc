#include "core/builtins.h"

#include <array>
#include <ctime>
#include <istream>
#include <optional>
#include <ostream>
#include <span>

#include "core/engine.h"
#include "core/output.h"
#include "core/platform.h"
#include "core/platform/paths.h"
#include "core/reader.h"
#include "core/script_format.h"
#include "core/text.h"
#include "core/variables.h"

namespace mora {

namespace {

// The argument buffers of one call: $_0..$_9 on the way in and out.
using Arguments = std::array<std::string, kBuiltinArgs>;
using BuiltinHandler = std::string (*)(Engine&, Arguments&);

struct BuiltinEntry {
  std::string_view name;
  BuiltinHandler run;
};

constexpr std::string_view kSuccess = "1";
constexpr std::string_view kFailure = "";

std::string result(bool ok) { return std::string(ok ? kSuccess : kFailure); }

// Each argument buffer holds kBuiltinArgSize bytes with the end byte.
void fitBuffer(std::string& s) {
  if (s.size() >= kBuiltinArgSize) s.resize(kBuiltinArgSize - 1);
}

// --- Strings ---------------------------------------------------------------

std::string strupr(Engine&, Arguments& a) {
  for (char& c : a[0]) c = asciiUpper(c);
  return a[0];
}

std::string strlwr(Engine&, Arguments& a) {
  for (char& c : a[0]) c = asciiLower(c);
  return a[0];
}

// chgfext(name, out, ext). Only a "." in the last path component starts an
// extension, so "../src/abc" becomes "../src/abc.x", not "..x".
std::string chgfext(Engine&, Arguments& a) {
  std::string_view name = a[0];
  std::size_t dot = name.rfind('.');
  if (dot != std::string_view::npos && dot >= nameStart(name)) name = name.substr(0, dot);
  a[1] = std::string(name) + "." + a[2];
  return a[1];
}

std::string htmllinkto(Engine&, Arguments& a) {
  return "<A HREF=\"" + a[0] + "\">" + a[1] + "</A>";
}

// --- Time ------------------------------------------------------------------

std::string time(Engine& e, Arguments& a) {
  std::tm t = e.platform.localTime();
  a[0] = format("%02d:%02d:%02d", t.tm_hour, t.tm_min, t.tm_sec);
  return a[0];
}

std::string date(Engine& e, Arguments& a) {
  std::tm t = e.platform.localTime();
  a[0] = format("%04d/%02d/%02d", t.tm_year + 1900, t.tm_mon + 1, t.tm_mday);
  return a[0];
}

std::string strftime(Engine& e, Arguments& a) {
  std::tm t = e.platform.localTime();
  char buffer[kStrftimeMax + 1];
  // A text that does not fit gives 0, and then the result is empty.
  std::size_t n = std::strftime(buffer, sizeof buffer, a[0].c_str(), &t);
  return std::string(buffer, n);
}

// --- Statements, directories and the shell ---------------------------------

std::string eval(Engine& e, Arguments& a) {
  std::string line = std::move(a[0]);
  a[0].clear();
  executeLine(e, line);
  return std::string(kSuccess);
}

std::string chdir(Engine& e, Arguments& a) {
  return result(a[0].empty() || e.platform.changeDirectory(a[0]));
}

std::string mkdir(Engine& e, Arguments& a) {
  return result(!a[0].empty() && e.platform.makeDirectory(a[0]));
}

std::string rmdir(Engine& e, Arguments& a) {
  return result(!a[0].empty() && e.platform.removeDirectory(a[0]));
}

std::string system(Engine& e, Arguments& a) {
  if (a[0].empty()) return result(false);
  flushOutput(e);  // the command writes to the same standard output
  return result(e.platform.runShell(a[0]) == 0);
}

std::string prbuiltin(Engine& e, Arguments&);

// --- Console -----------------------------------------------------------------

// Reads one line without its line feed (a CR before it is dropped). At most
// kBuiltinArgSize - 1 bytes are kept; the rest of a longer line is skipped.
// False at end of input when nothing was read.
bool readLine(std::istream& in, std::string& line, std::size_t max, bool keepLineFeed,
              bool dropCr) {
  line.clear();
  bool any = false;
  for (int c; (c = in.get()) != std::char_traits<char>::eof();) {
    any = true;
    if (c == '\r' && dropCr && in.peek() == '\n') continue;
    if (c == '\n') {
      if (keepLineFeed) line += '\n';
      return true;
    }
    if (line.size() < max) line += static_cast<char>(c);
    // fgets stops at its buffer size and leaves the rest for the next read.
    if (keepLineFeed && line.size() == max) return true;
  }
  return any;
}

std::string gets(Engine& e, Arguments& a) {
  flushOutput(e);  // whoever answers may wait for the question printed before
  return result(readLine(e.stdIn, a[0], kBuiltinArgSize - 1, false, true));
}

bool writeStdOut(Engine& e, std::string_view text) {
  std::ostream& out = *e.out.stdOut;
  out.write(text.data(), static_cast<std::streamsize>(text.size()));
  out.flush();
  return out.good();
}

std::string puts(Engine& e, Arguments& a) { return result(writeStdOut(e, a[0] + "\n")); }

std::string formatted(const Arguments& a, std::size_t formatIndex) {
  std::span<const std::string> rest(a.begin() + formatIndex + 1, a.end());
  return formatWithTextArguments(processEscapes(a[formatIndex]), rest);
}

std::string printf(Engine& e, Arguments& a) { return result(writeStdOut(e, formatted(a, 0))); }

// sprintf(out, format, ...) delivers its text into out.
std::string sprintf(Engine&, Arguments& a) {
  a[0] = formatted(a, 1);
  return std::string(kSuccess);
}

// --- Files -------------------------------------------------------------------

std::string handleName(std::size_t slot) { return format("#%02zu", slot + 1); }

BuiltinFile* findHandle(Engine& e, std::string_view handle) {
  for (std::size_t slot = 0; slot < kFileHandles; ++slot)
    if (e.builtins.files[slot] && handleName(slot) == handle) return e.builtins.files[slot].get();
  return nullptr;
}

// The C library's fopen modes: r, w or a, then any of "+", "b" and "t".
std::optional<std::ios::openmode> openModeFor(std::string_view mode, bool& textMode) {
  if (mode.empty()) return std::nullopt;
  bool plus = false;
  textMode = true;
  for (char c : mode.substr(1)) {
    if (c == '+')
      plus = true;
    else if (c == 'b')
      textMode = false;
    else if (c != 't')
      return std::nullopt;
  }
  // Text is read byte for byte (the reader drops a CR before LF itself) and
  // written as the platform writes text.
  bool textWrite = textMode && mode[0] != 'r';
  std::ios::openmode base = (textWrite ? kTextWriteMode : std::ios::binary) |
                            (plus ? std::ios::in | std::ios::out : std::ios::openmode{});
  switch (mode[0]) {
    case 'r':
      return base | std::ios::in;
    case 'w':
      return base | std::ios::out | std::ios::trunc;
    case 'a':
      return base | std::ios::out | std::ios::app;
    default:
      return std::nullopt;
  }
}

// fopen(name, mode): each run assigns at most kFileHandles handles.
std::string fopen(Engine& e, Arguments& a) {
  BuiltinState& state = e.builtins;
  if (state.handlesAssigned >= kFileHandles || a[0].empty()) return {};
  auto file = std::make_unique<BuiltinFile>();
  std::optional<std::ios::openmode> mode = openModeFor(a[1], file->textMode);
  if (!mode) return {};
  file->stream = e.platform.openStream(e.platform.userFilePath(a[0]), *mode);
  if (!file->stream) return {};
  file->name = a[0];
  std::size_t slot = state.handlesAssigned++;
  state.files[slot] = std::move(file);
  return handleName(slot);
}

std::string fclose(Engine& e, Arguments& a) {
  for (auto& file : e.builtins.files) {
    if (file && file.get() == findHandle(e, a[0])) {
      file.reset();
      return std::string(kSuccess);
    }
  }
  return {};
}

bool writeFile(BuiltinFile* file, std::string_view text) {
  if (!file) return false;
  std::iostream& stream = *file->stream;
  if (stream.fail()) stream.clear();  // a read that hit the end
  stream.write(text.data(), static_cast<std::streamsize>(text.size()));
  stream.flush();
  return stream.good();
}

std::string fprintf(Engine& e, Arguments& a) {
  return result(writeFile(findHandle(e, a[0]), formatted(a, 1)));
}

std::string fputs(Engine& e, Arguments& a) { return result(writeFile(findHandle(e, a[1]), a[0])); }

std::string fgets(Engine& e, Arguments& a) {
  BuiltinFile* file = findHandle(e, a[1]);
  if (!file) return {};
  return result(readLine(*file->stream, a[0], kFgetsLineMax, true, file->textMode));
}

std::string feof(Engine& e, Arguments& a) {
  BuiltinFile* file = findHandle(e, a[0]);
  return result(!file || file->stream->eof());
}

// getdepend(file, out): every existing file that file includes, directly or
// through others, each followed by one blank.
std::string getdepend(Engine& e, Arguments& a) {
  auto found = e.layers.dependencies(e, a[0]);
  a[1].clear();
  if (!found) return {};
  for (const std::string& name : *found) a[1] += name + " ";
  return "1";
}

// The built-ins in their registration order, which prbuiltin shows.
constexpr std::array kBuiltins = {
    BuiltinEntry{"strupr", strupr},       BuiltinEntry{"strlwr", strlwr},
    BuiltinEntry{"chgfext", chgfext},     BuiltinEntry{"time", time},
    BuiltinEntry{"date", date},           BuiltinEntry{"eval", eval},
    BuiltinEntry{"chdir", chdir},         BuiltinEntry{"mkdir", mkdir},
    BuiltinEntry{"rmdir", rmdir},         BuiltinEntry{"system", system},
    BuiltinEntry{"prbuiltin", prbuiltin}, BuiltinEntry{"gets", gets},
    BuiltinEntry{"puts", puts},           BuiltinEntry{"printf", printf},
    BuiltinEntry{"sprintf", sprintf},     BuiltinEntry{"strftime", strftime},
    BuiltinEntry{"fopen", fopen},         BuiltinEntry{"fclose", fclose},
    BuiltinEntry{"fprintf", fprintf},     BuiltinEntry{"fputs", fputs},
    BuiltinEntry{"fgets", fgets},         BuiltinEntry{"feof", feof},
    BuiltinEntry{"getdepend", getdepend}, BuiltinEntry{"htmllinkto", htmllinkto},
};
static_assert(kBuiltins.size() == 24 && kBuiltins.size() <= kBuiltinMax);

std::string prbuiltin(Engine& e, Arguments&) {
  int number = 0;
  for (const BuiltinEntry& b : kBuiltins) {
    std::string name(b.name);
    printIfEcho(e, format("%3d : %s\n", ++number, name.c_str()));
  }
  return {};
}

const BuiltinEntry* findBuiltin(std::string_view name) {
  for (const BuiltinEntry& b : kBuiltins)
    if (b.name == name) return &b;
  return nullptr;
}

std::string argumentName(std::size_t i) { return "$_" + std::to_string(i); }

}  // namespace

bool isBuiltin(std::string_view name) { return findBuiltin(name) != nullptr; }

std::vector<std::string_view> builtinNames() {
  std::vector<std::string_view> names;
  for (const BuiltinEntry& b : kBuiltins) names.push_back(b.name);
  return names;
}

bool callBuiltin(Engine& e, std::string_view name) {
  const BuiltinEntry* builtin = findBuiltin(name);
  if (!builtin) return false;
  Arguments args;
  for (std::size_t i = 0; i < kBuiltinArgs; ++i) {
    // An argument that cannot be read has raised its message and stays empty.
    static_cast<void>(getVariable(e, argumentName(i), kScalarIndex, args[i]));
    fitBuffer(args[i]);
  }
  std::string value = builtin->run(e, args);
  for (std::size_t i = 0; i < kBuiltinArgs; ++i) {
    fitBuffer(args[i]);
    setEngineScalar(e, argumentName(i), args[i]);
  }
  setEngineScalar(e, "$_r", value);
  return true;
}

void closeBuiltinFiles(Engine& e) {
  for (auto& file : e.builtins.files) file.reset();
}

}  // namespace mora
