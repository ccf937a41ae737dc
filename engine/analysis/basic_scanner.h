// The Basic scanner: finds Sub and Function procedures in form, module and
// class files line by line. A header is a run of reserved words holding "Sub"
// or "Function", then the name and "("; "End Sub" or "End Function" closes
// it. Calls are statement-style: a name followed by its arguments, or "Call".
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "analysis/function_database.h"
#include "analysis/function_scan.h"

namespace mora {

class FunctionScan;

// Words that are never procedure or call names, compared without regard to case.
inline constexpr std::array<std::string_view, 300> BASIC_RESERVED_WORDS = {
    "abs",          "access",       "additem",     "addnew",
    "alias",        "and",          "any",         "app",
    "appactivate",  "APPEND",       "APPENDCHUNK", "ARRANGE",
    "as",           "asc",          "atn",         "base",
    "beep",         "begintrans",   "binary",      "byval",
    "call",         "case",         "ccur",        "cdbl",
    "chdir",        "chdrive",      "chr",         "chr$",
    "cint",         "circle",       "clear",       "clipboard",
    "clng",         "close",        "cls",         "command",
    "command$",     "committrans",  "compare",     "const",
    "control",      "controls",     "cos",         "createdynaset",
    "csng",         "cstr",         "curdir$",     "currency",
    "cvar",         "cvdate",       "data",        "date",
    "date$",        "dateserial",   "dateValue",   "day",
    "debug",        "declare",      "defcur",      "defdbl",
    "defint",       "deflng",       "defsng",      "defstr",
    "defvar",       "delete",       "dim",         "dir",
    "dir$",         "do",           "doevents",    "double",
    "drag",         "dynaset",      "edit",        "else",
    "elseif",       "end",          "enddoc",      "endif",
    "environ$",     "eof",          "eqv",         "erase",
    "erl",          "err",          "error",       "error$",
    "executeSQL",   "exit",         "exp",         "explicit",
    "false",        "fieldSize",    "fileattr",    "filecopy",
    "filedatetime", "filelen",      "fix",         "for",
    "form",         "format",       "format$",     "forms",
    "freefile",     "function",     "get",         "getattr",
    "getchunk",     "getdata",      "getformat",   "gettext",
    "global",       "gosub",        "goto",        "hex",
    "hex$",         "hide",         "hour",        "if",
    "imestatus",    "imp",          "input",       "input$",
    "inputb",       "inputb$",      "inputbox",    "inputbox$",
    "instr",        "instrb",       "int",         "integer",
    "is",           "isdate",       "isempty",     "isnull",
    "isnumeric",    "kill",         "lbound",      "lcase",
    "lcase$",       "left",         "left$",       "leftb",
    "leftb$",       "len",          "lenb",        "let",
    "lib",          "like",         "line",        "linkexecute",
    "linkpoke",     "linkrequest",  "linksend",    "load",
    "loadpicture",  "loc",          "local",       "lock",
    "lof",          "log",          "long",        "loop",
    "lset",         "ltrim",        "ltrim$",      "me",
    "mid",          "mid$",         "midb",        "midb$",
    "minute",       "mkdir",        "mod",         "month",
    "move",         "movefirst",    "movelast",    "movenext",
    "moveprevious", "moverelative", "msgbox",      "name",
    "new",          "newpage",      "next",        "nextblock",
    "not",          "nothing",      "now",         "null",
    "oct",          "oct$",         "on",          "open",
    "opendatabase", "option",       "or",          "output",
    "point",        "preserve",     "print",       "printer",
    "printform",    "private",      "public",      "pset",
    "put",          "qbcolor",      "random",      "randomize",
    "read",         "redim",        "refresh",     "registerdatabase",
    "rem",          "removeitem",   "reset",       "restore",
    "resume",       "return",       "rgb",         "right",
    "right$",       "rightb",       "rightb$",     "rmdir",
    "rnd",          "rollback",     "rset",        "rtrim",
    "rtrim$",       "savepicture",  "scale",       "second",
    "seek",         "select",       "sendkeys",    "set",
    "setattr",      "setdata",      "setfocus",    "SetText",
    "sgn",          "shared",       "shell",       "show",
    "sin",          "single",       "space",       "space$",
    "spc",          "sqr",          "static",      "step",
    "stop",         "str",          "str$",        "strcomp",
    "string",       "string$",      "sub",         "system",
    "tab",          "tan",          "text",        "textheight",
    "textwidth",    "then",         "time",        "time$",
    "timer",        "timeserial",   "timevalue",   "to",
    "trim",         "trim$",        "true",        "type",
    "typeof",       "ubound",       "ucase",       "ucase$",
    "unload",       "unlock",       "until",       "update",
    "using",        "val",          "variant",     "vartype",
    "weekday",      "wend",         "while",       "width",
    "write",        "xor",          "year",        "zorder",
};

bool isBasicReservedWord(std::string_view word);
// Letters, digits, "$", "_", "." and "!".
bool isBasicWordChar(char c);
// The name of the procedure that `stripped` starts, or "" when it starts none.
std::string_view basicHeaderName(std::string_view stripped);
// Appends the procedures that `stripped` calls to `names` (each once);
// returns how many were added.
int addBasicCallees(std::string_view stripped, RoutineScanState& state, BodySlot& names);

// Removes the comment of `raw` (a quote outside strings, or "Rem") and the
// blanks around what is left, into `out`; true when the line held a comment.
bool stripBasicLine(std::string_view raw, std::string& out);

// The four operations of the Basic row of the scanner table.
// The stripped line, put together in `out`.
std::string_view basicStripLine(FunctionScan& s, std::string_view raw, std::string& out);
void basicBeginFile(FunctionScan& s);
LineOutcome basicScanLine(FunctionScan& s, std::string_view raw, std::string_view stripped);
void basicEndFile(FunctionScan& s);

}  // namespace mora
