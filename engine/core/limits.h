// Fixed sizes, limits and character roles of the engine. They are observable
// behaviour (where a line is cut, when a run stops), so they live here, once.
#pragma once

#include <cstddef>
#include <string_view>

namespace mora {

inline constexpr std::string_view kVersion = "MORA Version 0.11-30 ";

// Start-up and command line.
inline constexpr std::size_t kOptionWordMax = 127;
inline constexpr int kHandshakeMin = 1;
inline constexpr int kHandshakeMax = 9;

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
inline constexpr int kMaxDepth = 11;       // block depth 0..11
inline constexpr int kVariableLevels = 12;  // variable levels 0..11
inline constexpr int kMaxLoopLevel = 11;
inline constexpr std::size_t kMaxLabels = 512;
inline constexpr std::size_t kMaxFunctions = 256;
inline constexpr std::size_t kMaxCallArguments = 9;
inline constexpr std::size_t kMaxArraysPerLevel = 1024;
inline constexpr long kMaxLoopIterations = 2147483647;

// Output path.
inline constexpr std::size_t kCaptureMax = 10240;
inline constexpr int kDirColumns = 4;

// Built-ins.
inline constexpr std::size_t kBuiltinMax = 32;
inline constexpr std::size_t kBuiltinArgs = 10;
inline constexpr std::size_t kFileHandles = 10;
inline constexpr std::size_t kFormatMax = 1023;

// File selection.
inline constexpr std::size_t kFileNameMax = 255;
inline constexpr std::size_t kWildcardSetMax = 1022;

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
