#include "core/output.h"

#include <chrono>
#include <ostream>

#include "core/engine.h"
#include "core/limits.h"
#include "core/text.h"

namespace mora {

std::ostream& outputStream(Engine& e) { return *e.out.output; }

namespace {

void flushIfOpen(std::ostream* stream) {
  if (stream) stream->flush();
}

}  // namespace

void flushOutput(Engine& e) {
  flushIfOpen(e.out.stdOut);
  if (e.out.output != e.out.stdOut) flushIfOpen(e.out.output);
  flushIfOpen(e.out.spool.get());
  flushIfOpen(e.out.trace.get());
  e.out.lastFlush = std::chrono::steady_clock::now();
}

void flushOutputIfDue(Engine& e) {
  auto now = std::chrono::steady_clock::now();
  if (now - e.out.lastFlush >= kOutputFlushInterval) flushOutput(e);
}

void writeError(Engine& e, std::string_view text) {
  flushOutput(e);
  e.out.stdErr->write(text.data(), static_cast<std::streamsize>(text.size()));
  e.out.stdErr->flush();
}

void printOutput(Engine& e, std::ostream& stream, std::string_view text) {
  // Every report line passes here: a report that would print for hours
  // (a tree with `repeat` over a cyclic call graph) still stops at once.
  e.checkInterrupt();
  if (e.out.capturing) {
    // A piece that would overflow the capture buffer is dropped whole.
    if (e.out.capture.size() + text.size() <= kCaptureMax) e.out.capture.append(text);
    return;
  }
  std::string filtered;
  if (e.settings.htmlFilter) {
    filtered = htmlEscape(text);
    text = filtered;
  }
  // Text for standard error is written at once, after everything printed
  // before it: a reader capturing both streams into one file sees them in
  // the order they were printed.
  bool toError = &stream == e.out.stdErr && e.out.stdErr != e.out.stdOut;
  if (toError) flushOutput(e);
  if (e.out.spool) e.out.spool->write(text.data(), static_cast<std::streamsize>(text.size()));
  stream.write(text.data(), static_cast<std::streamsize>(text.size()));
  if (toError) stream.flush();
}

void printIfEcho(Engine& e, std::string_view text) {
  if (e.settings.echo) printOutput(e, outputStream(e), text);
}

void printIfDebug(Engine& e, std::string_view text) {
  if (e.settings.debug) printOutput(e, outputStream(e), text);
}

void spoolLine(Engine& e, std::string_view line) {
  if (!e.out.spool) return;
  e.out.spool->write(line.data(), static_cast<std::streamsize>(line.size()));
}

void closeSpool(Engine& e) {
  e.out.spool.reset();
  e.out.spoolName.clear();
}

namespace {

struct HtmlEntity {
  char c;
  std::string_view entity;
};
constexpr HtmlEntity kHtmlEntities[] = {
    {'"', "&quot;"}, {'&', "&amp;"}, {'<', "&lt;"}, {'>', "&gt;"}};

}  // namespace

std::string htmlEscape(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  // Text printed here may have been read long ago from a file of another
  // encoding than the script's, so the text itself decides.
  EncodingScope scope(encodingOfText(text));
  for (std::size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    // A multi-byte character passes whole: a Shift-JIS second byte may equal "<".
    if (std::size_t n = charLength(text, i); n > 1) {
      out.append(text.substr(i, n));
      i += n - 1;
      continue;
    }
    const HtmlEntity* entity = nullptr;
    for (const HtmlEntity& h : kHtmlEntities)
      if (h.c == c) entity = &h;
    if (entity) {
      out += entity->entity;
    } else {
      out += c;
    }
  }
  return out;
}

}  // namespace mora
