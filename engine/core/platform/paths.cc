#include "core/platform/paths.h"

#include <algorithm>

#include "core/text.h"

namespace mora {

namespace {

bool windows(PathStyle style) { return style == PathStyle::Windows; }

std::size_t driveLength(std::string_view path, PathStyle style) {
  return windows(style) && path.size() >= 2 && isAsciiAlpha(path[0]) && path[1] == ':' ? 2 : 0;
}

// How many leading bytes form the root that trailing separators may not be
// cut from: "/" on POSIX; "C:", "C:\" or "\" on Windows.
std::size_t rootLength(std::string_view path, PathStyle style) {
  std::size_t n = driveLength(path, style);
  return n < path.size() && isPathSeparator(path[n], style) ? n + 1 : n;
}

// Calls `visit(position, isSeparator)` for every character of `path`; on
// Windows a double-byte character is one character, so its second byte is
// never taken for a backslash.
template <typename Visit>
void forEachCharacter(std::string_view path, PathStyle style, Visit visit) {
  for (std::size_t i = 0; i < path.size();) {
    if (windows(style) && isSjisLead(path[i]) && i + 1 < path.size()) {
      visit(i, false);
      i += 2;
    } else {
      visit(i, isPathSeparator(path[i], style));
      ++i;
    }
  }
}

}  // namespace

bool isPathSeparator(char c, PathStyle style) { return c == '/' || (windows(style) && c == '\\'); }

std::size_t nameStart(std::string_view path, PathStyle style) {
  std::size_t start = driveLength(path, style);
  forEachCharacter(path, style, [&](std::size_t i, bool separator) {
    if (separator) start = i + 1;
  });
  return start;
}

std::string withoutTrailingSeparators(std::string_view dir, PathStyle style) {
  std::size_t contentEnd = 0;
  forEachCharacter(dir, style, [&](std::size_t i, bool separator) {
    if (!separator) contentEnd = i + (windows(style) && isSjisLead(dir[i]) ? 2 : 1);
  });
  std::size_t keep = std::max(std::min(contentEnd, dir.size()), rootLength(dir, style));
  return std::string(dir.substr(0, keep));
}

std::string parentDirectory(std::string_view path, PathStyle style) {
  return withoutTrailingSeparators(path.substr(0, nameStart(path, style)), style);
}

std::string withTrailingSeparator(std::string_view dir, PathStyle style) {
  std::string out(dir);
  if (!dir.empty() && nameStart(dir, style) != dir.size()) out += windows(style) ? '\\' : '/';
  return out;
}

std::string joinPath(std::string_view dir, std::string_view name, PathStyle style) {
  if (dir.empty()) return std::string(name);
  return withTrailingSeparator(dir, style).append(name);
}

std::vector<std::string> searchPathEntries(std::string_view list, PathStyle style) {
  const char delimiter = windows(style) ? ';' : ':';
  std::vector<std::string> entries;
  std::size_t start = 0;
  while (start <= list.size()) {
    std::size_t end = list.find(delimiter, start);
    if (end == std::string_view::npos) end = list.size();
    entries.emplace_back(list.substr(start, end - start));
    start = end + 1;
  }
  return entries;
}

}  // namespace mora
