// Start-up: command line, hand-shake, def-file and run modes.
#include "core/engine.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "test_support.h"

namespace mora {
namespace {

using testing::makeMemoryPlatform;
using testing::runMora;
using testing::runMoraAs;
using testing::runMoraOn;
using testing::ScratchDir;

constexpr const char* kUsageTail =
    " Usage: MORA [-options...] [-f scriptfile ]  [command-string...] \n"
    "    options...\n"
    "       -d def-file  : Initialization file-name\n"
    "       -nd          : Not Read def-file\n"
    "       -e[esfn]   e : Error message to stderr\n"
    "                  s :               to stdout\n"
    "                  f :         with ScriptFileName\n"
    "                  n :         without ScriptFileName\n"
    "       -f scriptfile: Script file-name (@scriptfile is the same)\n"
    "       -nh          : Not print the banner\n"
    "       -vd<n>       : Hand-shake, n from 1 to 9 (required: -vd1)\n"
    "       -help, -?    : This usage (--help, --version: on stdout)\n"
    "\n";

TEST(CommandLine, UsageAndItsExitCodes) {
  struct Case {
    std::vector<std::string> args;
    int code;
  };
  const Case cases[] = {
      {{"-nh", "-help"}, 0}, {{"-nh", "-HELP"}, 0}, {{"-nh", "-?"}, 0},    {{"-nh", "/?"}, 0},
      {{"-nh", "-x"}, 255},  {{"-nh", "-e"}, 255},  {{"-nh", "-ex"}, 255}, {{"-nh", "-f"}, 255},
      {{"-nh", "-d"}, 255},  {{"-nh", "-n"}, 255},
  };
  for (const auto& c : cases) {
    auto r = runMora(c.args);
    EXPECT_EQ(r.code, c.code) << c.args[1];
    EXPECT_EQ(r.err, kUsageTail) << c.args[1];
    EXPECT_EQ(r.out, "");
  }
}

// The conventional long options answer on standard output with code 0, at
// once: no banner, no hand-shake, no command string run.
TEST(CommandLine, LongHelpAndVersion) {
  auto version = runMora({"--version", "exit 3"});
  EXPECT_EQ(version.code, 0);
  EXPECT_EQ(version.out, "MORA Version 0.11-30\n");
  EXPECT_EQ(version.err, "");
  auto help = runMora({"--help"});
  EXPECT_EQ(help.code, 0);
  EXPECT_TRUE(help.out.starts_with("Usage: mora -vd1 [options]")) << help.out;
  EXPECT_NE(help.out.find("  -vd<n>           hand-shake"), std::string::npos);
  EXPECT_NE(help.out.find("-nd -nh help"), std::string::npos);
  EXPECT_EQ(help.err, "");
  // Only the exact words: other spellings stay unknown options.
  for (const char* other : {"--HELP", "--versions", "-version"}) {
    auto r = runMora({"-nh", other});
    EXPECT_EQ(r.code, 255) << other;
    EXPECT_EQ(r.err, kUsageTail) << other;
  }
}

// The data files are found beside the real program when it is started
// through a symbolic link in another folder.
// On disk: the host resolves real symbolic links to the real program.
TEST(CommandLine, ProgramPathThroughASymbolicLink) {
  ScratchDir dir;
  std::filesystem::create_directory("bin");
  std::filesystem::create_symlink(std::string(MORA_PROGRAM_DIR) + "/mora", "bin/mora");
  std::filesystem::create_directory("deeper");
  std::filesystem::create_symlink("../bin/mora", "deeper/mora");
  for (const char* link : {"bin/mora", "deeper/mora"}) {
    auto r = runMoraAs(dir.path() + "/" + link, {"-vd1", "-nd", "-nh", "bogus"});
    EXPECT_EQ(r.err, "  FIEU002 : Unknown command: bogus (help alone lists the commands)\n")
        << link;
  }
}

TEST(CommandLine, BannerPrecedesUsageUnlessSuppressedEarlier) {
  auto r = runMora({"-help", "-nh"});
  EXPECT_EQ(r.code, 0);
  EXPECT_NE(r.err.find("MORA Version 0.11-30 \n"), std::string::npos);
  EXPECT_TRUE(r.err.ends_with(kUsageTail));
  // The attribution line ends in the same column as the title.
  auto first = r.err.find('\n');
  auto second = r.err.find('\n', first + 1);
  EXPECT_EQ(first, second - first - 1);
}

TEST(CommandLine, HelpStopsBeforeCommandStringsRun) {
  auto r = runMora({"-vd1", "-nh", "exit 4", "-help"});
  EXPECT_EQ(r.code, 0);
}

TEST(Handshake, AcceptsOneToNine) {
  const std::string alone = "This Program cannot be run alone (part of veldra)\n";
  const std::string invalid = "Invalid Mora-Veldra Version\n";
  EXPECT_EQ(runMora({"-nd", "-nh", "exit 3"}).out, alone);
  EXPECT_EQ(runMora({"-nd", "-nh", "exit 3"}).code, 1);
  EXPECT_EQ(runMora({"-vd0", "-nd", "-nh", "exit 3"}).out, alone);
  EXPECT_EQ(runMora({"-vdx", "-nd", "-nh", "exit 3"}).out, alone);
  EXPECT_EQ(runMora({"-vd9", "-nd", "-nh", "exit 3"}).code, 3);
  EXPECT_EQ(runMora({"-vd1", "-nd", "-nh", "exit 3"}).code, 3);
  auto r = runMora({"-vd10", "-nd", "-nh", "exit 3"});
  EXPECT_EQ(r.out, invalid);
  EXPECT_EQ(r.code, 1);
}

TEST(RunModes, CommandStringsRunInsteadOfTheScriptAndEndWithExit) {
  auto fs = makeMemoryPlatform();
  fs->addFile("s.mora", "exit 5\n");
  EXPECT_EQ(runMoraOn(*fs, {"-vd1", "-nd", "-nh", "-f", "s.mora", "nosuchcommand"}).code, 0);
  EXPECT_EQ(runMoraOn(*fs, {"-vd1", "-nd", "-nh", "-fs.mora"}).code, 5);
  EXPECT_EQ(runMoraOn(*fs, {"-vd1", "-nd", "-nh", "-f", "s.mora"}).code, 5);
  EXPECT_EQ(runMoraOn(*fs, {"-vd1", "-nd", "-nh", "@s.mora"}).code, 5);
  auto r = runMoraOn(*fs, {"-vd1", "-nd", "-nh", "-f", "missing.mora"});
  EXPECT_EQ(r.code, 255);
  EXPECT_EQ(r.err, "  FIES001 : Cannot open file: missing.mora\n");
}

TEST(RunModes, DefFileRunsFirstAndIsFoundOnlyWithoutDirectory) {
  auto fs = makeMemoryPlatform();
  fs->addFile("mora.def", "alias q as exit 6\n");
  fs->addFile("s.mora", "q\n");
  EXPECT_EQ(runMoraOn(*fs, {"-vd1", "-nh", "-f", "s.mora"}).code, 6);
  EXPECT_EQ(runMoraOn(*fs, {"-vd1", "-nh", "-dmora.def", "-f", "s.mora"}).code, 6);
  // A def-file with a directory part that does not exist is skipped silently.
  auto r = runMoraOn(*fs, {"-vd1", "-nh", "-d", "no/such.def", "-f", "s.mora"});
  EXPECT_EQ(r.code, 0);
  EXPECT_EQ(r.err, "  FIEU002 : Unknown command: q (help alone lists the commands)\n");
}

TEST(RunModes, MessageOptionsChooseStreamAndPrefix) {
  auto fs = makeMemoryPlatform();
  fs->addFile("s.mora", "\nbogus\n");
  auto r = runMoraOn(*fs, {"-vd1", "-nd", "-nh", "-esf", "-f", "s.mora"});
  EXPECT_EQ(r.out,
            "s.mora(2) : FIEU002 : Unknown command: bogus (help alone lists the commands)\n");
  EXPECT_EQ(r.err, "");
  r = runMoraOn(*fs, {"-vd1", "-nd", "-nh", "-esfne", "-f", "s.mora"});
  EXPECT_EQ(r.err, "  FIEU002 : Unknown command: bogus (help alone lists the commands)\n");
}

TEST(RunModes, WorkFileIsRemovedOnEveryPath) {
  auto platform = makeMemoryPlatform();
  for (auto args : {std::vector<std::string>{"-nh", "-x"}, {"-vd1", "-nh", "-nd", "exit 2"}}) {
    std::istringstream in;
    std::ostringstream out, err;
    Engine engine(*platform, in, out, err);
    std::vector<std::string> argv{"./mora"};
    argv.insert(argv.end(), args.begin(), args.end());
    engine.run(argv);
    ASSERT_FALSE(engine.settings.workFile.empty());
    EXPECT_FALSE(platform->exists(engine.settings.workFile)) << engine.settings.workFile;
  }
  EXPECT_EQ(platform->filesUnder("/tmp"), std::vector<std::string>{});
}

TEST(Interrupt, EndsTheRunWithCodeZero) {
  volatile std::sig_atomic_t flag = 1;
  auto platform = makeMemoryPlatform();
  std::istringstream in("exit 3\n");
  std::ostringstream out, err;
  Engine engine(*platform, in, out, err);
  engine.setInterruptFlag(&flag);
  EXPECT_EQ(engine.run({"./mora", "-vd1", "-nd", "-nh", "bogus", "exit 4"}), 0);
  EXPECT_TRUE(err.str().ends_with("Terminated by User.\n")) << err.str();
}

}  // namespace
}  // namespace mora
