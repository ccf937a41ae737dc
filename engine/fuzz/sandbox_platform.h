// A platform for fuzz targets: nothing reaches the real system (no shell,
// no directory changes, no removals); files that commands write land in the
// current directory, which each target makes a fresh temporary one, and
// files that scripts name are confined to it.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/platform.h"
#include "core/platform/paths.h"

namespace mora::fuzz {

class SandboxPlatform : public Platform {
 public:
  std::optional<std::vector<std::string>> listDirectory(const std::string&) override {
    return std::vector<std::string>{};
  }
  bool exists(const std::string&) override { return false; }
  bool isDirectory(const std::string&) override { return false; }
  bool changeDirectory(const std::string&) override { return false; }
  std::string currentDirectory() override { return "/sandbox"; }
  bool makeDirectory(const std::string&) override { return false; }
  bool removeDirectory(const std::string&) override { return false; }
  bool removeFile(const std::string&) override { return false; }
  bool renameFile(const std::string&, const std::string&) override { return false; }
  // Every file a script names lands in the scratch folder (the current
  // directory of the target), whatever directories or ".." the name holds.
  std::string userFilePath(const std::string& path) override {
    std::string flat = "sbx_";
    for (char c : path.substr(0, 64)) flat += isPathSeparator(c) || c == '\0' ? '_' : c;
    return flat;
  }
  std::string temporaryName(const std::string&, const std::string&) override { return {}; }
  std::optional<FileStatus> fileStatus(const std::string&, bool) override { return std::nullopt; }
  std::unique_ptr<FileWriter> createFile(const std::string&, unsigned) override { return nullptr; }
  std::unique_ptr<FileWriter> rewriteFile(const std::string&) override { return nullptr; }
  bool syncFile(const std::string&) override { return false; }
  bool isWritable(const std::string&) override { return false; }
  int runShell(const std::string&) override { return 0; }
  std::optional<std::string> environment(const std::string&) override { return std::nullopt; }
  std::string defaultTemporaryDirectory(const std::string&) override { return "/sandbox"; }
  std::string executableDirectory() override { return "/sandbox"; }
  std::tm localTime() override { return std::tm{}; }
};

}  // namespace mora::fuzz
