#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdio>
#include <cstdlib>

#include "core/platform.h"
#include "core/platform/descriptor_input.h"
#include "core/platform/paths.h"
#include "core/platform/write_buffer.h"
#include "core/text.h"

namespace mora {
namespace {

std::string foldUpper(std::string s) {
  for (char& c : s) c = asciiUpper(c);
  return s;
}

FileStatus toStatus(const struct stat& st) {
  FileStatus s;
  s.device = st.st_dev;
  s.inode = st.st_ino;
  s.size = st.st_size;
  s.modifiedNs = static_cast<long long>(st.st_mtim.tv_sec) * 1000000000LL + st.st_mtim.tv_nsec;
  s.mode = st.st_mode & 07777;
  s.owner = st.st_uid;
  s.group = st.st_gid;
  s.links = st.st_nlink;
  s.regular = S_ISREG(st.st_mode);
  s.symbolicLink = S_ISLNK(st.st_mode);
  return s;
}

// Writes to a file descriptor, again when a signal interrupted the write.
struct DescriptorSink {
  int fd;
  ssize_t operator()(const char* data, std::size_t size) const {
    ssize_t n;
    do n = ::write(fd, data, size);
    while (n < 0 && errno == EINTR);
    return n;
  }
};
using DescriptorBuffer = WriteBuffer<DescriptorSink>;

class DescriptorWriter final : public FileWriter {
 public:
  explicit DescriptorWriter(int fd) : fd_(fd), buffer_(DescriptorSink{fd}) { rdbuf(&buffer_); }
  ~DescriptorWriter() override {
    if (fd_ >= 0) {
      flush();
      ::close(fd_);
    }
  }
  bool setOwner(unsigned owner, unsigned group) override {
    return fd_ >= 0 && ::fchown(fd_, owner, group) == 0;
  }
  bool setMode(unsigned mode) override { return fd_ >= 0 && ::fchmod(fd_, mode) == 0; }
  bool finish() override { return end(true); }
  bool closeFile() override { return end(false); }
  std::optional<FileStatus> status() override {
    struct stat st;
    if (fd_ < 0 || ::fstat(fd_, &st) != 0) return std::nullopt;
    return toStatus(st);
  }

 private:
  bool end(bool durable) {
    if (fd_ < 0) return false;
    flush();
    bool ok = good() && (!durable || ::fsync(fd_) == 0);
    ok = ::close(fd_) == 0 && ok;
    fd_ = -1;
    return ok;
  }

  int fd_;
  DescriptorBuffer buffer_;
};

class PosixPlatform final : public Platform {
 public:
  std::optional<std::vector<std::string>> listDirectory(const std::string& dir) override {
    DIR* d = opendir(dir.empty() ? "." : dir.c_str());
    if (!d) return std::nullopt;
    std::vector<std::string> names;
    while (dirent* e = readdir(d)) {
      std::string name = e->d_name;
      if (name != "." && name != "..") names.push_back(std::move(name));
    }
    closedir(d);
    // Folded to upper case, ties kept in name order so the listing is stable.
    std::vector<std::pair<std::string, std::string>> keyed;
    keyed.reserve(names.size());
    for (auto& n : names) keyed.emplace_back(foldUpper(n), std::move(n));
    std::sort(keyed.begin(), keyed.end());
    std::vector<std::string> out;
    out.reserve(keyed.size());
    for (auto& k : keyed) out.push_back(std::move(k.second));
    return out;
  }

  bool exists(const std::string& path) override {
    struct stat st;
    return !path.empty() && ::stat(path.c_str(), &st) == 0;
  }

