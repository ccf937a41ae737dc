// The diagram of one text file when its files fail to read part-way: the
// command fails naming the file, instead of the read error escaping.
#include "reports/action_diagram.h"

#include <gtest/gtest.h>

#include "core/engine.h"
#include "test_support.h"

namespace mora {
namespace {

using testing::MemoryTestEngine;
using Failure = MemoryPlatform::Failure;

constexpr const char* kText =
    "int main(void)\n{\nif (a) { x = 1; } else { y = 2; }\nwhile (b) { c(); }\n}\n";

TEST(ActionDiagram, ATextThatFailsToReadFailsInEveryLanguage) {
  for (ScanLanguage language : {ScanLanguage::C, ScanLanguage::Basic, ScanLanguage::Pascal}) {
    SCOPED_TRACE(static_cast<int>(language));
    MemoryTestEngine m;
    Engine& e = m.engine();
    e.settings.language = language;
    m.fs.addFile("t.txt", kText);
    m.fs.failOn("t.txt", Failure::Read);
    EXPECT_FALSE(drawActionDiagram(e, "t.txt"));
    EXPECT_EQ(m.t.err(), "  FIEC010 : Report failed: t.txt\n");
    EXPECT_EQ(m.t.out(), "");
    EXPECT_FALSE(m.fs.text("t.pot").has_value());  // the intermediate file went
  }
}

TEST(ActionDiagram, AnIntermediateFileThatFailsToReadFailsTheDiagram) {
  MemoryTestEngine m;
  Engine& e = m.engine();
  m.fs.addFile("t.txt", kText);
  m.fs.failOn("t.pot", Failure::Read);
  EXPECT_FALSE(drawActionDiagram(e, "t.txt"));
  EXPECT_EQ(m.t.err(), "  FIEC010 : Report failed: t.pot\n");
  EXPECT_FALSE(m.fs.text("t.pot").has_value());
  EXPECT_TRUE(m.fs.text("t.txt").has_value());
}

}  // namespace
}  // namespace mora
