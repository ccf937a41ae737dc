#include "analysis/scan_failure.h"

#include <gtest/gtest.h>

#include "analysis/function_database.h"
#include "test_support.h"

namespace mora {
namespace {

using testing::messageCodes;
using testing::TestEngine;

constexpr ScanFailureMessages kMessages{{"FIEC001", ScanSubject::Source},
                                        {"FIEC004", ScanSubject::Output},
                                        {"FIES004", ScanSubject::None},
                                        {"FIEC003", ScanSubject::None}};

std::string raised(int error) {
  TestEngine t;
  raiseScanFailure(t.engine, error, kMessages, "in.c", "out.lib");
  return t.err();
}

TEST(ScanFailure, EachErrorRaisesItsMessageNamingItsSubject) {
  std::string source = raised(kScanCannotOpenSource);
  EXPECT_EQ(messageCodes(source), "FIEC001");
  EXPECT_NE(source.find("in.c"), std::string::npos);

  std::string output = raised(kScanCannotOpenOutput);
  EXPECT_EQ(messageCodes(output), "FIEC004");
  EXPECT_NE(output.find("out.lib"), std::string::npos);
  EXPECT_EQ(output.find("in.c"), std::string::npos);

  std::string memory = raised(kScanOutOfMemory);
  EXPECT_EQ(messageCodes(memory), "FIES004");
  EXPECT_EQ(memory.find("in.c"), std::string::npos);
}

TEST(ScanFailure, AnyOtherErrorRaisesTheCatchAllMessage) {
  EXPECT_EQ(messageCodes(raised(kScanOk)), "FIEC003");
  EXPECT_EQ(messageCodes(raised(99)), "FIEC003");
}

TEST(ScanFailure, ReportsNameTheFileThatCannotBeRead) {
  TestEngine t;
  raiseScanFailure(t.engine, kScanCannotOpenSource, kReportScanFailures, "gone.c");
  raiseScanFailure(t.engine, kScanOutOfMemory, kReportScanFailures, "big.c");
  EXPECT_EQ(messageCodes(t.err()), "FIEC010 FIES004");
  EXPECT_NE(t.err().find("gone.c"), std::string::npos);
}

}  // namespace
}  // namespace mora
