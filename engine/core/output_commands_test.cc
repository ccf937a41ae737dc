#include "core/output_commands.h"

#include <gtest/gtest.h>

#include "core/directory_commands.h"
#include "core/engine.h"
#include "core/output.h"
#include "core/set_command.h"
#include "test_support.h"

namespace mora {
namespace {

using testing::MemoryTestEngine;
using testing::TestEngine;

TEST(Echo, JoinsValuesAndFollowsEchoSetting) {
  TestEngine t;
  EXPECT_TRUE(cmdEcho(t.engine, "\"a\",\"b\""));
  EXPECT_TRUE(cmdEcho(t.engine, ""));
  t.engine.settings.echo = false;
  EXPECT_TRUE(cmdEcho(t.engine, "\"quiet\""));
  EXPECT_EQ(t.out(), "ab\n\n");
}

TEST(Echo, WritesAndAppendsToFilesOnly) {
  MemoryTestEngine m;
  TestEngine& t = m.t;
  EXPECT_TRUE(cmdEcho(t.engine, "\"x\" > f.txt"));
  EXPECT_TRUE(cmdEcho(t.engine, "\"y\" >>f.txt"));
  EXPECT_TRUE(cmdEcho(t.engine, "\"z\" > \"g.txt\""));
  EXPECT_EQ(m.fs.text("f.txt"), "x\ny\n");
  EXPECT_EQ(m.fs.text("g.txt"), "z\n");
  EXPECT_EQ(t.out(), "");
  EXPECT_EQ(&outputStream(t.engine), t.engine.out.stdOut);
}

TEST(Echo, RedirectionErrorsLeaveTheOutputStream) {
  MemoryTestEngine m;
  TestEngine& t = m.t;
  EXPECT_FALSE(cmdEcho(t.engine, "\"x\" >"));
  EXPECT_FALSE(cmdEcho(t.engine, "\"x\" > f.txt more"));
  EXPECT_FALSE(cmdEcho(t.engine, "\"x\" > no/such/f.txt"));
  EXPECT_FALSE(cmdEcho(t.engine, "\"x\" junk"));
  EXPECT_EQ(t.err(),
            "  FIEU007 : File name or word missing (help and the command name show what it takes)\n"
            "  FIEU005 : Unexpected text: more (the statement should end before it)\n"
            "  FIES001 : Cannot open file: no/such/f.txt\n"
            "  FIEU005 : Unexpected text: junk (the statement should end before it)\n");
  EXPECT_EQ(&outputStream(t.engine), t.engine.out.stdOut);
}

TEST(Spool, CopiesOutputUntilOffAndReportsMisuse) {
  MemoryTestEngine m;
  TestEngine& t = m.t;
  EXPECT_FALSE(cmdSpool(t.engine, "off"));
  EXPECT_FALSE(cmdSpool(t.engine, ""));
  EXPECT_TRUE(cmdSpool(t.engine, "s.txt"));
  EXPECT_FALSE(cmdSpool(t.engine, "t.txt"));
  spoolLine(t.engine, "echo \"hi\"\n");
  printOutput(t.engine, outputStream(t.engine), "hi\n");
  EXPECT_FALSE(cmdSpool(t.engine, "off now"));
  EXPECT_TRUE(cmdSpool(t.engine, "OFF"));
  printOutput(t.engine, outputStream(t.engine), "after\n");
  EXPECT_FALSE(cmdSpool(t.engine, "no/such/s.txt"));
  // Messages take the output path too, so the spool holds them in order.
  EXPECT_EQ(m.fs.text("s.txt"),
            "  FIES006 : Already spooling to s.txt\n"
            "echo \"hi\"\nhi\n"
            "  FIEU005 : Unexpected text: now (the statement should end before it)\n");
  EXPECT_EQ(t.err(),
            "  FIES007 : Not spooling\n"
            "  FIEU001 : Argument missing (help and the command name show what it takes)\n"
            "  FIES006 : Already spooling to s.txt\n"
            "  FIEU005 : Unexpected text: now (the statement should end before it)\n"
            "  FIES008 : Cannot create spool file: no/such/s.txt\n");
}

TEST(IndexFile, OnlyInHtmlModeAndReplacedByTheNextOpen) {
  MemoryTestEngine m;
  TestEngine& t = m.t;
  EXPECT_FALSE(cmdOpen(t.engine, "write index = i.html"));
  EXPECT_NE(t.err().find("FIEU041"), std::string::npos);
  t.engine.settings.html = true;
  EXPECT_FALSE(cmdOpen(t.engine, "write index i.html"));
  EXPECT_FALSE(cmdOpen(t.engine, "read index = i.html"));
  EXPECT_FALSE(cmdOpen(t.engine, "add index ="));
  EXPECT_TRUE(cmdOpen(t.engine, "write index = i.html"));
  EXPECT_EQ(t.engine.out.indexName, "i.html");
  EXPECT_FALSE(cmdOpen(t.engine, "add index = no/such/j.html"));
  EXPECT_EQ(t.engine.out.index, nullptr);  // the old index was closed first
  EXPECT_EQ(t.engine.out.indexName, "");
  EXPECT_TRUE(cmdOpen(t.engine, "add index = i.html"));
  EXPECT_TRUE(cmdClose(t.engine, "index"));
  EXPECT_EQ(t.engine.out.index, nullptr);
  EXPECT_FALSE(cmdClose(t.engine, "output"));
  std::string err = t.err();
  for (const char* code :
       {"FIEU003 : Expected = here",
        "FIEU009 : Invalid keyword: read (help and the command name list the words it accepts)",
        "FIEU007", "FIES001 : Cannot open file: no/such/j.html"})
    EXPECT_NE(err.find(code), std::string::npos) << code;
}

TEST(Directories, ChangeCreateRemoveAndPrintTheCurrentOne) {
  MemoryTestEngine m;
  TestEngine& t = m.t;
  EXPECT_TRUE(cmdMkdir(t.engine, "sub"));
  EXPECT_FALSE(cmdMkdir(t.engine, "sub"));  // exists: fails without a message
  EXPECT_TRUE(cmdChdir(t.engine, "sub"));
  EXPECT_TRUE(cmdChdir(t.engine, ""));
  EXPECT_FALSE(cmdChdir(t.engine, "nowhere"));
  EXPECT_TRUE(cmdChdir(t.engine, ".."));
  EXPECT_TRUE(cmdRmdir(t.engine, "\"sub\""));
  EXPECT_FALSE(m.fs.exists("/work/sub"));
  EXPECT_FALSE(cmdRmdir(t.engine, ""));
  EXPECT_EQ(t.out(), "/work/sub\n");
  EXPECT_EQ(t.err(), "  FIEU037 : Directory name missing\n");
  t.engine.settings.echo = false;
  t.outStream.str("");
  EXPECT_TRUE(cmdChdir(t.engine, ""));
  EXPECT_EQ(t.out(), "");
}

TEST(Listings, DirInFourColumnsAndLsWithoutDirectories) {
  MemoryTestEngine m;
  for (const char* name : {"a.c", "b.c", "c.h", "d.cpp", "e.c", "x.txt"}) m.fs.addFile(name, "");
  m.fs.addDirectory("sub.c");
  TestEngine& t = m.t;
  EXPECT_TRUE(cmdDir(t.engine, ""));
  EXPECT_TRUE(cmdLs(t.engine, "*.c"));
  EXPECT_EQ(t.out(),
            " a.c              b.c              e.c              sub.c           \n"
            " d.cpp            c.h             \n"
            "a.c\nb.c\ne.c\n");
}

}  // namespace
}  // namespace mora
