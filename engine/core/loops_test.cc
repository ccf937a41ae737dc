#include "core/loops.h"

#include <gtest/gtest.h>

#include <csignal>

#include "control_test_support.h"
#include "core/engine.h"

namespace mora {
namespace {

using testing::feed;
using testing::messageCodes;
using testing::runScript;
using testing::TestEngine;

TEST(Loops, ForCountsAndWhileTestsFirst) {
  auto r = runScript(
      "for ($%i = 0; $%i < 3; $%i = $%i + 1)\n{\necho $%i\n}\n"
      "while (1 == 2)\n{\necho \"never\"\n}\necho \"end\"\n");
  EXPECT_EQ(r.out, "0\n1\n2\nend\n");
  EXPECT_EQ(r.err, "");
}

TEST(Loops, EmptyConditionLoopsUntilBreak) {
  auto r =
      runScript("$%n = 0\nfor (; ; $%n = $%n + 1)\n{\nif ($%n == 4)\n{\nbreak\n}\n}\necho $%n\n");
  EXPECT_EQ(r.out, "4\n");
  EXPECT_EQ(r.err, "");
}

TEST(Loops, NestedLoopsAndBreakLeavesOnlyTheInnermost) {
  auto r = runScript(
      "for ($%i = 0; $%i < 2; $%i = $%i + 1)\n{\n"
      "for ($%j = 0; $%j < 9; $%j = $%j + 1)\n{\nif ($%j == 2) break\necho \"\" + $%i + \":\" + "
      "$%j\n}\n}\n");
  EXPECT_EQ(r.out, "0:0\n0:1\n1:0\n1:1\n");
  EXPECT_EQ(r.err, "");
}

TEST(Loops, BreakInsideNestedBlockRestoresDepth) {
  TestEngine t;
  feed(t, {"{", "$%i = 0", "while (1)", "{", "$%i = $%i + 1", "{", "{", "break", "}", "}", "}"});
  EXPECT_EQ(t.engine.exec.depth, 1);
  EXPECT_EQ(t.engine.exec.loopLevel, 0);
  EXPECT_FALSE(t.engine.exec.breakFlag);
  feed(t, {"echo $%i"});
  EXPECT_EQ(t.out(), "1\n");
}

TEST(Loops, HeaderErrors) {
  auto r = runScript(
      "while (1) x\nfor $%i = 0\nfor ($%i = 0)\nfor ($%i = 0; 1; 2\nfor (;;) x\n"
      "while (1 == 1)\necho \"no block\"\n");
  EXPECT_EQ(messageCodes(r.err), "FIEU005 FIEU003 FIEU003 FIEU003 FIEU005 FIEU029");
  EXPECT_EQ(r.out, "no block\n");
}

TEST(Loops, ForRunsInitBeforeTheRestOfTheHeaderIsRead) {
  auto r = runScript("for ($%i = 5; $%i < 3)\n{\n}\necho $%i\n");
  EXPECT_EQ(messageCodes(r.err), "FIEU003");
  EXPECT_EQ(r.out, "5\n");
}

TEST(Loops, BrokenHeaderSkipsTheBody) {
  auto r = runScript("while ($a = 1)\n{\necho \"body\"\n}\necho \"end\"\n");
  EXPECT_EQ(r.out, "end\n");
  EXPECT_EQ(messageCodes(r.err), "FIEU028");
}

TEST(Loops, TwelfthLoopLevelIsRefused) {
  TestEngine t;
  t.engine.exec.loopLevel = kMaxLoopLevel;
  feed(t, {"while (1 == 1)", "{", "echo \"body\"", "}"});
  EXPECT_EQ(t.out(), "");
  EXPECT_EQ(messageCodes(t.err()), "FIEC018");
  EXPECT_EQ(t.engine.exec.loopLevel, kMaxLoopLevel);
  EXPECT_EQ(t.engine.exec.loopCapture, CaptureState::None);
}

TEST(Loops, InterruptEndsARunawayLoop) {
  TestEngine t;
  volatile std::sig_atomic_t interrupted = 0;
  t.engine.setInterruptFlag(&interrupted);
  feed(t, {"while (1)", "{"});
  interrupted = 1;
  EXPECT_THROW(executeStatement(t.engine, "}"), EngineExit);
  EXPECT_EQ(t.err(), "Terminated by User.\n");
}

TEST(Loops, ReturnInsideALoopLeavesLoopAndFunction) {
  auto r = runScript(
      "func f()\n{\nwhile (1)\n{\nreturn \"out\"\n}\necho \"not reached\"\n}\n"
      "call f()\necho $_r\n");
  EXPECT_EQ(r.out, "out\n");
  EXPECT_EQ(r.err, "");
}

}  // namespace
}  // namespace mora
