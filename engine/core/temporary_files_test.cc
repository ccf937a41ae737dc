#include "core/temporary_files.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "core/engine.h"
#include "core/text.h"
#include "test_support.h"

namespace mora {
namespace {

using testing::MemoryTestEngine;
using testing::ScratchDir;
using testing::TestEngine;

std::string numbered(std::size_t n) { return format("t%02zu.tmp", n); }

// On disk: the host's exclusive creation must refuse links and FIFOs.
TEST(TemporaryFiles, NumberedNamesSkipEveryTakenNameAndNeverWriteThroughIt) {
  ScratchDir dir;
  dir.write("victim", "keep");
  dir.write("t00.tmp", "user");
  ASSERT_EQ(::symlink("victim", "t01.tmp"), 0);
  ASSERT_EQ(::symlink("gone", "t02.tmp"), 0);  // a dangling link is taken too
  ASSERT_EQ(::mkfifo("t03.tmp", 0600), 0);
  TestEngine t;
  auto made = createNumberedFile(t.engine, numbered, 0, 10);
  ASSERT_TRUE(made);
  EXPECT_EQ(made->number, 4u);
  *made->writer << "ours";
  ASSERT_TRUE(made->writer->finish());
  EXPECT_EQ(dir.read("t04.tmp"), "ours");
  EXPECT_EQ(dir.read("victim"), "keep");
  EXPECT_EQ(dir.read("t00.tmp"), "user");
  struct stat st;
  ASSERT_EQ(::stat("t04.tmp", &st), 0);
  EXPECT_EQ(st.st_mode & 0777, kPrivateFileMode);
  // No free number below the limit: nothing is made.
  EXPECT_FALSE(createNumberedFile(t.engine, numbered, 0, 4));
}

// On disk: the host's exclusive creation must refuse links and FIFOs.
TEST(TemporaryFiles, OnlyFilesThisRunCreatedAreRewrittenOrDeleted) {
  ScratchDir dir;
  dir.write("user.txt", "user");
  TestEngine t;
  Engine& e = t.engine;
  EXPECT_FALSE(rewriteTemporaryFile(e, "user.txt"));
  removeTemporaryFile(e, "user.txt");
  EXPECT_EQ(dir.read("user.txt"), "user");

  auto w = createTemporaryFile(e, "mine.tmp");
  ASSERT_TRUE(w && w->finish());
  EXPECT_TRUE(isOwnTemporaryFile(e, dir.path() + "/./mine.tmp"));
  auto again = rewriteTemporaryFile(e, "mine.tmp");
  ASSERT_TRUE(again);
  *again << "second";
  ASSERT_TRUE(again->finish());
  EXPECT_EQ(dir.read("mine.tmp"), "second");

  // Someone else's file put in its place is neither written nor deleted.
  ASSERT_EQ(::unlink("mine.tmp"), 0);
  ASSERT_EQ(::symlink("user.txt", "mine.tmp"), 0);
  EXPECT_FALSE(rewriteTemporaryFile(e, "mine.tmp"));
  removeAllTemporaryFiles(e);
  EXPECT_TRUE(std::filesystem::is_symlink("mine.tmp"));
  EXPECT_EQ(dir.read("user.txt"), "user");
  EXPECT_FALSE(isOwnTemporaryFile(e, "mine.tmp"));
}

TEST(TemporaryFiles, AFileDeletedMeanwhileIsCreatedAnewAndAllAreRemovedAtTheEnd) {
  MemoryTestEngine m;
  Engine& e = m.engine();
  ASSERT_TRUE(createTemporaryFile(e, "a.tmp"));
  ASSERT_TRUE(createTemporaryFile(e, "b.tmp"));
  EXPECT_FALSE(createTemporaryFile(e, "b.tmp"));  // exclusive, even for our own
  ASSERT_TRUE(m.fs.removeFile("a.tmp"));
  auto w = rewriteTemporaryFile(e, "a.tmp");
  ASSERT_TRUE(w && w->finish());
  removeAllTemporaryFiles(e);
  EXPECT_FALSE(m.fs.exists("a.tmp"));
  EXPECT_FALSE(m.fs.exists("b.tmp"));
  EXPECT_TRUE(e.temporaries.created.empty());
}

}  // namespace
}  // namespace mora
