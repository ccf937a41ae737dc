#include "core/html_writers.h"

#include <ostream>
#include <string>

#include "core/output.h"
#include "core/text_encoding.h"

namespace mora {

namespace {

constexpr std::string_view kUtf8CharsetDeclaration =
    "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=UTF-8\">";

// A page name inside HREF: escaped like any attribute text, and a "#" in the
// name itself encoded so that it does not start the fragment early.
std::string hrefPage(std::string_view page) {
  std::string escaped = htmlEscape(page);
  std::string out;
  out.reserve(escaped.size());
  for (char c : escaped) {
    if (c == '#') {
      out += "%23";
    } else {
      out += c;
    }
  }
  return out;
}

// Entries with a file part end in a blank ("main [main.c] "). Browsers drop
// trailing blanks from a link target, so the anchor name and the link use
// the entry without them, and the link spells inner blanks as %20 so that
// its target is a well-formed URL; both then name the same place.
std::string_view anchorName(std::string_view name) {
  while (!name.empty() && name.back() == ' ') name.remove_suffix(1);
  return name;
}

std::string linkFragment(std::string_view name) {
  std::string fragment;
  for (char c : anchorName(name)) {
    if (c == ' ') {
      fragment += "%20";
    } else {
      fragment += c;
    }
  }
  return fragment;
}

}  // namespace

bool writeOpenTag(std::ostream* stream, std::string_view tag, bool lineFeed) {
  if (!stream) return false;
  *stream << '<' << tag << '>';
  if (lineFeed) *stream << '\n';
  stream->flush();
  return true;
}

bool writeCharsetDeclaration(std::ostream* stream) {
  if (!stream) return false;
  if (outputEncoding() == TextEncoding::Utf8) *stream << kUtf8CharsetDeclaration << '\n';
  return true;
}

bool writeCloseTag(std::ostream* stream, std::string_view tag, bool lineFeed) {
  if (!stream) return false;
  *stream << "</" << tag << '>';
  if (lineFeed) *stream << '\n';
  // Flushed as well, so that a page read while the run goes on is complete
  // up to here.
  stream->flush();
  return true;
}

bool writeAnchor(std::ostream* stream, std::string_view name) {
  if (!stream) return false;
  // Names are file and function names: a file may be called
  // x"><img src=x onerror=...>.c, so they are escaped in the attribute and
  // in the text.
  *stream << "<U><A NAME=\"" << htmlEscape(anchorName(name)) << "\">" << htmlEscape(name)
          << "</A></U>\n";
  stream->flush();
  return true;
}

bool writeLink(std::ostream* stream, std::string_view page, std::string_view name) {
  if (!stream) return false;
  *stream << "<A HREF=\"" << hrefPage(page) << '#' << htmlEscape(linkFragment(name)) << "\">"
          << htmlEscape(name) << "</A>\n";
  stream->flush();
  return true;
}

}  // namespace mora
