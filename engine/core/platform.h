// The engine's only door to the operating system: files and directories,
// processes, temporary names, the environment and the clock. Everything else
// in the engine is plain computation over byte strings, so it can be tested
// in memory; the POSIX implementation lives in platform/.
#pragma once

#include <ctime>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace mora {

class Platform {
 public:
  virtual ~Platform() = default;

  // Directories. Entries come in the order of their names folded to upper
  // case, byte by byte, without "." and "..".
  virtual std::optional<std::vector<std::string>> listDirectory(const std::string& dir) = 0;
  virtual bool exists(const std::string& path) = 0;
  virtual bool isDirectory(const std::string& path) = 0;
  virtual bool changeDirectory(const std::string& dir) = 0;
  virtual std::string currentDirectory() = 0;
  virtual bool makeDirectory(const std::string& dir) = 0;
  virtual bool removeDirectory(const std::string& dir) = 0;

  // Files.
  virtual bool removeFile(const std::string& path) = 0;
  // Replaces `to` by `from` in one step where the file system allows it.
  virtual bool renameFile(const std::string& from, const std::string& to) = 0;
  // Gives `to` the access permissions of `from`, so that a file replaced by
  // a rewritten copy keeps them.
  virtual bool copyPermissions(const std::string& from, const std::string& to) { return true; }
  // A name for a new temporary file in `dir`, made from `prefix`; empty when
  // none can be made.
  virtual std::string temporaryName(const std::string& dir, const std::string& prefix) = 0;

  // Processes and environment.
  // Runs `command` with the system's command interpreter; returns its status.
  virtual int runShell(const std::string& command) = 0;
  virtual std::optional<std::string> environment(const std::string& name) = 0;
  // Directory of the running executable, for a program path without one.
  virtual std::string executableDirectory() = 0;
  // The absolute path of `path` with every symbolic link resolved; none when
  // it cannot be resolved (or the platform cannot tell).
  virtual std::optional<std::string> realPath(const std::string&) { return std::nullopt; }
  virtual std::tm localTime() = 0;
};

std::unique_ptr<Platform> makePosixPlatform();

}  // namespace mora
