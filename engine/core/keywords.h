// The keyword table: every word the language recognises, in the order in
// which it is searched. The enum and the spellings come from one list, so they
// cannot drift apart.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace mora {

// One entry per line; kept out of the formatter, which would reflow it.
// clang-format off
#define MORA_KEYWORDS(X) \
  X(Exit, "exit") \
  X(Bye, "bye") \
  X(Echo, "echo") \
  X(Add, "add") \
  X(Event, "event") \
  X(Create, "create") \
  X(Delete, "delete") \
  X(Define, "define") \
  X(Action, "action") \
  X(Alias, "alias") \
  X(Done, "done") \
  X(Reset, "reset") \
  X(Count, "count") \
  X(Trace, "trace") \
  X(Whenever, "whenever") \
  X(Print, "print") \
  X(While, "while") \
  X(For, "for") \
  X(List, "list") \
  X(Find, "find") \
  X(Select, "select") \
  X(Include, "include") \
  X(History, "history") \
  X(H, "h") \
  X(Load, "load") \
  X(Unload, "unload") \
  X(Function, "function") \
  X(Func, "func") \
  X(Call, "call") \
  X(Goto, "goto") \
  X(Return, "return") \
  X(Break, "break") \
  X(Begin, "begin") \
  X(End, "end") \
  X(Replace, "replace") \
  X(Tree, "tree") \
  X(Entab, "entab") \
  X(Detab, "detab") \
  X(Ctree, "ctree") \
  X(Rtree, "rtree") \
  X(Ftree, "ftree") \
  X(Import, "import") \
  X(Export, "export") \
  X(Spool, "spool") \
  X(Set, "set") \
  X(If, "if") \
  X(Elsif, "elsif") \
  X(Else, "else") \
  X(Then, "then") \
  X(Endif, "endif") \
  X(Help, "help") \
  X(Var, "var") \
  X(Dir, "dir") \
  X(Ls, "ls") \
  X(Case, "case") \
  X(Itree, "itree") \
  X(Chdir, "chdir") \
  X(Mkdir, "mkdir") \
  X(Rmdir, "rmdir") \
  X(Tags, "tags") \
  X(Type, "type") \
  X(Open, "open") \
  X(Close, "close") \
  X(Read, "read") \
  X(Write, "write") \
  X(Check, "check") \
  X(Deflist, "deflist") \
  X(Cd, "cd") \
  X(On, "on") \
  X(Off, "off") \
  X(Into, "into") \
  X(To, "to") \
  X(Position, "position") \
  X(From, "from") \
  X(As, "as") \
  X(At, "at") \
  X(Backup, "backup") \
  X(Repeat, "repeat") \
  X(Prompt, "prompt") \
  X(Error, "error") \
  X(Message, "message") \
  X(System, "system") \
  X(Sysdt, "sysdt") \
  X(File, "file") \
  X(Head, "head") \
  X(With, "with") \
  X(Without, "without") \
  X(Caller, "caller") \
  X(Notdefined, "notdefined") \
  X(Prototype, "prototype") \
  X(Debug, "debug") \
  X(Number, "number") \
  X(Warning, "warning") \
  X(Talkative, "talkative") \
  X(Mode, "mode") \
  X(Line, "line") \
  X(Screen, "screen") \
  X(Language, "language") \
  X(Pascal, "pascal") \
  X(C, "c") \
  X(Fortran, "fortran") \
  X(Perl, "perl") \
  X(Java, "java") \
  X(Mora, "mora") \
  X(Basic, "basic") \
  X(Ascii, "ascii") \
  X(Jis, "jis") \
  X(Label, "label") \
  X(Code, "code") \
  X(Output, "output") \
  X(Dirmask, "dirmask") \
  X(Braces, "braces") \
  X(Html, "html") \
  X(Htmlfilter, "htmlfilter") \
  X(Fullpath, "fullpath") \
  X(Index, "index") \
  X(Store, "store") \
  X(Filepos, "filepos") \
  X(Ifdef, "ifdef") \
  X(Continue, "continue")
// clang-format on

enum class Token : std::uint8_t {
#define MORA_TOKEN_ENUM(name, word) name,
  MORA_KEYWORDS(MORA_TOKEN_ENUM)
#undef MORA_TOKEN_ENUM
};

inline constexpr std::array kKeywordWords = {
#define MORA_TOKEN_WORD(name, word) std::string_view(word),
    MORA_KEYWORDS(MORA_TOKEN_WORD)
#undef MORA_TOKEN_WORD
};

inline constexpr std::size_t kKeywordCount = kKeywordWords.size();

// Looks the word up in table order, without regard to case.
std::optional<Token> lookupKeyword(std::string_view word);

inline std::string_view keywordWord(Token t) { return kKeywordWords[static_cast<std::size_t>(t)]; }

}  // namespace mora
