#include "core/file_search.h"

#include <filesystem>
#include <fstream>

#include "core/engine.h"
#include "core/platform/paths.h"

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
  if (hasDirectoryPart(name)) return std::nullopt;
  auto path = e.platform.environment("PATH");
  if (!path) return std::nullopt;
  for (const auto& dir : searchPathEntries(*path)) {
    std::string candidate = joinPath(dir, name);
    if (canOpenForReading(candidate)) return candidate;
  }
  return std::nullopt;
}

}  // namespace mora
