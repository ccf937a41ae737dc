// The C/C++ scanner: a line-oriented recogniser of function definitions. It
// builds no syntax tree; fixed rules decide what a header is and where a body
// begins and ends, and the reports are defined by what these rules record,
// blind spots included.
#pragma once

#include <algorithm>
#include <array>
#include <string>
#include <string_view>
#include <unordered_set>

#include "analysis/function_database.h"
#include "analysis/function_scan.h"

namespace mora {

class FunctionScan;

// Words that are never function or call names, in ascending byte order.
inline constexpr std::array<std::string_view, 62> C_RESERVED_WORDS = {
    "asm",        "auto",       "bad_cast",
    "bad_typeid", "break",      "case",
    "catch",      "char",       "class",
    "const",      "const_cast", "continue",
    "default",    "defined",    "delete",
    "do",         "double",     "dynamic_cast",
    "else",       "enum",       "except",
    "extern",     "finally",    "float",
    "for",        "friend",     "goto",
    "if",         "inline",     "int",
    "long",       "namespace",  "new",
    "operator",   "private",    "protected",
    "public",     "register",   "reinterpret_cast",
    "return",     "short",      "signed",
    "sizeof",     "static",     "static_cast",
    "struct",     "switch",     "template",
    "this",       "throw",      "try",
    "type_info",  "typedef",    "typeid",
    "union",      "unsigned",   "using",
    "virtual",    "void",       "volatile",
    "while",      "xalloc",
};
static_assert(std::is_sorted(C_RESERVED_WORDS.begin(), C_RESERVED_WORDS.end()),
              "the reserved words are searched in ascending order");

bool isCReservedWord(std::string_view word);
// Letters, digits, "_", ":" and "~".
bool isCNameChar(char c);
// After leading ":" and one optional "~", the first character is a name character.
bool isValidCName(std::string_view name);
// Net "{" minus "}" outside strings, character literals and double-byte characters.
int braceBalance(std::string_view text);
// Appends the names called on `stripped` that `seen` does not hold yet to
// `names` and `seen`; returns how many were added.
int addCalleeNames(std::string_view stripped, BodySlot& names, CalleeSet& seen);

// The four operations of the C/C++ row of the scanner table.
// The stripped line: a view into `raw`, or into `scratch` when the kept text
// had to be put together.
std::string_view cStripLine(FunctionScan& s, std::string_view raw, std::string& scratch);
void cBeginFile(FunctionScan& s);
LineOutcome cScanLine(FunctionScan& s, std::string_view raw, std::string_view stripped);
void cEndFile(FunctionScan& s);

}  // namespace mora
