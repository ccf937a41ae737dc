// The file search used for the def-file, the catalogue, the help file and the
// scripts named to `include` and `event`: the name itself, then each entry of
// PATH, unless the name has a directory part.
#pragma once

#include <optional>
#include <string>

namespace mora {

class Engine;

std::optional<std::string> searchFile(Engine& e, const std::string& name);

// True when `path` can be opened for reading.
bool canOpenForReading(Engine& e, const std::string& path);

}  // namespace mora
