#include "core/script_files.h"

#include <gtest/gtest.h>

#include <sstream>

#include "control_test_support.h"
#include "core/engine.h"

namespace mora {
namespace {

using testing::feed;
using testing::MemoryTestEngine;
using testing::messageCodes;
using testing::TestEngine;

TEST(ReadSection, FirstMatchingSectionWithoutRegardToCase) {
  std::istringstream in("top\n[One]\na\n[two]\nb\r\nc\n[ONE]\nd\n[x");
  std::vector<std::string> lines;
  ASSERT_TRUE(readSection(in, "TWO", lines));
  EXPECT_EQ(lines, (std::vector<std::string>{"b\n", "c\n"}));
  std::istringstream again("[a]\nlast line");
  lines.clear();
  ASSERT_TRUE(readSection(again, "a", lines));
  EXPECT_EQ(lines, (std::vector<std::string>{"last line\n"}));
  std::istringstream none("[a]\nx\n");
  EXPECT_FALSE(readSection(none, "b", lines));
}

TEST(Include, RunsEveryFileInOrder) {
  MemoryTestEngine m;
  m.fs.addFile("a.mora", "echo \"a\"\n$x = \"from a\"\n");
  m.fs.addFile("b.mora", "echo $x\n");
  TestEngine& t = m.t;
  feed(t, {"include a.mora, b.mora", "echo \"back\""});
  EXPECT_EQ(t.out(), "a\nfrom a\nback\n");
  EXPECT_EQ(t.err(), "");
}

TEST(Include, MissingFileRunsNothing) {
  MemoryTestEngine m;
  m.fs.addFile("a.mora", "echo \"a\"\n");
  TestEngine& t = m.t;
  feed(t, {"include a.mora, missing.mora"});
  EXPECT_EQ(t.out(), "");
  EXPECT_EQ(messageCodes(t.err()), "FIEC013");
}

TEST(Include, SelfIncludeEndsWithAMessage) {
  MemoryTestEngine m;
  m.fs.addFile("self.mora", "$%n = $%n + 1\ninclude self.mora\n");
  TestEngine& t = m.t;
  feed(t, {"include self.mora", "echo $%n"});
  EXPECT_EQ(t.out(), std::to_string(kMaxScriptNesting) + "\n");
  EXPECT_EQ(messageCodes(t.err()), "FIES009");
  EXPECT_EQ(t.engine.exec.scriptNesting, 0);
}

TEST(Event, RunsNamedSectionsThroughTheWorkFile) {
  MemoryTestEngine m;
  m.fs.addFile("ev1.txt", "[Start]\necho \"start 1\"\n[end]\necho \"end 1\"\n");
  m.fs.addFile("ev2.txt",
               "[start]\necho \"start 2\"\n[nested]\nevent end from ev1.txt\necho \"nested\"\n");
  TestEngine& t = m.t;
  t.engine.settings.workFile = m.fs.currentDirectory() + "/work.tmp";
  feed(t, {"event start, END from ev1.txt, ev2.txt", "on nested from ev2.txt",
           "on none from ev1.txt"});
  EXPECT_EQ(t.out(), "start 1\nend 1\nstart 2\nend 1\nnested\n");
  EXPECT_EQ(t.err(), "");
  EXPECT_EQ(m.fs.listDirectory("."), (std::vector<std::string>{"ev1.txt", "ev2.txt"}));
}

TEST(Event, Errors) {
  MemoryTestEngine m;
  TestEngine& t = m.t;
  t.engine.settings.workFile = m.fs.currentDirectory() + "/work.tmp";
  feed(t, {"event start", "event from x.txt", "event start from missing.txt"});
  EXPECT_EQ(messageCodes(t.err()), "FIEU003 FIEU001 FIES001");
  m.fs.addFile("ev.txt", "[a]\necho \"a\"\n");
  t.engine.settings.workFile = m.fs.currentDirectory() + "/no/such/dir/work.tmp";
  feed(t, {"event a from ev.txt"});
  EXPECT_EQ(messageCodes(t.err()), "FIEU003 FIEU001 FIES001 FIES001");
}

}  // namespace
}  // namespace mora
