// Source file selection: parsing a file list (names, quoted names, variables,
// list files in angle brackets) and expanding wildcards and directories by a
// one-level directory walk.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/wildcard.h"  // wildcardMatches, used with file lists

namespace mora {

class Engine;

struct ParsedList {
  std::vector<std::string> names;
  // Characters of the text that the list took, up to the end of its last
  // item; blanks and a following keyword (such as `without`) are left.
  std::size_t consumed = 0;
};

// Parses a file list at the start of `text`: items separated by "," with
// optional blanks. An item is a double-quoted name, a variable (its value
// split at "," and line feeds; "<name>" parts are list files), "<name>" (a
// list file: each non-empty line, in pieces of 255 bytes, is an item), or a
// run of file-name characters. The list ends at the end of the text or at a
// keyword after a blank. Returns std::nullopt after one message (FIEU007,
// FIEU003, FIES001, FIES004). The names are not yet expanded.
std::optional<ParsedList> parseFileList(Engine& e, std::string_view text);

// Reads a list file: each non-empty line, cut into pieces of 255 bytes, is
// one name. False after FIES001 when it cannot be read.
bool readListFile(Engine& e, const std::string& name, std::vector<std::string>& names);

// Whether every file exists; each missing one is named (FIEC013) before the
// caller fails, so one run shows the user all of them.
bool allFilesExist(Engine& e, const std::vector<std::string>& files);
// The same, asking only about the files not already `seen` to exist.
bool allFilesExist(Engine& e, const std::vector<std::string>& files, const std::vector<bool>& seen);

// Expands wildcards and directories (one level, in the platform's order).
// A name that matches nothing, or names no directory, stays as written.
std::vector<std::string> expandFileNames(Engine& e, const std::vector<std::string>& names);
// The same; `seen` gets, beside each name, whether the look-up that decided
// its expansion found it existing (a regular file, or an entry listed by a
// walk), so that a check right after need not look it up again.
std::vector<std::string> expandFileNames(Engine& e, const std::vector<std::string>& names,
                                         std::vector<bool>& seen);

// True for the characters that may make up an unquoted file name.
bool isFileNameChar(char c);

// ASCII letters folded to upper case; double-byte characters unchanged.
std::string foldUpperSjis(std::string_view text);

}  // namespace mora
