#include "core/source_files.h"

#include <gtest/gtest.h>

#include <iterator>

#include "core/engine.h"
#include "core/staging.h"
#include "test_support.h"

namespace mora {
namespace {

using testing::MemoryTestEngine;
using Failure = MemoryPlatform::Failure;

std::string readAll(std::istream& in) {
  return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST(SourceFiles, StagedFilesAreReadAndWrittenAsTheirCopies) {
  MemoryTestEngine m;
  Engine& e = m.engine();
  m.fs.addFile("a.c", "old\n");
  ASSERT_TRUE(registerForChange(e, "a.c"));
  *openForAppending(e, "a.c") << "more\n";
  auto in = openForReading(e, "a.c");
  ASSERT_NE(in, nullptr);
  EXPECT_EQ(readAll(*in), "old\nmore\n");  // the closed write reached the read copy
  EXPECT_EQ(m.fs.text("a.c"), "old\n");
  *openForWriting(e, "a.c") << "new\n";
  EXPECT_EQ(readAll(*openForReading(e, "a.c")), "new\n");
  ASSERT_TRUE(commitStagedFiles(e));
  EXPECT_EQ(m.fs.text("a.c"), "new\n");
}

TEST(SourceFiles, WhatCannotBeOpenedComesBackEmpty) {
  MemoryTestEngine m;
  Engine& e = m.engine();
  m.fs.addDirectory("dir.c");
  m.fs.addFile("locked.c", "x");
  m.fs.failOn("locked.c", Failure::Open);
  EXPECT_EQ(openForReading(e, "missing.c"), nullptr);
  EXPECT_EQ(openForReading(e, "dir.c"), nullptr);
  EXPECT_EQ(openForReading(e, "locked.c"), nullptr);
  EXPECT_EQ(openForWriting(e, "locked.c"), nullptr);
  EXPECT_EQ(openForAppending(e, "no/such/dir/out.txt"), nullptr);
  EXPECT_EQ(m.fs.text("locked.c"), "x");
}

// A source that reads half-way and then fails (a bad disk block) fails
// every command that scans it, naming the file, and is never reported as
// scanned in part.
TEST(SourceFiles, ReadErrorMidFileFailsEveryScanNamingTheFile) {
  const char* text =
      "int total(int n)\n{\n  return n;\n}\n\n"
      "int twice(int n)\n{\n  return total(n) * 2;\n}\n";
  struct Case {
    const char* command;
    const char* message;
  };
  const Case cases[] = {
      {"list * from a.c", "  FIEC010 : Report failed: a.c\n"},
      {"tags * from a.c", "  FIEC010 : Report failed: a.c\n"},
      {"count * from a.c", "  FIEC010 : Report failed: a.c\n"},
      {"ftree * from a.c", "FIEC001"},
  };
  for (const Case& c : cases) {
    auto fs = testing::makeMemoryPlatform();
    fs->addFile("a.c", text);
    fs->failOn("a.c", Failure::Read);
    auto r = testing::runMoraOn(*fs, {"-vd1", "-nd", "-nh", c.command});
    if (std::string(c.message).starts_with("FIE"))
      EXPECT_EQ(testing::messageCodes(r.err), c.message) << c.command << "\n" << r.err;
    else
      EXPECT_EQ(r.err, c.message) << c.command;
    EXPECT_EQ(r.out, "") << c.command;
  }
}

}  // namespace
}  // namespace mora
