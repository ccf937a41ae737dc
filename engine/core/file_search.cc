#include "core/file_search.h"

#include "core/engine.h"
#include "core/platform/paths.h"

namespace mora {

bool canOpenForReading(Engine& e, const std::string& path) {
  // A directory opens on POSIX but cannot be read as a script.
  if (path.empty() || e.platform.isDirectory(path)) return false;
  auto in = e.platform.openStream(path, std::ios::in | std::ios::binary);
  return in && static_cast<bool>(*in);
}

std::optional<std::string> searchFile(Engine& e, const std::string& name) {
  if (canOpenForReading(e, name)) return name;
  if (hasDirectoryPart(name)) return std::nullopt;
  auto path = e.platform.environment("PATH");
  if (!path) return std::nullopt;
  for (const auto& dir : searchPathEntries(*path)) {
    std::string candidate = joinPath(dir, name);
    if (canOpenForReading(e, candidate)) return candidate;
  }
  return std::nullopt;
}

}  // namespace mora
