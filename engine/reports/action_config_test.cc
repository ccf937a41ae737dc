// The print configuration: the built-in sets, caret texts, values kept from
// one load to the next, and hostile files.
#include "reports/action_config.h"

#include <gtest/gtest.h>

#include <sstream>

namespace mora {
namespace {

struct Loaded {
  bool loaded;
  std::string messages;
};

Loaded load(ActionConfig& config, const std::string& text) {
  std::istringstream file(text);
  std::ostringstream err;
  bool loaded = loadActionConfig(config, &file, LineStyle::Jis, "actprt.ini", err);
  return {loaded, err.str()};
}

TEST(ActionConfig, BuiltinSets) {
  ActionConfig ascii;
  std::ostringstream err;
  ASSERT_TRUE(loadActionConfig(ascii, nullptr, LineStyle::Ascii, "actprt.ini", err));
  EXPECT_EQ(err.str(), "");
  ASSERT_EQ(ascii.definitions.size(), 6u);
  EXPECT_EQ(ascii.find("endblk")->first, "+-- ");
  EXPECT_EQ(ascii.find("endblk")->continuation, "    ");
  EXPECT_EQ(ascii.find("bgnloop")->first, "+== ");
  EXPECT_EQ(ascii.find("normal")->first, "");
  EXPECT_EQ(ascii.find("cntnue"), nullptr);
  EXPECT_EQ(ascii.tab, "|   ");
  EXPECT_EQ(ascii.separatorByte(), '\x01');
  EXPECT_EQ(ascii.recordEndByte(), '\x02');
  EXPECT_EQ(ascii.printLevel, 5);

  ActionConfig jis;
  ASSERT_TRUE(loadActionConfig(jis, nullptr, LineStyle::Jis, "actprt.ini", err));
  EXPECT_EQ(jis.find("midblk")->first, "\x84\xA5\x84\x9F ");
  EXPECT_EQ(jis.find("endloop")->first, "\x84\xA4\x81\x81 ");
  EXPECT_EQ(jis.find("endblk")->continuation, "     ");
  EXPECT_EQ(jis.tab, "\x84\xA0   ");
}

TEST(ActionConfig, CaretsAndKeptValues) {
  ActionConfig config;
  EXPECT_EQ(config.printLevel, 99);
  ASSERT_TRUE(
      load(config, "SEP = \"^C\"\nEOL=\"^D^\"\nTAB = \"a^\"\nDEF x1 = (\"^A\", \"\")\n").loaded);
  EXPECT_EQ(config.separator, "\x03");
  EXPECT_EQ(config.recordEnd, "\x04");
  EXPECT_EQ(config.tab, "a");
  EXPECT_EQ(config.find("x1")->first, "^A");
  // A caret never pairs with the second byte of a double-byte character.
  ASSERT_TRUE(load(config, "TAB = \"\x83\x5E^A\"\n").loaded);
  EXPECT_EQ(config.tab, "\x83\x5E\x01");
  // A later load keeps TAB, SEP, EOL and PLV, and empties the definitions.
  ASSERT_TRUE(load(config, "PLV = -3\n").loaded);
  EXPECT_EQ(config.separator, "\x03");
  EXPECT_EQ(config.printLevel, -3);
  EXPECT_TRUE(config.definitions.empty());
  ASSERT_TRUE(load(config, "PLV = 99999999999999999999\n").loaded);
  EXPECT_EQ(config.printLevel, 2147483647);
}

TEST(ActionConfig, TheFirstDefinitionOfAKindWins) {
  ActionConfig config;
  ASSERT_TRUE(
      load(config, "DEF a = (\"1\", \"\")\nDEF a = (\"2\", \"\")\nDEF A = (\"3\", \"\")\n").loaded);
  EXPECT_EQ(config.find("a")->first, "1");
  EXPECT_EQ(config.find("A")->first, "3");
}

TEST(ActionConfig, HostileFiles) {
  ActionConfig config;
  // Binary bytes: an unknown keyword, the load goes on with nothing.
  Loaded binary = load(config, std::string("\x7f"
                                           "ELF\0\x01\x02",
                                           7));
  EXPECT_TRUE(binary.loaded);
  EXPECT_EQ(binary.messages, "actprt.ini(1) : Undefined Opecode\n");
  // 100 000 comment lines, then an error on the last line.
  std::string many;
  for (int i = 0; i < 100000; ++i) many += "# comment\n";
  Loaded manyLines = load(config, many + "TAB \"x\"\n");
  EXPECT_FALSE(manyLines.loaded);
  EXPECT_EQ(manyLines.messages, "actprt.ini(100001) : = Expected\n");
  // A line of 10 000 bytes is read in pieces; the second piece is no keyword.
  Loaded longLine = load(config, "TAB = \"x\"" + std::string(10000, ' ') + "\nPLV = 1\n");
  EXPECT_TRUE(longLine.loaded);
  EXPECT_EQ(longLine.messages, "actprt.ini(1) : Undefined Opecode\n");
  EXPECT_EQ(config.tab, "x");
  // A line feed inside a quoted text.
  Loaded open = load(config, "DEF a = (\"x\n\", \"\")\n");
  EXPECT_FALSE(open.loaded);
  EXPECT_EQ(open.messages, "actprt.ini(1) : Non Terminated String\n");
  // A table full of definitions stops at the 65th.
  std::string defs;
  for (int i = 0; i < 70; ++i) defs += "DEF k" + std::to_string(i) + " = (\"\", \"\")\n";
  Loaded full = load(config, defs);
  EXPECT_FALSE(full.loaded);
  EXPECT_EQ(full.messages, "actprt.ini(65) : Code Table Overflow.\n");
  EXPECT_EQ(config.definitions.size(), 64u);
}

}  // namespace
}  // namespace mora
