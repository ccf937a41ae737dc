#include "core/text_encoding.h"

#include <gtest/gtest.h>

#include <string>

#include "core/text.h"

namespace mora {
namespace {

// "合計" in UTF-8 and in Shift-JIS; the last UTF-8 byte 0x88 is a Shift-JIS
// lead byte, the Shift-JIS lead 0x8D a UTF-8 continuation byte.
const std::string kUtf8Total = "\xE5\x90\x88\xE8\xA8\x88";
const std::string kSjisTotal = "\x8D\x87\x8C\x76";
// "表" in Shift-JIS: its second byte is a backslash.
const std::string kSjisTable = "\x95\x5C";

class TextEncodingTest : public ::testing::Test {
 protected:
  void SetUp() override { configureEncoding("", false); }
  void TearDown() override { configureEncoding("", false); }
};

TEST_F(TextEncodingTest, SequenceLengthAcceptsOnlyWellFormedUtf8) {
  EXPECT_EQ(utf8SequenceLength(kUtf8Total, 0), 3u);
  EXPECT_EQ(utf8SequenceLength("\xC3\xA9", 0), 2u);
  EXPECT_EQ(utf8SequenceLength("\xF0\x9F\x98\x80", 0), 4u);
  EXPECT_EQ(utf8SequenceLength("a", 0), 0u);
  EXPECT_EQ(utf8SequenceLength("\xC0\xAF", 0), 0u);          // overlong "/"
  EXPECT_EQ(utf8SequenceLength("\xE0\x80\xAF", 0), 0u);      // overlong
  EXPECT_EQ(utf8SequenceLength("\xED\xA0\x80", 0), 0u);      // surrogate
  EXPECT_EQ(utf8SequenceLength("\xF4\x90\x80\x80", 0), 0u);  // beyond U+10FFFF
  EXPECT_EQ(utf8SequenceLength("\xE5\x90", 0), 0u);          // cut short
  EXPECT_EQ(utf8SequenceLength("\xE5\x90*", 0), 0u);
  EXPECT_EQ(utf8SequenceLength(kSjisTotal, 0), 0u);
}

TEST_F(TextEncodingTest, CharLengthFollowsTheCurrentEncoding) {
  std::string comment = kUtf8Total + "*/";
  {
    EncodingScope scope(TextEncoding::ShiftJis);
    // Read as Shift-JIS the last byte of the character swallows "*".
    EXPECT_EQ(charLength(comment, 5), 2u);
    EXPECT_EQ(charLength(kSjisTable, 0), 2u);
    EXPECT_EQ(charLength(kSjisTable, 1), 1u);
    EXPECT_EQ(charLength("\x95", 0), 1u);  // a lead byte at the end stands alone
  }
  {
    EncodingScope scope(TextEncoding::Utf8);
    EXPECT_EQ(charLength(comment, 3), 3u);
    EXPECT_EQ(charLength(comment, 6), 1u);
    EXPECT_EQ(charLength(comment, 4), 1u);  // a stray continuation byte
    EXPECT_FALSE(isSecondByte(comment, 6));
    EXPECT_TRUE(isSecondByte(comment, 5));
    // Malformed bytes never take the ASCII byte after them.
    EXPECT_EQ(charLength(kSjisTable, 0), 1u);
  }
  EXPECT_EQ(currentEncoding(), TextEncoding::ShiftJis);
}

TEST_F(TextEncodingTest, DetectorDecidesPerTextAndFallsBackForGood) {
  EncodingDetector ascii;
  EXPECT_EQ(ascii.observe("int main(void)\n"), std::nullopt);

  EncodingDetector utf8;
  EXPECT_EQ(utf8.observe("int x;\n"), std::nullopt);
  EXPECT_EQ(utf8.observe("/* " + kUtf8Total + "*/\n"), TextEncoding::Utf8);
  EXPECT_EQ(utf8.observe("int y;\n"), TextEncoding::Utf8);
  // A byte that is not UTF-8 turns the rest of the text to Shift-JIS.
  EXPECT_EQ(utf8.observe("/* " + kSjisTotal + " */\n"), TextEncoding::ShiftJis);
  EXPECT_EQ(utf8.observe("/* " + kUtf8Total + " */\n"), TextEncoding::ShiftJis);

  EncodingDetector sjis;
  EXPECT_EQ(sjis.observe(kSjisTable + "\n"), TextEncoding::ShiftJis);
  sjis.reset();
  EXPECT_EQ(sjis.observe("plain\n"), std::nullopt);

  // A character cut between two pieces is carried over.
  EncodingDetector cut;
  EXPECT_EQ(cut.observe("ab\xE5\x90"), TextEncoding::Utf8);
  EXPECT_EQ(cut.observe("\x88\n"), TextEncoding::Utf8);
  EXPECT_EQ(cut.observe("\x88\n"), TextEncoding::ShiftJis);
}

TEST_F(TextEncodingTest, DetectorSeesEveryByteAfterLongAsciiRuns) {
  // ASCII runs are skipped in blocks; a character at any offset of a block,
  // or a character cut at the end of a piece, must still be seen.
  const std::string run(70, 'x');
  for (std::size_t lead = 0; lead < 34; ++lead) {
    std::string prefix = run.substr(0, 32 + lead);
    EXPECT_EQ(EncodingDetector().observe(prefix + kUtf8Total + run), TextEncoding::Utf8) << lead;
    EXPECT_EQ(EncodingDetector().observe(prefix + kSjisTotal + run), TextEncoding::ShiftJis)
        << lead;
    EncodingDetector cut;
    EXPECT_EQ(cut.observe(prefix + "\xE5"), TextEncoding::Utf8) << lead;
    EXPECT_EQ(cut.observe(run), TextEncoding::ShiftJis) << lead;
  }
}

TEST_F(TextEncodingTest, OverrideForcesEveryDecisionAndTheOutput) {
  configureEncoding("sjis", true);
  EXPECT_EQ(EncodingDetector().observe(kUtf8Total), TextEncoding::ShiftJis);
  EXPECT_EQ(outputEncoding(), TextEncoding::ShiftJis);
  EXPECT_EQ(displayWidth(kUtf8Total), 6u);

  configureEncoding("UTF8", false);
  EXPECT_EQ(EncodingDetector().observe(kSjisTotal), TextEncoding::Utf8);
  EXPECT_EQ(outputEncoding(), TextEncoding::Utf8);
  EXPECT_EQ(currentEncoding(), TextEncoding::Utf8);

  configureEncoding("auto", true);
  EXPECT_EQ(outputEncoding(), TextEncoding::Utf8);
  configureEncoding("latin1", false);
  EXPECT_EQ(encodingChoice(), EncodingChoice::Auto);
  EXPECT_EQ(outputEncoding(), TextEncoding::ShiftJis);
}

TEST_F(TextEncodingTest, LocaleNamesUtf8ByItsCharset) {
  EXPECT_TRUE(localeIsUtf8("ja_JP.UTF-8"));
  EXPECT_TRUE(localeIsUtf8("C.utf8"));
  EXPECT_TRUE(localeIsUtf8("de_DE.UTF-8@euro"));
  EXPECT_FALSE(localeIsUtf8("ja_JP.SJIS"));
  EXPECT_FALSE(localeIsUtf8("C"));
  EXPECT_FALSE(localeIsUtf8(""));
}

TEST_F(TextEncodingTest, WidthsCountColumnsOfUtf8AndBytesOfShiftJis) {
  EXPECT_EQ(displayWidth(kUtf8Total), 4u);
  EXPECT_EQ(displayWidth("a" + kUtf8Total + "\xC3\xA9"), 6u);  // "é" is narrow
  EXPECT_EQ(displayWidth(kSjisTotal), 4u);
  EXPECT_EQ(displayWidth("\xE2\x94\x82 "), 2u);  // box drawing is narrow
  EXPECT_EQ(headWithinColumns(kUtf8Total + "x", 3), "\xE5\x90\x88");
  EXPECT_EQ(headWithinColumns(kUtf8Total + "x", 5), kUtf8Total + "x");
  EXPECT_EQ(headWithinColumns(kSjisTotal, 3), "\x8D\x87\x8C");
}

TEST_F(TextEncodingTest, LinePiecesAreWrittenInTheOutputEncoding) {
  std::string pieces = "\x84\xA5\x84\x9F x\x84\xA0\x81\x81";
  EXPECT_EQ(outputText(pieces), pieces);
  configureEncoding("utf8", false);
  EXPECT_EQ(outputText(pieces),
            "\xE2\x94\x9C\xE2\x94\x80\xE2\x94\x80\xE2\x94\x80 x\xE2\x94\x82 \xEF\xBC\x9D");
  EXPECT_EQ(displayWidth(outputText(pieces)), displayWidth(pieces));
}

}  // namespace
}  // namespace mora
