#include "core/staging.h"

#include <gtest/gtest.h>

#include <iterator>

#include "core/engine.h"
#include "core/limits.h"
#include "core/messages.h"
#include "core/text.h"
#include "test_support.h"

namespace mora {
namespace {

using testing::MemoryTestEngine;
using Failure = MemoryPlatform::Failure;

bool anyWorkCopies(const MemoryPlatform& fs, const std::string& dir) {
  for (const auto& path : fs.filesUnder(dir))
    if (path.rfind(dir + "/sbt", 0) == 0) return true;
  return false;
}

void writeThrough(Engine& e, const std::string& name, const std::string& text) {
  {
    auto out = e.platform.openStream(openPathForWrite(e, name), std::ios::out | std::ios::binary);
    ASSERT_NE(out, nullptr);
    *out << text;
  }
  ASSERT_TRUE(finishWrite(e, name));
}

// Three staged files with new text, each "old N.c" on the disk.
void stageThree(MemoryTestEngine& m) {
  for (const char* name : {"1.c", "2.c", "3.c"}) {
    m.fs.addFile(name, std::string("old ") + name);
    ASSERT_TRUE(registerStagedFile(m.engine(), name));
    writeThrough(m.engine(), name, std::string("new ") + name);
  }
}

TEST(Staging, RegisteringMakesNumberedCopiesOncePerFile) {
  MemoryTestEngine m;
  m.fs.addFile("a.c", "A");
  m.fs.addFile("b.c", "B");
  Engine& e = m.engine();
  ASSERT_TRUE(registerStagedFile(e, "a.c"));
  ASSERT_TRUE(registerStagedFile(e, "./a.c"));  // the same file
  ASSERT_TRUE(registerStagedFile(e, "b.c"));
  ASSERT_TRUE(registerStagedFile(e, "new.c"));  // created empty
  EXPECT_EQ(e.staging.files.size(), 3u);
  EXPECT_EQ(m.fs.text("sbt00000.src"), "A");
  EXPECT_EQ(m.fs.text("sbt00001.dst"), "B");
  EXPECT_EQ(m.fs.text("new.c"), "");
  EXPECT_EQ(openPathForRead(e, "b.c"), "/work/sbt00001.src");
  EXPECT_EQ(openPathForWrite(e, "b.c"), "/work/sbt00001.dst");
  EXPECT_EQ(openPathForRead(e, "other.c"), "other.c");
  EXPECT_FALSE(registerStagedFile(e, "sbt00000.src"));  // a copy is no real file
  EXPECT_FALSE(registerStagedFile(e, "."));
}

TEST(Staging, TakenCopyNumbersAreSkippedAndNeverWrittenThrough) {
  MemoryTestEngine m;
  m.fs.addFile("a.c", "A");
  m.fs.addFile("sbt00000.dst", "someone else's");
  ASSERT_TRUE(registerStagedFile(m.engine(), "a.c"));
  EXPECT_EQ(openPathForRead(m.engine(), "a.c"), "/work/sbt00001.src");
  discardStagedFiles(m.engine());
  EXPECT_EQ(m.fs.text("sbt00000.dst"), "someone else's");
  EXPECT_FALSE(m.fs.exists("sbt00000.src"));
}

TEST(Staging, WritesThroughTheOpenerReachReadsButNotTheRealFile) {
  MemoryTestEngine m;
  m.fs.addFile("a.c", "old");
  Engine& e = m.engine();
  ASSERT_TRUE(registerStagedFile(e, "a.c"));
  writeThrough(e, "a.c", "new");
  auto staged = e.platform.openStream(openPathForRead(e, "a.c"), std::ios::in);
  ASSERT_NE(staged, nullptr);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(*staged), {}), "new");
  EXPECT_EQ(m.fs.text("a.c"), "old");
  discardStagedFiles(e);
  EXPECT_EQ(m.fs.text("a.c"), "old");
  EXPECT_FALSE(anyWorkCopies(m.fs, "/work"));
  EXPECT_EQ(openPathForRead(e, "a.c"), "a.c");
}

