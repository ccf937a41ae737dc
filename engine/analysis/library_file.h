// The function library file: marked function blocks that `import` appends
// and `export`, `print`, `list` and `delete` read. A block is a begin line
// (marker, "[name]"), the function's lines as read, and an end line.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/function_database.h"
#include "core/settings.h"

namespace mora {

class Engine;

struct MarkerSet {
  LibraryMode mode;
  std::string_view begin;
  std::string_view end;
  const char* header;   // comment put before an exported block
  const char* trailer;  // comment put after it
  std::string_view kindWord;
};

inline constexpr std::array<MarkerSet, 2> kMarkerSets = {{
    {LibraryMode::Function, "@FUNCTIONS", "@END_FUNC", "/* (C) function : [%s] */\n",
     "/* (C) endfunc  : [%s] */\n", "Function"},
    {LibraryMode::Prototype, "@PROTOTYPE", "@END_PROT", "/* (C) prototype: [%s] */\n",
     "/* (C) endprot  : [%s] */\n", "Prototype"},
}};

const MarkerSet& markerSet(LibraryMode mode);
const MarkerSet& otherMarkerSet(LibraryMode mode);

// The name on a begin line of `set`: the text after the marker and one more
// character, without the closing "]" and line feed. Only whole lines that
// fit one piece count.
std::optional<std::string> beginLineName(std::string_view line, const MarkerSet& set);
bool isEndLine(std::string_view line, const MarkerSet& set);

// The library commands' work. Each returns false after raising one message.
[[nodiscard]] bool listLibrary(Engine& e);
// `export` without `to` and `print` (renaming off).
[[nodiscard]] bool exportToOutput(Engine& e, const FunctionPatternList& patterns, LibraryMode mode,
                                  bool renaming);
[[nodiscard]] bool exportToFiles(Engine& e, const FunctionPatternList& patterns, LibraryMode mode,
                                 const std::vector<std::string>& files);
[[nodiscard]] bool deleteBlocks(Engine& e, const FunctionPatternList& patterns, LibraryMode mode,
                                const std::vector<std::string>& files);

}  // namespace mora
