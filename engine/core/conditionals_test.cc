#include "core/conditionals.h"

#include <gtest/gtest.h>

#include "control_test_support.h"

namespace mora {
namespace {

using testing::messageCodes;
using testing::runScript;

// Runs one if/elsif/else chain for $%n = n and returns what it printed.
std::string chainFor(int n) {
  auto r = runScript("$%n = " + std::to_string(n) +
                     "\nif ($%n == 1)\n{\necho \"one\"\n}\nelsif ($%n == 2)\n{\necho \"two\"\n}\n"
                     "elsif ($%n >= 2)\n{\necho \"many\"\n}\nelse\n{\necho \"none\"\n}\n");
  EXPECT_EQ(r.err, "");
  return r.out;
}

TEST(Conditionals, ChainRunsExactlyOneBranch) {
  EXPECT_EQ(chainFor(1), "one\n");
  EXPECT_EQ(chainFor(2), "two\n");
  EXPECT_EQ(chainFor(3), "many\n");
  EXPECT_EQ(chainFor(0), "none\n");
}

TEST(Conditionals, InlineStatements) {
  auto r = runScript(
      "if (1 == 1) echo \"a\"\nif (1 == 2) echo \"b\"\nelse echo \"c\"\n"
      "if (1 == 1) $x = \"d\"\necho $x\nif (true) echo \"e\"\n");
  EXPECT_EQ(r.out, "a\nc\nd\ne\n");
  EXPECT_EQ(r.err, "");
}

TEST(Conditionals, OutcomeIsKeptPerDepth) {
  auto r = runScript(
      "if (1 == 1)\n{\nif (1 == 2)\n{\necho \"inner\"\n}\n}\nelse\n{\necho \"outer else\"\n}\n"
      "echo \"end\"\n");
  EXPECT_EQ(r.out, "end\n");
}

TEST(Conditionals, BrokenConditionRunsNoBranch) {
  auto r = runScript(
      "if ($a = 1)\n{\necho \"then\"\n}\nelsif (1 == 1)\n{\necho \"elsif\"\n}\n"
      "else\n{\necho \"else\"\n}\necho \"after\"\n");
  EXPECT_EQ(r.out, "after\n");
  EXPECT_EQ(messageCodes(r.err), "FIEU028");
}

TEST(Conditionals, ElsifAfterTakenBranchStillChecksItsCondition) {
  auto r = runScript("if (1 == 1)\n{\n}\nelsif 1 == 1\n{\necho \"no\"\n}\n");
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(messageCodes(r.err), "FIEU003");
}

}  // namespace
}  // namespace mora
