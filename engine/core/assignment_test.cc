#include "values_test_fixture.h"

namespace mora::testing {
namespace {

using AssignmentTest = ValuesTest;

TEST_F(AssignmentTest, NumericVariablesStoreIntegers) {
  EXPECT_TRUE(assign("$%i = 7 / 2"));
  EXPECT_EQ(get("$%i"), "3");
  EXPECT_TRUE(assign("$%i = -7 / 2"));
  EXPECT_EQ(get("$%i"), "-3");
  EXPECT_TRUE(assign("$%i = $%i * 10 + 1"));
  EXPECT_EQ(get("$%i"), "-29");
  EXPECT_FALSE(assign("$%i = 1 % 0"));
  EXPECT_EQ(get("$%i"), "-29");
  EXPECT_FALSE(assign("$%i = \"5\""));
  EXPECT_EQ(codes(), "FIER001 FIEU005");
}

TEST_F(AssignmentTest, StringVariablesStoreValues) {
  EXPECT_TRUE(assign("$s = \"ab\" + \"cd\""));
  EXPECT_EQ(get("$s"), "abcd");
  EXPECT_FALSE(assign("$s = \"ab\" - \"cd\""));
  EXPECT_EQ(get("$s"), "abcd");
  EXPECT_TRUE(assign("$x = false"));
  EXPECT_EQ(get("$x"), "");
  EXPECT_TRUE(assign("$n = 6 * 7"));
  EXPECT_EQ(get("$n"), "42");
  EXPECT_TRUE(assign("$copy=$s"));
  EXPECT_EQ(get("$copy"), "abcd");
  EXPECT_EQ(codes(), "FIEU005");
}

TEST_F(AssignmentTest, IndexedTargets) {
  EXPECT_TRUE(assign("$a[3] = \"x\""));
  EXPECT_EQ(get("$a"), "\n\n\nx");
  EXPECT_TRUE(assign("$a[] = \"y\""));
  EXPECT_TRUE(assign("$a[ 1 + 1 ] = \"two\""));
  EXPECT_EQ(get("$a"), "\n\ntwo\nx\ny");
  EXPECT_TRUE(assign("$%c [0] = 5 * 5"));
  EXPECT_EQ(get("$%c", 0), "25");
  EXPECT_TRUE(assign("$a = \"reset\""));
  EXPECT_EQ(get("$a"), "reset");
}

TEST_F(AssignmentTest, TargetErrors) {
  EXPECT_FALSE(assign("x = 1"));
  EXPECT_FALSE(assign("$ = 1"));
  EXPECT_FALSE(assign("$a[0 - 1] = 1"));
  EXPECT_FALSE(assign("$a[1"));
  EXPECT_FALSE(assign("$a == 1"));
  EXPECT_FALSE(assign("$a += 1"));
  EXPECT_FALSE(assign("$a 1"));
  EXPECT_EQ(codes(), "FIEU014 FIEU015 FIEU026 FIEU003 FIEU003 FIEU003 FIEU003");
  EXPECT_NE(messages().find("Expected ] here"), std::string::npos);
  EXPECT_NE(messages().find("Expected = here"), std::string::npos);
  // A scalar takes no index.
  EXPECT_TRUE(assign("$s = 1"));
  EXPECT_FALSE(assign("$s[0] = 1"));
  EXPECT_EQ(messageCount(), 8);
}

TEST_F(AssignmentTest, ListInitialisers) {
  EXPECT_TRUE(assign("$a[] = { \"p\", \"q\" }"));
  EXPECT_TRUE(assign("$a[] = {\"r\"}"));
  EXPECT_EQ(get("$a"), "p\nq\nr");
  EXPECT_TRUE(assign("$b[2] = { 1 + 1, , \"x,}\" + \"y\", true }"));
  EXPECT_EQ(get("$b"), "\n\n2\n\nx,}y\n1");
  EXPECT_TRUE(assign("$b[0] = { \"first\" }"));
  EXPECT_EQ(get("$b", 0), "first");
  EXPECT_EQ(get("$b", 2), "2");
  EXPECT_EQ(messageCount(), 0);
}

TEST_F(AssignmentTest, ListErrorsAssignNothing) {
  EXPECT_FALSE(assign("$a = { \"p\" }"));
  EXPECT_FALSE(assign("$a[] = { \"p\", \"q\""));
  EXPECT_FALSE(assign("$a[] = { \"p\" } x"));
  EXPECT_FALSE(assign("$a[] = { \"p\" \"q\" }"));
  EXPECT_FALSE(assign("$a[] = { \"p\", 1 / 0 }"));
  EXPECT_EQ(codes(), "FIEU030 FIEU031 FIEU005 FIEU005 FIER001");
  EXPECT_EQ(get("$a"), "");
}

TEST_F(AssignmentTest, AssignmentUsesTheBlockDepth) {
  e.exec.depth = 1;
  clearLevel(e, 1);
  ASSERT_TRUE(cmdVar(e, "$t"));
  EXPECT_TRUE(assign("$t = 1"));
  EXPECT_TRUE(assign("$u = 1"));
  e.exec.depth = 0;
  dropLocalsAbove(e, 0);
  EXPECT_EQ(get("$t"), "");
  EXPECT_EQ(get("$u"), "1");
}

TEST_F(AssignmentTest, BackquotedCommandIsCaptured) {
  e.reader.aliases.push_back({"ll", {}, "list"});
  EXPECT_TRUE(assign("$out = `alias`"));
  EXPECT_EQ(get("$out"), "  1\t ll \t: list\n");
}

TEST_F(AssignmentTest, FunctionCallStatementIsNotAnAssignment) {
  // The call reaches the function-call command, which reports its own
  // result; nothing is assigned to a variable named like the function.
  assign("$f (1, \"a\")");
  EXPECT_EQ(e.vars.levels[0].scalarIndex.count("$f"), 0u);
  EXPECT_EQ(codes().find("FIEU003"), std::string::npos);
}

}  // namespace
}  // namespace mora::testing
