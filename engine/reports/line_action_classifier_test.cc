// The line classifier: which record kind and nest move each kind of Basic
// and Pascal line gets.
#include "reports/line_action_classifier.h"

#include <gtest/gtest.h>

#include <string>

namespace mora {
namespace {

std::string classify(std::string_view line, LineLanguage language = LineLanguage::Basic) {
  static const char* const kMoves[] = {"statement", "open", "oneline", "branch", "close"};
  LineAction a = classifyActionLine(line, language);
  return std::string(a.kind) + " " + kMoves[static_cast<int>(a.move)];
}

TEST(LineActionClassifier, IfAndElseIfDependOnTrailingThen) {
  EXPECT_EQ(classify("If x > 1 Then"), "bgnblk open");
  EXPECT_EQ(classify("If x Then y = 1"), "bgnblk oneline");
  EXPECT_EQ(classify("ElseIf x Then"), "midblk branch");
  EXPECT_EQ(classify("ElseIf x Then y = 2"), "endblk close");
  // "then" is only the last four bytes: a word ending in them counts too.
  EXPECT_EQ(classify("If x = athen"), "bgnblk open");
  // The line must be longer than "then" itself.
  EXPECT_EQ(classify("if"), "bgnblk oneline");
  EXPECT_EQ(classify("Else"), "midblk branch");
}

TEST(LineActionClassifier, SecondWordsOfEndDoAndLoop) {
  EXPECT_EQ(classify("END IF"), "endblk close");
  EXPECT_EQ(classify("End  Sub"), "endblk close");
  EXPECT_EQ(classify("end function"), "endblk close");
  EXPECT_EQ(classify("End Select"), "endblk close");
  EXPECT_EQ(classify("End Type"), "normal statement");
  EXPECT_EQ(classify("End With"), "normal statement");
  EXPECT_EQ(classify("End"), "normal statement");
  EXPECT_EQ(classify("Do While x"), "bgnloop open");
  EXPECT_EQ(classify("do until eof(1)"), "bgnloop open");
  EXPECT_EQ(classify("Do"), "bgnblk open");
  EXPECT_EQ(classify("Do: x = 1"), "bgnblk open");
  EXPECT_EQ(classify("Loop Until x"), "endloop close");
  EXPECT_EQ(classify("Loop While x"), "endloop close");
  EXPECT_EQ(classify("Loop"), "endblk close");
  EXPECT_EQ(classify("DoEvents"), "normal statement");
}

TEST(LineActionClassifier, LoopsSelectAndCase) {
  EXPECT_EQ(classify("While x"), "bgnloop open");
  EXPECT_EQ(classify("Wend"), "endblk close");
  EXPECT_EQ(classify("For i = 1 To 10"), "bgnloop open");
  EXPECT_EQ(classify("For Each c In Controls"), "bgnloop open");
  EXPECT_EQ(classify("Next i"), "endblk close");
  EXPECT_EQ(classify("Select Case x"), "bgnblk open");
  EXPECT_EQ(classify("Case Else"), "midblk branch");
}

TEST(LineActionClassifier, ProcedureHeadersByLanguage) {
  EXPECT_EQ(classify("Private Sub Foo()"), "bgnblk open");
  EXPECT_EQ(classify("Public Static Function F() As Long"), "bgnblk open");
  EXPECT_EQ(classify("Sub Main()"), "bgnblk open");
  EXPECT_EQ(classify("Exit Sub"), "normal statement");
  EXPECT_EQ(classify("Private Declare Function F Lib \"k\" ()"), "normal statement");
  EXPECT_EQ(classify("Public x As Long"), "normal statement");
  EXPECT_EQ(classify("Private"), "normal statement");
  EXPECT_EQ(classify("Procedure P;"), "normal statement");
  EXPECT_EQ(classify("procedure P;", LineLanguage::Pascal), "bgnblk open");
  EXPECT_EQ(classify("function F: Integer;", LineLanguage::Pascal), "bgnblk open");
  EXPECT_EQ(classify("Sub Main()", LineLanguage::Pascal), "normal statement");
  // Everything else is shared: Pascal closes with the Basic words too.
  EXPECT_EQ(classify("end sub", LineLanguage::Pascal), "endblk close");
  EXPECT_EQ(classify("end;", LineLanguage::Pascal), "normal statement");
  EXPECT_EQ(classify("while x do", LineLanguage::Pascal), "bgnloop open");
}

TEST(LineActionClassifier, LinesNotStartingWithAWord) {
  EXPECT_EQ(classify("#If Win32 Then"), "normal statement");
  EXPECT_EQ(classify(":If x Then"), "normal statement");
  EXPECT_EQ(classify("\x82\xa0 If x Then"), "normal statement");
  // A word runs over letters, digits, "_", "." and "!": these are not "If".
  EXPECT_EQ(classify("If.x Then"), "normal statement");
  EXPECT_EQ(classify("If_1 Then"), "normal statement");
  EXPECT_EQ(classify("If(x) Then"), "bgnblk open");
}

}  // namespace
}  // namespace mora
