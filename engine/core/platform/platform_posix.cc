#include <dirent.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>

#include "core/platform.h"
#include "core/text.h"

namespace mora {
namespace {

std::string foldUpper(std::string s) {
  for (char& c : s) c = asciiUpper(c);
  return s;
}

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
    std::string p = path;
    while (p.size() > 1 && p.back() == '/') p.pop_back();
    struct stat st;
    return !p.empty() && ::stat(p.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
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
    std::string pattern = dir;
    if (!pattern.empty() && pattern.back() != '/') pattern += '/';
    pattern += prefix + "XXXXXX";
    int fd = ::mkstemp(pattern.data());
    if (fd < 0) return {};
    ::close(fd);
    return pattern;
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

  std::string executableDirectory() override {
    char buf[PATH_MAX];
    ssize_t n = ::readlink("/proc/self/exe", buf, sizeof buf - 1);
    if (n <= 0) return ".";
    std::string path(buf, static_cast<std::size_t>(n));
    auto slash = path.rfind('/');
    return slash == std::string::npos ? "." : path.substr(0, slash == 0 ? 1 : slash);
  }

  std::optional<std::string> realPath(const std::string& path) override {
    char buf[PATH_MAX];
    if (!::realpath(path.c_str(), buf)) return std::nullopt;
    return std::string(buf);
  }

  std::tm localTime() override {
    std::time_t t = std::time(nullptr);
    std::tm tm{};
    ::localtime_r(&t, &tm);
    return tm;
  }
};

}  // namespace

std::unique_ptr<Platform> makePosixPlatform() { return std::make_unique<PosixPlatform>(); }

}  // namespace mora
