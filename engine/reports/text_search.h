// The text search report: every source line that contains one of the
// search strings, printed as "file(number) : line" so that editors can jump
// to it. Strings are plain substrings; with the case setting off both sides
// are compared in lower case.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace mora {

class Engine;

// ASCII letters lowered into `out` (its buffer reused); the second byte of a
// double-byte character is copied unchanged, so no character is altered.
void lowerSjis(std::string_view text, std::string& out);
// The same into out[0..text.size()).
void lowerSjis(std::string_view text, char* out);

// Searches `files` one after another; a file that cannot be opened is
// skipped in silence. Lines are read in pieces of kSearchPieceMax bytes and
// numbered by piece; a string is found only whole inside one piece.
void searchFiles(Engine& e, std::vector<std::string> strings,
                 const std::vector<std::string>& files);

}  // namespace mora
