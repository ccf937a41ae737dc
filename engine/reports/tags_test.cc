#include "reports/tags.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "analysis/function_scan.h"
#include "core/engine.h"
#include "test_support.h"

namespace mora {
namespace {

using testing::MemoryTestEngine;
using testing::TestEngine;

constexpr const char* kTwoFunctions =
    "/* header */\n"
    "static int\n"
    "first(int a)\n"
    "{\n"
    "    return a;\n"
    "}\n"
    "\n"
    "int second(void) { return 2; }\n";

class TagsTest : public ::testing::Test {
 protected:
  std::string tags(const std::vector<std::string>& files, const std::string& pattern = "*") {
    printTags(t.engine, {{pattern}}, files);
    return t.out();
  }

  MemoryTestEngine m;
  TestEngine& t = m.t;
};

// The line is where the name stands, also when the return type is above it.
TEST_F(TagsTest, ListsEachFunctionAtTheLineOfItsName) {
  m.fs.addFile("a.c", kTwoFunctions);
  EXPECT_EQ(tags({"a.c"}), "a.c(3): first\na.c(8): second\n");
}

TEST_F(TagsTest, NumbersRestartPerFileAndFilesWithoutMatchesPrintNothing) {
  m.fs.addFile("a.c", kTwoFunctions);
  m.fs.addFile("b.c", "int other(void)\n{\n}\n");
  m.fs.addFile("c.c", "int second_too(void)\n{\n}\n");
  t.engine.settings.number = true;
  EXPECT_EQ(tags({"a.c", "b.c", "c.c"}, "[fs]*"),
            " 001: a.c(3): first\n 002: a.c(8): second\n 001: c.c(1): second_too\n");
}

}  // namespace
}  // namespace mora

namespace mora {
namespace {

// Over a real codebase (scripts/bench_lines.sh sets MORA_REAL_SOURCES):
// tags lists exactly the functions a plain names scan records, each at a
// line that holds its name.
// On disk: scans a real codebase where it lies rather than a copy of it in memory.
TEST(RealSources, TagsListEveryRecordedFunctionAtALineWithItsName) {
  const char* root = std::getenv("MORA_REAL_SOURCES");
  if (!root) GTEST_SKIP() << "MORA_REAL_SOURCES not set";
  std::vector<std::string> files;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(root))
    if (entry.is_regular_file() && entry.path().extension() == ".c") files.push_back(entry.path());
  TestEngine t;
  printTags(t.engine, {{"*"}}, files);
  std::istringstream tagLines(t.out());
  std::string tagLine;
  long long tags = 0;
  for (const auto& file : files) {
    FunctionScan scan(t.engine, ScanMode::NamesOnly, {{"*"}});
    ASSERT_TRUE(scan.scanFile(file)) << file;
    std::vector<std::string> names;
    for (const FunctionRecord& r : scan.records()) names.push_back(r.name);
    std::vector<std::string> source;
    std::ifstream in(file, std::ios::binary);
    for (std::string line; std::getline(in, line);) source.push_back(line);
    for (const auto& name : names) {
      ASSERT_TRUE(std::getline(tagLines, tagLine)) << file << " " << name;
      std::string prefix = file + "(";
      ASSERT_EQ(tagLine.compare(0, prefix.size(), prefix), 0) << tagLine;
      std::size_t close = tagLine.find("): ", prefix.size());
      ASSERT_NE(close, std::string::npos) << tagLine;
      EXPECT_EQ(tagLine.substr(close + 3), name);
      std::size_t line = std::stoul(tagLine.substr(prefix.size(), close - prefix.size()));
      ASSERT_GE(line, 1u);
      ASSERT_LE(line, source.size()) << tagLine;
      EXPECT_NE(source[line - 1].find(name), std::string::npos) << tagLine;
      ++tags;
    }
  }
  EXPECT_FALSE(std::getline(tagLines, tagLine)) << "extra tag line: " << tagLine;
  std::printf("%zu files, %lld tags\n", files.size(), tags);
}

}  // namespace
}  // namespace mora
