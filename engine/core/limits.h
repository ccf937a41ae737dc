// Fixed sizes, limits and character roles of the engine. They are observable
// behaviour (where a line is cut, when a run stops), so they live here, once.
#pragma once

#include <chrono>
#include <cstddef>
#include <string_view>

namespace mora {

inline constexpr std::string_view kVersion = "MORA Version 0.11-30 ";

// Start-up and command line.
inline constexpr std::size_t kOptionWordMax = 127;
inline constexpr int kHandshakeMin = 1;
inline constexpr int kHandshakeMax = 9;

// Buffered output reaches its files at least this often while a run goes on
// (checked before each statement and each scanned file).
inline constexpr std::chrono::milliseconds kOutputFlushInterval{30};
// Standard output's buffer when it is not a terminal: few writes for a
// long report, and few pages of memory.
inline constexpr std::size_t kStdoutBufferSize = std::size_t{1} << 14;

// Diagnostics.
inline constexpr int kErrorLimit = 9999;
inline constexpr std::size_t kCatalogueLineMax = 511;

// Script reader.
inline constexpr std::size_t kInputPieceMax = 1023;   // one physical input line
inline constexpr std::size_t kStatementMax = 2048;    // logical line and statement: below this
inline constexpr std::size_t kPendingLineMax = 1024;  // PendingInputLine
inline constexpr std::size_t kHistoryMax = 10;
inline constexpr std::size_t kAliasBufferMax = 2048;

// Statements and control flow.
inline constexpr int kMaxDepth = 11;        // block depth 0..11
inline constexpr int kVariableLevels = 12;  // variable levels 0..11
inline constexpr int kMaxLoopLevel = 11;
inline constexpr std::size_t kMaxLabels = 512;
inline constexpr std::size_t kMaxFunctions = 256;
inline constexpr std::size_t kMaxCallArguments = 9;
inline constexpr std::size_t kMaxArraysPerLevel = 1024;
// Elements of one array: an index beyond this fails as out of memory instead
// of growing the array by billions of empty elements.
inline constexpr std::size_t kMaxArrayElements = std::size_t{1} << 22;
inline constexpr long kMaxLoopIterations = 2147483647;
// Nested include and event files: each holds an open file (and an event its
// work file), so a script that includes itself ends here, well within the
// nesting budget below.
inline constexpr int kMaxScriptNesting = 32;
// Statements running inside statements (calls, eval, loop bodies, script
// files) and parenthesised or indexed expressions, all counted together.
// Measured on the sanitizer build with an 8 MB stack and no budget: a script
// function recursing through an assignment overflowed after 1 310 levels (the
// dearest level, about 6 KB), eval after 2 343, a self-including file after
// 2 273 files (4 546 levels), nested events after 1 742 (3 484 levels). The
// budget stays at about a third of the dearest case.
inline constexpr int kMaxNesting = 400;
// Help file lines are read in pieces of this size; a topic is cut to its maximum.
inline constexpr std::size_t kHelpLineMax = 255;
inline constexpr std::size_t kHelpTopicMax = 127;
inline constexpr std::size_t kHelpListWidth = 76;  // `help` wraps its topic list here

// Work file fallback in the current directory when no unique temporary
// name can be made: the first free of mora001.tmp to mora999.tmp.
inline constexpr const char* kFallbackWorkFileFormat = "mora%03zu.tmp";
inline constexpr std::size_t kFallbackWorkFileFirst = 1;
inline constexpr std::size_t kFallbackWorkFileLimit = 1000;

// Staging copies "sbt%05d.*": numbered from 0, five digits.
inline constexpr const char* kReadCopyFormat = "sbt%05zu.src";
inline constexpr const char* kWriteCopyFormat = "sbt%05zu.dst";
inline constexpr const char* kSafetyCopyFormat = "sbt%05zu.tmp";
inline constexpr const char* kCommitTemporaryFormat = "sbt%05zu.new";
inline constexpr std::size_t kSafetyCopyFirst = 1;
inline constexpr std::size_t kStagingNumberLimit = 100000;
// A file to change that does not exist is created empty with this mode
// (before the umask), as any new source file would be.
inline constexpr unsigned kNewSourceFileMode = 0666;

// Output path and settings.
inline constexpr std::size_t kCaptureMax = 10240;
inline constexpr int kDirColumns = 4;
inline constexpr std::size_t kCurrentDirectoryMax = 255;  // what `cd` prints
inline constexpr int kFileposMax = 4095;  // a tree column beyond any source line piece

// Built-ins.
inline constexpr std::size_t kBuiltinMax = 32;
inline constexpr std::size_t kBuiltinArgs = 10;
inline constexpr std::size_t kFileHandles = 10;
inline constexpr std::size_t kFormatMax = 1023;       // a format after escape processing
inline constexpr std::size_t kBuiltinArgSize = 2048;  // one argument buffer, with its end byte
inline constexpr std::size_t kFgetsLineMax = 1023;    // one line read by fgets
inline constexpr std::size_t kStrftimeMax = 127;
inline constexpr std::size_t kFormatFieldMax = 1023;  // width and precision of a conversion

// File selection.
inline constexpr std::size_t kFileNameMax = 255;
inline constexpr std::size_t kWildcardSetMax = 1022;

// Function database and scanners.
inline constexpr std::size_t kBodySlots =
    4096;  // functions with collected lines per scan, plus the candidate
inline constexpr std::size_t kSourcePieceMax = 4095;  // source line piece (4096-byte buffer)
inline constexpr std::size_t kJoinedLineMax = 4084;   // backslash-joined line
inline constexpr std::size_t kEntryTextMax =
    4095;  // entry text and function name (4096-byte buffer)
inline constexpr std::size_t kLibraryPieceMax = 255;     // library and delete lines
inline constexpr std::size_t kCommentMarkerPrefix = 17;  // "/* (C) function :"

// Reports.
inline constexpr std::size_t kSearchPieceMax = 511;  // `find` reads lines in pieces of this size

// Function lists and trees.
inline constexpr int kTreeMarks = 24;                 // continuation marks: depths with bars
inline constexpr std::size_t kAlignLineWidth = 1023;  // the blank line entries are aligned on
inline constexpr int kFileposMin = 10;               // tree file positions below this: no alignment
inline constexpr std::size_t kListNameColumns = 38;  // `list`: the entry's column
inline constexpr std::size_t kListFileColumns = 24;  // and the file name's after 3 blanks
inline constexpr std::size_t kCountNameColumns = 24;   // `count`: the function's or file's column
inline constexpr std::size_t kCountFileColumns = 12;   // and the file name's in function mode
inline constexpr std::size_t kCountNumberColumns = 8;  // and each count's (lines, steps, comments)

// Action diagrams: the intermediate file's records.
inline constexpr char kActionFieldSeparator = '\x01';  // what the writer puts between fields
inline constexpr char kActionRecordEnd = '\x02';       // and after the last one
inline constexpr std::size_t kActionKindMax = 31;      // record kind
inline constexpr std::size_t kActionDigitsMax = 31;    // print level and nest digits
inline constexpr std::size_t kActionTextMax = 1023;    // each of the two texts
// Deepest level the printer draws: a record deeper than this (only a damaged
// or foreign intermediate file has one) is drawn here, so a 31-digit nest
// cannot make the printer write TAB for ever.
inline constexpr long kActionDrawDepthMax = 100000;

// Action diagrams: the print configuration "actprt.ini".
inline constexpr std::size_t kActionConfigLineMax = 255;  // lines are read in pieces of this
inline constexpr std::size_t kActionDefinitionsMax = 64;  // DEF table
inline constexpr std::size_t kActionNameMax = 31;         // keyword and DEF kind name
inline constexpr std::size_t kActionPieceMax = 31;        // a quoted text of the configuration
inline constexpr int kActionDefaultPrintLevel = 99;       // PLV before any configuration

// Action diagrams: the C structure stage.
inline constexpr std::size_t kActionTokenMax = 1024;  // a longer token is cut here
inline constexpr std::size_t kActionTokenRing = 32;   // tokens the tokenizer keeps
inline constexpr std::size_t kActionPendingMax =
    1024;  // pending line written out early beyond this

// Action diagrams: the Basic and Pascal structure stage reads source lines in
// pieces of this size; the rest of a longer line is a line of its own.
inline constexpr std::size_t kActionSourceLineMax = 2047;

// Preprocessor conditionals.
inline constexpr std::size_t kDefineRecordsMax = 512;  // records of the define table
inline constexpr std::size_t kDefineLineMax = 1023;    // define file lines
inline constexpr int kConditionalLevels = 32;          // levels of the conditional stack
inline constexpr int kConditionalDepthMax = 30;        // deepest level a conditional opens

// Include tree and define check.
inline constexpr std::size_t kIncludeLineMax = 511;  // `itree` reads lines in pieces of this size
inline constexpr std::size_t kCheckLineMax = 1023;   // `check define` reads lines of this size
inline constexpr std::size_t kCheckNamesPerFile = 1023;  // names `check define` takes from one file

// Character roles of the script language.
inline constexpr char kStatementSeparator = ';';
inline constexpr char kContinuation = '\\';
inline constexpr char kCommentMark = '#';
inline constexpr char kQuote = '"';
inline constexpr char kLabelMark = ':';
inline constexpr char kVariableMark = '$';
inline constexpr char kBlockOpen = '{';
inline constexpr char kBlockClose = '}';
inline constexpr char kShellEscape = '!';
inline constexpr char kBackquote = '`';
inline constexpr char kNumericMark = '%';

}  // namespace mora
