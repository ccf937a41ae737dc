// The command and keyword table: every word the language recognises, once,
// in the order in which it is searched. A command row names its token, its
// word, its handler and its help topic in data/mora.hl; a word row is an
// option or reserved word that no statement starts with.
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
  COMMAND(Exit,       "exit",       cmdExit,      "exit") \
  COMMAND(Bye,        "bye",        cmdExit,      "bye") \
  COMMAND(Echo,       "echo",       cmdEcho,      "echo") \
  WORD(Add,           "add") \
  COMMAND(Event,      "event",      cmdEvent,     "event") \
  COMMAND(Create,     "create",     cmdCreate,    "create") \
  COMMAND(Delete,     "delete",     cmdDelete,    "delete") \
  COMMAND(Define,     "define",     cmdDefine,    "define") \
  COMMAND(Action,     "action",     cmdAction,    "action") \
  COMMAND(Alias,      "alias",      cmdAlias,     "alias") \
  COMMAND(Done,       "done",       cmdDone,      "done") \
  COMMAND(Reset,      "reset",      cmdReset,     "reset") \
  COMMAND(Count,      "count",      cmdCount,     "count") \
  WORD(Trace,         "trace") \
  COMMAND(Whenever,   "whenever",   cmdWhenever,  "whenever") \
  COMMAND(Print,      "print",      cmdPrint,     "print") \
  COMMAND(While,      "while",      cmdWhile,     "while") \
  COMMAND(For,        "for",        cmdFor,       "for") \
  COMMAND(List,       "list",       cmdList,      "list") \
  COMMAND(Find,       "find",       cmdFind,      "find") \
  WORD(Select,        "select") \
  COMMAND(Include,    "include",    cmdInclude,   "include") \
  COMMAND(History,    "history",    cmdHistory,   "history") \
  COMMAND(H,          "h",          cmdHistory,   "h") \
  COMMAND(Load,       "load",       cmdLoad,      "load") \
  COMMAND(Unload,     "unload",     cmdUnload,    "unload") \
  COMMAND(Function,   "function",   cmdFunction,  "function") \
  COMMAND(Func,       "func",       cmdFunction,  "func") \
  COMMAND(Call,       "call",       cmdCall,      "call") \
  COMMAND(Goto,       "goto",       cmdGoto,      "goto") \
  COMMAND(Return,     "return",     cmdReturn,    "return") \
  COMMAND(Break,      "break",      cmdBreak,     "break") \
  WORD(Begin,         "begin") \
  WORD(End,           "end") \
  WORD(Replace,       "replace") \
  COMMAND(Tree,       "tree",       cmdTree,      "tree") \
  WORD(Entab,         "entab") \
  WORD(Detab,         "detab") \
  WORD(Ctree,         "ctree") \
  COMMAND(Rtree,      "rtree",      cmdRtree,     "rtree") \
  COMMAND(Ftree,      "ftree",      cmdFtree,     "ftree") \
  COMMAND(Import,     "import",     cmdImport,    "import") \
  COMMAND(Export,     "export",     cmdExport,    "export") \
  COMMAND(Spool,      "spool",      cmdSpool,     "spool") \
  COMMAND(Set,        "set",        cmdSet,       "set") \
  COMMAND(If,         "if",         cmdIf,        "if") \
  COMMAND(Elsif,      "elsif",      cmdElsif,     "elsif") \
  COMMAND(Else,       "else",       cmdElse,      "else") \
  WORD(Then,          "then") \
  WORD(Endif,         "endif") \
  COMMAND(Help,       "help",       cmdHelp,      "help") \
  COMMAND(Var,        "var",        cmdVar,       "var") \
  COMMAND(Dir,        "dir",        cmdDir,       "dir") \
  COMMAND(Ls,         "ls",         cmdLs,        "ls") \
  WORD(Case,          "case") \
  COMMAND(Itree,      "itree",      cmdItree,     "itree") \
  COMMAND(Chdir,      "chdir",      cmdChdir,     "chdir") \
  COMMAND(Mkdir,      "mkdir",      cmdMkdir,     "mkdir") \
  COMMAND(Rmdir,      "rmdir",      cmdRmdir,     "rmdir") \
  COMMAND(Tags,       "tags",       cmdTags,      "tags") \
  COMMAND(Type,       "type",       cmdType,      "type") \
  COMMAND(Open,       "open",       cmdOpen,      "open") \
  COMMAND(Close,      "close",      cmdClose,     "close") \
  WORD(Read,          "read") \
  WORD(Write,         "write") \
  COMMAND(Check,      "check",      cmdCheck,     "check") \
  COMMAND(Deflist,    "deflist",    cmdDeflist,   "deflist") \
  COMMAND(Cd,         "cd",         cmdChdir,     "cd") \
  COMMAND(On,         "on",         cmdEvent,     "on") \
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
  COMMAND(Debug,      "debug",      cmdDebug,     "debug") \
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
#define MORA_COMMAND_TOKEN(name, word, handler, topic) name,
#define MORA_WORD_TOKEN(name, word) name,
  MORA_KEYWORDS(MORA_COMMAND_TOKEN, MORA_WORD_TOKEN)
#undef MORA_COMMAND_TOKEN
#undef MORA_WORD_TOKEN
};

inline constexpr std::array kKeywordWords = {
#define MORA_COMMAND_WORD(name, word, handler, topic) std::string_view(word),
#define MORA_WORD_WORD(name, word) std::string_view(word),
    MORA_KEYWORDS(MORA_COMMAND_WORD, MORA_WORD_WORD)
#undef MORA_COMMAND_WORD
#undef MORA_WORD_WORD
};

inline constexpr std::size_t kKeywordCount = kKeywordWords.size();

// The help topic of each command word; empty for the other words.
inline constexpr std::array kCommandTopics = {
#define MORA_COMMAND_TOPIC(name, word, handler, topic) std::string_view(topic),
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
