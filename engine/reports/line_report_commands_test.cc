#include <gtest/gtest.h>

#include "core/dispatch.h"
#include "core/engine.h"
#include "test_support.h"

namespace mora {
namespace {

using testing::MemoryTestEngine;
using testing::TestEngine;

class LineReportCommandsTest : public ::testing::Test {
 protected:
  int run(std::string_view statement) { return dispatchCommand(t.engine, statement); }

  MemoryTestEngine m;
  TestEngine& t = m.t;
};

// A missing file fails the command before anything is printed, and each
// missing file is named.
TEST_F(LineReportCommandsTest, MissingFilesFailEveryCommandWithNothingPrinted) {
  m.fs.addFile("a.c", "int main(void)\n{\n}\n");
  for (std::string_view command : {"count", "tags", "find"}) {
    TestEngine fresh(m.fs);
    std::string statement = std::string(command) + " main from a.c, x.c, y.c";
    EXPECT_EQ(dispatchCommand(fresh.engine, statement), -1) << statement;
    EXPECT_EQ(fresh.out(), "") << statement;
    EXPECT_NE(fresh.err().find("FIEC013"), std::string::npos) << fresh.err();
    EXPECT_NE(fresh.err().find("x.c"), std::string::npos) << fresh.err();
    EXPECT_NE(fresh.err().find("y.c"), std::string::npos) << fresh.err();
  }
}

TEST_F(LineReportCommandsTest, SucceedOverExistingFiles) {
  m.fs.addFile("a.c", "int main(void)\n{\n}\n");
  EXPECT_GT(run("count * from a.c"), 0);
  EXPECT_GT(run("tags * from a.c"), 0);
  EXPECT_GT(run("find \"{\" from a.c"), 0);
  EXPECT_EQ(t.err(), "");
  EXPECT_NE(t.out().find("a.c(1): main\n"), std::string::npos) << t.out();
  EXPECT_NE(t.out().find("a.c(2) : {\n"), std::string::npos) << t.out();
}

// Without `from` the library file is scanned; other trailing words are errors.
TEST_F(LineReportCommandsTest, OperandErrors) {
  EXPECT_EQ(run("tags *"), -1);
  EXPECT_NE(t.err().find("FIEC013"), std::string::npos) << t.err();
  EXPECT_NE(t.err().find("sysdt"), std::string::npos) << t.err();
  EXPECT_EQ(run("count * in a.c"), -1);
  EXPECT_NE(t.err().find("FIEU005"), std::string::npos) << t.err();
  EXPECT_EQ(run("find"), -1);
  EXPECT_NE(t.err().find("FIEU007"), std::string::npos) << t.err();
  EXPECT_EQ(t.out(), "");
}

}  // namespace
}  // namespace mora
