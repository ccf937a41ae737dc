// The printf-style formatting of the printf, sprintf and fprintf built-ins.
// Formats come from scripts, so they never reach the C library's printf:
// each conversion is done here and takes the next argument as a text.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace mora {

// Backslash escapes: \n, \t and \a give line feed, tab and bell; a backslash
// before any other character is dropped. Double-byte characters pass whole.
// The result is cut at kFormatMax characters.
std::string processEscapes(std::string_view format);

// Formats `format` with `args`. %s takes the text; %d, %i, %u, %o, %x, %X
// take its leading integer, %e, %f, %g (and upper case) its leading number,
// %c its first character. Flags "-+ #0", a width and a precision (also "*")
// are honoured up to kFormatFieldMax; length modifiers are ignored. A missing
// argument is an empty text; an unknown conversion is copied as written.
std::string formatWithTextArguments(std::string_view format, std::span<const std::string> args);

}  // namespace mora
