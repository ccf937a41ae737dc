// The one place that knows how a path is spelt: which bytes separate
// directories, what a drive or a root looks like, how a directory and a name
// are joined and how the PATH variable lists directories. Every other part of
// the engine asks here instead of testing for "/" itself.
//
// Both rule sets are compiled everywhere so that each can be tested on any
// host; the engine uses the host's through the default arguments.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace mora {

enum class PathStyle {
  // "/" separates directories; a backslash is an ordinary name byte.
  Posix,
  // Backslash and "/" separate directories, "x:" names a drive, and a
  // backslash that is the second byte of a Shift-JIS character separates
  // nothing.
  Windows,
};

#ifdef _WIN32
inline constexpr PathStyle kHostPathStyle = PathStyle::Windows;
#else
inline constexpr PathStyle kHostPathStyle = PathStyle::Posix;
#endif

bool isPathSeparator(char c, PathStyle style = kHostPathStyle);

// Where the last component of `path` begins: just past its last separator
// (or its drive), 0 when the path has no directory part.
std::size_t nameStart(std::string_view path, PathStyle style = kHostPathStyle);

// Whether `path` names a directory, not only a file: a name without one is
// looked up along PATH and beside the program.
inline bool hasDirectoryPart(std::string_view path, PathStyle style = kHostPathStyle) {
  return nameStart(path, style) > 0;
}

inline std::string_view lastComponent(std::string_view path, PathStyle style = kHostPathStyle) {
  return path.substr(nameStart(path, style));
}

// The directory that holds `path`, without its final separator unless it is
// a root ("/", "C:\"); empty when `path` has no directory part.
std::string parentDirectory(std::string_view path, PathStyle style = kHostPathStyle);

// `dir` and `name` with one separator between them; `name` alone for an
// empty `dir`.
std::string joinPath(std::string_view dir, std::string_view name, PathStyle style = kHostPathStyle);

// `dir` ending in a separator (or a bare drive "C:"), ready to be a prefix.
std::string withTrailingSeparator(std::string_view dir, PathStyle style = kHostPathStyle);

// `dir` without trailing separators, except that a root keeps its own.
std::string withoutTrailingSeparators(std::string_view dir, PathStyle style = kHostPathStyle);

// The directories listed in the PATH variable, in order; an empty entry is
// the current directory and comes back empty.
std::vector<std::string> searchPathEntries(std::string_view list, PathStyle style = kHostPathStyle);

}  // namespace mora
