#include "reports/tree_printer.h"

#include <algorithm>
#include <string>
#include <vector>

#include "core/limits.h"
#include "core/text_encoding.h"

namespace mora {

const LinePieces& linePieces(LineStyle style) {
  for (const LinePieces& set : kLinePieces)
    if (set.style == style) return set;
  return kLinePieces[0];
}

void appendAligned(std::string& line, std::string_view entry, int filepos) {
  appendAligned(line, 0, entry, filepos);
}

void appendAligned(std::string& out, std::size_t lineStart, std::string_view entry, int filepos) {
  std::size_t open = entry.find('[');
  if (filepos < kFileposMin || open == std::string_view::npos) {
    out.append(entry);
    return;
  }
  std::size_t column = displayWidth(std::string_view(out).substr(lineStart));
  std::string_view name = entry.substr(0, open);
  std::string_view bracketed = entry.substr(open);
  std::size_t target = static_cast<std::size_t>(filepos);
  std::size_t offset = target > column ? target - column : 0;
  // The line ends with the bracketed part; a name that reaches its column
  // is overwritten by it. Long entries make the line longer, never shorter.
  std::string_view kept = headWithinColumns(name, offset);
  out.append(kept);
  out.append(offset - displayWidth(kept), ' ');
  out.append(bracketed);
}

std::string alignEntry(std::string_view entry, int filepos, std::size_t column) {
  std::string line(column, ' ');
  appendAligned(line, entry, filepos);
  return line.substr(column);
}

namespace {

// The size at which a block of lines goes to a sink that takes blocks: a few
// system pages, small enough that an interrupt still stops a long report
// at once.
constexpr std::size_t kBlockBytes = 16384;

// The line pieces as they are written: in the output encoding.
struct OutputPieces {
  std::string bar, middle, last;
};

OutputPieces outputPieces(const LinePieces& p) {
  return {outputText(p.bar), outputText(p.middle), outputText(p.last)};
}

OutputPieces utf8Pieces(const LinePieces& p) {
  return {utf8PieceText(p.bar), utf8PieceText(p.middle), utf8PieceText(p.last)};
}

// Prints a NodeTable or a NodeTableView: the same trees from owned or
// borrowed texts.
template <typename Table>
class TreeWriter {
 public:
  TreeWriter(const Table& table, const TreeOptions& options, const TreeSink& sink)
      : table_(table),
        options_(options),
        sink_(sink),
        pieces_(outputPieces(linePieces(options.line))),
        utf8Pieces_(utf8Pieces(linePieces(options.line))),
        utf8Differs_(utf8Pieces_.bar != pieces_.bar || utf8Pieces_.middle != pieces_.middle ||
                     utf8Pieces_.last != pieces_.last),
        parents_(table.nodes.size()),
        childStart_(table.nodes.size() + 1),
        callsItself_(table.nodes.size()),
        onPath_(table.nodes.size()),
        shown_(table.nodes.size()) {
    // Every count and child lookup is made once here; a tree printed with
    // `repeat` visits the same nodes many times over.
    NameIndex index(table.nodes);
    std::size_t n = table.nodes.size();
    // Parents are counted per head, kept at the first node with that head
    // (the node every lookup of the head finds): a head named twice in one
    // list counts once, and only heads of nodes are ever asked for.
    std::vector<std::size_t> lastList(n, n);
    std::vector<int> lists(n, 0);
    std::size_t links = 0;
    for (std::size_t k = 0; k < n; ++k) links += table.children[k].size();
    childNodes_.reserve(links);
    for (std::size_t k = 0; k < n; ++k) {
      std::string_view self = nameHead(table.nodes[k]);
      childStart_[k] = childNodes_.size();
      for (std::string_view child : table.children[k]) {
        std::string_view head = nameHead(child);
        if (head == self) callsItself_[k] = true;
        long node = index.findHead(head);
        childNodes_.push_back(node);
        if (node < 0) continue;
        auto at = static_cast<std::size_t>(node);
        if (lastList[at] == k) continue;
        lastList[at] = k;
        if (lists[at] < 2) ++lists[at];
      }
    }
    childStart_[n] = childNodes_.size();
    for (std::size_t k = 0; k < n; ++k)
      parents_[k] = lists[static_cast<std::size_t>(index.find(table.nodes[k]))];
  }

  void printAll() {
    printTrees();
    flushLines();
  }

 private:
  void printTrees() {
    for (std::size_t k = 0; k < table_.nodes.size(); ++k)
      if (parents_[k] == 0) printTree(k);
    if (options_.unreached)
      for (std::size_t k = 0; k < table_.nodes.size(); ++k)
        if (!shown_[k]) printTree(k);
    if (options_.repeat) return;
    for (std::size_t k = 0; k < table_.nodes.size(); ++k)
      if (parents_[k] >= 2) printTree(k);
  }

