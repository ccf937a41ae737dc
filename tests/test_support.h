// Runs a fresh engine in this process with in-memory input and output.
#pragma once

#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "core/engine.h"
#include "core/memory_platform.h"
#include "core/platform.h"

namespace mora::testing {

struct RunResult {
  int code = -1;
  std::string out;
  std::string err;
};

// Runs mora with `args` (without the program path) and `input` on standard
// input, over a fresh in-memory file system (makeMemoryPlatform).
RunResult runMora(const std::vector<std::string>& args, const std::string& input = "");
// The same on the host's file system with `programPath` as the program
// path, for what only the host can show (symbolic links to the program).
RunResult runMoraAs(const std::string& programPath, const std::vector<std::string>& args,
                    const std::string& input = "");

// The same over `platform`, which the caller keeps to look at afterwards;
// on an in-memory file system the program runs from kMemoryProgramDirectory.
RunResult runMoraOn(Platform& platform, const std::vector<std::string>& args,
                    const std::string& input = "");

// Where the engine runs from on an in-memory file system: the catalogue and
// help file are there, copied from the build, so that messages and help
// read as they do from the disk.
inline constexpr const char* kMemoryProgramDirectory = "/bin";

// An in-memory file system with the program directory filled; the current
// directory is "/work".
std::unique_ptr<MemoryPlatform> makeMemoryPlatform();

// Runs `script` as the script file "script.mora" (-vd1 -nd -nh -f) in the
// current directory of `platform`, which the caller keeps to look at
// afterwards.
RunResult runScriptOn(MemoryPlatform& platform, const std::string& script,
                      const std::vector<std::string>& extraArgs = {});
// The same over a fresh in-memory file system (makeMemoryPlatform).
RunResult runScript(const std::string& script, const std::vector<std::string>& extraArgs = {});

// An engine that has not run: for calling its operations directly. The
// catalogue is the one beside the built binary.
struct TestEngine {
  explicit TestEngine(const std::string& input = "");
  // An engine over `platform`, such as an in-memory file system.
  explicit TestEngine(std::unique_ptr<Platform> platform, const std::string& input = "");
  // An engine over `shared`, which the caller keeps: a second engine over
  // another's in-memory file system.
  explicit TestEngine(Platform& shared, const std::string& input = "");
  std::string out() const { return outStream.str(); }
  std::string err() const { return errStream.str(); }

  std::unique_ptr<Platform> platform;  // empty over a shared platform
  std::istringstream inStream;
  std::ostringstream outStream;
  std::ostringstream errStream;
  Engine engine;

 private:
  void configure(Platform& platform);
};

// A TestEngine over an in-memory file system (makeMemoryPlatform) that the
// test fills and looks at through `fs`.
struct MemoryTestEngine {
  explicit MemoryTestEngine(const std::string& input = "")
      : owned(makeMemoryPlatform()), fs(*owned), t(std::move(owned), input) {}
  Engine& engine() { return t.engine; }

  std::unique_ptr<MemoryPlatform> owned;  // empty once `t` holds it
  MemoryPlatform& fs;
  TestEngine t;
};

// The message codes in `err`, in order, separated by blanks.
std::string messageCodes(const std::string& err);

// A temporary directory on the host, removed with its content on
// destruction; it is the current directory while it lives. Only for tests of
// what the host alone does (links, FIFOs, descriptors); the others run over
// makeMemoryPlatform.
class ScratchDir {
 public:
  ScratchDir();
  ~ScratchDir();
  const std::string& path() const { return path_; }
  void write(const std::string& name, const std::string& content) const;
  std::string read(const std::string& name) const;

 private:
  std::string path_;
  std::string previous_;
};

}  // namespace mora::testing
