// The command and keyword table: every word the language recognises, once,
// in the order in which it is searched. A command row names its token, its
// word (also its help topic in data/mora.hl) and its handler; a word row is
// an option or reserved word that no statement starts with.
//
// The token enum, the word list and the help topics are expanded here. The
// handler column is expanded only by the program's assembly
// (commands/command_table.cc), the one place that sees the handlers of
// every layer; here it is never evaluated.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace mora {

// One entry per line, in search order; kept out of the formatter, which
// would reflow it.
// clang-format off
#define MORA_KEYWORDS(COMMAND, WORD) \
  COMMAND(Exit,       "exit",       cmdExit) \
  COMMAND(Bye,        "bye",        cmdExit) \
  COMMAND(Echo,       "echo",       cmdEcho) \
  WORD(Add,           "add") \
  COMMAND(Event,      "event",      cmdEvent) \
  COMMAND(Create,     "create",     cmdCreate) \
  COMMAND(Delete,     "delete",     cmdDelete) \
  COMMAND(Define,     "define",     cmdDefine) \
  COMMAND(Action,     "action",     cmdAction) \
  COMMAND(Alias,      "alias",      cmdAlias) \
  COMMAND(Done,       "done",       cmdDone) \
  COMMAND(Reset,      "reset",      cmdReset) \
  COMMAND(Count,      "count",      cmdCount) \
  WORD(Trace,         "trace") \
  COMMAND(Whenever,   "whenever",   cmdWhenever) \
  COMMAND(Print,      "print",      cmdPrint) \
  COMMAND(While,      "while",      cmdWhile) \
  COMMAND(For,        "for",        cmdFor) \
  COMMAND(List,       "list",       cmdList) \
  COMMAND(Find,       "find",       cmdFind) \
  WORD(Select,        "select") \
  COMMAND(Include,    "include",    cmdInclude) \
  COMMAND(History,    "history",    cmdHistory) \
  COMMAND(H,          "h",          cmdHistory) \
  COMMAND(Load,       "load",       cmdLoad) \
  COMMAND(Unload,     "unload",     cmdUnload) \
  COMMAND(Function,   "function",   cmdFunction) \
  COMMAND(Func,       "func",       cmdFunction) \
  COMMAND(Call,       "call",       cmdCall) \
  COMMAND(Goto,       "goto",       cmdGoto) \
  COMMAND(Return,     "return",     cmdReturn) \
  COMMAND(Break,      "break",      cmdBreak) \
  WORD(Begin,         "begin") \
  WORD(End,           "end") \
  WORD(Replace,       "replace") \
  COMMAND(Tree,       "tree",       cmdTree) \
  WORD(Entab,         "entab") \
  WORD(Detab,         "detab") \
  WORD(Ctree,         "ctree") \
  COMMAND(Rtree,      "rtree",      cmdRtree) \
  COMMAND(Ftree,      "ftree",      cmdFtree) \
  COMMAND(Import,     "import",     cmdImport) \
  COMMAND(Export,     "export",     cmdExport) \
  COMMAND(Spool,      "spool",      cmdSpool) \
  COMMAND(Set,        "set",        cmdSet) \
  COMMAND(If,         "if",         cmdIf) \
  COMMAND(Elsif,      "elsif",      cmdElsif) \
  COMMAND(Else,       "else",       cmdElse) \
  WORD(Then,          "then") \
  WORD(Endif,         "endif") \
  COMMAND(Help,       "help",       cmdHelp) \
  COMMAND(Var,        "var",        cmdVar) \
  COMMAND(Dir,        "dir",        cmdDir) \
  COMMAND(Ls,         "ls",         cmdLs) \
  WORD(Case,          "case") \
  COMMAND(Itree,      "itree",      cmdItree) \
  COMMAND(Chdir,      "chdir",      cmdChdir) \
  COMMAND(Mkdir,      "mkdir",      cmdMkdir) \
  COMMAND(Rmdir,      "rmdir",      cmdRmdir) \
  COMMAND(Tags,       "tags",       cmdTags) \
  COMMAND(Type,       "type",       cmdType) \
  COMMAND(Open,       "open",       cmdOpen) \
  COMMAND(Close,      "close",      cmdClose) \
  WORD(Read,          "read") \
  WORD(Write,         "write") \
  COMMAND(Check,      "check",      cmdCheck) \
  COMMAND(Deflist,    "deflist",    cmdDeflist) \
  COMMAND(Cd,         "cd",         cmdChdir) \
  COMMAND(On,         "on",         cmdEvent) \
  WORD(Off,           "off") \
  WORD(Into,          "into") \
  WORD(To,            "to") \
  WORD(Position,      "position") \
  WORD(From,          "from") \
  WORD(As,            "as") \
  WORD(At,            "at") \
  WORD(Backup,        "backup") \
  WORD(Repeat,        "repeat") \
  WORD(Prompt,        "prompt") \
  WORD(Error,         "error") \
  WORD(Message,       "message") \
  WORD(System,        "system") \
  WORD(Sysdt,         "sysdt") \
  WORD(File,          "file") \
  WORD(Head,          "head") \
  WORD(With,          "with") \
  WORD(Without,       "without") \
  WORD(Caller,        "caller") \
  WORD(Notdefined,    "notdefined") \
  WORD(Prototype,     "prototype") \
  COMMAND(Debug,      "debug",      cmdDebug) \
  WORD(Number,        "number") \
  WORD(Warning,       "warning") \
  WORD(Talkative,     "talkative") \
  WORD(Mode,          "mode") \
  WORD(Line,          "line") \
  WORD(Screen,        "screen") \
  WORD(Language,      "language") \
  WORD(Pascal,        "pascal") \
  WORD(C,             "c") \
  WORD(Fortran,       "fortran") \
  WORD(Perl,          "perl") \
  WORD(Java,          "java") \
  WORD(Mora,          "mora") \
  WORD(Basic,         "basic") \
  WORD(Ascii,         "ascii") \
  WORD(Jis,           "jis") \
  WORD(Label,         "label") \
  WORD(Code,          "code") \
  WORD(Output,        "output") \
  WORD(Dirmask,       "dirmask") \
  WORD(Braces,        "braces") \
  WORD(Html,          "html") \
  WORD(Htmlfilter,    "htmlfilter") \
  WORD(Fullpath,      "fullpath") \
  WORD(Index,         "index") \
  WORD(Store,         "store") \
  WORD(Filepos,       "filepos") \
  WORD(Ifdef,         "ifdef") \
  WORD(Continue,      "continue")
