// The engine context: all state of one run of the MORA interpreter. Every
// command receives it; nothing of a run lives anywhere else, so tests can
// run many engines side by side in one process.
#pragma once

#include <chrono>
#include <csignal>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/builtins.h"
#include "core/engine_layers.h"
#include "core/executor_state.h"
#include "core/platform.h"
#include "core/settings.h"
#include "core/staging.h"
#include "core/temporary_files.h"
#include "core/variables.h"

namespace mora {

// Thrown by the exit operation to unwind to Engine::run, which returns the
// code. Commands never throw anything else.
struct EngineExit {
  int code;
};

struct MessageState {
  int errorCount = 0;
  std::string wheneverError;
  bool wheneverErrorArmed = false;
  std::string wheneverExit;
  bool wheneverExitArmed = false;
};

struct Alias {
  std::string name;
  std::string between;  // text between the name and the separator
  std::string body;
};

struct ReaderState {
  std::istream* input = nullptr;  // the current script source
  bool inputIsStdin = true;
  bool mainInputIsStdin = true;
  int lineNumber = 0;
  bool lineRead = false;  // whether any line has been read from the current source
  std::optional<std::string> pendingLine;
  // The exit that a `whenever exit` handler delayed: taken once the handler
  // line has run, whatever that line holds (an open "(" or quote included).
  std::optional<int> pendingExit;
  std::vector<std::string> history;
  std::vector<Alias> aliases;
  std::vector<std::string> commandStrings;
};

struct OutputState {
  std::ostream* stdOut = nullptr;
  std::ostream* stdErr = nullptr;
  std::ostream* output = nullptr;  // standard output or the file of `set output`
  std::unique_ptr<std::ostream> outputFile;
  bool capturing = false;
  std::string capture;
  std::unique_ptr<std::ostream> spool;
  std::string spoolName;
  std::unique_ptr<std::ostream> trace;
  std::unique_ptr<std::ostream> index;
  std::string indexName;
  std::chrono::steady_clock::time_point lastFlush = std::chrono::steady_clock::now();
};

class Engine {
 public:
  // An engine whose commands and run state above the interpreter come from
  // `layers`.
  Engine(Platform& platform, std::istream& in, std::ostream& out, std::ostream& err,
         std::unique_ptr<EngineLayers> layers);
  // The whole program: every command and report (defined where the program
  // is assembled, commands/engine_assembly.cc).
  Engine(Platform& platform, std::istream& in, std::ostream& out, std::ostream& err);
  ~Engine();
  Engine(const Engine&) = delete;
  Engine& operator=(const Engine&) = delete;

  // Runs the whole program for the command line `args` (args[0] is the
  // program path) and returns the exit code.
  int run(const std::vector<std::string>& args);

  // Where the host's interrupt handler records a signal; checked between
  // statements and loop rounds.
  void setInterruptFlag(const volatile std::sig_atomic_t* flag) { interruptFlag_ = flag; }
  // Ends the run at once with "Terminated by User." when a signal was recorded;
  // staged changes are dropped and the engine's own files deleted on the way
  // out, never in the signal handler. Called in every loop over statements,
  // files, lines and output lines, so a signal is noticed at once: the test
  // is inline, the ending out of line.
  void checkInterrupt() {
    if (interruptFlag_ && *interruptFlag_ && !exiting) endOnInterrupt();
  }

  Platform& platform;
  std::istream& stdIn;

 private:
  // Declared before the references into it, so that it is made first.
  std::unique_ptr<EngineLayers> layers_;

 public:
  EngineLayers& layers;
  // The exit operation is running: an interrupt must not cut it short.
  bool exiting = false;
  EngineSettings settings;
  MessageState messages;
  ReaderState reader;
  OutputState out;
  ExecutorState exec;
  VariableStore vars;
  BuiltinState builtins;
  StagingState staging;
  TemporaryFiles temporaries;
  // The run state of the layers above, held by `layers`.
  ActionState& action;
  PreprocessorState& preprocessing;

 private:
  int start(const std::vector<std::string>& args);
  void chooseWorkFile();
  const volatile std::sig_atomic_t* interruptFlag_ = nullptr;
  [[noreturn]] void endOnInterrupt();
};

}  // namespace mora
