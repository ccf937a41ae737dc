#include "analysis/define_table.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "core/limits.h"

namespace mora {
namespace {

TEST(DefineTable, LinesGiveTheThreeKinds) {
  struct Case {
    const char* line;
    const char* shown;
  };
  const Case cases[] = {
      {"NAME abc", "<NAME> = <abc>\n"}, {"NAME 12", "<NAME> = <12>\n"},
      {"NAME", "<NAME> = NONE\n"},      {"  VERSION,3", "<VERSION> = <3>\n"},
      {"V\t, -4", "<V> = <-4>\n"},      {"V +-", "<V> = <0>\n"},
      {"V 7up", "<V> = <7>\n"},         {"V text  ", "<V> = <text  >\n"},
      {"V=3", "<V> = <=3>\n"},          {"\x82\xA0_1 x", "<\x82\xA0_1> = <x>\n"},
  };
  for (const Case& c : cases) {
    auto record = parseDefineLine(c.line);
    ASSERT_TRUE(record) << c.line;
    EXPECT_EQ(formatDefine(*record), c.shown) << c.line;
  }
  for (const char* skipped : {"# comment", "", " \t ", "=x", ",3"})
    EXPECT_FALSE(parseDefineLine(skipped)) << skipped;
}

TEST(DefineTable, FirstRecordWinsAndTheTableStopsAtItsSize) {
  std::ostringstream file;
  file << "A 1\r\nA 2\n";
  for (int k = 0; k < 100000; ++k) file << "N" << k << "\n";
  std::istringstream in(file.str());
  DefineTable t;
  loadDefines(in, t);
  EXPECT_EQ(t.records().size(), kDefineRecordsMax);
  EXPECT_EQ(t.find("A")->value, 1);
  EXPECT_EQ(t.records()[1].text, "2");  // the CR of a CR LF end is dropped
  EXPECT_TRUE(t.find("N509"));
  EXPECT_FALSE(t.find("N510"));
  EXPECT_FALSE(t.add(*parseDefineLine("Z")));
  t.clear();
  EXPECT_FALSE(t.find("A"));
  EXPECT_TRUE(t.records().empty());
}

TEST(DefineTable, TheRestOfAnOverlongLineIsNoRecord) {
  std::istringstream in("LONG " + std::string(10000, 'x') + "\nAFTER 1\n");
  DefineTable t;
  loadDefines(in, t);
  ASSERT_EQ(t.records().size(), 2u);
  EXPECT_EQ(t.records()[0].text.size(), kDefineLineMax - 5);
  EXPECT_EQ(t.records()[1].name, "AFTER");
}

TEST(DefineTable, LeadingNumbersClampTo32Bits) {
  EXPECT_EQ(leadingInt32("42abc"), 42);
  EXPECT_EQ(leadingInt32("-17"), -17);
  EXPECT_EQ(leadingInt32("abc"), 0);
  EXPECT_EQ(leadingInt32("99999999999999999999999"), 2147483647);
  EXPECT_EQ(leadingInt32("-99999999999999999999999"), -2147483647 - 1);
}

}  // namespace
}  // namespace mora
