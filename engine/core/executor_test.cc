#include "core/executor.h"

#include <gtest/gtest.h>

#include "control_test_support.h"
#include "core/engine.h"

namespace mora {
namespace {

using testing::feed;
using testing::messageCodes;
using testing::runMora;
using testing::runScript;
using testing::TestEngine;

TEST(Executor, BlocksOpenCloseAndScopeLocals) {
  TestEngine t;
  feed(t, {"{", "var $t", "$t = \"in\"", "$u = \"global\"", "{"});
  EXPECT_EQ(t.engine.exec.depth, 2);
  feed(t, {"}", "}"});
  EXPECT_EQ(t.engine.exec.depth, 0);
  feed(t, {"echo $u + \"/\" + $t"});
  EXPECT_EQ(t.out(), "global/\n");
  EXPECT_EQ(t.err(), "");
}

TEST(Executor, BraceErrors) {
  TestEngine t;
  EXPECT_EQ(executeStatement(t.engine, "}"), kStatementFailed);
  EXPECT_EQ(executeStatement(t.engine, "{ echo 1"), kStatementFailed);
  EXPECT_EQ(t.engine.exec.depth, 0);
  for (int i = 0; i < kMaxDepth; ++i) executeStatement(t.engine, "{");
  EXPECT_EQ(t.engine.exec.depth, kMaxDepth);
  EXPECT_EQ(executeStatement(t.engine, "{"), kStatementFailed);
  EXPECT_EQ(t.engine.exec.depth, kMaxDepth);
  EXPECT_EQ(messageCodes(t.err()), "FIEU019 FIEU005 FIEC018");
}

TEST(Executor, MalformedBraceCancelsPendingBlock) {
  // The "{" with text after it opens nothing, so the if's skip is dropped
  // and the next plain block runs.
  auto r = runScript("if (1 == 2)\n{ echo \"a\"\n{\necho \"b\"\n}\n");
  EXPECT_EQ(r.out, "b\n");
  EXPECT_EQ(messageCodes(r.err), "FIEU005");
}

TEST(Executor, FalseConditionSkipsOnlyABlock) {
  auto r = runScript(
      "if (1 == 2)\necho \"runs anyway\"\n"
      "if (1 == 2)\n{\necho \"skipped\"\n{\necho \"nested skipped\"\n}\n}\necho \"after\"\n");
  EXPECT_EQ(r.out, "runs anyway\nafter\n");
  EXPECT_EQ(r.err, "");
}

TEST(Executor, FunctionCallStatementAndFailureResult) {
  TestEngine t;
  feed(t, {"function f($a)", "{", "$a = $a + \"!\"", "}"});
  EXPECT_GE(executeStatement(t.engine, "$v = \"x\""), 0);
  executeStatement(t.engine, "$f($v)");
  feed(t, {"echo $v"});
  EXPECT_EQ(t.out(), "x!\n");
  EXPECT_EQ(executeStatement(t.engine, "$v = 1 +"), kStatementFailed);
}

TEST(Executor, CodeStoreKeepsStatementsAndLabels) {
  TestEngine t;
  t.engine.settings.codeStore = true;
  feed(t, {"$a = 1", ":here", "$b = 2", ":HERE"});
  EXPECT_EQ(t.engine.exec.code, (std::vector<std::string>{"$a = 1", ":here", "$b = 2", ":HERE"}));
  EXPECT_EQ(t.engine.exec.labelIndex.at("HERE"), 1u);
  EXPECT_EQ(messageCodes(t.err()), "FIEU038");
}

TEST(Executor, PromptHeldBackWhileRecordingAFunction) {
  auto r = runMora({"-vd1", "-nd", "-nh"}, "func f()\n{\n$x = 1\n}\n");
  // One prompt before "func", none while the definition waits for and
  // records its body, one before the end of input.
  EXPECT_EQ(r.out, "MORA>MORA>");
  EXPECT_EQ(r.err, "");
}

TEST(Executor, PendingLabelSearchFailsAtEndOfInput) {
  TestEngine t;
  feed(t, {"goto nowhere", "echo \"skipped\""});
  endOfInput(t.engine);
  endOfInput(t.engine);  // the search ended with the first input
  EXPECT_EQ(t.out(), "");
  EXPECT_EQ(messageCodes(t.err()), "FIEU035");
  EXPECT_FALSE(t.engine.exec.labelSearch);
}

}  // namespace
}  // namespace mora
