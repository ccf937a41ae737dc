// The four HTML writers of the reports: tags, anchors and links that go
// straight to a stream (the report page or the index file), never through the
// output path. Names and page names are escaped, since they come from file
// and function names that anyone can choose.
#pragma once

#include <iosfwd>
#include <string_view>

namespace mora {

// Each writer returns false and writes nothing when `stream` is absent.
// "<tag>", then a line feed if asked; flushed.
bool writeOpenTag(std::ostream* stream, std::string_view tag, bool lineFeed);
// In UTF-8 output, the declaration of the page's charset that a report
// writes before its "<PRE>", so a browser never guesses the encoding of its
// text; nothing in Shift-JIS output, whose pages stay as they always were.
bool writeCharsetDeclaration(std::ostream* stream);
// "</tag>", then a line feed if asked.
bool writeCloseTag(std::ostream* stream, std::string_view tag, bool lineFeed);
// A named anchor, underlined, showing its own name; flushed. The anchor's
// name is `name` without trailing blanks.
bool writeAnchor(std::ostream* stream, std::string_view name);
// A link to the anchor `name` on `page`, showing `name`; flushed. The target
// is the anchor's name with each blank written as %20.
bool writeLink(std::ostream* stream, std::string_view page, std::string_view name);

}  // namespace mora
