#include "core/file_search.h"

#include <filesystem>
#include <fstream>

#include "core/engine.h"

namespace mora {

bool canOpenForReading(const std::string& path) {
  // A directory opens on POSIX but cannot be read as a script.
  std::error_code ec;
  if (path.empty() || std::filesystem::is_directory(path, ec)) return false;
  std::ifstream in(path, std::ios::binary);
  return static_cast<bool>(in);
}

std::optional<std::string> searchFile(Engine& e, const std::string& name) {
  if (canOpenForReading(name)) return name;
  if (name.find('/') != std::string::npos) return std::nullopt;
  auto path = e.platform.environment("PATH");
  if (!path) return std::nullopt;
  std::size_t start = 0;
  while (start <= path->size()) {
    std::size_t end = path->find(':', start);
    if (end == std::string::npos) end = path->size();
    std::string dir = path->substr(start, end - start);
    std::string candidate = dir.empty() ? name : (dir.back() == '/' ? dir : dir + "/") + name;
    if (canOpenForReading(candidate)) return candidate;
    start = end + 1;
  }
  return std::nullopt;
}

}  // namespace mora
