#include "reports/html_writers.h"

#include <ostream>

namespace mora {

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
  *stream << "<U><A NAME=\"" << name << "\">" << name << "</A></U>\n";
  stream->flush();
  return true;
}

bool writeLink(std::ostream* stream, std::string_view page, std::string_view name) {
  if (!stream) return false;
  *stream << "<A HREF=\"" << page << '#' << name << "\">" << name << "</A>\n";
  stream->flush();
  return true;
}

}  // namespace mora
