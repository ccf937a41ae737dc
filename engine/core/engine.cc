#include "core/engine.h"

#include <istream>
#include <new>
#include <ostream>

#include "core/command_line.h"
#include "core/exit.h"
#include "core/file_search.h"
#include "core/messages.h"
#include "core/output.h"
#include "core/platform/paths.h"
#include "core/reader.h"
#include "core/text.h"
#include "core/variables.h"

namespace mora {

namespace {

// The files that ship with the program lie beside the real executable, so a
// program path that is a symbolic link (an installed bin/mora pointing into
// the program folder) is resolved before it is cut.
std::string programDirectory(Platform& platform, const std::string& programPath) {
  if (!hasDirectoryPart(programPath)) return platform.executableDirectory();
  if (auto real = platform.realPath(programPath)) return parentDirectory(*real);
  return parentDirectory(programPath);
}

std::string workFileDirectory(Platform& platform, const std::string& programDirectory) {
  if (auto tmp = platform.environment("TMP"); tmp && !tmp->empty()) return *tmp;
  return platform.defaultTemporaryDirectory(programDirectory);
}

// The locale that decides how a terminal shows text: the first of LC_ALL,
// LC_CTYPE and LANG that is set.
std::string terminalLocale(Platform& platform) {
  for (const char* name : {"LC_ALL", "LC_CTYPE", "LANG"})
    if (auto value = platform.environment(name); value && !value->empty()) return *value;
  return {};
}

void chooseEncodings(Platform& platform) {
  bool utf8Terminal = platform.standardOutputIsTerminal() && localeIsUtf8(terminalLocale(platform));
  configureEncoding(platform.environment("MORA_ENCODING").value_or(""), utf8Terminal);
}

}  // namespace

Engine::Engine(Platform& p, std::istream& in, std::ostream& o, std::ostream& err,
               std::unique_ptr<EngineLayers> l)
    : platform(p),
      stdIn(in),
      layers_(std::move(l)),
      layers(*layers_),
      action(layers_->action()),
      preprocessing(layers_->preprocessing()) {
  out.stdOut = &o;
  out.stdErr = &err;
  out.output = &o;
}

Engine::~Engine() = default;

void Engine::endOnInterrupt() {
  writeError(*this, "Terminated by User.\n");
  closeSpool(*this);
  throw EngineExit{0};  // Engine::run drops staged changes and deletes our files
}

int Engine::run(const std::vector<std::string>& args) {
  int code;
  try {
    code = start(args);
  } catch (const EngineExit& exit) {
    code = exit.code;
  } catch (const std::bad_alloc&) {
    // Outside any statement (start-up, the exit operation): the run cannot go on.
    writeError(*this, "Memory Full.\n");
    code = 255;
  }
  flushOutput(*this);
  // Whatever way the run ended, staged changes not committed by now are
  // dropped and every file the engine made for itself is deleted.
  discardStagedFiles(*this);
  removeAllTemporaryFiles(*this);
  return code;
}

// The work file: a unique name in the temporary directory, else the first
// free "mora%03d.tmp" in the current directory. Either way the file is
// created here, exclusively, so no other file can be taken for it.
void Engine::chooseWorkFile() {
  std::string name =
      platform.temporaryName(workFileDirectory(platform, settings.programDirectory), "morawrk");
  if (!name.empty() && adoptTemporaryFile(*this, name)) {
    settings.workFile = absolutePath(*this, name);
    return;
  }
  auto numbered = createNumberedFile(
      *this, [](std::size_t n) { return format(kFallbackWorkFileFormat, n); },
      kFallbackWorkFileFirst, kFallbackWorkFileLimit);
  if (!numbered) return;
  numbered->writer->finish();
  settings.workFile = numbered->path;
}

int Engine::start(const std::vector<std::string>& args) {
  settings.programDirectory = programDirectory(platform, args.empty() ? std::string() : args[0]);
  settings.cataloguePath = joinPath(settings.programDirectory, "mora.msg");
  settings.helpPath = joinPath(settings.programDirectory, "mora.hl");
  chooseWorkFile();
  chooseEncodings(platform);
  definePredefinedVariables(*this);

  if (auto code = parseCommandLine(*this, args)) return *code;
  if (settings.banner) printBanner(*this);

  if (settings.handshake < kHandshakeMin) {
    *out.stdOut << "This Program cannot be run alone (part of veldra)\n";
    out.stdOut->flush();
    return 1;
  }
  if (settings.handshake > kHandshakeMax) {
    *out.stdOut << "Invalid Mora-Veldra Version\n";
    out.stdOut->flush();
    return 1;
  }

  std::unique_ptr<std::iostream> script;
  if (!settings.scriptFile.empty()) {
    script = platform.openStream(settings.scriptFile, std::ios::in | std::ios::binary);
    if (!script || !*script) {
      raiseMessage(*this, "FIES001", settings.scriptFile);
      return 255;
    }
    reader.mainInputIsStdin = false;
  }

  if (!settings.defFile.empty()) {
    if (auto found = searchFile(*this, settings.defFile)) {
      std::string mainName = settings.scriptFile;
      if (!runScriptFile(*this, *found)) exitOperation(*this, 255);
      settings.scriptFile = mainName;
    }
  }

  if (!reader.commandStrings.empty()) {
    std::vector<std::string> strings = std::move(reader.commandStrings);
    reader.commandStrings.clear();
    runStringList(*this, strings);
  }

  if (script) {
    // A script that fails to read part-way ends the run as one that cannot
    // be opened does.
    if (!runStream(*this, *script, false)) {
      raiseMessage(*this, "FIES009", settings.scriptFile);
      messages.wheneverExitArmed = false;
      exitOperation(*this, 255);
    }
  } else {
    runStream(*this, stdIn, true);
  }
  closeSpool(*this);
  out.trace.reset();
  messages.wheneverExitArmed = false;
  exitOperation(*this, 0);
  return 0;
}

}  // namespace mora
