#include "core/help.h"

#include <gtest/gtest.h>

#include "control_test_support.h"
#include "core/builtins.h"
#include "core/dispatch.h"
#include "core/engine.h"
#include "core/keywords.h"
#include "core/set_command.h"
#include "core/text.h"

namespace mora {
namespace {

using testing::feed;
using testing::MemoryTestEngine;
using testing::messageCodes;
using testing::TestEngine;

class HelpTest : public ::testing::Test {
 protected:
  HelpTest() {
    m.fs.addFile("help.hl", "[if]\nif (c)\n  branch\n[While]\nwhile (c)\n[end]\n" +
                                std::string(300, 'x') + "\n");
    t.engine.settings.helpPath = m.fs.currentDirectory() + "/help.hl";
  }
  MemoryTestEngine m;
  TestEngine& t = m.t;
};

TEST_F(HelpTest, PrintsTheTopicWithoutRegardToCase) {
  feed(t, {"help IF", "help while   "});
  EXPECT_EQ(t.out(), "if (c)\n  branch\nwhile (c)\n");
  EXPECT_EQ(t.err(), "");
}

TEST_F(HelpTest, LongLinesPrintUnchanged) {
  // A line longer than a help line is read in pieces; its tail starting
  // with "[" is no header.
  m.fs.addFile("help.hl", "[long]\n" + std::string(300, 'x') + "[tail]\n[next]\n");
  feed(t, {"help long"});
  EXPECT_EQ(t.out(), std::string(300, 'x') + "[tail]\n");
}

TEST_F(HelpTest, WithoutTopicListsPreambleAndTopics) {
  m.fs.addFile("help.hl", "Intro line\n[a]\ntext [b]\n[set with file]\n[c]\n");
  feed(t, {"help"});
  EXPECT_EQ(t.out(), "Intro line\n  a, set with file, c\n");
  EXPECT_EQ(t.err(), "");
}

TEST_F(HelpTest, TopicListWrapsAndHonoursEcho) {
  std::string file;
  for (int i = 0; i < 12; ++i) file += "[topic" + std::to_string(i) + "]\n";
  m.fs.addFile("help.hl", file);
  feed(t, {"help", "set echo off", "help"});
  EXPECT_EQ(t.out(),
            "  topic0, topic1, topic2, topic3, topic4, topic5, topic6, topic7, topic8,\n"
            "  topic9, topic10, topic11\n");
}

TEST_F(HelpTest, UnknownTopicAndMissingFile) {
  feed(t, {"help nothing"});
  t.engine.settings.helpPath = m.fs.currentDirectory() + "/none.hl";
  feed(t, {"help if"});
  EXPECT_EQ(messageCodes(t.err()), "FIES005 FIES002");
  EXPECT_NE(t.err().find("none.hl"), std::string::npos);
}

// Runs `help topic` on the shipped file; true when it printed text.
bool hasTopic(const std::string& topic) {
  TestEngine t;
  feed(t, {"help " + topic});
  return t.err().empty() && !trim(t.out()).empty();
}

TEST(HelpFile, EveryCommandHasATopic) {
  std::size_t commands = 0;
  for (std::size_t i = 0; i < kKeywordCount; ++i) {
    std::string_view topic = commandTopic(static_cast<Token>(i));
    if (topic.empty()) continue;
    ++commands;
    EXPECT_TRUE(hasTopic(std::string(topic))) << topic;
  }
  EXPECT_GT(commands, 50u);
}

// Commands that other parts of the engine add as they grow: their topics
// are there before them.
TEST(HelpFile, CommandsStillToComeHaveTopics) {
  for (const char* word : {"load", "unload", "deflist", "itree", "check", "action"})
    EXPECT_TRUE(hasTopic(word)) << word;
}

TEST(HelpFile, EverySettingAndBuiltinHasATopic) {
  for (const std::string& name : settingNames()) EXPECT_TRUE(hasTopic("set " + name)) << name;
  for (std::string_view name : builtinNames()) EXPECT_TRUE(hasTopic(std::string(name))) << name;
}

TEST(HelpFile, GuideTopicsExist) {
  for (const char* topic : {"intro", "options", "files", "script", "variables", "html", "builtins"})
    EXPECT_TRUE(hasTopic(topic)) << topic;
}

// The intro promises a first run of five command lines.
TEST(HelpFile, IntroShowsAFirstRunOfFiveLines) {
  TestEngine t;
  feed(t, {"help intro"});
  std::size_t runs = 0;
  for (std::size_t at = t.out().find("  mora -vd1"); at != std::string::npos;
       at = t.out().find("  mora -vd1", at + 1))
    ++runs;
  EXPECT_EQ(runs, 5u);
}

}  // namespace
}  // namespace mora
