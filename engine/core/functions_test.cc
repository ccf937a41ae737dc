#include "core/functions.h"

#include <gtest/gtest.h>

#include "control_test_support.h"
#include "core/control_commands.h"
#include "core/engine.h"

namespace mora {
namespace {

using testing::feed;
using testing::messageCodes;
using testing::runScript;
using testing::TestEngine;

TEST(Functions, BodyIsWrappedInGeneratedStatements) {
  TestEngine t;
  feed(t, {"function f($a, $b)", "{", "$a = $b", "{", "}", "}"});
  const auto* body = functionBody(t.engine, "f");
  ASSERT_NE(body, nullptr);
  EXPECT_EQ(*body, (std::vector<std::string>{"{", "Var $a", "$a=$_0", "Var $b", "$b=$_1", "$a = $b",
                                             "{", "}", ":_EXIT_F", "$_0=$a", "$_1=$b", "}"}));
  EXPECT_EQ(t.engine.exec.depth, 0);
  EXPECT_EQ(t.err(), "");
}

TEST(Functions, ParametersPassInAndOut) {
  auto r = runScript(
      "func f($a, $b)\n{\n$a = $b + \"x\"\n$b = \"changed\"\n}\n"
      "$v = \"old\"\n$w = \"in\"\ncall f($v, $w)\necho $v + \"/\" + $w\n"
      "call f(\"lit\", \"eral\")\necho $v\n$u = \"keep\"\ncall f($u)\necho $u\n");
  EXPECT_EQ(r.out, "inx/changed\ninx\nx\n");
  EXPECT_EQ(r.err, "");
}

TEST(Functions, ReturnFromInsideABlock) {
  TestEngine t;
  feed(t, {"func f($a)", "{", "if ($a == 1)", "{", "{", "return \"one\"", "}", "}",
           "return \"other\"", "}"});
  feed(t, {"{"});
  feed(t, {"call f(1)"});
  EXPECT_EQ(t.engine.exec.depth, 1);
  EXPECT_FALSE(t.engine.exec.labelSearch);
  feed(t, {"echo $_r", "$x = $f(2)", "echo $x", "}"});
  EXPECT_EQ(t.out(), "one\nother\n");
  EXPECT_EQ(t.engine.exec.depth, 0);
  EXPECT_EQ(t.err(), "");
}

TEST(Functions, FunctionWithoutReturnYieldsEmpty) {
  auto r = runScript(
      "func f()\n{\n}\nfunc g()\n{\nreturn (\"g\")\n}\ncall g()\ncall f()\necho \"[\" + $_r + "
      "\"]\"\n");
  EXPECT_EQ(r.out, "[]\n");
  EXPECT_EQ(r.err, "");
}

TEST(Functions, DefinitionErrors) {
  auto r = runScript(
      "{\nfunction f()\n}\nfunction g($a) { $x = 1\nfunction h($a, b)\nfunction h($a, "
      "$a)\nfunction h($)\n"
      "function h($a $b)\nfunction h\nfunction ($a)\n");
  EXPECT_EQ(messageCodes(r.err), "FIEU021 FIEU005 FIEU017 FIEU018 FIEU015 FIEU005 FIEU003 FIEU003");
}

TEST(Functions, CallErrors) {
  auto r = runScript(
      "func f()\n{\n}\ncall nothing()\ncall f\ncall f(\ncall f() x\n"
      "call f(1,2,3,4,5,6,7,8,9,10)\ncall f(1,2,3,4,5,6,7,8,9)\ncall f(1 +)\n");
  EXPECT_EQ(messageCodes(r.err), "FIEC019 FIEU003 FIEU003 FIEU005 FIEU022 FIEU005");
}

TEST(Functions, CallChecksTheNameFirstAndStoresArgumentsInTurn) {
  auto r = runScript(
      "func f()\n{\n}\ncall nothing\ncall\ncall f(\"a\", $_0 + \"b\")\necho $_1\n"
      "call f(1,2,3,4,5,6,7,8,9,10)\necho $_8\n");
  EXPECT_EQ(messageCodes(r.err), "FIEC019 FIEC019 FIEU022");
  // $_1 read the $_0 just stored; nine arguments were stored before the tenth.
  EXPECT_EQ(r.out, "ab\n9\n");
}

TEST(Functions, RecursionEndsAtTheDeepestBlock) {
  auto r = runScript("func f()\n{\n$%n = $%n + 1\ncall f()\n}\n$%n = 0\ncall f()\necho $%n\n");
  EXPECT_EQ(r.out, std::to_string(kMaxDepth) + "\n");
  EXPECT_EQ(messageCodes(r.err), "FIEC018");
}

TEST(Functions, TableLimitAndRedefinition) {
  TestEngine t;
  feed(t, {"func f()", "{", "return \"first\"", "}", "func f()", "{", "return \"second\"", "}",
           "call f()", "echo $_r"});
  for (std::size_t i = 1; i < kMaxFunctions; ++i)
    feed(t, {"func g" + std::to_string(i) + "()", "{", "}"});
  EXPECT_EQ(t.engine.exec.functions.size(), kMaxFunctions);
  feed(t, {"func extra()", "{", "echo \"body must not run\"", "}", "echo \"after\""});
  EXPECT_EQ(t.out(), "second\nafter\n");
  EXPECT_EQ(messageCodes(t.err()), "FIEU040");
  EXPECT_EQ(t.engine.exec.depth, 0);
}

}  // namespace
}  // namespace mora
