#include "core/staging.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "core/engine.h"
#include "core/limits.h"
#include "core/messages.h"
#include "test_support.h"

namespace mora {
namespace {

using testing::ScratchDir;
using testing::TestEngine;

bool anyWorkCopies(const std::string& dir) {
  for (const auto& entry : std::filesystem::directory_iterator(dir))
    if (entry.path().filename().string().rfind("sbt", 0) == 0) return true;
  return false;
}

void writeThrough(Engine& e, const std::string& name, const std::string& text) {
  std::ofstream(openPathForWrite(e, name), std::ios::binary) << text;
  ASSERT_TRUE(finishWrite(e, name));
}

TEST(Staging, RegisteringMakesNumberedCopiesOncePerFile) {
  ScratchDir dir;
  dir.write("a.c", "A");
  dir.write("b.c", "B");
  TestEngine t;
  Engine& e = t.engine;
  ASSERT_TRUE(registerStagedFile(e, "a.c"));
  ASSERT_TRUE(registerStagedFile(e, "./a.c"));  // the same file
  ASSERT_TRUE(registerStagedFile(e, "b.c"));
  ASSERT_TRUE(registerStagedFile(e, "new.c"));  // created empty
  EXPECT_EQ(e.staging.files.size(), 3u);
  EXPECT_EQ(dir.read("sbt00000.src"), "A");
  EXPECT_EQ(dir.read("sbt00001.dst"), "B");
  EXPECT_EQ(dir.read("new.c"), "");
  EXPECT_EQ(openPathForRead(e, "b.c"), dir.path() + "/sbt00001.src");
  EXPECT_EQ(openPathForWrite(e, "b.c"), dir.path() + "/sbt00001.dst");
  EXPECT_EQ(openPathForRead(e, "other.c"), "other.c");
  EXPECT_FALSE(registerStagedFile(e, "sbt00000.src"));  // a copy is no real file
  EXPECT_FALSE(registerStagedFile(e, "."));
}

TEST(Staging, WritesThroughTheOpenerReachReadsButNotTheRealFile) {
  ScratchDir dir;
  dir.write("a.c", "old");
  TestEngine t;
  ASSERT_TRUE(registerStagedFile(t.engine, "a.c"));
  writeThrough(t.engine, "a.c", "new");
  std::ifstream staged(openPathForRead(t.engine, "a.c"));
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(staged), {}), "new");
  EXPECT_EQ(dir.read("a.c"), "old");
  discardStagedFiles(t.engine);
  EXPECT_EQ(dir.read("a.c"), "old");
  EXPECT_FALSE(anyWorkCopies(dir.path()));
  EXPECT_EQ(openPathForRead(t.engine, "a.c"), "a.c");
}

TEST(Staging, CommitWritesBackToTheRightFilesAfterAChangeOfDirectory) {
  ScratchDir dir;
  ::mkdir("elsewhere", 0777);
  dir.write("a.c", "old");
  ::chmod((dir.path() + "/a.c").c_str(), 0751);
  TestEngine t;
  ASSERT_TRUE(registerStagedFile(t.engine, "a.c"));
  writeThrough(t.engine, "a.c", "new");
  ASSERT_TRUE(t.engine.platform.changeDirectory("elsewhere"));
  EXPECT_TRUE(commitStagedFiles(t.engine));
  EXPECT_EQ(dir.read("a.c"), "new");
  struct stat st;
  ASSERT_EQ(::stat((dir.path() + "/a.c").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0751u);
  EXPECT_FALSE(anyWorkCopies(dir.path()));
  EXPECT_FALSE(anyWorkCopies(dir.path() + "/elsewhere"));
}

// A real file replaced by a directory cannot be written back, not even by
// root: the commit stops there. Files before it are wholly new, the rest
// wholly old, and no copy is left behind.
TEST(Staging, FailedCommitLeavesEachFileWholeAndRemovesTheCopies) {
  ScratchDir dir;
  for (const char* name : {"1.c", "2.c", "3.c"}) dir.write(name, std::string("old ") + name);
  TestEngine t;
  for (const char* name : {"1.c", "2.c", "3.c"}) {
    ASSERT_TRUE(registerStagedFile(t.engine, name));
    writeThrough(t.engine, name, std::string("new ") + name);
  }
  std::filesystem::remove(dir.path() + "/2.c");
  ::mkdir("2.c", 0777);
  EXPECT_FALSE(commitStagedFiles(t.engine));
  EXPECT_NE(t.err().find("FIEC011"), std::string::npos);
  EXPECT_EQ(t.engine.messages.errorCount, 1);
  EXPECT_EQ(dir.read("1.c"), "new 1.c");
  EXPECT_TRUE(std::filesystem::is_directory(dir.path() + "/2.c"));
  EXPECT_EQ(dir.read("3.c"), "old 3.c");
  EXPECT_FALSE(anyWorkCopies(dir.path()));
  EXPECT_TRUE(t.engine.staging.files.empty());
  EXPECT_TRUE(commitStagedFiles(t.engine));  // nothing left to commit
}

TEST(Staging, ErrorLimitDiscardsInsteadOfCommitting) {
  ScratchDir dir;
  dir.write("a.c", "old");
  TestEngine t;
  ASSERT_TRUE(registerStagedFile(t.engine, "a.c"));
  writeThrough(t.engine, "a.c", "new");
  t.engine.messages.errorCount = kErrorLimit - 1;
  EXPECT_THROW(raiseMessage(t.engine, "FIEU005", "x"), EngineExit);
  EXPECT_EQ(dir.read("a.c"), "old");
  EXPECT_FALSE(anyWorkCopies(dir.path()));
}

TEST(StagingCommands, ExitCommitsAndResetDiscards) {
  ScratchDir dir;
  dir.write("a.c", "len\n");
  dir.write("b.c", "len\n");
  dir.write("s1.mora", "define \"len\" as \"size\" on a.c\n");
  dir.write("s2.mora", "define \"len\" as \"size\" on b.c\nreset\n");
  dir.write("s3.mora", "define \"len\" as \"n\" on b.c\ndone x\ndone\nexit 3\n");
  auto run = [](const char* script) {
    return testing::runMora({"-vd1", "-nd", "-nh", "-f", script});
  };
  auto r1 = run("s1.mora");
  EXPECT_EQ(r1.code, 0);
  EXPECT_EQ(r1.err, "");
  EXPECT_EQ(dir.read("a.c"), "size\n");
  auto r2 = run("s2.mora");
  EXPECT_EQ(r2.err, "");
  EXPECT_EQ(dir.read("b.c"), "len\n");
  auto r3 = run("s3.mora");
  EXPECT_EQ(r3.code, 3);
  EXPECT_NE(r3.err.find("FIEU005"), std::string::npos) << r3.err;
  EXPECT_EQ(dir.read("b.c"), "n\n");
  EXPECT_FALSE(anyWorkCopies(dir.path()));
}

}  // namespace
}  // namespace mora
