#include "core/builtins.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "core/engine.h"
#include "core/variables.h"
#include "test_support.h"

namespace mora {
namespace {

using testing::ScratchDir;
using testing::TestEngine;

std::string arg(TestEngine& t, const std::string& name) {
  std::string value;
  EXPECT_TRUE(getVariable(t.engine, name, kScalarIndex, value));
  return value;
}

// Calls built-in `name` with `args` in $_0.. and returns $_r.
std::string call(TestEngine& t, std::string_view name, std::vector<std::string> args = {}) {
  for (std::size_t i = 0; i < kBuiltinArgs; ++i)
    EXPECT_TRUE(setVariable(t.engine, 0, "$_" + std::to_string(i), kScalarIndex,
                            i < args.size() ? args[i] : ""));
  EXPECT_TRUE(callBuiltin(t.engine, name)) << name;
  return arg(t, "$_r");
}

TEST(Builtins, NamesAreExactAndListedInOrder) {
  TestEngine t;
  EXPECT_TRUE(isBuiltin("printf"));
  EXPECT_FALSE(isBuiltin("Printf"));
  EXPECT_FALSE(callBuiltin(t.engine, "nosuch"));
  EXPECT_EQ(call(t, "prbuiltin"), "");
  std::string out = t.out();
  EXPECT_TRUE(out.starts_with("  1 : strupr\n  2 : strlwr\n  3 : chgfext\n")) << out;
  EXPECT_TRUE(out.ends_with(" 23 : getdepend\n 24 : htmllinkto\n")) << out;
}

TEST(Builtins, StringConversionsWriteTheirArguments) {
  TestEngine t;
  EXPECT_EQ(call(t, "strupr", {"abC1\x82\xa0"}), "ABC1\x82\xa0");
  EXPECT_EQ(arg(t, "$_0"), "ABC1\x82\xa0");
  EXPECT_EQ(call(t, "strlwr", {"AbC"}), "abc");
  EXPECT_EQ(call(t, "chgfext", {"a.b.c", "", "x"}), "a.b.x");
  EXPECT_EQ(arg(t, "$_1"), "a.b.x");
  EXPECT_EQ(call(t, "chgfext", {"abc", "", "x"}), "abc.x");
  EXPECT_EQ(call(t, "chgfext", {"../src/abc", "", "o"}), "../src/abc.o");
  EXPECT_EQ(call(t, "htmllinkto", {"p.html#f", "f"}), "<A HREF=\"p.html#f\">f</A>");
}

TEST(Builtins, ArgumentsAreCutToTheirBuffers) {
  TestEngine t;
  EXPECT_EQ(call(t, "strupr", {std::string(5000, 'a')}), std::string(kBuiltinArgSize - 1, 'A'));
}

TEST(Builtins, TimeAndDateFollowTheLocalClock) {
  TestEngine t;
  std::string time = call(t, "time");
  EXPECT_EQ(arg(t, "$_0"), time);
  ASSERT_EQ(time.size(), 8u);
  EXPECT_EQ(time[2], ':');
  std::string date = call(t, "date");
  ASSERT_EQ(date.size(), 10u);
  EXPECT_EQ(date.substr(4, 1) + date.substr(7, 1), "//");
  EXPECT_EQ(call(t, "strftime", {"%Y/%m/%d"}), date);
  EXPECT_EQ(call(t, "strftime", {std::string(200, 'x')}), "");  // longer than 127
}

TEST(Builtins, PrintfAndPutsBypassTheOutputPath) {
  TestEngine t;
  t.engine.settings.htmlFilter = true;
  t.engine.out.capturing = true;
  EXPECT_EQ(call(t, "printf", {"%s-%s\\n", "a", "b"}), "1");
  EXPECT_EQ(call(t, "puts", {"<x>"}), "1");
  EXPECT_EQ(t.out(), "a-b\n<x>\n");
  EXPECT_EQ(t.engine.out.capture, "");
  EXPECT_EQ(call(t, "sprintf", {"", "%3d|%s\\t", "7", "q"}), "1");
  EXPECT_EQ(arg(t, "$_0"), "  7|q\t");
}

TEST(Builtins, GetsReadsStandardInputLines) {
  TestEngine t("one\r\ntwo");
  EXPECT_EQ(call(t, "gets"), "1");
  EXPECT_EQ(arg(t, "$_0"), "one");
  EXPECT_EQ(call(t, "gets"), "1");
  EXPECT_EQ(arg(t, "$_0"), "two");
  EXPECT_EQ(call(t, "gets"), "");
}

TEST(Builtins, FileHandlesWriteReadAndRunOut) {
  ScratchDir dir;
  TestEngine t;
  EXPECT_EQ(call(t, "fopen", {"f.txt", "w"}), "#01");
  EXPECT_EQ(call(t, "fprintf", {"#01", "%s=%d\\n", "n", "5"}), "1");
  EXPECT_EQ(call(t, "fputs", {"tail", "#01"}), "1");
  EXPECT_EQ(call(t, "fclose", {"#01"}), "1");
  EXPECT_EQ(call(t, "fclose", {"#01"}), "");
  EXPECT_EQ(dir.read("f.txt"), "n=5\ntail");

  EXPECT_EQ(call(t, "fopen", {"f.txt", "r"}), "#02");
  EXPECT_EQ(call(t, "fgets", {"", "#02"}), "1");
  EXPECT_EQ(arg(t, "$_0"), "n=5\n");
  EXPECT_EQ(call(t, "feof", {"#02"}), "");
  EXPECT_EQ(call(t, "fgets", {"", "#02"}), "1");
  EXPECT_EQ(arg(t, "$_0"), "tail");
  EXPECT_EQ(call(t, "feof", {"#02"}), "1");
  EXPECT_EQ(call(t, "fgets", {"", "#02"}), "");
  EXPECT_EQ(call(t, "feof", {"#07"}), "1");
  EXPECT_EQ(call(t, "fgets", {"", "#07"}), "");
  EXPECT_EQ(call(t, "fopen", {"missing.txt", "r"}), "");
  EXPECT_EQ(call(t, "fopen", {"f.txt", "rw"}), "");

  for (int n = 3; n <= 10; ++n) {
    EXPECT_EQ(call(t, "fopen", {"f.txt", "r"}),
              "#" + std::string(n < 10 ? "0" : "") + std::to_string(n));
    EXPECT_EQ(call(t, "fclose", {arg(t, "$_r")}), "1");
  }
  EXPECT_EQ(call(t, "fopen", {"f.txt", "r"}), "");  // the eleventh, though all are closed
}

TEST(Builtins, FgetsSplitsLongLines) {
  ScratchDir dir;
  dir.write("long.txt", std::string(1500, 'x') + "\r\nend\n");
  TestEngine t;
  ASSERT_EQ(call(t, "fopen", {"long.txt", "r"}), "#01");
  call(t, "fgets", {"", "#01"});
  EXPECT_EQ(arg(t, "$_0"), std::string(kFgetsLineMax, 'x'));
  call(t, "fgets", {"", "#01"});
  EXPECT_EQ(arg(t, "$_0"), std::string(1500 - kFgetsLineMax, 'x') + "\n");
  call(t, "fgets", {"", "#01"});
  EXPECT_EQ(arg(t, "$_0"), "end\n");
  closeBuiltinFiles(t.engine);
  EXPECT_EQ(call(t, "feof", {"#01"}), "1");
}

TEST(Builtins, DirectoriesShellAndEval) {
  ScratchDir dir;
  TestEngine t;
  EXPECT_EQ(call(t, "mkdir", {"d"}), "1");
  EXPECT_EQ(call(t, "mkdir", {"d"}), "");
  EXPECT_EQ(call(t, "chdir", {"d"}), "1");
  EXPECT_EQ(call(t, "chdir", {""}), "1");
  EXPECT_EQ(call(t, "chdir", {".."}), "1");
  EXPECT_EQ(call(t, "rmdir", {"d"}), "1");
  EXPECT_FALSE(std::filesystem::exists(dir.path() + "/d"));
  EXPECT_EQ(call(t, "system", {"exit 0"}), "1");
  EXPECT_EQ(call(t, "system", {"exit 3"}), "");
  EXPECT_EQ(call(t, "eval", {"$e = \"done\""}), "1");
  EXPECT_EQ(arg(t, "$_0"), "");
  EXPECT_EQ(arg(t, "$e"), "done");
  EXPECT_EQ(call(t, "getdepend", {"a.c", "old"}), "");
  EXPECT_EQ(arg(t, "$_1"), "");
}

}  // namespace
}  // namespace mora
