// The include tree: which file includes which, drawn with the tree printer
// of the call trees, and the include scanning that `getdepend` shares.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "reports/node_table.h"

namespace mora {

class Engine;

struct IncludeDirective {
  std::string_view name;
  bool quoted = false;  // "name" rather than <name>
};

// A line that starts with "#", optional blanks and the word "include".
std::optional<IncludeDirective> parseIncludeDirective(std::string_view line);

struct IncludedName {
  std::string name;
  bool quoted = false;  // some directive names it in the quoted form
};

// The names a file includes, each once, in order of first appearance;
// std::nullopt when the file cannot be opened.
std::optional<std::vector<IncludedName>> readIncludes(Engine& e, const std::string& file);

// Nodes are the given files that open and the files they include in the
// quoted form; children are every name each node includes.
NodeTable buildIncludeTable(Engine& e, const std::vector<std::string>& files);

// Every existing file that `file` includes, directly or through others, each
// once, nearest first; std::nullopt when `file` cannot be opened.
std::optional<std::vector<std::string>> dependencies(Engine& e, const std::string& file);

// itree files
bool cmdItree(Engine& e, std::string_view rest);

}  // namespace mora
