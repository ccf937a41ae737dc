// The workbench's one table of commands: id, menu label, keys and icon of every
// command, and the layouts of the menus and toolbars built from it.
#pragma once

#include <QKeySequence>
#include <QList>
#include <QString>
#include <span>

namespace veldra {

// Command ids. The numbers are those of the menus, toolbars and messages the
// workbench has always used (profiles and toolbar layouts refer to them).
enum CommandId : int {
  kCmdNone = 0,  // a separator in the layouts below
  // File
  kCmdFileNew = 57600,
  kCmdFileOpen = 57601,
  kCmdFileClose = 57602,
  kCmdFileSaveClose = 32867,
  kCmdFileSave = 57603,
  kCmdFileSaveAs = 57604,
  kCmdFileSaveAll = 32866,
  kCmdFileSaveAllClose = 33502,
  kCmdFilePrint = 57607,
  kCmdFilePrintPreview = 57609,
  kCmdFilePrintSetup = 57606,
  kCmdFileRecent = 57616,
  kCmdAppExit = 57665,
  // Edit
  kCmdEditUndo = 57643,
  kCmdEditCut = 57635,
  kCmdEditCopy = 57634,
  kCmdEditPaste = 57637,
  kCmdEditSelectAll = 57642,
  kCmdEditFind = 57636,
  kCmdEditFindNext = 57640,
  kCmdEditReplace = 57641,
  kCmdGoToLine = 32796,
  kCmdMarkLine = 33505,
  kCmdMarkList = 33506,
  kCmdTagJump = 32797,
  kCmdTagBack = 32863,
  kCmdFileTop = 32840,
  kCmdFileBottom = 32841,
  // View
  kCmdViewGroup = 32794,
  kCmdViewLauncher = 32860,
  kCmdViewStandardBar = 32798,
  kCmdViewAnalysisBar = 32799,
  kCmdViewExtendedBar = 32878,
  kCmdViewStatusBar = 59393,
  kCmdOptions = 32795,
  // Group
  kCmdGroupAdd = 32803,
  kCmdGroupRemove = 32824,
  kCmdGroupOpen = 32805,
  kCmdGroupSave = 32804,
  kCmdGroupClose = 32807,
  kCmdGroupSaveAs = 32806,
  kCmdGroupShow = 32869,
  kCmdGroupSearch = 33501,
  kCmdGroupSort = 32839,
  kCmdGroupRecent = 32808,  // 32808 ... 32817
  // Analysis (kinds 1 ... 10)
  kCmdAnalysisList = 32777,
  kCmdAnalysisTree = 32778,
  kCmdAnalysisCallers = 32779,
  kCmdAnalysisAction = 32780,
  kCmdAnalysisInclude = 32781,
  kCmdAnalysisCount = 32784,
  kCmdAnalysisPrototype = 32782,
  kCmdAnalysisTags = 32783,
  kCmdAnalysisHtml = 32800,
  kCmdAnalysisAll = 32802,
  kCmdAnalysisOptions = 32990,
  // Tools
  kCmdToolExec = 32858,
  kCmdToolFind = 32859,
  kCmdBuild = 33512,
  kCmdRun = 33511,
  kCmdBuildOptions = 33513,
  kCmdBuildResult = 33515,
  kCmdTouch = 33518,
  kCmdUserTool = 32827,  // 32827 ... 32836
  kCmdUserToolRegister = 32826,
  // Window
  kCmdWindowCascade = 57650,
  kCmdWindowTile = 57651,
  kCmdWindowTwo = 32844,
  kCmdWindowArrange = 57649,
  kCmdWindowNext = 32842,
  kCmdWindowPrev = 32843,
  // Help
  kCmdHelpContents = 57667,
  kCmdUserHelp = 32846,  // 32846 ... 32855
  kCmdUserHelpRegister = 32845,
  kCmdAbout = 57664,
  // Group manager's own toolbar
  kCmdGmOpen = 32790,
  kCmdGmAdd = 32788,
  kCmdGmRemove = 32789,
  kCmdGmSearch = 32991,
  kCmdGmSort = 33507,
  kCmdGmSave = 32792,
  kCmdGmClose = 32787,
  // Messages between instances and to the frame
  kCmdAnalysisStarted = 32861,
  kCmdAnalysisEnded = 32862,
  kCmdHandOver = 32872,
};

struct CommandSpec {
  int id;
  const char* label;  // UTF-8, exactly as the menu shows it ("\t" then the key name)
  const char* keys;   // key sequences separated by "; ", or nullptr
};

// Every command that has a menu entry or a toolbar button.
std::span<const CommandSpec> commandTable();
const CommandSpec* findCommand(int id);

QString commandLabel(int id);
// The label without its "&" mnemonic and "\t" key name, for tool tips and lists.
QString commandPlainLabel(int id);
QList<QKeySequence> commandKeys(int id);

// A menu popup: label and items; an item is a command id, kCmdNone for a
// separator, or the id of another popup (ids below 0).
struct PopupSpec {
  int id;
  const char* label;
  std::span<const int> items;
};
inline constexpr int kPopupToolbars = -10;
inline constexpr int kPopupRecentFiles = -11;   // filled at run time
inline constexpr int kPopupRecentGroups = -12;  // filled at run time
inline constexpr int kPopupUserTools = -13;     // filled by the tools component
inline constexpr int kPopupUserHelp = -14;      // filled by the tools component

// The menu bar, left to right, and the popups it refers to.
std::span<const PopupSpec> menuBarLayout();
const PopupSpec* findPopup(int id);
// The editor's context menu.
std::span<const int> contextMenuLayout();

struct ToolbarSpec {
  int viewCommand;    // the View menu toggle
  const char* name;   // object name, the key of the saved layout
  const char* title;  // caption when floating
  std::span<const int> buttons;
};
std::span<const ToolbarSpec> toolbarLayouts();
std::span<const int> groupManagerButtons();

// The analysis kind a menu command runs, or 0.
int analysisKindOfCommand(int id);
int commandOfAnalysisKind(int kind);

// The icon resource of a command (":/icons/<id>.png"), or empty when it has none.
QString commandIconPath(int id);

}  // namespace veldra
