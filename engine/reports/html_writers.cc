#include "reports/html_writers.h"

#include <ostream>
#include <string>

namespace mora {

namespace {

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
  *stream << "<U><A NAME=\"" << anchorName(name) << "\">" << name << "</A></U>\n";
  stream->flush();
  return true;
}

bool writeLink(std::ostream* stream, std::string_view page, std::string_view name) {
  if (!stream) return false;
  *stream << "<A HREF=\"" << page << '#' << linkFragment(name) << "\">" << name << "</A>\n";
  stream->flush();
  return true;
}

}  // namespace mora
