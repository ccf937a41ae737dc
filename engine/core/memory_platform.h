// A file system held in memory, for tests that run the engine without
// touching the disk or changing the process's current directory: files
// with their text, modification times, permission bits and identities,
// directories, hard links, and failures that a test arms on a path so that
// the engine's error paths can be reached (a file that cannot be opened,
// read, written, renamed or removed).
//
// Paths are POSIX paths; a relative path is taken from the current
// directory, which starts as "/work". Times advance by one tick with every
// change, so each new version of a file has a new modification time.
#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/platform.h"

namespace mora {

class MemoryPlatform : public Platform {
 public:
  enum class Failure {
    Open,    // every open, create or rewrite of the file fails
    Read,    // reading fails after the first half of the text
    Write,   // it opens, but nothing written reaches it
    Rename,  // renaming it, or renaming another file onto it, fails
    Remove,  // removing it fails
  };

  // One file or directory; hard links share it.
  struct Node {
    bool directory = false;
    std::string text;
    long long modifiedNs = 0;
    unsigned mode = 0644;
    unsigned long long inode = 0;
    unsigned long links = 0;
    unsigned owner = 0;
    unsigned group = 0;
  };

  MemoryPlatform();

  // Setting up and looking at the file system. Parent directories of a new
  // file or directory are made as needed.
  void addFile(const std::string& path, std::string text, unsigned mode = 0644);
  void addDirectory(const std::string& path);
  // A second name for an existing file.
  bool addHardLink(const std::string& existing, const std::string& path);
  // Reads a file of the real file system into `path`; false when it cannot
  // be read.
  bool copyFromHost(const std::string& hostPath, const std::string& path);
  // The text of the file `path`; nullopt for a directory or no file.
  std::optional<std::string> text(const std::string& path) const;
  // Every file (not directory) under `dir`, as absolute paths in order.
  std::vector<std::string> filesUnder(const std::string& dir) const;
  void setMode(const std::string& path, unsigned mode);
  void setEnvironment(const std::string& name, std::string value);
  // Arms `failure` on `path` for its next `times` occasions (each open,
  // rename or removal that it fails), or for good when `times` is 0.
  void failOn(const std::string& path, Failure failure, int times = 0);
  void clearFailures() { failures_.clear(); }
  // The commands runShell was given, in order; each "succeeds" with 0
  // unless setShellStatus gave it another status.
  const std::vector<std::string>& shellCommands() const { return shellCommands_; }
  void setShellStatus(const std::string& command, int status) { shellStatus_[command] = status; }
  // `path` as an absolute path with ".", ".." and repeated separators gone.
  std::string absolute(const std::string& path) const;

  // Platform.
  std::optional<std::vector<std::string>> listDirectory(const std::string& dir) override;
  bool exists(const std::string& path) override;
  bool isDirectory(const std::string& path) override;
  bool changeDirectory(const std::string& dir) override;
  std::string currentDirectory() override { return current_; }
  bool makeDirectory(const std::string& dir) override;
  bool removeDirectory(const std::string& dir) override;
  bool removeFile(const std::string& path) override;
  bool renameFile(const std::string& from, const std::string& to) override;
  bool copyPermissions(const std::string& from, const std::string& to) override;
  std::string temporaryName(const std::string& dir, const std::string& prefix) override;
  std::optional<FileStatus> fileStatus(const std::string& path, bool followLinks) override;
  std::unique_ptr<FileWriter> createFile(const std::string& path, unsigned mode) override;
  std::unique_ptr<FileWriter> rewriteFile(const std::string& path) override;
  std::unique_ptr<std::iostream> openStream(const std::string& path,
                                            std::ios::openmode mode) override;
  bool syncFile(const std::string& path) override { return exists(path); }
  bool isWritable(const std::string& path) override;
  int runShell(const std::string& command) override;
  std::optional<std::string> environment(const std::string& name) override;
  std::string defaultTemporaryDirectory(const std::string&) override { return "/tmp"; }
  std::string executableDirectory() override { return "/bin"; }
  std::optional<std::string> realPath(const std::string& path) override;
  std::tm localTime() override;

  // The current time in ticks; every change takes the next.
  long long tick() { return ++clock_; }

 private:
  using NodePtr = std::shared_ptr<Node>;

  NodePtr find(const std::string& path) const;
  // Whether `failure` is armed on `path`; takes one occasion of a counted one.
  bool fails(const std::string& path, Failure failure);
  // Whether the directory that would hold `path` exists.
  bool parentExists(const std::string& absolutePath) const;
  NodePtr makeNode(bool directory, unsigned mode);
  void link(const std::string& absolutePath, NodePtr node);
  void unlink(const std::string& absolutePath);

  std::map<std::string, NodePtr> nodes_;
  // Armed failures and how many occasions each has left; 0 for good.
  std::map<std::pair<std::string, Failure>, int> failures_;
  std::map<std::string, std::string> environment_;
  std::vector<std::string> shellCommands_;
  std::map<std::string, int> shellStatus_;
  std::string current_ = "/work";
  long long clock_ = 0;
  unsigned long long nextInode_ = 1;
  unsigned long long nextTemporary_ = 0;
};

}  // namespace mora
