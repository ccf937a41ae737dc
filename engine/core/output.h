// The output path: every text the engine prints for the user passes here, so
// that `set output`, the spool copy, HTML filtering and command substitution
// apply to all of it alike.
#pragma once

#include <iosfwd>
#include <string_view>

namespace mora {

class Engine;

// Output is buffered; these are the points where it reaches its files.
// Writes everything printed so far to standard output, the `set output`
// file, the spool and the trace.
void flushOutput(Engine& e);
// Flushes when kOutputFlushInterval has passed since the last flush, so a
// long run still shows its progress to a reader of the output.
void flushOutputIfDue(Engine& e);
// Writes `text` on standard error after flushing the output before it.
void writeError(Engine& e, std::string_view text);

// Prints `text` on `stream` through the output path.
void printOutput(Engine& e, std::ostream& stream, std::string_view text);
// Prints on the output stream when ECHO is on (informational output).
void printIfEcho(Engine& e, std::string_view text);
// Prints on the output stream when debug is on.
void printIfDebug(Engine& e, std::string_view text);
// The output stream: standard output or the file of `set output`.
std::ostream& outputStream(Engine& e);
// Copies a raw input line into the spool file when spooling is on.
void spoolLine(Engine& e, std::string_view line);
// Closes the spool file, if any.
void closeSpool(Engine& e);

// Replaces the characters that HTML reserves; double-byte characters are
// copied unchanged.
std::string htmlEscape(std::string_view text);

}  // namespace mora
