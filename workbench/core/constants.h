// Fixed sizes, limits, rhythms and file-format texts of the workbench, in one place.
#pragma once

#include <QtGlobal>

namespace veldra {

// Engine process and its watch loops.
inline constexpr int kAnalysisWatchMs = 30;  // sleep between checks of a running analysis
inline constexpr int kVersionWatchMs = 20;   // sleep between checks of the version query
inline constexpr int kVersionWatchRounds = 300;
inline constexpr int kTerminateGraceMs = 500;  // SIGTERM first, SIGKILL after this
inline constexpr int kVersionLineMax = 255;
inline constexpr char kEngineProgram[] = "mora";
inline constexpr char kEngineOptions[] = " -vd1 -nd -nh -f ";
inline constexpr char kVersionOptions[] = " -vd1 -nd -nh ";
inline constexpr char kVersionCommand[] = "echo $version";

// Temporary files: three characters of the prefix, four hex digits, ".tmp".
inline constexpr int kTempPrefixChars = 3;
inline constexpr int kTempHexDigits = 4;
inline constexpr char kTempSuffix[] = ".tmp";
inline constexpr char kPrefixList[] = "VdLst";
inline constexpr char kPrefixScript[] = "VdCmd";
inline constexpr char kPrefixOutput[] = "Vdr";
inline constexpr char kPrefixVersion[] = "Vdvr";
inline constexpr char kPrefixMacro[] = "MacD";
inline constexpr char kPrefixBuild[] = "BdMk";
inline constexpr char kPrefixRun[] = "BdPg";
inline constexpr char kPrefixExec[] = "ExPg";

// Group, macro definition and function list files.
inline constexpr char kGroupExtension[] = "vgp";
inline constexpr char kGroupHeader[] = "# Veldra Group";
inline constexpr char kGroupVersion[] = " V01-02-A";
inline constexpr char kMacroExtension[] = "mls";
inline constexpr char kMacroHeader[] = "#Macro Defined List V100-00";
inline constexpr char kFunctionListHeader[] = "# Function List for Veldra ";
inline constexpr char kFunctionListVersion[] = "1.0";
inline constexpr char kDefaultFunctionList[] = "Default.fls";
inline constexpr int kHeaderLineMax = 512;  // characters of a first line that are examined
inline constexpr int kRecentGroups = 10;

// Registered item lists ("item1" ... "item10", title and value joined by a separator).
inline constexpr int kRegisteredItemsMax = 10;
inline constexpr char kItemSeparator[] = "#$1_#";
inline constexpr char kOptionSeparator[] = "#$2_#";

// Tag jump.
inline constexpr int kTagLineMax = 2047;
inline constexpr int kTagQuotedNameMax = 520;

// Analysis kinds and their component bits.
inline constexpr int kFirstKind = 1;
inline constexpr int kLastKind = 11;
inline constexpr quint32 kAllComponents = 0x3F;  // the six component bits 1 ... 32

// The profile: QSettings(kOrganization, kApplication).
inline constexpr char kOrganization[] = "Pellwick";
inline constexpr char kApplication[] = "VeldraC";
inline constexpr char kWorkbenchVersion[] = "1.15";

// Options.
inline constexpr int kTabSizeMin = 2;
inline constexpr int kTabSizeMax = 24;
inline constexpr int kCommonControlsDefault = 1005;
inline constexpr int kCommonControlsMin = 1003;

// Build, run and tools.
inline constexpr int kCaptureWatchMs = 500;  // sleep between reads of a captured child's output
inline constexpr int kCaptureLineMax = 512;  // characters of one output line; longer ones split
inline constexpr char kShellProgram[] = "/bin/sh";
inline constexpr char kShellOption[] = "-c";
inline constexpr int kFindTextMax = 128;        // characters of a find-in-files text
inline constexpr int kFindSliceMs = 40;         // search time per event-loop turn
inline constexpr int kBinaryProbeBytes = 8192;  // a NUL byte here marks a binary file
inline constexpr int kTouchYearMin = 1970;
inline constexpr int kTouchYearMax = 2099;

}  // namespace veldra
