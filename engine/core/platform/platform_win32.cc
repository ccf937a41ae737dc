// The engine's platform on Windows. File names go through the ANSI ("A")
// functions, so they are bytes in the system code page exactly as the
// engine's scanners see them (Shift-JIS on a Japanese system).
#include <io.h>
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "core/platform.h"
#include "core/platform/paths.h"
#include "core/platform/write_buffer.h"
#include "core/text.h"

namespace mora {
namespace {

// Permission bits reported for what Windows calls read-only and writable.
constexpr unsigned kReadOnlyMode = 0444;
constexpr unsigned kWritableMode = 0666;
constexpr unsigned kWriteBits = 0222;
constexpr long long kNsPerFileTimeTick = 100;

std::string foldUpper(std::string s) {
  for (char& c : s) c = asciiUpper(c);
  return s;
}

DWORD attributesOf(const std::string& path) {
  return path.empty() ? INVALID_FILE_ATTRIBUTES : GetFileAttributesA(path.c_str());
}

bool isDirectoryAttribute(DWORD a) {
  return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

long long fileTimeNs(const FILETIME& t) {
  ULARGE_INTEGER v;
  v.LowPart = t.dwLowDateTime;
  v.HighPart = t.dwHighDateTime;
  return static_cast<long long>(v.QuadPart) * kNsPerFileTimeTick;
}

FileStatus toStatus(const BY_HANDLE_FILE_INFORMATION& info, DWORD fileType) {
  FileStatus s;
  s.device = info.dwVolumeSerialNumber;
  s.inode = (static_cast<unsigned long long>(info.nFileIndexHigh) << 32) | info.nFileIndexLow;
  s.size = static_cast<long long>((static_cast<unsigned long long>(info.nFileSizeHigh) << 32) |
                                  info.nFileSizeLow);
  s.modifiedNs = fileTimeNs(info.ftLastWriteTime);
  s.mode = (info.dwFileAttributes & FILE_ATTRIBUTE_READONLY) ? kReadOnlyMode : kWritableMode;
  s.links = info.nNumberOfLinks;
  s.symbolicLink = (info.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
  s.regular = fileType == FILE_TYPE_DISK && !s.symbolicLink &&
              !(info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
  return s;
}

std::optional<FileStatus> handleStatus(HANDLE h) {
  BY_HANDLE_FILE_INFORMATION info;
  if (h == INVALID_HANDLE_VALUE || !GetFileInformationByHandle(h, &info)) return std::nullopt;
  return toStatus(info, GetFileType(h));
}

// Sets or clears the read-only attribute through an open handle.
bool setReadOnly(HANDLE h, bool readOnly) {
  FILE_BASIC_INFO basic;
  if (!GetFileInformationByHandleEx(h, FileBasicInfo, &basic, sizeof basic)) return false;
  DWORD a = basic.FileAttributes & ~static_cast<DWORD>(FILE_ATTRIBUTE_READONLY);
  if (readOnly) a |= FILE_ATTRIBUTE_READONLY;
  basic.FileAttributes = a == 0 ? FILE_ATTRIBUTE_NORMAL : a;
  return SetFileInformationByHandle(h, FileBasicInfo, &basic, sizeof basic) != 0;
}

// Writes to a file handle.
struct HandleSink {
  HANDLE handle;
  long long operator()(const char* data, std::size_t size) const {
    DWORD written = 0;
    if (!WriteFile(handle, data, static_cast<DWORD>(size), &written, nullptr)) return -1;
    return written;
  }
};
using HandleBuffer = WriteBuffer<HandleSink>;

class HandleWriter final : public FileWriter {
 public:
  explicit HandleWriter(HANDLE h) : handle_(h), buffer_(HandleSink{h}) { rdbuf(&buffer_); }
  ~HandleWriter() override {
    if (handle_ != INVALID_HANDLE_VALUE) {
      flush();
      CloseHandle(handle_);
    }
  }
  // Windows files have no owner and group for the engine to keep.
  bool setOwner(unsigned, unsigned) override { return handle_ != INVALID_HANDLE_VALUE; }
  bool setMode(unsigned mode) override {
    return handle_ != INVALID_HANDLE_VALUE && setReadOnly(handle_, (mode & kWriteBits) == 0);
  }
  bool finish() override { return end(true); }
  bool closeFile() override { return end(false); }
  std::optional<FileStatus> status() override { return handleStatus(handle_); }

 private:
  bool end(bool durable) {
    if (handle_ == INVALID_HANDLE_VALUE) return false;
    flush();
    bool ok = good() && (!durable || FlushFileBuffers(handle_));
    ok = CloseHandle(handle_) && ok;
    handle_ = INVALID_HANDLE_VALUE;
    return ok;
  }

  HANDLE handle_;
  HandleBuffer buffer_;
};

// Opens `path` for its status only; a link itself unless `followLinks`.
HANDLE openForStatus(const std::string& path, bool followLinks) {
  DWORD flags = FILE_FLAG_BACKUP_SEMANTICS | (followLinks ? 0 : FILE_FLAG_OPEN_REPARSE_POINT);
  return CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                     nullptr, OPEN_EXISTING, flags, nullptr);
}

class Win32Platform final : public Platform {
 public:
  // FindFirstFile order is the file system's; the engine's order is the
  // names folded to upper case, as on every platform.
  std::optional<std::vector<std::string>> listDirectory(const std::string& dir) override {
    std::string pattern = joinPath(dir.empty() ? "." : dir, "*.*");
    WIN32_FIND_DATAA found;
    HANDLE h = FindFirstFileA(pattern.c_str(), &found);
    if (h == INVALID_HANDLE_VALUE) {
      if (GetLastError() == ERROR_FILE_NOT_FOUND) return std::vector<std::string>{};
      return std::nullopt;
    }
    std::vector<std::pair<std::string, std::string>> keyed;
    do {
      std::string name = found.cFileName;
      if (name != "." && name != "..") keyed.emplace_back(foldUpper(name), std::move(name));
    } while (FindNextFileA(h, &found));
    FindClose(h);
    std::sort(keyed.begin(), keyed.end());
    std::vector<std::string> out;
    out.reserve(keyed.size());
    for (auto& k : keyed) out.push_back(std::move(k.second));
    return out;
  }

  bool exists(const std::string& path) override {
    return attributesOf(path) != INVALID_FILE_ATTRIBUTES;
  }

  // "src\" and "C:\" are directories as "src" is; "C:" is the drive's
  // current directory.
  bool isDirectory(const std::string& path) override {
    return isDirectoryAttribute(attributesOf(withoutTrailingSeparators(path)));
  }

  bool changeDirectory(const std::string& dir) override {
    return !dir.empty() && SetCurrentDirectoryA(dir.c_str());
  }

  std::string currentDirectory() override {
    char buf[MAX_PATH];
    DWORD n = GetCurrentDirectoryA(sizeof buf, buf);
    return n > 0 && n < sizeof buf ? std::string(buf, n) : std::string();
  }

  bool makeDirectory(const std::string& dir) override {
    return !dir.empty() && CreateDirectoryA(dir.c_str(), nullptr);
  }
  bool removeDirectory(const std::string& dir) override {
    return !dir.empty() && RemoveDirectoryA(dir.c_str());
  }
  bool removeFile(const std::string& path) override {
    return !path.empty() && DeleteFileA(path.c_str());
  }

  // Windows rename refuses an existing target: the replacement is asked for
  // explicitly, and written through so the commit is on the disk.
  bool renameFile(const std::string& from, const std::string& to) override {
    return MoveFileExA(from.c_str(), to.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
  }

  // The only permission a Windows file carries for the engine: read-only.
  bool copyPermissions(const std::string& from, const std::string& to) override {
    DWORD source = attributesOf(from);
    DWORD target = attributesOf(to);
    if (source == INVALID_FILE_ATTRIBUTES || target == INVALID_FILE_ATTRIBUTES) return false;
    target = (target & ~static_cast<DWORD>(FILE_ATTRIBUTE_READONLY)) |
             (source & FILE_ATTRIBUTE_READONLY);
    return SetFileAttributesA(to.c_str(), target == 0 ? FILE_ATTRIBUTE_NORMAL : target) != 0;
  }

  // GetTempFileName creates the file itself, exclusively, named from the
  // first three characters of the prefix, four hexadecimal digits and ".tmp".
  std::string temporaryName(const std::string& dir, const std::string& prefix) override {
    char buf[MAX_PATH];
    if (GetTempFileNameA(dir.c_str(), prefix.c_str(), 0, buf) == 0) return {};
    return buf;
  }

  std::optional<FileStatus> fileStatus(const std::string& path, bool followLinks) override {
    if (path.empty()) return std::nullopt;
    HANDLE h = openForStatus(path, followLinks);
    auto status = handleStatus(h);
    if (h != INVALID_HANDLE_VALUE) CloseHandle(h);
    return status;
  }

  // CREATE_NEW fails on any existing name, a link included.
  std::unique_ptr<FileWriter> createFile(const std::string& path, unsigned mode) override {
    HANDLE h = CreateFileA(
        path.c_str(), GENERIC_WRITE | FILE_READ_ATTRIBUTES | FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ,
        nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (h == INVALID_HANDLE_VALUE) return nullptr;
    return std::make_unique<HandleWriter>(h);
  }

  // Only an existing regular disk file is rewritten: not a link, a
  // directory or a device.
  std::unique_ptr<FileWriter> rewriteFile(const std::string& path) override {
    HANDLE h =
        CreateFileA(path.c_str(), GENERIC_WRITE | FILE_READ_ATTRIBUTES, FILE_SHARE_READ, nullptr,
                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (h == INVALID_HANDLE_VALUE) return nullptr;
    auto status = handleStatus(h);
    if (!status || !status->regular || !SetEndOfFile(h)) {
      CloseHandle(h);
      return nullptr;
    }
    return std::make_unique<HandleWriter>(h);
  }

  bool syncFile(const std::string& path) override {
    HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                           OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (h == INVALID_HANDLE_VALUE) return false;
    bool ok = FlushFileBuffers(h) != 0;
    return CloseHandle(h) && ok;
  }

  bool isWritable(const std::string& path) override {
    DWORD a = attributesOf(path);
    return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_READONLY);
  }

  // The C library runs the command through "COMSPEC" (cmd.exe) and gives
  // back the command's exit code itself.
  int runShell(const std::string& command) override {
    std::fflush(nullptr);
    return std::system(command.c_str());
  }

  std::optional<std::string> environment(const std::string& name) override {
    const char* v = std::getenv(name.c_str());
    if (!v) return std::nullopt;
    return std::string(v);
  }

  // Without "TMP" the work file goes beside the program.
  std::string defaultTemporaryDirectory(const std::string& programDirectory) override {
    return programDirectory;
  }

  std::string executableDirectory() override {
    char buf[MAX_PATH];
    DWORD n = GetModuleFileNameA(nullptr, buf, sizeof buf);
    if (n == 0 || n >= sizeof buf) return ".";
    std::string path(buf, n);
    return hasDirectoryPart(path) ? parentDirectory(path) : ".";
  }

  std::optional<std::string> realPath(const std::string& path) override {
    if (!exists(path)) return std::nullopt;
    char buf[MAX_PATH];
    DWORD n = GetFullPathNameA(path.c_str(), sizeof buf, buf, nullptr);
    if (n == 0 || n >= sizeof buf) return std::nullopt;
    return std::string(buf, n);
  }

  std::tm localTime() override {
    std::time_t t = std::time(nullptr);
    std::tm tm{};
    localtime_s(&tm, &t);
    return tm;
  }

  bool standardOutputIsTerminal() override { return _isatty(_fileno(stdout)) != 0; }
};

volatile std::sig_atomic_t* gInterruptFlag = nullptr;

// Runs on a thread of its own: it only raises the flag for the read loop.
// Every event is taken, so the engine ends through its exit operation (and
// deletes its temporary files) instead of being stopped where it stands.
BOOL WINAPI onConsoleControl(DWORD event) {
  switch (event) {
    case CTRL_C_EVENT:
    case CTRL_BREAK_EVENT:
    case CTRL_CLOSE_EVENT:
    case CTRL_LOGOFF_EVENT:
    case CTRL_SHUTDOWN_EVENT:
      *gInterruptFlag = 1;
      return TRUE;
    default:
      return FALSE;
  }
}

}  // namespace

std::unique_ptr<Platform> makeHostPlatform() { return std::make_unique<Win32Platform>(); }

void installInterruptHandler(volatile std::sig_atomic_t* flag) {
  gInterruptFlag = flag;
  SetConsoleCtrlHandler(onConsoleControl, TRUE);
}

}  // namespace mora