  void printTree(std::size_t root) {
    marks_.fill(false);
    shown_[root] = true;
    printRoot(table_.nodes[root]);
    onPath_[root] = true;
    printChildren(root, 0);
    onPath_[root] = false;
    out_ += '\n';
    endLine();
  }

  void printRoot(std::string_view entry) {
    if (sink_.anchorRoot) {
      // The anchor goes its own way to the output: what came before it first.
      flushLines();
      sink_.print(" ");
      sink_.anchorRoot(entry);
      return;
    }
    std::size_t start = out_.size();
    out_ += ' ';
    appendAligned(out_, start, entry, options_.filepos);
    out_ += '\n';
    endLine();
  }

  // A line is complete in out_: a sink of single lines takes it now, a sink
  // of blocks when the block is full.
  void endLine() {
    if (!sink_.wholeBlocks || out_.size() >= kBlockBytes) flushLines();
  }

  void flushLines() {
    if (out_.empty()) return;
    sink_.print(out_);
    out_.clear();
  }

  // The children of node k, which is printed at `depth`.
  void printChildren(std::size_t k, int depth) {
    const auto& children = table_.children[k];
    for (std::size_t i = 0; i < children.size(); ++i) {
      long found = childNodes_[childStart_[k] + i];
      std::string_view text = found < 0 ? std::string_view(children[i]) : table_.nodes[found];
      printLine(text, depth + 1, i, children.size());
      if (found < 0) continue;  // not a node of the table: a leaf
      std::size_t child = static_cast<std::size_t>(found);
      shown_[child] = true;
      if (!expands(child)) continue;
      onPath_[child] = true;
      printChildren(child, depth + 1);
      onPath_[child] = false;
    }
  }

  // A node with several parents is shown unexpanded (it gets a tree of its
  // own) unless `repeat`; a node never opens below itself, neither directly
  // nor through a cycle, so every tree ends.
  bool expands(std::size_t k) const {
    int parents = parents_[k];
    if (options_.repeat) parents = std::min(parents, 1);
    return parents <= 1 && !callsItself_[k] && !onPath_[k];
  }

  // The line of child i of n at `depth` (depth >= 1).
  // A line is written in one encoding: next to a UTF-8 name the pieces take
  // their UTF-8 form even when the output is Shift-JIS, so that a reader
  // decoding the output line by line never meets a line that is neither.
  void printLine(std::string_view entry, int depth, std::size_t i, std::size_t n) {
    std::string& line = out_;
    std::size_t start = line.size();
    const OutputPieces& pieces = utf8Differs_ && measuredAsUtf8(entry) ? utf8Pieces_ : pieces_;
    line += ' ';
    setMark(0, false);
    for (int k = 0; k < depth; ++k) {
      if (mark(k)) line += pieces.bar;
      line += "  ";
    }
    if (i + 1 == n) {
      setMark(depth, false);
      line += pieces.last;
    } else {
      if (i == 0) setMark(depth, true);
      line += pieces.middle;
    }
    appendAligned(line, start, entry, options_.filepos);
    line += '\n';
    endLine();
  }

  // Depths past the marks draw no bars; their lines are printed all the same.
  bool mark(int depth) const { return depth < kTreeMarks && marks_[depth]; }
  void setMark(int depth, bool on) {
    if (depth < kTreeMarks) marks_[depth] = on;
  }

  const Table& table_;
  const TreeOptions& options_;
  const TreeSink& sink_;
  const OutputPieces pieces_;
  const OutputPieces utf8Pieces_;  // for lines whose name is UTF-8
  // Only Shift-JIS line pieces differ in UTF-8: ASCII pieces, or output that
  // is UTF-8 already, never need a name looked at.
  const bool utf8Differs_;
  std::vector<int> parents_;  // parent count of node k, up to 2
  // The node index of each child, -1 for a leaf: node k's children from
  // childStart_[k] on, all in one list.
  std::vector<long> childNodes_;
  std::vector<std::size_t> childStart_;
  std::string out_;  // the lines not yet handed to the sink, the last one being built
  std::vector<bool> callsItself_;
  std::vector<bool> onPath_;
  std::vector<bool> shown_;
  std::array<bool, kTreeMarks> marks_{};
};

}  // namespace

void printTrees(const NodeTable& table, const TreeOptions& options, const TreeSink& sink) {
  TreeWriter<NodeTable>(table, options, sink).printAll();
}

void printTrees(const NodeTableView& table, const TreeOptions& options, const TreeSink& sink) {
  TreeWriter<NodeTableView>(table, options, sink).printAll();
}

}  // namespace mora
