// The print stage: records drawn with a configuration, continuation lines,
// HTML anchors, and records that a foreign configuration cannot read.
#include "reports/action_printer.h"

#include <gtest/gtest.h>

#include <sstream>

#include "core/limits.h"
#include "reports/action_record.h"

namespace mora {
namespace {

struct Printed {
  std::string text;  // text, tags as "<T>" and anchors as "[name]"
};

ActionConfig asciiConfig() {
  ActionConfig config;
  std::ostringstream err;
  EXPECT_TRUE(loadActionConfig(config, nullptr, LineStyle::Ascii, "actprt.ini", err));
  return config;
}

std::string print(const std::string& records, const ActionConfig& config, bool html = false) {
  std::string out;
  ActionOutput sink;
  sink.text = [&out](std::string_view t) { out.append(t); };
  sink.html = html;
  sink.tag = [&out](std::string_view tag, bool close) {
    out += close ? "</" : "<";
    out.append(tag);
    out += ">\n";
  };
  sink.anchor = [&out](std::string_view name) {
    out += "[";
    out.append(name);
    out += "]\n";
  };
  std::istringstream in(records);
  printActionDiagram(in, config, sink);
  return out;
}

std::string records(std::initializer_list<ActionRecord> list) {
  std::string bytes;
  ActionRecordWriter writer([&bytes](std::string_view b) {
    bytes.append(b);
    return true;
  });
  for (const ActionRecord& r : list)
    writer.write(r.kind, static_cast<int>(r.level), r.nest, r.first, r.second);
  writer.finish();
  return bytes;
}

TEST(ActionPrinter, ContinuationsAndMultiLineTexts) {
  std::string input = records({{"bgnblk", 0, 0, "f(int a)", ""},
                               {"normal", 1, 1, "x=1", ""},
                               {"cntnue", 1, 0, "/* n */", ""},
                               {"bgnblk", 0, 1, "if", "(a &&\n    b)"},
                               {"endblk", 0, 1, "", ""},
                               {"endblk", 0, 0, "", ""},
                               {"space", 0, 0, "", ""}});
  EXPECT_EQ(print(input, asciiConfig()),
            "+-- f(int a)    \n"
            "|   x=1    /* n */    \n"
            "|   +-- if  (a &&\n"
            "|   |       b)  \n"
            "|   +--     \n"
            "+--     \n"
            "\n");
}

TEST(ActionPrinter, HtmlAnchorsAndRules) {
  std::string input = records({{"normal", 0, 0, "/* c */", ""},
                               {"bgnblk", 0, 0, "static int foo (int a)", ""},
                               {"endblk", 0, 0, "", ""},
                               {"space", 0, 0, "", ""}});
  EXPECT_EQ(print(input, asciiConfig(), true),
            "<HR>\n<PRE>\n/* c */    \n[foo]\n+-- static int foo (int a)    \n+--     "
            "<HR>\n\n\n</PRE>\n");
}

TEST(ActionPrinter, AnchorNames) {
  EXPECT_EQ(actionAnchorName("main(void)    "), "main");
  EXPECT_EQ(actionAnchorName("static int foo (int a)"), "foo");
  EXPECT_EQ(actionAnchorName("Private Sub Foo()"), "Foo");
  EXPECT_EQ(actionAnchorName("a::b::c(x)"), "a::b::c");
  EXPECT_EQ(actionAnchorName("x = 1"), "x");
  EXPECT_EQ(actionAnchorName("  "), "");
}

TEST(ActionPrinter, ForeignAndDamagedRecords) {
  ActionConfig config = asciiConfig();
  // Fields over their limits are cut; a record without its end byte ends
  // with the input; white space between records is skipped.
  std::string longKind(100, 'k');
  std::string input = longKind + "\x01" + "1\x01" + std::string(60, '0') + "\x01" +
                      std::string(3000, 't') +
                      "\x01\x02\n\n normal\x01"
                      "1\x01"
                      "0\x01last";
  std::string out = print(input, config);
  EXPECT_EQ(out, std::string(1023, 't') + "    \nlast    \n");
  // A nest of 31 digits is drawn at the deepest level the printer draws.
  config.tab = "|";
  out = print(std::string("normal\x01") + "0\x01" + std::string(31, '9') + "\x01x\x01\x02", config);
  EXPECT_EQ(out, std::string(kActionDrawDepthMax, '|') + "x    \n");
  // With other separator bytes the records are unreadable but harmless: no
  // field is found, so the whole input prints as one empty statement line.
  config.separator = "\x03";
  config.recordEnd = "\x03";
  out = print(records({{"bgnblk", 0, 0, "f()", ""}, {"endblk", 0, 0, "", ""}}), config);
  EXPECT_EQ(out, "    \n");
}

TEST(ActionPrinter, PrintLevelHidesStatements) {
  ActionConfig config = asciiConfig();
  config.printLevel = 0;
  std::string input =
      records({{"bgnblk", 0, 0, "f()", ""}, {"normal", 1, 1, "x", ""}, {"endblk", 0, 0, "", ""}});
  EXPECT_EQ(print(input, config), "+-- f()    \n\n+--     \n");
}

}  // namespace
}  // namespace mora
