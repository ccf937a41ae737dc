#include "reports/tree_printer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace mora {
namespace {

NodeTable table(std::vector<std::string> nodes, std::vector<std::vector<std::string>> children) {
  return NodeTable{std::move(nodes), std::move(children)};
}

std::string print(const NodeTable& t, TreeOptions options = {false, LineStyle::Ascii, 0}) {
  std::string out;
  TreeSink sink;
  sink.print = [&](std::string_view s) { out += s; };
  printTrees(t, options, sink);
  return out;
}

NodeTable example() {
  return table({"main", "a", "b", "c", "d"}, {{"a", "b"}, {"c"}, {}, {"d"}, {}});
}

TEST(TreePrinter, WorkedExampleAscii) {
  EXPECT_EQ(print(example()),
            " main\n"
            "   |-a\n"
            "   |   +-c\n"
            "   |     +-d\n"
            "   +-b\n"
            "\n");
}

TEST(TreePrinter, JisPiecesKeepTheWidth) {
  std::string jis = print(example(), {false, LineStyle::Jis, 0});
  EXPECT_EQ(jis,
            " main\n"
            "   \x84\xA5"
            "a\n"
            "   \x84\xA0  \x84\xA4"
            "c\n"
            "   \x84\xA0    \x84\xA4"
            "d\n"
            "   \x84\xA4"
            "b\n"
            "\n");
  EXPECT_EQ(jis.size(), print(example()).size());
}

TEST(TreePrinter, MiddleChildrenKeepTheBar) {
  NodeTable t = table({"r", "x"}, {{"a", "x", "c"}, {"y", "z"}});
  EXPECT_EQ(print(t),
            " r\n"
            "   |-a\n"
            "   |-x\n"
            "   |   |-y\n"
            "   |   +-z\n"
            "   +-c\n"
            "\n");
}

// A callee named twice in one list has that one caller: it opens in place
// both times and gets no tree of its own; named by two lists, it does.
TEST(TreePrinter, ParentsAreCountedByList) {
  EXPECT_EQ(print(table({"main", "a"}, {{"a", "x", "a"}, {"b"}})),
            " main\n"
            "   |-a\n"
            "   |   +-b\n"
            "   |-x\n"
            "   +-a\n"
            "     +-b\n"
            "\n");
  EXPECT_EQ(print(table({"m", "n", "a"}, {{"a"}, {"a"}, {"b"}})),
            " m\n"
            "   +-a\n"
            "\n"
            " n\n"
            "   +-a\n"
            "\n"
            " a\n"
            "   +-b\n"
            "\n");
}

// main -> a, a <-> b: a has two callers, so it is shown unexpanded and gets
// its own tree; with repeat it is expanded, and the cycle stops on the path.
TEST(TreePrinter, MutualRecursion) {
  NodeTable t = table({"main", "a", "b"}, {{"a"}, {"b"}, {"a"}});
  EXPECT_EQ(print(t),
            " main\n"
            "   +-a\n"
            "\n"
            " a\n"
            "   +-b\n"
            "     +-a\n"
            "\n");
  EXPECT_EQ(print(t, {true, LineStyle::Ascii, 0}),
            " main\n"
            "   +-a\n"
            "     +-b\n"
            "       +-a\n"
            "\n");
}

// A self call counts as a caller of its own: `self` has two callers and gets
// a tree of its own, where it is shown, unexpanded, below itself.
TEST(TreePrinter, SelfCallsAreNeverExpanded) {
  NodeTable t = table({"main", "self", "lonely"}, {{"self"}, {"self", "x"}, {"lonely"}});
  EXPECT_EQ(print(t),
            " main\n"
            "   +-self\n"
            "\n"
            " self\n"
            "   |-self\n"
            "   +-x\n"
            "\n");  // lonely calls only itself: no tree at all
  EXPECT_EQ(print(t, {true, LineStyle::Ascii, 0}),
            " main\n"
            "   +-self\n"
            "\n");
}

TEST(TreePrinter, CalleesFoundByNameShowTheirEntry) {
  NodeTable t = table({"main [m.c] ", "f [f.c] "}, {{"f", "puts"}, {}});
  EXPECT_EQ(print(t),
            " main [m.c] \n"
            "   |-f [f.c] \n"
            "   +-puts\n"
            "\n");
}

TEST(TreePrinter, AlignsTheFileAtFilepos) {
  NodeTable t = table({"main [m.c] ", "f [f.c] "}, {{"f"}, {}});
  EXPECT_EQ(print(t, {false, LineStyle::Ascii, 9}), print(t));
  EXPECT_EQ(print(t, {false, LineStyle::Ascii, 10}),
            " main     [m.c] \n"
            "   +-f    [f.c] \n"
            "\n");
  // A name reaching the column is overwritten by the bracketed part.
  NodeTable longName = table({"a_long_name [x.c] "}, {{}});
  EXPECT_EQ(print(longName, {false, LineStyle::Ascii, 10}), " a_long_na[x.c] \n\n");
}

TEST(TreePrinter, AlignEntryPastTheColumn) {
  EXPECT_EQ(alignEntry("f [x.c] ", 10, 12), "[x.c] ");
  EXPECT_EQ(alignEntry("f (no bracket)", 10, 0), "f (no bracket)");
  std::string far = alignEntry("f [x.c]", 2000, 0);  // beyond the 1023-column line
  EXPECT_EQ(far.size(), 2000u + 5u);
  EXPECT_EQ(far.substr(2000), "[x.c]");
}

TEST(TreePrinter, DeepTreesKeepEveryLine) {
  // A chain of 30 calls with a second child at the top, so depth 0's bar is
  // cleared and the deep levels have no later siblings.
  std::vector<std::string> nodes;
  std::vector<std::vector<std::string>> children;
  for (int k = 0; k < 30; ++k) {
    nodes.push_back("f" + std::to_string(k));
    children.push_back(k + 1 < 30 ? std::vector<std::string>{"f" + std::to_string(k + 1)}
                                  : std::vector<std::string>{});
  }
  children[0].push_back("tail");
  std::string out = print(table(nodes, children));
  EXPECT_EQ(std::count(out.begin(), out.end(), '\n'), 1 + 29 + 1 + 1);
  EXPECT_NE(out.find("+-f29\n"), std::string::npos);
  EXPECT_NE(out.find("   +-tail\n"), std::string::npos);
}

TEST(TreePrinter, HtmlRootsBecomeAnchors) {
  std::string out;
  std::string anchors;
  TreeSink sink;
  sink.print = [&](std::string_view s) { out += s; };
  sink.anchorRoot = [&](std::string_view s) {
    out += "<anchor>";
    anchors += std::string(s) + ";";
  };
  printTrees(example(), {false, LineStyle::Ascii, 0}, sink);
  EXPECT_EQ(anchors, "main;");
  EXPECT_EQ(out.substr(0, 12), " <anchor>   ");
}

// Everything a sink was handed, piece by piece.
std::vector<std::string> pieces(const NodeTable& t, bool wholeBlocks, bool anchors = false) {
  std::vector<std::string> out;
  TreeSink sink;
  sink.wholeBlocks = wholeBlocks;
  sink.print = [&](std::string_view s) { out.emplace_back(s); };
  if (anchors)
    sink.anchorRoot = [&](std::string_view s) { out.push_back("<" + std::string(s) + ">"); };
  printTrees(t, {false, LineStyle::Ascii, 0}, sink);
  return out;
}

std::string joined(const std::vector<std::string>& parts) {
  std::string all;
  for (const std::string& p : parts) all += p;
  return all;
}

// A few hundred trees of ten lines each: far more text than one block.
NodeTable wideTable() {
  std::vector<std::string> nodes;
  std::vector<std::vector<std::string>> children;
  for (int i = 0; i < 400; ++i) {
    nodes.push_back("root_function_" + std::to_string(i));
    children.emplace_back();
    for (int k = 0; k < 9; ++k) children.back().push_back("callee_" + std::to_string(i + k));
  }
  return table(nodes, children);
}

TEST(TreePrinter, ALineSinkGetsOneLineAtATime) {
  std::vector<std::string> lines = pieces(example(), false);
  ASSERT_EQ(lines.size(), 6u);
  for (const std::string& line : lines) {
    EXPECT_EQ(line.back(), '\n');
    EXPECT_EQ(std::count(line.begin(), line.end(), '\n'), 1);
  }
  EXPECT_EQ(lines.back(), "\n");  // the empty line after a tree is a piece of its own
}

TEST(TreePrinter, ABlockSinkGetsTheSameTextInBlocksOfWholeLines) {
  NodeTable t = wideTable();
  std::vector<std::string> lines = pieces(t, false);
  std::vector<std::string> blocks = pieces(t, true);
  EXPECT_EQ(joined(blocks), joined(lines));
  EXPECT_EQ(lines.size(), 400u * 11);
  EXPECT_GT(blocks.size(), 1u);
  EXPECT_LT(blocks.size(), 20u);
  for (const std::string& block : blocks) EXPECT_EQ(block.back(), '\n');
  EXPECT_EQ(pieces(example(), true), (std::vector<std::string>{joined(pieces(example(), false))}));
}

TEST(TreePrinter, ABlockSinkGetsTheLinesBeforeEachAnchorFirst) {
  NodeTable t = table({"r", "s"}, {{"a", "b"}, {"c"}});
  std::vector<std::string> blocks = pieces(t, true, true);
  EXPECT_EQ(blocks,
            (std::vector<std::string>{" ", "<r>", "   |-a\n   +-b\n\n", " ", "<s>", "   +-c\n\n"}));
  EXPECT_EQ(joined(blocks), joined(pieces(t, false, true)));
}

TEST(TreePrinter, EmptyTablePrintsNothing) { EXPECT_EQ(print(NodeTable{}), ""); }

}  // namespace
}  // namespace mora
