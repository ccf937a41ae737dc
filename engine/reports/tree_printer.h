// The tree printer of the call and caller trees: one tree per root of a node
// table, drawn with line pieces, entries aligned at the tree file position.
// It knows nothing of the engine: lines go to a sink.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>

#include "core/settings.h"
#include "reports/node_table.h"

namespace mora {

// The pieces a tree line is drawn with; each is two bytes wide and two
// columns on screen.
struct LinePieces {
  LineStyle style;
  std::string_view bar;     // a vertical line through a column
  std::string_view middle;  // connector of a child that has later siblings
  std::string_view last;    // connector of the last child
};

// The JIS set is Shift-JIS box drawing: light vertical, light vertical and
// right, light up and right.
inline constexpr std::array<LinePieces, 2> kLinePieces = {{
    {LineStyle::Ascii, "| ", "|-", "+-"},
    {LineStyle::Jis, "\x84\xA0", "\x84\xA5", "\x84\xA4"},
}};

const LinePieces& linePieces(LineStyle style);

struct TreeOptions {
  bool repeat = false;  // expand functions with several parents at every place
  LineStyle line = LineStyle::Jis;
  int filepos = 55;  // column of the bracketed part; below kFileposMin: no alignment
  // After the roots, every node that no tree has shown (nodes that only
  // include each other in a cycle) gets a tree of its own.
  bool unreached = false;
};

struct TreeSink {
  // Text for the output path: whole lines, and the blank before a root anchor.
  std::function<void(std::string_view)> print;
  // Set when `print` takes many whole lines at once: the printer then hands
  // over blocks of lines instead of one line at a time.
  bool wholeBlocks = false;
  // Set in HTML mode: writes a root entry as an anchor (and its index link)
  // instead of printing it.
  std::function<void(std::string_view)> anchorRoot;
};

// Prints the trees of `table`: first every node that has no parent, then,
// unless `repeat`, every node with several parents, each followed by an empty
// line.
void printTrees(const NodeTable& table, const TreeOptions& options, const TreeSink& sink);
void printTrees(const NodeTableView& table, const TreeOptions& options, const TreeSink& sink);

// An entry placed on a line whose first `column` columns are taken: with
// alignment the bracketed part starts at column `filepos` (or directly, when
// the line is already past it), overwriting a name that reaches it.
std::string alignEntry(std::string_view entry, int filepos, std::size_t column);
// The same, appended to `line`, whose length is the columns taken.
void appendAligned(std::string& line, std::string_view entry, int filepos);
// The same for a line that starts at `lineStart` in `out`.
void appendAligned(std::string& out, std::size_t lineStart, std::string_view entry, int filepos);

}  // namespace mora