TEST(Staging, CommitWritesBackToTheRightFilesAfterAChangeOfDirectory) {
  MemoryTestEngine m;
  m.fs.addDirectory("elsewhere");
  m.fs.addFile("a.c", "old", 0751);
  ASSERT_TRUE(registerStagedFile(m.engine(), "a.c"));
  writeThrough(m.engine(), "a.c", "new");
  ASSERT_TRUE(m.engine().platform.changeDirectory("elsewhere"));
  EXPECT_TRUE(commitStagedFiles(m.engine()));
  EXPECT_EQ(m.fs.text("/work/a.c"), "new");
  EXPECT_EQ(m.fs.fileStatus("/work/a.c", true)->mode, 0751u);
  EXPECT_FALSE(anyWorkCopies(m.fs, "/work"));
  EXPECT_FALSE(anyWorkCopies(m.fs, "/work/elsewhere"));
}

// A real file replaced by a directory cannot be written back: the commit
// stops there. Files before it are wholly new, the rest wholly old, and no
// copy is left behind.
TEST(Staging, FailedCommitLeavesEachFileWholeAndRemovesTheCopies) {
  MemoryTestEngine m;
  stageThree(m);
  ASSERT_TRUE(m.fs.removeFile("2.c"));
  ASSERT_TRUE(m.fs.makeDirectory("2.c"));
  EXPECT_FALSE(commitStagedFiles(m.engine()));
  EXPECT_EQ(testing::messageCodes(m.t.err()), "FIEC011");
  EXPECT_EQ(m.engine().messages.errorCount, 1);
  EXPECT_EQ(m.fs.text("1.c"), "new 1.c");
  EXPECT_TRUE(m.fs.isDirectory("2.c"));
  EXPECT_EQ(m.fs.text("3.c"), "old 3.c");
  EXPECT_FALSE(anyWorkCopies(m.fs, "/work"));
  EXPECT_TRUE(m.engine().staging.files.empty());
  EXPECT_TRUE(commitStagedFiles(m.engine()));  // nothing left to commit
}

// The new text cannot be written beside the file (a full disk) or cannot be
// renamed over it: either way the file whose commit failed keeps its old
// text whole, files before it have their new text, the commit stops there
// with FIEC011, and no work file stays behind.
TEST(Staging, WriteOrRenameFailureDuringCommitLeavesTheUsersFileIntact) {
  struct Case {
    std::string armed;  // where the failure strikes
    Failure failure;
    const char* first;  // the text of 1.c afterwards
  };
  // Each commit writes beside its file under the first free number.
  const std::string temporary =
      std::string("/work/") + format(kCommitTemporaryFormat, std::size_t{0});
  const Case cases[] = {
      {temporary, Failure::Write, "old 1.c"},
      {"/work/2.c", Failure::Rename, "new 1.c"},
  };
  for (const Case& c : cases) {
    MemoryTestEngine m;
    stageThree(m);
    m.fs.failOn(c.armed, c.failure);
    EXPECT_FALSE(commitStagedFiles(m.engine()));
    EXPECT_EQ(m.t.err(), "  FIEC011 : Cannot restore replaced files\n");
    EXPECT_EQ(m.fs.text("1.c"), c.first);
    EXPECT_EQ(m.fs.text("2.c"), "old 2.c");
    EXPECT_EQ(m.fs.text("3.c"), "old 3.c");
    EXPECT_FALSE(anyWorkCopies(m.fs, "/work"));
  }
}

// A file with a second name is rewritten in place (a rename would split
// the names). When that write fails half-way, the old text comes back from
// the safety copy, through both names.
TEST(Staging, FailedInPlaceRewriteRestoresTheOldText) {
  MemoryTestEngine m;
  m.fs.addFile("a.c", "old text");
  ASSERT_TRUE(m.fs.addHardLink("a.c", "link.c"));
  ASSERT_TRUE(registerStagedFile(m.engine(), "a.c"));
  writeThrough(m.engine(), "a.c", "new text");
  m.fs.failOn("a.c", Failure::Write, 1);
  EXPECT_FALSE(commitStagedFiles(m.engine()));
  EXPECT_EQ(testing::messageCodes(m.t.err()), "FIEC011");
  EXPECT_EQ(m.fs.text("a.c"), "old text");
  EXPECT_EQ(m.fs.text("link.c"), "old text");
  EXPECT_FALSE(anyWorkCopies(m.fs, "/work"));

  // Without a failure the same commit writes both names.
  ASSERT_TRUE(registerStagedFile(m.engine(), "a.c"));
  writeThrough(m.engine(), "a.c", "new text");
  EXPECT_TRUE(commitStagedFiles(m.engine()));
  EXPECT_EQ(m.fs.text("link.c"), "new text");
}

