#include "core/help.h"

#include <gtest/gtest.h>

#include "control_test_support.h"
#include "core/engine.h"

namespace mora {
namespace {

using testing::feed;
using testing::messageCodes;
using testing::ScratchDir;
using testing::TestEngine;

class HelpTest : public ::testing::Test {
 protected:
  HelpTest() {
    dir.write("help.hl",
              "[if]\nif (c)\n  branch\n[While]\nwhile (c)\n[end]\n" + std::string(300, 'x') + "\n");
    t.engine.settings.helpPath = dir.path() + "/help.hl";
  }
  ScratchDir dir;
  TestEngine t;
};

TEST_F(HelpTest, PrintsTheTopicWithoutRegardToCase) {
  feed(t, {"help IF", "help while   "});
  EXPECT_EQ(t.out(), "if (c)\n  branch\nwhile (c)\n");
  EXPECT_EQ(t.err(), "");
}

TEST_F(HelpTest, WholeFileAndLongLines) {
  feed(t, {"help"});
  // A line longer than a help line is read in pieces and printed unchanged.
  EXPECT_EQ(t.out(),
            "[if]\nif (c)\n  branch\n[While]\nwhile (c)\n[end]\n" + std::string(300, 'x') + "\n");
}

TEST_F(HelpTest, UnknownTopicAndMissingFile) {
  feed(t, {"help nothing"});
  t.engine.settings.helpPath = dir.path() + "/none.hl";
  feed(t, {"help if"});
  EXPECT_EQ(messageCodes(t.err()), "FIES005 FIES002");
  EXPECT_NE(t.err().find("none.hl"), std::string::npos);
}

TEST(HelpFile, ShippedFileHasAllControlTopics) {
  TestEngine t;
  for (const char* topic :
       {"if", "elsif", "else", "while", "for", "break", "goto", "function", "func", "call",
        "return", "include", "event", "on", "whenever", "debug", "help"})
    feed(t, {std::string("help ") + topic});
  EXPECT_EQ(t.err(), "");
}

}  // namespace
}  // namespace mora
