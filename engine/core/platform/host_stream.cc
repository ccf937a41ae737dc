// The host's files as streams, for every platform that reads and writes
// the real file system.
#include <fstream>

#include "core/platform.h"

namespace mora {

std::unique_ptr<std::iostream> Platform::openStream(const std::string& path,
                                                    std::ios::openmode mode) {
  auto stream = std::make_unique<std::fstream>(path, mode);
  if (!stream->is_open()) return nullptr;
  return stream;
}

}  // namespace mora