  bool isDirectory(const std::string& path) override {
    std::string p = withoutTrailingSeparators(path);
    struct stat st;
    return !p.empty() && ::stat(p.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
  }

  // One open and one fstat of the opened file: the name is looked up once.
  std::unique_ptr<std::istream> openInput(const std::string& path) override {
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return nullptr;
    struct stat st;
    if (::fstat(fd, &st) != 0 || S_ISDIR(st.st_mode)) {
      ::close(fd);
      return nullptr;
    }
    bool sized = S_ISREG(st.st_mode) && st.st_size > 0;
    return makeDescriptorInput(fd, sized ? static_cast<long long>(st.st_size) : -1);
  }

  bool changeDirectory(const std::string& dir) override { return ::chdir(dir.c_str()) == 0; }

  std::string currentDirectory() override {
    char buf[PATH_MAX];
    return ::getcwd(buf, sizeof buf) ? std::string(buf) : std::string();
  }

  bool makeDirectory(const std::string& dir) override { return ::mkdir(dir.c_str(), 0777) == 0; }
  bool removeDirectory(const std::string& dir) override { return ::rmdir(dir.c_str()) == 0; }
  bool removeFile(const std::string& path) override { return ::unlink(path.c_str()) == 0; }
  bool renameFile(const std::string& from, const std::string& to) override {
    return ::rename(from.c_str(), to.c_str()) == 0;
  }

  bool copyPermissions(const std::string& from, const std::string& to) override {
    struct stat st;
    return ::stat(from.c_str(), &st) == 0 && ::chmod(to.c_str(), st.st_mode & 07777) == 0;
  }

  std::string temporaryName(const std::string& dir, const std::string& prefix) override {
    std::string pattern = joinPath(dir, prefix + "XXXXXX");
    int fd = ::mkstemp(pattern.data());
    if (fd < 0) return {};
    ::close(fd);
    return pattern;
  }

  std::optional<FileStatus> fileStatus(const std::string& path, bool followLinks) override {
    struct stat st;
    int rc = followLinks ? ::stat(path.c_str(), &st) : ::lstat(path.c_str(), &st);
    if (path.empty() || rc != 0) return std::nullopt;
    return toStatus(st);
  }

  std::unique_ptr<FileWriter> createFile(const std::string& path, unsigned mode) override {
    int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
    if (fd < 0) return nullptr;
    return std::make_unique<DescriptorWriter>(fd);
  }

  // Opened without blocking so that a FIFO in the file's place cannot hold
  // the engine; anything but a regular file is refused before writing.
  std::unique_ptr<FileWriter> rewriteFile(const std::string& path) override {
    int fd = ::open(path.c_str(), O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return nullptr;
    struct stat st;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || ::ftruncate(fd, 0) != 0 ||
        ::fcntl(fd, F_SETFL, 0) != 0) {
      ::close(fd);
      return nullptr;
    }
    return std::make_unique<DescriptorWriter>(fd);
  }

  bool syncFile(const std::string& path) override {
    int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) return false;
    bool ok = ::fsync(fd) == 0;
    return ::close(fd) == 0 && ok;
  }

  bool isWritable(const std::string& path) override {
    struct stat st;
    // The superuser may write anything; a file without any write bit is
    // still read-only to the engine.
    return ::access(path.c_str(), W_OK) == 0 && ::stat(path.c_str(), &st) == 0 &&
           (st.st_mode & 0222) != 0;
  }

  int runShell(const std::string& command) override {
    std::fflush(nullptr);
    int status = std::system(command.c_str());
    if (status == -1) return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  }

  std::optional<std::string> environment(const std::string& name) override {
    const char* v = std::getenv(name.c_str());
    if (!v) return std::nullopt;
    return std::string(v);
  }

  std::string defaultTemporaryDirectory(const std::string&) override {
    if (auto tmpdir = environment("TMPDIR"); tmpdir && !tmpdir->empty()) return *tmpdir;
    return "/tmp";
  }

  std::string executableDirectory() override {
    char buf[PATH_MAX];
    ssize_t n = ::readlink("/proc/self/exe", buf, sizeof buf - 1);
    if (n <= 0) return ".";
    std::string path(buf, static_cast<std::size_t>(n));
    return hasDirectoryPart(path) ? parentDirectory(path) : ".";
  }

  std::optional<std::string> realPath(const std::string& path) override {
    char* resolved = ::realpath(path.c_str(), nullptr);
    if (!resolved) return std::nullopt;
    std::string out(resolved);
    std::free(resolved);
    return out;
  }

  std::tm localTime() override {
    std::time_t t = std::time(nullptr);
    std::tm tm{};
    ::localtime_r(&t, &tm);
    return tm;
  }

  bool standardOutputIsTerminal() override { return ::isatty(STDOUT_FILENO) == 1; }
};

}  // namespace

namespace {

volatile std::sig_atomic_t* gInterruptFlag = nullptr;

extern "C" void onSignal(int) { *gInterruptFlag = 1; }

}  // namespace

std::unique_ptr<Platform> makePosixPlatform() { return std::make_unique<PosixPlatform>(); }

std::unique_ptr<Platform> makeHostPlatform() { return makePosixPlatform(); }

// Without SA_RESTART, so that a blocking read returns and the read loop sees
// the signal at once.
void installInterruptHandler(volatile std::sig_atomic_t* flag) {
  gInterruptFlag = flag;
  struct sigaction action {};
  action.sa_handler = onSignal;
  sigemptyset(&action.sa_mask);
  sigaction(SIGINT, &action, nullptr);
  sigaction(SIGTERM, &action, nullptr);
}

}  // namespace mora