// clang-format on

enum class Token : std::uint8_t {
#define MORA_COMMAND_TOKEN(name, word, handler) name,
#define MORA_WORD_TOKEN(name, word) name,
  MORA_KEYWORDS(MORA_COMMAND_TOKEN, MORA_WORD_TOKEN)
#undef MORA_COMMAND_TOKEN
#undef MORA_WORD_TOKEN
};

inline constexpr std::array kKeywordWords = {
#define MORA_COMMAND_WORD(name, word, handler) std::string_view(word),
#define MORA_WORD_WORD(name, word) std::string_view(word),
    MORA_KEYWORDS(MORA_COMMAND_WORD, MORA_WORD_WORD)
#undef MORA_COMMAND_WORD
#undef MORA_WORD_WORD
};

inline constexpr std::size_t kKeywordCount = kKeywordWords.size();

// The help topic of each command word, which is the word itself; empty for
// the other words.
inline constexpr std::array kCommandTopics = {
#define MORA_COMMAND_TOPIC(name, word, handler) std::string_view(word),
#define MORA_WORD_TOPIC(name, word) std::string_view(),
    MORA_KEYWORDS(MORA_COMMAND_TOPIC, MORA_WORD_TOPIC)
#undef MORA_COMMAND_TOPIC
#undef MORA_WORD_TOPIC
};
static_assert(kCommandTopics.size() == kKeywordCount);

// Looks the word up in table order, without regard to case.
std::optional<Token> lookupKeyword(std::string_view word);

inline std::string_view keywordWord(Token t) { return kKeywordWords[static_cast<std::size_t>(t)]; }

// The help topic of a command word; empty when `t` starts no statement.
inline std::string_view commandTopic(Token t) {
  return kCommandTopics[static_cast<std::size_t>(t)];
}

}  // namespace mora
