#include "core/nesting_budget.h"

#include <gtest/gtest.h>

#include <string>

#include "core/limits.h"
#include "test_support.h"

namespace mora {
namespace {

using testing::messageCodes;
using testing::runScript;

// Each chain ends with exactly one message, the statement after it runs,
// and the budget is whole again for the next chain.
TEST(NestingBudget, EveryKindOfChainEndsWithOneMessageAndTheRunGoesOn) {
  struct Case {
    const char* name;
    const char* script;
    const char* codes;
  } cases[] = {
      {"eval of itself", "$s = \"call eval($s)\"\ncall eval($s)\n", "FIEC018"},
      {"function with an inner block",
       "function f($x) {\n{\n}\n$r = $f(\"a\")\n}\n$r = $f(\"a\")\n", "FIEC018"},
      {"call inside parentheses",
       "function f($x) {\n{\n}\nif ((($f(\"a\") == 1))) {\n}\n}\n$r = $f(\"a\")\n", "FIEC018"},
      {"function calling itself twice per level",
       "function f($x) {\n$a = $f(\"a\")\n$b = $f(\"b\")\n}\n$r = $f(\"a\")\n", "FIEC018"},
      {"script that includes itself", "include script.mora\n", "FIES009"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto r = runScript("function g($x) {\necho $x\n}\n" + std::string(c.script) +
                       "echo \"after\"\n$%k = (((2 + 3)))\ncall g($%k)\n");
    EXPECT_EQ(messageCodes(r.err), c.codes);
    EXPECT_NE(r.out.find("after\n"), std::string::npos);
    EXPECT_NE(r.out.find("5\n"), std::string::npos);
    EXPECT_EQ(r.code, 0);
  }
}

// Parentheses nested past the budget inside one expression (a text built
// at run time, so longer than any script line) fail that statement only;
// the same text a little shallower evaluates.
TEST(NestingBudget, DeepParenthesesFailTheStatementOnce) {
  static_assert(kMaxNesting < 500, "the deep text below must exceed the budget");
  const std::string build =
      "$o = \"((((((((((\"\n$c = \"))))))))))\"\n"
      "$o = $o + $o + $o + $o + $o\n$c = $c + $c + $c + $c + $c\n"  // 50 each
      "$p = $o + $o + $o + $o + $o + $o + $o + $o + $o + $o\n"      // 500
      "$q = $c + $c + $c + $c + $c + $c + $c + $c + $c + $c\n";
  auto r = runScript(build +
                     "$s = \"$%x = \" + $o + \"7\" + $c + \"; echo $%x\"\ncall eval($s)\n"
                     "$s = \"$%y = \" + $p + \"2\" + $q + \"; echo $%y\"\ncall eval($s)\n"
                     "echo \"after\"\n");
  EXPECT_EQ(messageCodes(r.err), "FIEC018");
  EXPECT_EQ(r.out, "7\nafter\n");
}

}  // namespace
}  // namespace mora