// A file that cannot be read to its end cannot be staged: its copies would
// hold half its text, and committing them would cut the file.
TEST(Staging, ReadErrorWhileCopyingRefusesTheRegistration) {
  MemoryTestEngine m;
  m.fs.addFile("a.c", "0123456789");
  m.fs.failOn("a.c", Failure::Read);
  EXPECT_FALSE(registerStagedFile(m.engine(), "a.c"));
  EXPECT_TRUE(m.engine().staging.files.empty());
  EXPECT_FALSE(anyWorkCopies(m.fs, "/work"));
  EXPECT_EQ(m.fs.text("a.c"), "0123456789");
}

TEST(Staging, ErrorLimitDiscardsInsteadOfCommitting) {
  MemoryTestEngine m;
  m.fs.addFile("a.c", "old");
  ASSERT_TRUE(registerStagedFile(m.engine(), "a.c"));
  writeThrough(m.engine(), "a.c", "new");
  m.engine().messages.errorCount = kErrorLimit - 1;
  EXPECT_THROW(raiseMessage(m.engine(), "FIEU005", "x"), EngineExit);
  EXPECT_EQ(m.fs.text("a.c"), "old");
  EXPECT_FALSE(anyWorkCopies(m.fs, "/work"));
}

TEST(StagingCommands, ExitCommitsAndResetDiscards) {
  auto fs = testing::makeMemoryPlatform();
  fs->addFile("a.c", "len\n");
  fs->addFile("b.c", "len\n");
  fs->addFile("s1.mora", "define \"len\" as \"size\" on a.c\n");
  fs->addFile("s2.mora", "define \"len\" as \"size\" on b.c\nreset\n");
  fs->addFile("s3.mora", "define \"len\" as \"n\" on b.c\ndone x\ndone\nexit 3\n");
  auto run = [&](const char* script) {
    return testing::runMoraOn(*fs, {"-vd1", "-nd", "-nh", "-f", script});
  };
  auto r1 = run("s1.mora");
  EXPECT_EQ(r1.code, 0);
  EXPECT_EQ(r1.err, "");
  EXPECT_EQ(fs->text("a.c"), "size\n");
  auto r2 = run("s2.mora");
  EXPECT_EQ(r2.err, "");
  EXPECT_EQ(fs->text("b.c"), "len\n");
  auto r3 = run("s3.mora");
  EXPECT_EQ(r3.code, 3);
  EXPECT_NE(r3.err.find("FIEU005"), std::string::npos) << r3.err;
  EXPECT_EQ(fs->text("b.c"), "n\n");
  EXPECT_FALSE(anyWorkCopies(*fs, "/work"));
}

// A source that stops reading half-way fails the change it was staged for;
// the file keeps its text.
TEST(StagingCommands, UnreadableSourceFailsTheChangeAndKeepsTheFile) {
  auto fs = testing::makeMemoryPlatform();
  fs->addFile("a.c", "len len len\n");
  fs->addFile("s.mora", "define \"len\" as \"size\" on a.c\n");
  fs->failOn("a.c", Failure::Read);
  auto r = testing::runMoraOn(*fs, {"-vd1", "-nd", "-nh", "-f", "s.mora"});
  EXPECT_EQ(testing::messageCodes(r.err), "FIEC015") << r.err;
  EXPECT_EQ(fs->text("a.c"), "len len len\n");
  EXPECT_FALSE(anyWorkCopies(*fs, "/work"));
}

// A read copy that fails half-way through a change fails that change; the
// write copy gets its old text back, so what the run commits at its end is
// never the half-written copy. A read copy that cannot be read again for the
// restore takes the file's staged change with it.
TEST(StagingCommands, ReadErrorDuringAChangeNeverReachesTheRealFile) {
  for (int times : {1, 0}) {
    SCOPED_TRACE(times);
    auto fs = testing::makeMemoryPlatform();
    fs->addFile("a.c", "len len len\nlen\n");
    fs->addFile("s.mora", "define \"len\" as \"size\" on a.c\n");
    fs->failOn(std::string("/work/") + format(kReadCopyFormat, std::size_t{0}), Failure::Read,
               times);
    auto r = testing::runMoraOn(*fs, {"-vd1", "-nd", "-nh", "-f", "s.mora"});
    EXPECT_EQ(r.err, "  FIEC016 : Cannot rewrite file: a.c\n");
    EXPECT_EQ(fs->text("a.c"), "len len len\nlen\n");
    EXPECT_FALSE(anyWorkCopies(*fs, "/work"));
  }
}

}  // namespace
}  // namespace mora
