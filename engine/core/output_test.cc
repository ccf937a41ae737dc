#include "core/output.h"

#include <gtest/gtest.h>

#include <fstream>
#include <memory>

#include "core/engine.h"
#include "core/limits.h"
#include "core/text_encoding.h"
#include "test_support.h"

namespace mora {
namespace {

using testing::ScratchDir;
using testing::TestEngine;

TEST(HtmlEscape, ReservedCharactersBecomeEntities) {
  EXPECT_EQ(htmlEscape("#include <stdio.h>"), "#include &lt;stdio.h&gt;");
  EXPECT_EQ(htmlEscape("a \"b\" & c"), "a &quot;b&quot; &amp; c");
}

TEST(HtmlEscape, SecondBytesOfDoubleByteCharactersPassUnchanged) {
  // Lead bytes 0x81 and 0xE0 followed by the codes of < > & and ".
  std::string sjis = "\x81<\x81>\xE0&\xE0\"";
  EXPECT_EQ(htmlEscape(sjis), sjis);
  // A lead byte at the very end has no second byte to protect.
  EXPECT_EQ(htmlEscape("<\x81"), "&lt;\x81");
}

TEST(HtmlEscape, Utf8TextIsEscapedByItsOwnCharacters) {
  // "計" ends in 0x88, a Shift-JIS lead byte: read as Shift-JIS it would
  // hide the "<" after it, whatever the encoding of the script.
  EncodingScope scope(TextEncoding::ShiftJis);
  EXPECT_EQ(htmlEscape("\xE8\xA8\x88<b>"), "\xE8\xA8\x88&lt;b&gt;");
  EXPECT_EQ(currentEncoding(), TextEncoding::ShiftJis);
}

TEST(PrintOutput, WritesToTheStreamAndTheSpoolCopyFiltered) {
  ScratchDir dir;
  TestEngine t;
  t.engine.out.spool = std::make_unique<std::ofstream>("spool.txt", std::ios::binary);
  t.engine.settings.htmlFilter = true;
  printOutput(t.engine, outputStream(t.engine), "<a>\n");
  t.engine.settings.htmlFilter = false;
  printOutput(t.engine, outputStream(t.engine), "<b>\n");
  t.engine.out.spool.reset();
  EXPECT_EQ(t.out(), "&lt;a&gt;\n<b>\n");
  EXPECT_EQ(dir.read("spool.txt"), "&lt;a&gt;\n<b>\n");
}

TEST(PrintOutput, CaptureTakesWholePiecesUpToTheLimit) {
  TestEngine t;
  t.engine.out.capturing = true;
  t.engine.settings.htmlFilter = true;  // captured text is taken as printed
  printOutput(t.engine, outputStream(t.engine), std::string(kCaptureMax - 3, 'x'));
  printOutput(t.engine, outputStream(t.engine), "<abcd>");  // would overflow: dropped
  printOutput(t.engine, outputStream(t.engine), "<a>");
  EXPECT_EQ(t.engine.out.capture, std::string(kCaptureMax - 3, 'x') + "<a>");
  EXPECT_EQ(t.out(), "");
}

TEST(PrintIfEchoAndDebug, FollowTheirSettings) {
  TestEngine t;
  printIfEcho(t.engine, "e1\n");
  printIfDebug(t.engine, "d1\n");
  t.engine.settings.echo = false;
  t.engine.settings.debug = true;
  printIfEcho(t.engine, "e2\n");
  printIfDebug(t.engine, "d2\n");
  EXPECT_EQ(t.out(), "e1\nd2\n");
}

}  // namespace
}  // namespace mora
