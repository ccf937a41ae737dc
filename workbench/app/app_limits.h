// Fixed sizes, limits and rhythms of the workbench's windows, in one place.
#pragma once

namespace veldra {

inline constexpr int kToolbarIconSize = 18;
inline constexpr int kDialogIconSize = 32;
inline constexpr int kAnimationFrames = 10;
inline constexpr int kAnimationMs = 60;
inline constexpr int kRecentFiles = 10;
inline constexpr int kMaxLineMarks = 12;
inline constexpr int kMarkTextMax = 63;      // characters of the marked line kept with a mark
inline constexpr int kAutoIndentScan = 256;  // characters of the previous line examined
inline constexpr int kDefaultTabSize = 4;
inline constexpr int kMacroCandidateLineMax = 512;
inline constexpr int kMacroCandidatesMax = 2048;
// A result document is filled a piece at a time from the event loop: each turn
// appends pieces of this size until its time share is used, so the window keeps
// answering while a result of any size loads.
inline constexpr int kResultPieceBytes = 128 * 1024;
inline constexpr int kResultSliceMs = 15;
inline constexpr int kHandOverTimeoutMs = 2000;  // second instance waits this long for the first

}  // namespace veldra
