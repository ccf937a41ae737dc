// Source file selection: parsing a file list (names, quoted names, variables,
// list files in angle brackets) and expanding wildcards and directories.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace mora {

class Engine;

struct ParsedList {
  std::vector<std::string> names;
  std::size_t consumed = 0;  // characters of the text that the list took
};

// Parses a file list at the start of `text`; std::nullopt after a message.
// The names are not yet expanded.
std::optional<ParsedList> parseFileList(Engine& e, std::string_view text);

// Expands wildcards and directories (one level) in order.
std::vector<std::string> expandFileNames(Engine& e, const std::vector<std::string>& names);

// 0 when `subject` matches `pattern`, non-zero otherwise (case-sensitive).
int matchWildcard(std::string_view pattern, std::string_view subject);

}  // namespace mora
