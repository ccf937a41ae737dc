#include "core/dispatch.h"

#include <gtest/gtest.h>

#include "core/keywords.h"
#include "test_support.h"

namespace mora {
namespace {

using testing::TestEngine;

TEST(Keywords, TableOrderAndCaseInsensitiveLookup) {
  EXPECT_EQ(kKeywordWords.front(), "exit");
  EXPECT_EQ(kKeywordWords.back(), "continue");
  EXPECT_EQ(lookupKeyword("FTree"), Token::Ftree);
  EXPECT_EQ(keywordWord(Token::Htmlfilter), "htmlfilter");
  EXPECT_FALSE(lookupKeyword("ftre").has_value());
  EXPECT_FALSE(lookupKeyword("").has_value());
}

TEST(TruthWords, OnlyStandaloneWordsAreReplacedKeepingLength) {
  std::string s = "if (true && x_false && $false && false) null eof \"true\" truex";
  replaceTruthWords(s);
  EXPECT_EQ(s, "if ($_t  && x_false && $false && $_f  ) $_n  $_e \"$_t \" truex");
}

TEST(Dispatch, UnknownWordsAndReservedWordsRaiseFieu002) {
  TestEngine t;
  EXPECT_EQ(dispatchCommand(t.engine, "frobnicate now"), 0);
  EXPECT_EQ(dispatchCommand(t.engine, "endif"), 0);
  EXPECT_EQ(dispatchCommand(t.engine, "true"), 0);
  EXPECT_EQ(dispatchCommand(t.engine, "+++"), 0);
  EXPECT_EQ(t.err(),
            "  FIEU002 : Unknown command: frobnicate (help alone lists the commands)\n"
            "  FIEU002 : Unknown command: endif (help alone lists the commands)\n"
            "  FIEU002 : Unknown command: $_t  (help alone lists the commands)\n"
            "  FIEU002 : Unknown command: +++ (help alone lists the commands)\n");
}

TEST(Dispatch, CommandResultAndShellEscape) {
  TestEngine t;
  EXPECT_EQ(dispatchCommand(t.engine, "create help"), static_cast<int>(Token::Create));
  EXPECT_EQ(dispatchCommand(t.engine, "create nonsense"), -1);
  EXPECT_EQ(dispatchCommand(t.engine, "!true"), kShellEscapeResult);
  EXPECT_EQ(dispatchCommand(t.engine, "!"), kShellEscapeResult);
}

}  // namespace
}  // namespace mora
