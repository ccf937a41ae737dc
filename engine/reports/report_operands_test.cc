#include "reports/report_operands.h"

#include <gtest/gtest.h>

#include "test_support.h"

namespace mora {
namespace {

using testing::messageCodes;
using testing::TestEngine;

TEST(ReportOperands, ReadsPatternsAndFilesOrFallsBackToTheLibrary) {
  TestEngine t;
  auto ops = readReportOperands(t.engine, "main, f* from a.c, b.c");
  ASSERT_TRUE(ops);
  ASSERT_EQ(ops->patterns.size(), 2u);
  EXPECT_EQ(ops->patterns[1].pattern, "f*");
  EXPECT_EQ(ops->files, (std::vector<std::string>{"a.c", "b.c"}));
  EXPECT_TRUE(ops->without.empty());

  auto library = readReportOperands(t.engine, "main");
  ASSERT_TRUE(library);
  EXPECT_EQ(library->files, std::vector<std::string>{t.engine.settings.sysdt});
  EXPECT_EQ(t.err(), "");
}

TEST(ReportOperands, WithoutOnlyWhereTheCommandTakesIt) {
  TestEngine t;
  constexpr OperandRules kTrees{.withoutAllowed = true};
  auto tree = readReportOperands(t.engine, "* from a.c without printf, log*", kTrees);
  ASSERT_TRUE(tree);
  EXPECT_TRUE(tree->without.matches("printf"));
  EXPECT_TRUE(tree->without.matches("logline"));
  EXPECT_FALSE(tree->without.matches("main"));
  EXPECT_EQ(t.err(), "");

  EXPECT_FALSE(readReportOperands(t.engine, "* from a.c without printf"));
  EXPECT_EQ(messageCodes(t.err()), "FIEU005");
}

TEST(ReportOperands, RequiredFilesKeywordIsNamedWhenMissing) {
  TestEngine t;
  EXPECT_FALSE(readReportOperands(t.engine, "main", {.filesRequired = true}));
  EXPECT_EQ(messageCodes(t.err()), "FIEU003");
  EXPECT_NE(t.err().find("from"), std::string::npos);
}

}  // namespace
}  // namespace mora
