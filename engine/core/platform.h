// The engine's only door to the operating system: files and directories,
// processes, temporary names, the environment and the clock. Everything else
// in the engine is plain computation over byte strings, so it can be tested
// in memory; the POSIX and Windows implementations live in platform/, and
// platform/paths.h spells paths for both.
#pragma once

#include <csignal>
#include <ctime>
#include <fstream>
#include <ios>
#include <istream>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace mora {

// How the engine opens a text file that it writes (reports, spool, index,
// trace, echo and fopen files, rewritten sources): on Windows in the C
// library's text mode, so each line feed is written as CR LF as every
// Windows program's text is; elsewhere byte for byte, with LF alone.
#ifdef _WIN32
inline constexpr std::ios::openmode kTextWriteMode{};
#else
inline constexpr std::ios::openmode kTextWriteMode = std::ios::binary;
#endif

// What the engine needs to know about a file: which file it is (device and
// inode), whether it changed (size and modification time) and what a
// replacement must keep (owner, group, permission bits, links).
struct FileStatus {
  unsigned long long device = 0;
  unsigned long long inode = 0;
  long long size = 0;
  long long modifiedNs = 0;
  unsigned mode = 0;  // permission bits, 07777
  unsigned owner = 0;
  unsigned group = 0;
  unsigned long links = 1;
  bool regular = false;
  bool symbolicLink = false;

  bool sameFile(const FileStatus& o) const { return device == o.device && inode == o.inode; }
  bool sameVersion(const FileStatus& o) const {
    return sameFile(o) && size == o.size && modifiedNs == o.modifiedNs;
  }
};

// A file being written through the descriptor that opened it, so that what
// is written, chowned and chmodded is the file that was opened, whatever
// happens to its name meanwhile.
class FileWriter : public std::ostream {
 public:
  FileWriter() : std::ostream(nullptr) {}
  virtual bool setOwner(unsigned owner, unsigned group) = 0;
  virtual bool setMode(unsigned mode) = 0;
  // Flushes, makes the text durable and closes; false on any failure.
  virtual bool finish() = 0;
  // Flushes and closes without waiting for the disk; false on any failure.
  virtual bool closeFile() = 0;
  virtual std::optional<FileStatus> status() = 0;
};

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
  // Where a file that a script names is opened (fopen, echo >, spool, set
  // output, the index and the trace): the name itself here; a sandbox maps
  // every name into its scratch folder.
  virtual std::string userFilePath(const std::string& path) { return path; }
  // A name for a new temporary file in `dir`, made from `prefix`; empty when
  // none can be made. The file is created, private to the user.
  virtual std::string temporaryName(const std::string& dir, const std::string& prefix) = 0;
  // `path` opened for reading byte for byte; nullptr when it cannot be
  // opened or is a directory (reading one would fail at the first byte).
  // A platform that can ask the opened file itself saves a second look-up
  // of the name.
  virtual std::unique_ptr<std::istream> openInput(const std::string& path) {
    if (isDirectory(path)) return nullptr;
    auto in = openStream(path, std::ios::in | std::ios::binary);
    if (!in || !*in) return nullptr;
    return in;
  }
  // The status of `path`, of the link itself unless `followLinks`.
  virtual std::optional<FileStatus> fileStatus(const std::string& path, bool followLinks) = 0;
  // Creates `path` anew with `mode`: never through an existing file, link or
  // device. nullptr when the name is taken or cannot be made.
  virtual std::unique_ptr<FileWriter> createFile(const std::string& path, unsigned mode) = 0;
  // Opens the existing regular file `path` for writing from empty, without
  // following a link; nullptr for anything else.
  virtual std::unique_ptr<FileWriter> rewriteFile(const std::string& path) = 0;
  // Opens `path` as a stream with the modes of std::fstream: in for
  // reading, out with trunc or app for writing (with kTextWriteMode for
  // text), both for update; nullptr when it cannot be opened. Every file the
  // engine reads or writes by name is opened here, through openInput, or
  // made by createFile or rewriteFile; by default the host's files, byte for
  // byte as std::fstream opens them.
  virtual std::unique_ptr<std::iostream> openStream(const std::string& path,
                                                    std::ios::openmode mode);
  // Waits until the text of `path` is on the disk.
  virtual bool syncFile(const std::string& path) = 0;
  // Whether this process may write `path`.
  virtual bool isWritable(const std::string& path) = 0;

  // Processes and environment.
  // Runs `command` with the system's command interpreter; returns its status.
  virtual int runShell(const std::string& command) = 0;
  virtual std::optional<std::string> environment(const std::string& name) = 0;
  // Where the work file goes when "TMP" names no directory.
  virtual std::string defaultTemporaryDirectory(const std::string& programDirectory) = 0;
  // Directory of the running executable, for a program path without one.
  virtual std::string executableDirectory() = 0;
  // The absolute path of `path` with every symbolic link resolved; none when
  // it does not exist or cannot be resolved (or the platform cannot tell).
  virtual std::optional<std::string> realPath(const std::string&) { return std::nullopt; }
  virtual std::tm localTime() = 0;
  // Whether the process's standard output is a terminal (which then shows
  // text in the encoding of the user's locale).
  virtual bool standardOutputIsTerminal() { return false; }
};

std::unique_ptr<Platform> makePosixPlatform();

// The platform of the system the engine was built for.
std::unique_ptr<Platform> makeHostPlatform();

// Sets `*flag` when the user interrupts the engine or the system asks it to
// end; the read loop sees the flag and stops.
void installInterruptHandler(volatile std::sig_atomic_t* flag);

}  // namespace mora
