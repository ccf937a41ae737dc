#include "reports/html_writers.h"

#include <ostream>
#include <string>

#include "core/output.h"

namespace mora {

namespace {

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

}  // namespace

bool writeOpenTag(std::ostream* stream, std::string_view tag, bool lineFeed) {
  if (!stream) return false;
  *stream << '<' << tag << '>';
  if (lineFeed) *stream << '\n';
  stream->flush();
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
  std::string escaped = htmlEscape(name);
  *stream << "<U><A NAME=\"" << escaped << "\">" << escaped << "</A></U>\n";
  stream->flush();
  return true;
}

bool writeLink(std::ostream* stream, std::string_view page, std::string_view name) {
  if (!stream) return false;
  std::string escaped = htmlEscape(name);
  *stream << "<A HREF=\"" << hrefPage(page) << '#' << escaped << "\">" << escaped << "</A>\n";
  stream->flush();
  return true;
}

}  // namespace mora
