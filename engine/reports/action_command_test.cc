// The action command and the diagram of one text file: operands, messages,
// and the work and intermediate files on every way out.
#include "reports/action_command.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>

#include "core/engine.h"
#include "core/temporary_files.h"
#include "reports/action_config.h"
#include "reports/action_diagram.h"
#include "test_support.h"

namespace mora {
namespace {

using testing::MemoryTestEngine;
using testing::RunResult;
using testing::ScratchDir;
using testing::TestEngine;

constexpr const char* kSource = "int main(void)\n{\nif (a) { x = 1; } else { y = 2; }\n}\n";

// `names` sorted, separated by blanks.
std::string joined(std::vector<std::string> names) {
  std::sort(names.begin(), names.end());
  std::string text;
  for (const auto& n : names) text += (text.empty() ? "" : " ") + n;
  return text;
}

// The names in the current directory of the host.
std::string listing() {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator("."))
    names.push_back(entry.path().filename().string());
  return joined(names);
}

// The names in the current directory of `fs`.
std::string listing(MemoryPlatform& fs) {
  return joined(fs.listDirectory(".").value_or(std::vector<std::string>{}));
}

// Runs `script` with the work file in the current directory.
RunResult run(MemoryPlatform& fs, const std::string& script) {
  fs.setEnvironment("TMP", fs.currentDirectory());
  fs.addFile("s.mora", script);
  return testing::runMoraOn(fs, {"-vd1", "-nd", "-nh", "-f", "s.mora"});
}

TEST(ActionCommand, OperandsAndMessages) {
  auto fs = testing::makeMemoryPlatform();
  fs->addFile("a.c", kSource);
  RunResult ok = run(*fs, "set line ascii; action m* from a.c;");
  EXPECT_EQ(ok.out.substr(0, 16), "+-- main(void)  ");
  EXPECT_EQ(ok.err, "");
  RunResult missing = run(*fs, "action * from a.c, gone.c;");
  EXPECT_EQ(testing::messageCodes(missing.err), "FIEC001");
  EXPECT_NE(missing.err.find("Cannot analyse file: gone.c"), std::string::npos);
  RunResult junk = run(*fs, "action * junk;");
  EXPECT_EQ(testing::messageCodes(junk.err), "FIEU005");
  EXPECT_EQ(junk.out, "");
  // Without `from` the library file is the source.
  RunResult library = run(*fs, "set sysdt nolib; action *;");
  EXPECT_EQ(testing::messageCodes(library.err), "FIEC001");
  EXPECT_NE(library.err.find("Cannot analyse file: nolib"), std::string::npos);
  EXPECT_EQ(listing(*fs), "a.c s.mora");
}

TEST(ActionCommand, AHostileSourceIsDrawnAndCleanedUp) {
  auto fs = testing::makeMemoryPlatform();
  // Unbalanced braces, unterminated literals and comment, and one line of
  // 4 MB (the golden and benchmark runs take 50 MB).
  std::string hostile = "int f(void)\n{\n" + std::string(4 << 20, 'a') + "\n";
  hostile += "if (a { } } \"open\n 'x\n}\n/* never closed\n";
  fs->addFile("h.c", hostile);
  RunResult result = run(*fs, "set line ascii; action * from h.c;");
  EXPECT_EQ(result.err, "");
  EXPECT_EQ(result.out.substr(0, 20), "+-- f(void)    \n|   ");
  EXPECT_EQ(listing(*fs), "h.c s.mora");
}

// The engine's work file at `name` in the current directory, as start-up
// makes it; false when it cannot be made.
bool ownWorkFile(TestEngine& t, const std::string& name, const std::string& content) {
  auto writer = createTemporaryFile(t.engine, name);
  if (!writer) return false;
  *writer << content;
  if (!writer->finish()) return false;
  t.engine.settings.workFile = absolutePath(t.engine, name);
  return true;
}

TEST(ActionCommand, TheOwnWorkFileIsEmptiedForTheTextsAndRemovedAfterwards) {
  MemoryTestEngine m;
  m.fs.addFile("a.c", kSource);
  TestEngine& t = m.t;
  ASSERT_TRUE(ownWorkFile(t, "w.tmp", "stale texts\n"));
  t.engine.settings.line = LineStyle::Ascii;
  EXPECT_TRUE(cmdAction(t.engine, "* from a.c"));
  EXPECT_EQ(t.err(), "");
  EXPECT_EQ(t.out().substr(0, 16), "+-- main(void)  ");
  EXPECT_EQ(t.out().find("stale"), std::string::npos);
  EXPECT_EQ(listing(m.fs), "a.c");
}

// Someone else's file, a link to one and a dangling link at the work file's
// name: the command fails with FIES001 and every one of them stays as it was.
// On disk: only the host has symbolic links to refuse.
TEST(ActionCommand, AWorkFileNameTakenByAnotherFileIsNeverWrittenNorRemoved) {
  ScratchDir dir;
  dir.write("a.c", kSource);
  dir.write("target.txt", "target");
  std::filesystem::create_symlink("target.txt", "linked.tmp");
  std::filesystem::create_symlink("absent.txt", "dangling.tmp");
  dir.write("theirs.tmp", "mine");
  for (const char* name : {"theirs.tmp", "linked.tmp", "dangling.tmp"}) {
    TestEngine t;
    t.engine.settings.workFile = absolutePath(t.engine, name);
    EXPECT_FALSE(cmdAction(t.engine, "* from a.c")) << name;
    EXPECT_EQ(t.err(), "  FIES001 : Cannot open file: " + t.engine.settings.workFile + "\n");
    EXPECT_EQ(t.out(), "") << name;
  }
  EXPECT_EQ(dir.read("theirs.tmp"), "mine");
  EXPECT_EQ(dir.read("target.txt"), "target");
  EXPECT_TRUE(std::filesystem::is_symlink("linked.tmp"));
  EXPECT_TRUE(std::filesystem::is_symlink("dangling.tmp"));
  EXPECT_EQ(listing(), "a.c dangling.tmp linked.tmp target.txt theirs.tmp");
}

// A work file that was ours but has been replaced since is not ours.
TEST(ActionCommand, AReplacedWorkFileIsLeftToItsOwner) {
  MemoryTestEngine m;
  m.fs.addFile("a.c", kSource);
  TestEngine& t = m.t;
  ASSERT_TRUE(ownWorkFile(t, "w.tmp", ""));
  // Moved aside, not deleted, so that the new file cannot reuse its inode.
  ASSERT_TRUE(m.fs.renameFile("w.tmp", "moved.tmp"));
  m.fs.addFile("w.tmp", "theirs");
  EXPECT_FALSE(cmdAction(t.engine, "* from a.c"));
  EXPECT_EQ(testing::messageCodes(t.err()), "FIES001");
  EXPECT_EQ(m.fs.text("w.tmp"), "theirs");
  removeAllTemporaryFiles(t.engine);
  EXPECT_EQ(m.fs.text("w.tmp"), "theirs");
  EXPECT_EQ(listing(m.fs), "a.c moved.tmp w.tmp");
}

// An interrupt in the middle of a diagram: the run's clean-up removes the
// work file and the intermediate file, both still the files we made.
TEST(ActionCommand, AnInterruptLeavesNeitherWorkNorIntermediateFile) {
  MemoryTestEngine m;
  m.fs.addFile("a.c", kSource);
  TestEngine& t = m.t;
  ASSERT_TRUE(ownWorkFile(t, "w.tmp", ""));
  volatile std::sig_atomic_t flag = 1;
  t.engine.setInterruptFlag(&flag);
  EXPECT_THROW(cmdAction(t.engine, "* from a.c"), EngineExit);
  removeAllTemporaryFiles(t.engine);
  EXPECT_EQ(listing(m.fs), "a.c");
}

TEST(ActionDiagram, IntermediateFileNames) {
  EXPECT_EQ(intermediateFileName("/tmp/morawrkAb12Cd"), "/tmp/morawrkAb12Cd.pot");
  EXPECT_EQ(intermediateFileName("dir.d/x.tmp"), "dir.d/x.pot");
  EXPECT_EQ(intermediateFileName("a.b.c"), "a.b.pot");
  EXPECT_EQ(intermediateFileName("plain"), "plain.pot");
}

TEST(ActionDiagram, AnExistingFileIsNeitherWrittenNorRemoved) {
  MemoryTestEngine m;
  m.fs.addFile("t.txt", kSource);
  m.fs.addFile("t.pot", "mine");
  TestEngine& t = m.t;
  EXPECT_FALSE(drawActionDiagram(t.engine, "t.txt"));
  EXPECT_EQ(t.err(), "  FIES001 : Cannot open file: t.pot\n");
  EXPECT_EQ(m.fs.text("t.pot"), "mine");
  EXPECT_FALSE(drawActionDiagram(t.engine, "none.txt"));
  EXPECT_EQ(testing::messageCodes(t.err()), "FIES001 FIES001");
}

// On disk: only the host has symbolic links to refuse.
TEST(ActionDiagram, AnIntermediateNameTakenByALinkIsLeftAlone) {
  ScratchDir dir;
  dir.write("t.txt", kSource);
  dir.write("target.txt", "target");
  std::filesystem::create_symlink("target.txt", "t.pot");
  TestEngine t;
  EXPECT_FALSE(drawActionDiagram(t.engine, "t.txt"));
  EXPECT_EQ(t.err(), "  FIES001 : Cannot open file: t.pot\n");
  EXPECT_TRUE(std::filesystem::is_symlink("t.pot"));
  EXPECT_EQ(dir.read("target.txt"), "target");
}

// A kept intermediate file that was replaced by someone else's is theirs.
TEST(ActionDiagram, AReplacedKeptIntermediateFileStays) {
  MemoryTestEngine m;
  m.fs.addFile("t.txt", kSource);
  TestEngine& t = m.t;
  t.engine.settings.debug = true;
  ASSERT_TRUE(drawActionDiagram(t.engine, "t.txt"));
  ASSERT_TRUE(m.fs.renameFile("t.pot", "moved.pot"));
  m.fs.addFile("t.pot", "theirs");
  EXPECT_FALSE(drawActionDiagram(t.engine, "t.txt"));
  EXPECT_EQ(m.fs.text("t.pot"), "theirs");
}

// The print configuration is read by the first diagram of a command; the
// later ones use it as read.
TEST(ActionDiagram, TheConfigurationIsReadOncePerCommand) {
  MemoryTestEngine m;
  m.fs.addFile("t.txt", kSource);
  m.fs.addFile("actprt.ini", builtinActionConfig(LineStyle::Ascii));
  TestEngine& t = m.t;
  ActionRun run;
  ASSERT_TRUE(drawActionDiagram(t.engine, "t.txt", run));
  std::string first = t.out();
  m.fs.addFile("actprt.ini", "TAB \"x\"\n");  // "=" missing in its first line
  ASSERT_TRUE(drawActionDiagram(t.engine, "t.txt", run));
  EXPECT_EQ(t.out(), first + first);
  EXPECT_EQ(t.err(), "");
  // A new command reads the file again.
  EXPECT_FALSE(drawActionDiagram(t.engine, "t.txt"));
  EXPECT_EQ(t.err(), "actprt.ini(1) : = Expected\n");
  EXPECT_EQ(listing(m.fs), "actprt.ini t.txt");
}

TEST(ActionDiagram, InterruptAndDebug) {
  MemoryTestEngine m;
  m.fs.addFile("t.txt", kSource);
  TestEngine& t = m.t;
  // Debug keeps the intermediate file; the next diagram replaces it.
  t.engine.settings.debug = true;
  ASSERT_TRUE(drawActionDiagram(t.engine, "t.txt"));
  EXPECT_EQ(listing(m.fs), "t.pot t.txt");
  ASSERT_TRUE(drawActionDiagram(t.engine, "t.txt"));
  t.engine.settings.debug = false;
  ASSERT_TRUE(drawActionDiagram(t.engine, "t.txt"));
  EXPECT_EQ(listing(m.fs), "t.txt");
  // An interrupt ends the run, and the intermediate file goes with it.
  volatile std::sig_atomic_t flag = 1;
  t.engine.setInterruptFlag(&flag);
  EXPECT_THROW(static_cast<void>(drawActionDiagram(t.engine, "t.txt")), EngineExit);
  EXPECT_EQ(listing(m.fs), "t.txt");
}

// A text or intermediate file that fails to read part-way fails the diagram
// naming the file, instead of the read error escaping; no file is left.
TEST(ActionDiagram, AFileThatFailsToReadFailsTheDiagram) {
  for (ScanLanguage language : {ScanLanguage::C, ScanLanguage::Basic, ScanLanguage::Pascal}) {
    for (const char* failing : {"t.txt", "t.pot"}) {
      SCOPED_TRACE(std::to_string(static_cast<int>(language)) + " " + failing);
      MemoryTestEngine m;
      TestEngine& t = m.t;
      t.engine.settings.language = language;
      m.fs.addFile("t.txt", kSource);
      m.fs.failOn(failing, MemoryPlatform::Failure::Read);
      EXPECT_FALSE(drawActionDiagram(t.engine, "t.txt"));
      EXPECT_EQ(t.err(), std::string("  FIEC010 : Report failed: ") + failing + "\n");
      // The print stage shows what it read before the error, as any report
      // cut short does; a text that fails prints nothing.
      if (std::string(failing) == "t.txt") {
        EXPECT_EQ(t.out(), "");
      }
      EXPECT_EQ(listing(m.fs), "t.txt");
    }
  }
}

}  // namespace
}  // namespace mora
