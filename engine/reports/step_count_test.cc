#include "reports/step_count.h"

#include <gtest/gtest.h>

#include <cstdio>
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

std::string layoutSource() {
  std::ifstream in(std::string(MORA_SOURCE_DIR) + "/tests/golden/inputs/count_layout.c");
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

class StepCountTest : public ::testing::Test {
 protected:
  std::string count(const std::vector<std::string>& files, const std::string& pattern = "*") {
    printStepCount(t.engine, {{pattern}}, files);
    return t.out();
  }

  MemoryTestEngine m;
  TestEngine& t = m.t;
};

// The scanner's counts satisfy lines = steps + comments + blanks for every
// function and file, and the table shows the first three.
TEST_F(StepCountTest, CountsAddUpToTheirLines) {
  m.fs.addFile("a.c", layoutSource());
  FunctionScan scan(t.engine, ScanMode::StepCount, {{"*"}});
  ASSERT_TRUE(scan.scanFile("a.c"));
  const RecordList& records = scan.records();
  ASSERT_EQ(records.size(), 2u);
  for (const LineCounters& c : {records[0].counts, records[1].counts, scan.fileCounts()})
    EXPECT_EQ(c.total, c.code + c.comment + c.blank);
  auto counts = [](const LineCounters& c) {
    return std::vector<int>{c.total, c.code, c.comment, c.blank};
  };
  EXPECT_EQ(records[0].name, "f");
  EXPECT_EQ(counts(records[0].counts), (std::vector<int>{10, 7, 2, 1}));
  EXPECT_EQ(records[1].name, "g");
  EXPECT_EQ(counts(records[1].counts), (std::vector<int>{5, 4, 0, 1}));
  EXPECT_EQ(counts(scan.fileCounts()), (std::vector<int>{20, 13, 4, 3}));
}

TEST_F(StepCountTest, NumbersRestartPerFileAndUnmatchedFilesHaveNoOthersLine) {
  m.fs.addFile("a.c", layoutSource());
  m.fs.addFile("b.c", "int h(void)\n{\n}\n");
  m.fs.addFile("c.c", "int g(void)\n{\n}\n");
  t.engine.settings.number = true;
  EXPECT_EQ(count({"a.c", "b.c", "c.c"}, "[fg]"),
            " Function                 Line     Step     Comment  \n"
            " 001: f                        10       7        2         a.c         \n"
            " 002: g                        5        4        0         a.c         \n"
            " others:                  5        2        2         a.c         \n"
            "                          20       13       4         a.c         \n"
            "                          3        3        0         b.c         \n"
            " 001: g                        3        3        0         c.c         \n"
            " others:                  0        0        0         c.c         \n"
            "                          3        3        0         c.c         \n"
            " total:                   26       19       4        \n");
}

}  // namespace
}  // namespace mora

namespace mora {
namespace {

// Invariants over a real codebase, run by scripts/bench_lines.sh with
// MORA_REAL_SOURCES naming its root; skipped otherwise.
std::vector<std::string> realSources() {
  std::vector<std::string> files;
  const char* root = std::getenv("MORA_REAL_SOURCES");
  if (!root) return files;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
    auto ext = entry.path().extension();
    if (entry.is_regular_file() && (ext == ".c" || ext == ".h")) files.push_back(entry.path());
  }
  return files;
}

// Physical lines as a reader of 4095-byte pieces sees them: a last line
// without a line feed counts, and so does every further piece of a longer line.
long long physicalPieces(const std::string& file, bool& hasLongLine) {
  std::ifstream in(file, std::ios::binary);
  std::string line;
  long long pieces = 0;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::size_t bytes = line.size() + (in.eof() ? 0 : 1);
    if (bytes > kSourcePieceMax) hasLongLine = true;
    pieces +=
        bytes == 0 ? 1 : static_cast<long long>((bytes + kSourcePieceMax - 1) / kSourcePieceMax);
  }
  return pieces;
}

// On disk: scans a real codebase where it lies rather than a copy of it in memory.
TEST(RealSources, EveryCountEntryAddsUpAndFileTotalsAreLineCounts) {
  auto files = realSources();
  if (files.empty()) GTEST_SKIP() << "MORA_REAL_SOURCES not set";
  TestEngine t;
  FunctionScan scan(t.engine, ScanMode::StepCount, {{"*"}});
  long long functions = 0, longLineFiles = 0;
  for (const auto& file : files) {
    scan.records().clear();
    ASSERT_TRUE(scan.scanFile(file)) << file;
    long long sum = 0;
    for (const FunctionRecord& r : scan.records()) {
      const LineCounters& c = r.counts;
      ASSERT_EQ(c.total, c.code + c.comment + c.blank) << file << ": " << r.name;
      sum += c.total;
      ++functions;
    }
    const LineCounters& whole = scan.fileCounts();
    ASSERT_EQ(whole.total, whole.code + whole.comment + whole.blank) << file;
    EXPECT_LE(sum, whole.total) << file;
    bool longLine = false;
    EXPECT_EQ(whole.total, physicalPieces(file, longLine)) << file;
    longLineFiles += longLine;
  }
  std::printf("%zu files, %lld functions, %lld files with lines over %zu bytes\n", files.size(),
              functions, longLineFiles, kSourcePieceMax);
}

}  // namespace
}  // namespace mora
