#include "core/messages.h"

#include <gtest/gtest.h>

#include "core/engine.h"
#include "test_support.h"

namespace mora {
namespace {

using testing::MemoryTestEngine;
using testing::TestEngine;

TEST(MessageText, EachAtRunStartingWithThreeAtsBecomesTheArgument) {
  EXPECT_EQ(formatMessageText("Unknown @@@ here", "foo"), "Unknown foo here");
  EXPECT_EQ(formatMessageText("a @@@@@@ b @@@", "x"), "a x b x");
  EXPECT_EQ(formatMessageText("two @@ stay", "x"), "two @@ stay");
  EXPECT_EQ(formatMessageText("stop at line feed\nrest", "x"), "stop at line feed");
}

TEST(MessageLookup, KeyMustMatchExactlyAndFirstMatchWins) {
  MemoryTestEngine m;
  m.fs.addFile("cat.msg",
               "no comma line\n"
               "FIEU0021,longer key\n"
               "fieu002,wrong case\n"
               "FIEU002,first @@@\n"
               "FIEU002,second\n");
  TestEngine& t = m.t;
  std::string text;
  EXPECT_EQ(lookupMessage(t.engine, m.fs.currentDirectory() + "/cat.msg", "FIEU002", "foo", text),
            LookupResult::Found);
  EXPECT_EQ(text, "first foo");
  EXPECT_EQ(lookupMessage(t.engine, m.fs.currentDirectory() + "/cat.msg", "FIEU003", "", text),
            LookupResult::NotFound);
  EXPECT_EQ(text, "");
  EXPECT_EQ(lookupMessage(t.engine, m.fs.currentDirectory() + "/none.msg", "FIEU002", "", text),
            LookupResult::NoCatalogue);
}

TEST(RaiseMessage, PrintsCodeAndTextAndCounts) {
  TestEngine t;
  raiseMessage(t.engine, "FIEU002", "foo");
  EXPECT_EQ(t.err(), "  FIEU002 : Unknown command: foo (help alone lists the commands)\n");
  EXPECT_EQ(t.engine.messages.errorCount, 1);
}

TEST(RaiseMessage, MissingCatalogueAndUnknownCode) {
  TestEngine t;
  raiseMessage(t.engine, "FIEU999");
  t.engine.settings.cataloguePath = "/nonexistent/mora.msg";
  raiseMessage(t.engine, "FIEU002", "x");
  EXPECT_EQ(t.err(), "  FIEU999 : \n  FIEU002 : Message not Found.\n");
}

TEST(RaiseMessage, ScriptPrefixNeedsScriptInputAndReadLine) {
  TestEngine t;
  t.engine.settings.prefixMode = PrefixMode::WithScriptName;
  t.engine.settings.scriptFile = "s.mora";
  t.engine.reader.lineNumber = 4;
  raiseMessage(t.engine, "FIEU002", "a");  // main input is standard input
  t.engine.reader.mainInputIsStdin = false;
  raiseMessage(t.engine, "FIEU002", "b");  // no line read yet
  t.engine.reader.lineRead = true;
  raiseMessage(t.engine, "FIEU002", "c");
  t.engine.settings.messagesToStdout = true;
  raiseMessage(t.engine, "FIEU002", "d");
  EXPECT_EQ(t.err(),
            "  FIEU002 : Unknown command: a (help alone lists the commands)\n"
            "  FIEU002 : Unknown command: b (help alone lists the commands)\n"
            "s.mora(4) : FIEU002 : Unknown command: c (help alone lists the commands)\n");
  EXPECT_EQ(t.out(), "s.mora(4) : FIEU002 : Unknown command: d (help alone lists the commands)\n");
}

TEST(RaiseMessage, FilteredWarningCountsButFiresNoHandler) {
  TestEngine t;
  t.engine.settings.warning = false;
  t.engine.messages.wheneverError = "exit 3";
  t.engine.messages.wheneverErrorArmed = true;
  raiseMessage(t.engine, "FIEI001", "f");
  EXPECT_EQ(t.err(), "");
  EXPECT_EQ(t.engine.messages.errorCount, 1);
  EXPECT_TRUE(t.engine.messages.wheneverErrorArmed);
  raiseMessage(t.engine, "FIEU002", "g");  // not a warning: prints and fires once
  EXPECT_FALSE(t.engine.messages.wheneverErrorArmed);
  ASSERT_TRUE(t.engine.reader.pendingLine.has_value());
  EXPECT_EQ(*t.engine.reader.pendingLine, "exit 3");
}

TEST(RaiseMessage, ErrorDisplayOffStillFiresHandlerAndLimit) {
  TestEngine t;
  t.engine.settings.error = false;
  t.engine.messages.wheneverError = "h";
  t.engine.messages.wheneverErrorArmed = true;
  raiseMessage(t.engine, "FIEU002", "x");
  EXPECT_EQ(t.err(), "");
  EXPECT_FALSE(t.engine.messages.wheneverErrorArmed);
}

TEST(RaiseMessage, ErrorLimitEndsTheRunWithCodeOne) {
  TestEngine t;
  t.engine.settings.error = false;  // keep the run quiet; the limit still applies
  for (int i = 1; i < kErrorLimit; ++i) raiseMessage(t.engine, "FIEU002", "x");
  EXPECT_EQ(t.engine.messages.errorCount, kErrorLimit - 1);
  try {
    raiseMessage(t.engine, "FIEU002", "x");
    FAIL() << "the 9999th message must end the run";
  } catch (const EngineExit& exit) {
    EXPECT_EQ(exit.code, 1);
  }
}

}  // namespace
}  // namespace mora
