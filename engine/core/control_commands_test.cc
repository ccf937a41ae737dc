#include "core/control_commands.h"

#include <gtest/gtest.h>

#include "control_test_support.h"
#include "core/engine.h"

namespace mora {
namespace {

using testing::feed;
using testing::messageCodes;
using testing::runScript;
using testing::TestEngine;

TEST(Whenever, ErrorHandlerFiresOnceAtTheNextMessage) {
  auto r = runScript("whenever error echo \"handled\"\necho \"ok\"\nfoo\nbar\necho \"end\"\n");
  EXPECT_EQ(r.out, "ok\nhandled\nend\n");
  EXPECT_EQ(messageCodes(r.err), "FIEU002 FIEU002");
}

TEST(Whenever, ExitHandlerRunsBeforeTheExit) {
  auto r = runScript("whenever exit echo \"bye\"\nexit 3\necho \"not reached\"\n");
  EXPECT_EQ(r.out, "bye\n");
  EXPECT_EQ(r.code, 3);
}

TEST(Whenever, Errors) {
  TestEngine t;
  feed(t, {"whenever", "whenever nothing echo 1", "whenever from echo 1",
           "whenever error whenever exit bye"});
  // A missing keyword is a word that is no keyword.
  EXPECT_EQ(messageCodes(t.err()), "FIEU005 FIEU005 FIEU012 FIEU013");
  // Stored anyway, and armed after its own message.
  EXPECT_TRUE(t.engine.messages.wheneverErrorArmed);
  EXPECT_EQ(t.engine.messages.wheneverError, "whenever exit bye");
}

TEST(Debug, PrintsTheInternalLists) {
  TestEngine t;
  t.engine.settings.codeStore = true;
  feed(t, {"func f()", "{", "}", "func g()", "{", "}", ":lab", "{", "var $v", "debug function",
           "debug var", "debug label", "}"});
  EXPECT_EQ(t.out(), "f\ng\n$v 1\nlab 6\n");
  t.outStream.str("");
  feed(t, {"debug code"});
  EXPECT_EQ(t.out().substr(0, 9), "func f()\n");
  EXPECT_EQ(t.out().substr(t.out().size() - 11), "debug code\n");
  EXPECT_EQ(t.err(), "");
}

TEST(Debug, Errors) {
  TestEngine t;
  feed(t, {"debug", "debug nothing", "debug from", "debug var x", "debug function none"});
  EXPECT_EQ(messageCodes(t.err()), "FIEU005 FIEU005 FIEU012 FIEU005 FIEC019");
}

}  // namespace
}  // namespace mora
