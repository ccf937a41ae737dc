#include "core/memory_platform.h"

#include <gtest/gtest.h>

#include <iterator>
#include <string>

namespace mora {
namespace {

using Failure = MemoryPlatform::Failure;
constexpr auto kRead = std::ios::in | std::ios::binary;
constexpr auto kWrite = std::ios::out | std::ios::binary | std::ios::trunc;

std::string readAll(std::istream& in) {
  return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST(MemoryPlatform, PathsDirectoriesAndListings) {
  MemoryPlatform fs;
  fs.addFile("src/b.c", "B");
  fs.addFile("/work/src/A.c", "A");
  fs.addFile("src/sub/c.c", "C");
  EXPECT_EQ(fs.absolute("./src/../src//b.c"), "/work/src/b.c");
  EXPECT_TRUE(fs.isDirectory("src"));
  EXPECT_TRUE(fs.exists("/work/src/sub/c.c"));
  EXPECT_FALSE(fs.isDirectory("src/b.c"));
  // Folded to upper case as the host listings are; deeper names are not
  // children.
  EXPECT_EQ(fs.listDirectory("src"), (std::vector<std::string>{"A.c", "b.c", "sub"}));
  EXPECT_FALSE(fs.listDirectory("src/b.c"));
  EXPECT_FALSE(fs.listDirectory("missing"));
  ASSERT_TRUE(fs.changeDirectory("src/sub"));
  EXPECT_EQ(fs.currentDirectory(), "/work/src/sub");
  EXPECT_EQ(fs.text("c.c"), "C");
  EXPECT_FALSE(fs.changeDirectory("c.c"));
  EXPECT_FALSE(fs.removeDirectory("/work/src"));  // not empty
  EXPECT_TRUE(fs.makeDirectory("empty"));
  EXPECT_FALSE(fs.makeDirectory("empty"));
  EXPECT_FALSE(fs.makeDirectory("no/such/parent"));
  EXPECT_TRUE(fs.removeDirectory("empty"));
  EXPECT_EQ(fs.filesUnder("/work"),
            (std::vector<std::string>{"/work/src/A.c", "/work/src/b.c", "/work/src/sub/c.c"}));
}

TEST(MemoryPlatform, StreamsOpenAsTheFileModesSay) {
  MemoryPlatform fs;
  EXPECT_EQ(fs.openStream("new.txt", kRead), nullptr);
  EXPECT_EQ(fs.openStream("no/dir/new.txt", kWrite), nullptr);
  EXPECT_EQ(fs.openStream("/work", kRead), nullptr);
  *fs.openStream("new.txt", kWrite) << "one\n";
  EXPECT_EQ(fs.text("new.txt"), "one\n");
  *fs.openStream("new.txt", std::ios::app) << "two\n";  // app alone appends too
  EXPECT_EQ(fs.text("new.txt"), "one\ntwo\n");
  {
    auto update = fs.openStream("new.txt", std::ios::in | std::ios::out | std::ios::binary);
    ASSERT_NE(update, nullptr);
    *update << "ONE";  // "r+" overwrites from the start and keeps the rest
  }
  EXPECT_EQ(fs.text("new.txt"), "ONE\ntwo\n");
  auto in = fs.openStream("new.txt", kRead);
  ASSERT_NE(in, nullptr);
  EXPECT_EQ(readAll(*in), "ONE\ntwo\n");
  long long before = fs.fileStatus("new.txt", true)->modifiedNs;
  *fs.openStream("new.txt", kWrite) << "three";
  auto after = fs.fileStatus("new.txt", true);
  EXPECT_GT(after->modifiedNs, before);
  EXPECT_EQ(after->size, 5);
}

TEST(MemoryPlatform, WritersRenamesAndLinksKeepEachFilesIdentity) {
  MemoryPlatform fs;
  fs.addFile("a.c", "old");
  EXPECT_EQ(fs.createFile("a.c", 0600), nullptr);  // exclusive
  auto writer = fs.createFile("a.new", 0600);
  ASSERT_NE(writer, nullptr);
  *writer << "new";
  auto made = writer->status();
  EXPECT_TRUE(writer->setMode(0640));
  EXPECT_TRUE(writer->finish());
  EXPECT_FALSE(writer->closeFile());  // already closed
  ASSERT_TRUE(fs.renameFile("a.new", "a.c"));
  EXPECT_FALSE(fs.exists("a.new"));
  auto status = fs.fileStatus("a.c", false);
  EXPECT_TRUE(status->sameFile(*made));
  EXPECT_EQ(status->mode, 0640u);
  EXPECT_EQ(fs.text("a.c"), "new");

  ASSERT_TRUE(fs.addHardLink("a.c", "b.c"));
  EXPECT_EQ(fs.fileStatus("b.c", true)->links, 2u);
  auto rewrite = fs.rewriteFile("b.c");
  ASSERT_NE(rewrite, nullptr);
  EXPECT_EQ(fs.text("a.c"), "");  // truncated on opening, through both names
  *rewrite << "both";
  EXPECT_TRUE(rewrite->closeFile());
  EXPECT_EQ(fs.text("a.c"), "both");
  EXPECT_TRUE(fs.removeFile("b.c"));
  EXPECT_EQ(fs.fileStatus("a.c", true)->links, 1u);
  EXPECT_FALSE(fs.removeFile("b.c"));

  std::string temp = fs.temporaryName("/tmp", "mor");
  EXPECT_EQ(temp.rfind("/tmp/mor", 0), 0u);
  EXPECT_TRUE(fs.exists(temp));
  EXPECT_NE(fs.temporaryName("/tmp", "mor"), temp);
}

TEST(MemoryPlatform, ArmedFailuresStrikeWhereAndAsOftenAsArmed) {
  MemoryPlatform fs;
  fs.addFile("a.c", "0123456789");
  fs.failOn("a.c", Failure::Open, 1);
  EXPECT_EQ(fs.openStream("a.c", kRead), nullptr);
  EXPECT_NE(fs.openStream("a.c", kRead), nullptr);  // only once

  fs.failOn("a.c", Failure::Read);
  auto in = fs.openStream("a.c", kRead);
  ASSERT_NE(in, nullptr);
  std::string got;
  for (char c; in->get(c);) got += c;
  EXPECT_EQ(got, "01234");
  EXPECT_TRUE(in->bad());

  fs.failOn("b.c", Failure::Write);
  auto out = fs.openStream("b.c", kWrite);
  ASSERT_NE(out, nullptr);
  *out << "text" << std::flush;
  EXPECT_TRUE(out->bad());
  EXPECT_EQ(fs.text("b.c"), "");
  auto writer = fs.rewriteFile("b.c");
  *writer << "text";
  EXPECT_FALSE(writer->finish());

  fs.failOn("a.c", Failure::Rename);
  fs.addFile("c.c", "C");
  EXPECT_FALSE(fs.renameFile("c.c", "a.c"));  // onto it
  EXPECT_FALSE(fs.renameFile("a.c", "d.c"));  // away from it
  EXPECT_EQ(fs.text("a.c"), "0123456789");
  fs.failOn("c.c", Failure::Remove);
  EXPECT_FALSE(fs.removeFile("c.c"));
  fs.clearFailures();
  EXPECT_TRUE(fs.removeFile("c.c"));
  EXPECT_TRUE(fs.renameFile("a.c", "d.c"));
}

TEST(MemoryPlatform, ShellCommandsAreRecordedWithTheStatusSetForThem) {
  MemoryPlatform fs;
  fs.setShellStatus("make", 2);
  EXPECT_EQ(fs.runShell("make"), 2);
  EXPECT_EQ(fs.runShell("make all"), 0);
  EXPECT_EQ(fs.runShell("make"), 2);
  EXPECT_EQ(fs.shellCommands(), (std::vector<std::string>{"make", "make all", "make"}));
}

}  // namespace
}  // namespace mora
