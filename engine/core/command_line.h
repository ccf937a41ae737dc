// The command line of mora: options, script file, def-file and command strings.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace mora {

class Engine;

// Applies the command line to the engine's settings and command strings.
// Returns an exit code when the run must end at once (usage printed).
std::optional<int> parseCommandLine(Engine& e, const std::vector<std::string>& args);

// The usage text, preceded by the banner while the banner flag is set.
void printUsage(Engine& e);
void printBanner(Engine& e);

}  // namespace mora
