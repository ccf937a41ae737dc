#include "core/variables.h"

#include "core/dispatch.h"
#include "values_test_fixture.h"

namespace mora::testing {
namespace {

using VariablesTest = ValuesTest;

TEST_F(VariablesTest, PredefinedVariables) {
  EXPECT_EQ(get("$version"), "MORA Version 0.11-30 ");
  EXPECT_EQ(get("$result"), "1");
  EXPECT_EQ(get("$_t"), "1");
  EXPECT_EQ(get("$_f"), "");
  EXPECT_EQ(get("$_e"), "-1");
  EXPECT_EQ(get("$_s"), "\"");
  for (char k = '0'; k <= '9'; ++k) EXPECT_EQ(get(std::string("$_") + k), "");
  EXPECT_EQ(e.vars.levels[0].scalarNames.size(), 18u);
}

TEST_F(VariablesTest, ReadingAnUnsetVariableDefinesItGlobally) {
  e.exec.depth = 3;
  EXPECT_EQ(get("$never_set"), "");
  EXPECT_EQ(e.vars.levels[0].scalarIndex.count("$never_set"), 1u);
  EXPECT_EQ(e.vars.levels[3].scalarIndex.count("$never_set"), 0u);
  // Defined as a scalar, so it cannot become an array afterwards.
  EXPECT_FALSE(setVariable(e, 0, "$never_set", 0, "x"));
  EXPECT_EQ(codes(), "FIEU027");
}

TEST_F(VariablesTest, ScalarsAndArrays) {
  EXPECT_TRUE(setVariable(e, 0, "$s", kScalarIndex, "v"));
  EXPECT_TRUE(setVariable(e, 0, "$s", kScalarIndex, "w"));
  EXPECT_EQ(get("$s"), "w");
  std::string value;
  EXPECT_FALSE(getVariable(e, "$s", 0, value));

  // An index on a new name makes an array with empty elements before it.
  EXPECT_TRUE(setVariable(e, 0, "$a", 3, "x"));
  EXPECT_EQ(get("$a"), "\n\n\nx");
  EXPECT_EQ(get("$a", 3), "x");
  EXPECT_EQ(get("$a", 7), "");
  EXPECT_TRUE(setVariable(e, 0, "$a", kAppendIndex, "y"));
  EXPECT_EQ(get("$a", 4), "y");
  EXPECT_TRUE(setVariable(e, 0, "$a", 6, "z"));
  EXPECT_EQ(get("$a"), "\n\n\nx\ny\n\nz");
  // A scalar store into an array leaves one element.
  EXPECT_TRUE(setVariable(e, 0, "$a", kScalarIndex, "only"));
  EXPECT_EQ(get("$a"), "only");
  EXPECT_EQ(get("$a", 0), "only");
  EXPECT_EQ(codes(), "FIEU027");
}

TEST_F(VariablesTest, NamesAreCaseSensitive) {
  ASSERT_TRUE(setVariable(e, 0, "$Name", kScalarIndex, "upper"));
  EXPECT_EQ(get("$name"), "");
  EXPECT_EQ(get("$Name"), "upper");
}

TEST_F(VariablesTest, ScalarAndArrayOfOneNameOnOneLevel) {
  // Only reachable by filling the tables directly; the store itself never
  // makes both.
  VariableLevel& level = e.vars.levels[0];
  level.scalarIndex.emplace("$both", level.scalarNames.size());
  level.scalarNames.push_back("$both");
  level.scalarValues.push_back("");
  level.arrayIndex.emplace("$both", 0);
  level.arrayNames.push_back("$both");
  level.arrays.emplace_back();
  EXPECT_FALSE(setVariable(e, 0, "$both", kScalarIndex, "x"));
  std::string value;
  EXPECT_FALSE(getVariable(e, "$both", kScalarIndex, value));
  EXPECT_EQ(codes(), "FIEX001 FIEX001");
}

TEST_F(VariablesTest, ArrayLimits) {
  for (int i = 0; i < 1024; ++i) ASSERT_TRUE(setVariable(e, 0, "$arr" + std::to_string(i), 0, "x"));
  EXPECT_FALSE(setVariable(e, 0, "$one_too_many", 0, "x"));
  EXPECT_FALSE(setVariable(e, 0, "$arr0", static_cast<long>(kMaxArrayElements), "x"));
  EXPECT_EQ(codes(), "FIES004 FIES004");
  EXPECT_EQ(get("$arr0"), "x");
}

TEST_F(VariablesTest, UndeclaredNamesAreGlobalInsideBlocks) {
  e.exec.depth = 2;
  clearLevel(e, 2);
  EXPECT_TRUE(setVariable(e, 2, "$u", kScalarIndex, "1"));
  e.exec.depth = 0;
  EXPECT_EQ(get("$u"), "1");
}

TEST_F(VariablesTest, LocalDeclarationsScopeABlock) {
  ASSERT_TRUE(setVariable(e, 0, "$t", kScalarIndex, "outer"));
  // { var $t; $t = "inner" ... }
  e.exec.depth = 1;
  clearLevel(e, 1);
  ASSERT_TRUE(cmdVar(e, "$t"));
  EXPECT_EQ(e.vars.localDeclarations, std::vector<std::string>{"$t 1"});
  EXPECT_TRUE(setVariable(e, 1, "$t", kScalarIndex, "inner"));
  EXPECT_EQ(get("$t"), "inner");
  // A nested block without its own declaration writes the level-1 variable.
  e.exec.depth = 2;
  clearLevel(e, 2);
  EXPECT_TRUE(setVariable(e, 2, "$t", kScalarIndex, "nested"));
  EXPECT_EQ(e.vars.levels[1].scalarValues.back(), "nested");
  EXPECT_EQ(get("$t"), "nested");
  e.exec.depth = 1;
  dropLocalsAbove(e, 1);
  EXPECT_EQ(get("$t"), "nested");
  // } closes the declaring block.
  e.exec.depth = 0;
  dropLocalsAbove(e, 0);
  EXPECT_TRUE(e.vars.localDeclarations.empty());
  EXPECT_EQ(get("$t"), "outer");
  EXPECT_TRUE(setVariable(e, 0, "$t", kScalarIndex, "global"));
  EXPECT_EQ(get("$t"), "global");
  // The next block at level 1 starts empty.
  e.exec.depth = 1;
  clearLevel(e, 1);
  EXPECT_EQ(e.vars.levels[1].scalarNames.size(), 0u);
}

TEST_F(VariablesTest, DeclarationAboveTheDepthIsIgnored) {
  declareLocal(e, "$d", 3);
  e.exec.depth = 2;
  EXPECT_EQ(levelForName(e, "$d", 2), 0);
  e.exec.depth = 3;
  EXPECT_EQ(levelForName(e, "$d", 3), 3);
  EXPECT_EQ(levelForName(e, "$d", 1), 1);  // capped by the requested level
  declareLocal(e, "$_g", 3);
  EXPECT_EQ(levelForName(e, "$_g", 3), 0);
  // A repeated declaration adds nothing.
  declareLocal(e, "$d", 3);
  EXPECT_EQ(e.vars.localDeclarations.size(), 2u);
}

TEST_F(VariablesTest, GlobalNamesIgnoreBlockLevels) {
  e.exec.depth = 1;
  clearLevel(e, 1);
  ASSERT_TRUE(cmdVar(e, "$_r"));
  EXPECT_TRUE(setVariable(e, 1, "$_r", kScalarIndex, "res"));
  e.exec.depth = 0;
  dropLocalsAbove(e, 0);
  EXPECT_EQ(get("$_r"), "res");
}

TEST_F(VariablesTest, VarCommandSyntax) {
  e.exec.depth = 1;
  EXPECT_TRUE(cmdVar(e, "$a, $b  $c,$d"));
  EXPECT_EQ(e.vars.localDeclarations.size(), 4u);
  EXPECT_EQ(e.vars.localDeclarations[3], "$d 1");
  EXPECT_FALSE(cmdVar(e, "a"));
  EXPECT_FALSE(cmdVar(e, ""));
  EXPECT_FALSE(cmdVar(e, "$x, y"));
  EXPECT_FALSE(cmdVar(e, "$x[1]"));
  EXPECT_EQ(codes(), "FIEU003 FIEU003 FIEU012 FIEU012");
  // A failing statement declares nothing.
  EXPECT_EQ(e.vars.localDeclarations.size(), 4u);
  EXPECT_NE(messages().find("Invalid operand: y"), std::string::npos);
}

TEST_F(VariablesTest, VarIsACommand) {
  e.exec.depth = 2;
  EXPECT_EQ(dispatchCommand(e, "var $local"), static_cast<int>(Token::Var));
  EXPECT_EQ(e.vars.localDeclarations, std::vector<std::string>{"$local 2"});
}

TEST_F(VariablesTest, ManyVariablesStayFast) {
  // 200000 names: a linear search per lookup would take minutes.
  for (int i = 0; i < 200000; ++i)
    ASSERT_TRUE(setVariable(e, 0, "$v" + std::to_string(i), kScalarIndex, std::to_string(i)));
  for (int i = 0; i < 200000; i += 997) EXPECT_EQ(get("$v" + std::to_string(i)), std::to_string(i));
}

}  // namespace
}  // namespace mora::testing
