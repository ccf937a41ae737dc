#include "core/output.h"

#include <gtest/gtest.h>

#include <memory>
#include <streambuf>
#include <string>

#include "core/engine.h"
#include "core/limits.h"
#include "core/text_encoding.h"
#include "test_support.h"

namespace mora {
namespace {

using testing::MemoryTestEngine;
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

// Two streams that end in one text, as standard output and standard error
// do in a merged capture: output is held until a flush, errors go at once.
class MergedCapture {
 public:
  class HeldBuffer : public std::streambuf {
   public:
    HeldBuffer(std::string& merged, bool holds) : merged_(merged), holds_(holds) {}

   protected:
    std::streamsize xsputn(const char* s, std::streamsize n) override {
      (holds_ ? held_ : merged_).append(s, static_cast<std::size_t>(n));
      return n;
    }
    int_type overflow(int_type c) override {
      char ch = traits_type::to_char_type(c);
      xsputn(&ch, 1);
      return c;
    }
    int sync() override {
      merged_ += held_;
      held_.clear();
      return 0;
    }

   private:
    std::string& merged_;
    bool holds_;
    std::string held_;
  };

  std::string merged;
  HeldBuffer outBuffer{merged, true};
  HeldBuffer errBuffer{merged, false};
  std::ostream out{&outBuffer};
  std::ostream err{&errBuffer};

  void attach(Engine& e) {
    e.out.stdOut = e.out.output = &out;
    e.out.stdErr = &err;
  }
};

TEST(PrintOutput, HoldsOutputUntilAnErrorOrAFlushAndKeepsTheOrder) {
  TestEngine t;
  MergedCapture capture;
  capture.attach(t.engine);
  printOutput(t.engine, outputStream(t.engine), "a\n");
  printOutput(t.engine, outputStream(t.engine), "b\n");
  EXPECT_EQ(capture.merged, "");  // no write per print
  printOutput(t.engine, *t.engine.out.stdErr, "  FIEU002 : x\n");
  printOutput(t.engine, outputStream(t.engine), "c\n");
  EXPECT_EQ(capture.merged, "a\nb\n  FIEU002 : x\n");
  writeError(t.engine, "Terminated by User.\n");
  EXPECT_EQ(capture.merged, "a\nb\n  FIEU002 : x\nc\nTerminated by User.\n");
}

TEST(FlushOutput, ReachesTheSpoolAndTheStreamsOnlyWhenDue) {
  MemoryTestEngine m;
  TestEngine& t = m.t;
  MergedCapture capture;
  capture.attach(t.engine);
  t.engine.out.spool = m.fs.openStream("spool.txt", std::ios::out | std::ios::binary);
  printOutput(t.engine, outputStream(t.engine), "x\n");
  t.engine.out.lastFlush = std::chrono::steady_clock::now();
  flushOutputIfDue(t.engine);
  EXPECT_EQ(capture.merged, "");
  t.engine.out.lastFlush -= kOutputFlushInterval;
  flushOutputIfDue(t.engine);
  EXPECT_EQ(capture.merged, "x\n");
  EXPECT_EQ(m.fs.text("spool.txt"), "x\n");  // read while the spool is still open
}

TEST(PrintOutput, WritesToTheStreamAndTheSpoolCopyFiltered) {
  MemoryTestEngine m;
  TestEngine& t = m.t;
  t.engine.out.spool = m.fs.openStream("spool.txt", std::ios::out | std::ios::binary);
  t.engine.settings.htmlFilter = true;
  printOutput(t.engine, outputStream(t.engine), "<a>\n");
  t.engine.settings.htmlFilter = false;
  printOutput(t.engine, outputStream(t.engine), "<b>\n");
  t.engine.out.spool.reset();
  EXPECT_EQ(t.out(), "&lt;a&gt;\n<b>\n");
  EXPECT_EQ(m.fs.text("spool.txt"), "&lt;a&gt;\n<b>\n");
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
