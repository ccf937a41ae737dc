#include "analysis/pascal_scanner.h"

#include <gtest/gtest.h>

#include "core/engine.h"
#include "scan_transcript.h"
#include "test_support.h"

namespace mora {
namespace {

using testing::MemoryTestEngine;
using testing::TestEngine;
using Names = std::vector<std::string>;

class PascalScannerTest : public ::testing::Test {
 protected:
  void SetUp() override { e.settings.language = ScanLanguage::Pascal; }
  int scan(const std::string& source, ScanMode mode) {
    m.fs.addFile("t.pas", source);
    scans.clear();
    return scans.run({"t.pas"}, mode);
  }
  Names slot(std::size_t k) const { return scans.lines(k); }
  std::string text(std::size_t k) const { return scans.text(k); }

  MemoryTestEngine m;
  TestEngine& t = m.t;
  Engine& e = t.engine;
  testing::ScanTranscript scans{e};
  std::vector<std::string>& entries = scans.entries;
};

TEST(PascalHeaders, KeywordInColumnOneThenName) {
  EXPECT_EQ(pascalHeaderName("Procedure Foo;\n", "Procedure Foo;"), "Foo");
  EXPECT_EQ(pascalHeaderName("function Max(a, b: Integer): Integer;\n",
                             "function Max(a, b: Integer): Integer;"),
            "Max");
  EXPECT_EQ(pascalHeaderName("procedure TForm1.Button1Click(Sender: TObject);\n",
                             "procedure TForm1.Button1Click(Sender: TObject);"),
            "TForm1.Button1Click");
  EXPECT_EQ(pascalHeaderName("  procedure Local;\n", "procedure Local;"), "");
  EXPECT_EQ(pascalHeaderName("procedures x;\n", "procedures x;"), "");
  EXPECT_EQ(pascalHeaderName("program P;\n", "program P;"), "");
  EXPECT_TRUE(isPascalReservedWord("BEGIN"));
  EXPECT_FALSE(isPascalReservedWord("writeln"));
}

TEST_F(PascalScannerTest, RoutinesEndAtEndSemicolonInColumnOne) {
  const std::string src =
      "unit U;\n"
      "{ procedure Fake; }\n"
      "procedure Init;\n"
      "begin\n"
      "  end;\n"
      "end.\n"
      "END ;\n"
      "(* a comment\n"
      "   over two lines *)\n"
      "function Max(a, b: Integer): Integer;\n"
      "begin\n"
      "  if a > b then Max := a else Max := b; // pick\n"
      "end;\n";
  ASSERT_EQ(scan(src, ScanMode::FunctionText), 0);
  EXPECT_EQ(entries, (Names{"Init", "Max"}));
  // A comment line directly above a routine belongs to its text and counts.
  EXPECT_EQ(text(0), "{ procedure Fake; }\nprocedure Init;\nbegin\n  end;\nend.\nEND ;\n");
  EXPECT_EQ(text(1), src.substr(src.find("(* a")));

  ASSERT_EQ(scan(src, ScanMode::StepCount), 0);
  EXPECT_EQ(entries, (Names{"Init 6 5 1 0", "Max 6 4 2 0", "> 13 10 3 0"}));
}

TEST_F(PascalScannerTest, CallsByDeclaredNameQualifiedNameAndParenthesis) {
  const std::string src =
      "procedure Init;\n"
      "begin\n"
      "end;\n"
      "procedure TForm1.Reset;\n"
      "begin\n"
      "end;\n"
      "procedure Run;\n"
      "begin\n"
      "  Init; Self.Init; Form1.Reset;\n"
      "  Writeln('Init(x)'); if (x) then Later;\n"
      "  Init\n"
      "end;\n"
      "procedure Later;\n"
      "begin\n"
      "end;\n";
  ASSERT_EQ(scan(src, ScanMode::CallLists), 0);
  EXPECT_EQ(entries, (Names{"Init", "TForm1.Reset", "Run", "Later"}));
  EXPECT_EQ(slot(2), (Names{"Init", "Self.Init", "Form1.Reset", "Writeln"}));
}

TEST_F(PascalScannerTest, OpenCommentAndRoutineDoNotReachTheNextFile) {
  ASSERT_EQ(scan("procedure A;\nbegin\n{ open\n", ScanMode::NamesOnly), 0);
  EXPECT_TRUE(entries.empty());
  ASSERT_EQ(scan("procedure B;\nbegin\nend;\n", ScanMode::NamesOnly), 0);
  EXPECT_EQ(entries, (Names{"B"}));
}

}  // namespace
}  // namespace mora
