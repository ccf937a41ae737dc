#include "core/labels.h"

#include <gtest/gtest.h>

#include "control_test_support.h"
#include "core/engine.h"

namespace mora {
namespace {

using testing::feed;
using testing::messageCodes;
using testing::runScript;
using testing::TestEngine;

TEST(Labels, NameEndsAtSeparators) {
  EXPECT_EQ(labelNameOf(":top"), "top");
  EXPECT_EQ(labelNameOf(":top rest"), "top");
  EXPECT_EQ(labelNameOf(":a:b"), "a");
  EXPECT_EQ(labelNameOf(":"), "");
}

TEST(Labels, ForwardGotoSkipsToTheLabelIgnoringCase) {
  auto r = runScript(
      "goto Done\necho \"skipped\"\n{\necho \"skipped too\"\n}\n:other\n:DONE\necho \"after\"\n");
  EXPECT_EQ(r.out, "after\n");
  EXPECT_EQ(r.err, "");
}

TEST(Labels, GotoOutOfABlockClosesIt) {
  TestEngine t;
  feed(t, {"if (1 == 1)", "{", "var $t", "goto out", "}", "{", "}", ":out"});
  EXPECT_EQ(t.engine.exec.depth, 0);
  EXPECT_TRUE(t.engine.vars.localDeclarations.empty());
  EXPECT_EQ(t.err(), "");
}

TEST(Labels, BackwardGotoNeedsTheCodeStore) {
  auto without = runScript(":top\n$%i = $%i + 1\nif ($%i < 3) goto top\necho $%i\n");
  EXPECT_EQ(without.out, "");
  EXPECT_EQ(messageCodes(without.err), "FIEU035");

  // The replay runs from the label to the end of the code list; a goto met
  // during the replay searches forward.
  auto with = runScript(
      "set code store on\n$%i = 0\n:top\n$%i = $%i + 1\nif ($%i < 2) goto top\n"
      "echo $%i\n:top2\necho \"end\"\n");
  EXPECT_EQ(with.out, "2\nend\n");
  EXPECT_EQ(with.err, "");
}

TEST(Labels, ReplayStopsAtAFailedStatement) {
  TestEngine t;
  t.engine.settings.codeStore = true;
  feed(t, {":here", "echo \"one\"", "$x = 1 +", "echo \"two\""});
  feed(t, {"goto here"});
  EXPECT_EQ(t.out(), "one\ntwo\none\n");
  EXPECT_TRUE(t.engine.settings.codeStore);
}

TEST(Labels, GotoErrors) {
  auto r = runScript("goto\ngoto a b\n");
  EXPECT_EQ(messageCodes(r.err), "FIEU036 FIEU005");
}

TEST(Labels, TableLimit) {
  TestEngine t;
  t.engine.settings.codeStore = true;
  for (std::size_t i = 0; i <= kMaxLabels; ++i)
    executeStatement(t.engine, ":l" + std::to_string(i));
  EXPECT_EQ(t.engine.exec.labelNames.size(), kMaxLabels);
  EXPECT_EQ(messageCodes(t.err()), "FIEU039");
}

}  // namespace
}  // namespace mora
