#include "analysis/function_scan.h"

#include <gtest/gtest.h>

#include <csignal>

#include "core/engine.h"
#include "test_support.h"

namespace mora {
namespace {

using testing::TestEngine;

// A device without end is read line by line and never reaches its end: only
// the interrupt recorded by the signal handler stops the scan, at the next
// line, with the user's message.
TEST(FunctionScan, AnEndlessFileStopsAtARecordedSignal) {
  volatile std::sig_atomic_t flag = 1;
  TestEngine t;
  t.engine.setInterruptFlag(&flag);
  FunctionScan scan(t.engine, ScanMode::NamesOnly, {});
  EXPECT_THROW(scan.scanFile("/dev/zero"), EngineExit);
  EXPECT_EQ(t.out(), "");
  EXPECT_EQ(t.err(), "Terminated by User.\n");
  EXPECT_TRUE(scan.records().empty());
}

}  // namespace
}  // namespace mora
