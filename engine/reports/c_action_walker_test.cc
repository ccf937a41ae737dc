// The C structure stage: the records it writes for each construct, and its
// behaviour on malformed and hostile sources.
#include "reports/c_action_walker.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "core/limits.h"
#include "reports/action_record.h"

namespace mora {
namespace {

// The records of `source`, one "kind|level|nest|first|second" line each.
std::string walk(const std::string& source) {
  std::string bytes;
  ActionRecordWriter writer([&bytes](std::string_view b) {
    bytes.append(b);
    return true;
  });
  std::istringstream in(source);
  walkCActions(in, writer);
  EXPECT_TRUE(writer.finish());
  std::istringstream records(bytes);
  ActionRecordReader reader(records, kActionFieldSeparator, kActionRecordEnd);
  std::string lines;
  for (ActionRecord r; reader.next(r);) {
    lines += r.kind + "|" + std::to_string(r.level) + "|" + std::to_string(r.nest) + "|" + r.first +
             "|" + r.second + "\n";
  }
  return lines;
}

// The records of `body` as the body of "f()", without the function lines.
std::string walkBody(const std::string& body) {
  std::string all = walk("f()\n{\n" + body + "\n}\n");
  const std::string head = "bgnblk|0|0|f()|\n";
  const std::string tail = "endblk|0|0||\nspace|0|0||\n";
  EXPECT_EQ(all.substr(0, head.size()), head);
  EXPECT_GE(all.size(), head.size() + tail.size());
  EXPECT_EQ(all.substr(all.size() - tail.size()), tail);
  return all.substr(head.size(), all.size() - head.size() - tail.size());
}

TEST(CActionWalker, ElseIfOnOneLineAndOnTwo) {
  EXPECT_EQ(walkBody("if (a) x = 1;\nelse if (b) y = 2;"),
            "bgnblk|0|1|if|(a)\nnormal|1|2|x=1|\nmidblk|0|1|else if|(b)\n"
            "normal|1|2|y=2|\nendblk|0|1||\n");
  EXPECT_EQ(walkBody("if (a) x = 1;\nelse\nif (b) y = 2;"),
            "bgnblk|0|1|if|(a)\nnormal|1|2|x=1|\nmidblk|0|1|else|\n"
            "bgnblk|0|2|if|(b)\nnormal|1|3|y=2|\nendblk|0|2||\nendblk|0|1||\n");
}

TEST(CActionWalker, TrailingCommentsAndCommentLines) {
  // A block comment behind code continues its line; a line comment does not.
  EXPECT_EQ(walkBody("x = 1; /* note */"), "normal|1|1|x=1|\ncntnue|1|0|/* note */|\n");
  EXPECT_EQ(walkBody("x = 1; // note"), "normal|1|1|x=1|\nnormal|1|1|// note|\n");
  EXPECT_EQ(walkBody("/* a\n   b */\nx;"), "normal|1|1|/* a\n   b */|\nnormal|1|1|x|\n");
  // Comments below a header follow it in the second text.
  EXPECT_EQ(walk("g(int a)\n/* one */\n/* two */\n{\n}\n"),
            "bgnblk|0|0|g(int a)| /* one */ /* two */\nendblk|0|0||\nspace|0|0||\n");
}

TEST(CActionWalker, LoopsSwitchAndDo) {
  EXPECT_EQ(walkBody("while (a) b();\nfor (i = 0; i < n; i++) ;"),
            "bgnloop|0|1|while|(a)\nnormal|1|2|b()|\nendblk|0|1||\n"
            "bgnloop|0|1|for|(i = 0; i < n; i++)\nendblk|0|1||\n");
  EXPECT_EQ(walkBody("do { x++; } while (x < 3);"),
            "bgnblk|0|1|do|\nnormal|1|2|x++|\nendloop|0|1|while|(x < 3)\n");
  EXPECT_EQ(
      walkBody("switch (c)\n/* why */\n{\ncase 1:\ncase 'a': r = 0; break;\ndefault: r = 1;\n}"),
      "bgnblk|0|1|switch|(c) /* why */\nmidblk|0|1|case|1\nmidblk|0|1|case|'a'\n"
      "normal|1|2|r=0|\nnormal|1|2|break|\nmidblk|0|1|default|\nnormal|1|2|r=1|\n"
      "endblk|0|1||\n");
}

TEST(CActionWalker, StatementLines) {
  // Blanks only between words; no semicolons; calls on lines of their own.
  EXPECT_EQ(walkBody("a = b + 1; return x; int n = 0x1F;"),
            "normal|1|1|a=b+1|\nnormal|1|1|return x|\nnormal|1|1|int n=0x1F|\n");
  EXPECT_EQ(walkBody("x = f(a, b) + 1;"), "normal|1|1|x=|\nnormal|1|1|f(a, b)|\nnormal|1|1|+1|\n");
  // A bare block adds no depth; a label runs on into its statement.
  EXPECT_EQ(walkBody("{ y = 2; }\ngoto out;\nout: y = 3;"),
            "normal|1|1|y=2|\nnormal|1|1|goto out|\nnormal|1|1|out:y=3|\n");
}

TEST(CActionWalker, TopLevel) {
  // A prototype leaves only the empty line; preprocessor lines and comments
  // outside functions are level-0 lines; anything else is skipped.
  EXPECT_EQ(walk("#include <a.h>\n#define M(x) \\\n  g(x)\nint f(void);\nint v = 3;\n// c\n"),
            "normal|0|0|#include <a.h>|\nnormal|0|0|#define M(x) \\\n  g(x)|\nspace|0|0||\n"
            "normal|0|0|// c|\n");
}

TEST(CActionWalker, MalformedConstructsArePassedOver) {
  // A case outside a switch is ignored; a do without braces and a switch
  // without a body end their statements.
  EXPECT_EQ(walkBody("case 3: x;"), "normal|1|1|3:x|\n");
  EXPECT_EQ(walkBody("do x++; while (x);"),
            "normal|1|1|++|\nbgnloop|0|1|while|(x)\nendblk|0|1||\n");
  EXPECT_EQ(walkBody("switch (a) x;"), "bgnblk|0|1|switch|(a)\n");
  EXPECT_EQ(walkBody("do { x; } y;"), "bgnblk|0|1|do|\nnormal|1|2|x|\nnormal|1|1|y|\n");
  EXPECT_EQ(walkBody("if x = 1;"), "bgnblk|0|1|if|\nnormal|1|2|x=1|\nendblk|0|1||\n");
}

TEST(CActionWalker, UnterminatedInputEndsCleanly) {
  EXPECT_EQ(walk("f()\n{\n/* open"),
            "bgnblk|0|0|f()|\nnormal|1|1|/* open|\nendblk|0|0||\nspace|0|0||\n");
  EXPECT_EQ(walk("f()\n{\ns = \"open\nx;"),
            "bgnblk|0|0|f()|\nnormal|1|1|s=\"open x|\nendblk|0|0||\nspace|0|0||\n");
  EXPECT_EQ(walk("f()\n{\nif (a"),
            "bgnblk|0|0|f()|\nbgnblk|0|1|if|(a\nendblk|0|1||\nendblk|0|0||\nspace|0|0||\n");
  EXPECT_EQ(walk("f() { { {"), "bgnblk|0|0|f()|\nendblk|0|0||\nspace|0|0||\n");
  EXPECT_EQ(walk("} } f() { } }"), "bgnblk|0|0|f()|\nendblk|0|0||\nspace|0|0||\n");
}

TEST(CActionWalker, LongTokensAndLinesAreCut) {
  std::string name(5000, 'n');
  // The token is cut at 1024 bytes, the record's text read back at 1023.
  std::string records = walkBody(name + ";");
  EXPECT_EQ(records, "normal|1|1|" + std::string(1023, 'n') + "|\n");
  // A long statement is written out in pieces just over 1024 bytes.
  std::string sum;
  for (int i = 0; i < 700; ++i) sum += "a + ";
  records = walkBody(sum + "a;");
  EXPECT_EQ(records.substr(0, 12), "normal|1|1|a");
  EXPECT_EQ(std::count(records.begin(), records.end(), '\n'), 2);
}

TEST(CActionWalker, CarriageReturnsAndDoubleByteText) {
  EXPECT_EQ(walk("f()\r\n{\r\nx = 1; // c\r\n}\r\n"),
            "bgnblk|0|0|f()|\nnormal|1|1|x=1|\nnormal|1|1|// c|\nendblk|0|0||\nspace|0|0||\n");
  // The second byte of a Shift-JIS character (0x5C) never escapes the quote.
  EXPECT_EQ(walkBody("s = \"\x95\x5C\"; t;"), "normal|1|1|s=\"\x95\x5C\"|\nnormal|1|1|t|\n");
  // Separator bytes inside a text cannot split its record.
  EXPECT_EQ(walkBody("s = \"\x01\x02\";"), "normal|1|1|s=\"  \"|\n");
}

TEST(CActionWalker, DeepNestingNeedsNoStack) {
  constexpr int kDepth = 10000;
  std::string body;
  for (int i = 0; i < kDepth; ++i) body += "if (a) {\n";
  body += "x;\n";
  for (int i = 0; i < kDepth; ++i) body += "}\n";
  std::string records = walkBody(body);
  EXPECT_NE(records.find("normal|1|" + std::to_string(kDepth + 1) + "|x|\n"), std::string::npos);
  EXPECT_EQ(std::count(records.begin(), records.end(), '\n'), 2 * kDepth + 1);
  // The same depth of unclosed blocks and of else-if chains ends as well.
  // Bare braces draw nothing; the open loops and the block are closed at the end.
  EXPECT_EQ(walk("f() {" + std::string(kDepth, '{') + "while (a) for (;;) do {"),
            "bgnblk|0|0|f()|\nbgnloop|0|1|while|(a)\nbgnloop|0|2|for|(;;)\nbgnblk|0|3|do|\n"
            "endblk|0|2||\nendblk|0|1||\nendblk|0|0||\nspace|0|0||\n");
  std::string chain = "if (a) x;";
  for (int i = 0; i < kDepth; ++i) chain += " else if (b) x;";
  records = walkBody(chain);
  EXPECT_EQ(std::count(records.begin(), records.end(), '\n'), 2 * kDepth + 3);
}

}  // namespace
}  // namespace mora
