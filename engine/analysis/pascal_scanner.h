// The Pascal scanner: finds procedure and function definitions whose keyword
// starts in column 1, each ended by "end;" in column 1. Calls are names
// declared earlier in the file (also qualified, as in "Self.Init") and names
// written before "(".
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "analysis/function_database.h"
#include "analysis/function_scan.h"

namespace mora {

class FunctionScan;

// Words that are never routine or call names, compared without regard to case.
inline constexpr std::array<std::string_view, 99> PASCAL_RESERVED_WORDS = {
    "and",
    "exports",
    "mod",
    "shr",
    "array",
    "file",
    "nil",
    "string",
    "as",
    "finalization",
    "not",
    "stringresource",
    "asm",
    "finally",
    "object",
    "then",
    "begin",
    "for",
    "of",
    "threadvar",
    "case",
    "function",
    "or",
    "to",
    "class",
    "goto",
    "out",
    "try",
    "const",
    "if",
    "packed",
    "type",
    "constructor",
    "implementation",
    "procedure",
    "unit",
    "destructor",
    "in",
    "program",
    "until",
    "dispinterface",
    "inherited",
    "property",
    "uses",
    "div",
    "initialization",
    "raise",
    "var",
    "do",
    "inline",
    "record",
    "while",
    "downto",
    "interface",
    "repeat",
    "with",
    "else",
    "is",
    "resourcestring",
    "xor",
    "end",
    "label",
    "set",
    "except",
    "library",
    "shl",
    "absolute",
    "external",
    "pascal",
    "safecall",
    "abstract",
    "far",
    "private",
    "stdcall",
    "assembler",
    "forward",
    "protected",
    "stored",
    "automated",
    "index",
    "public",
    "virtual",
    "cdecl",
    "message",
    "published",
    "write",
    "default",
    "name",
    "read",
    "writeonly",
    "dispid",
    "near",
    "readonly",
    "dynamic",
    "nodefault",
    "register",
    "export",
    "override",
    "resident",
};

bool isPascalReservedWord(std::string_view word);
// Letters, digits, "$", "_" and ".".
bool isPascalWordChar(char c);
// The name of the routine that the column-1 line `raw` (stripped form
// `stripped`) starts, or "" when it starts none.
std::string_view pascalHeaderName(std::string_view raw, std::string_view stripped);
// Appends the routines that `stripped` calls to `names` (each once);
// returns how many were added.
int addPascalCallees(std::string_view stripped, RoutineScanState& state, BodySlot& names);

// Removes the comments of `raw` ("//" to the end, "{...}" and "(*...*)",
// which may run over lines: `inComment` and `commentKind` carry an open one
// from line to line) and the blanks around what is left, into `out`; true
// when the line held a comment or lay inside one.
bool stripPascalLine(std::string_view raw, bool& inComment, int& commentKind, std::string& out);

// The four operations of the Pascal row of the scanner table.
// The stripped line, put together in `out`.
std::string_view pascalStripLine(FunctionScan& s, std::string_view raw, std::string& out);
void pascalBeginFile(FunctionScan& s);
LineOutcome pascalScanLine(FunctionScan& s, std::string_view raw, std::string_view stripped);
void pascalEndFile(FunctionScan& s);

}  // namespace mora
