#include "app/commands.h"

#include <QFile>
#include <QRegularExpression>
#include <array>

namespace veldra {

namespace {

constexpr CommandSpec kCommands[] = {
    // File
    {kCmdFileNew, "新規作成(&N)\tCtrl+N", "Ctrl+N"},
    {kCmdFileOpen, "開く(&O)...\tCtrl+O", "Ctrl+O"},
    {kCmdFileClose, "閉じる(&C)", nullptr},
    {kCmdFileSaveClose, "保存して閉じる(&E)", nullptr},
    {kCmdFileSave, "上書き保存(&S)\tCtrl+S", "Ctrl+S"},
    {kCmdFileSaveAs, "名前を付けて保存(&A)...", nullptr},
    {kCmdFileSaveAll, "全て保存(&T)", nullptr},
    {kCmdFileSaveAllClose, "全保存して閉じる(&U)", nullptr},
    {kCmdFilePrint, "印刷(&P)...\tCtrl+P", "Ctrl+P"},
    {kCmdFilePrintPreview, "印刷ﾌﾟﾚﾋﾞｭｰ(&V)", nullptr},
    {kCmdFilePrintSetup, "ﾌﾟﾘﾝﾀの設定(&R)...", nullptr},
    {kCmdFileRecent, "最新のﾌｧｲﾙ", nullptr},
    {kCmdAppExit, "終了(&X)", nullptr},
    // Edit
    {kCmdEditUndo, "元に戻す(&U)\tCtrl+Z", "Ctrl+Z; Alt+Backspace"},
    {kCmdEditCut, "切り取り(&T)\tCtrl+X", "Ctrl+X; Shift+Del"},
    {kCmdEditCopy, "ｺﾋﾟｰ(&C)\tCtrl+C", "Ctrl+C; Ctrl+Ins"},
    {kCmdEditPaste, "貼り付け(&P)\tCtrl+V", "Ctrl+V; Shift+Ins"},
    {kCmdEditSelectAll, "すべて選択(&L)\tCtrl+A", "Ctrl+A"},
    {kCmdEditFind, "検索(&F)...\tCtrl+F", "Ctrl+F"},
    {kCmdEditFindNext, "次を検索(&I)\tF3", "F3"},
    {kCmdEditReplace, "置換(&E)\tCtrl+H", "Ctrl+H"},
    {kCmdGoToLine, "指定行(&G)...\tCtrl+G", "Ctrl+G"},
    {kCmdMarkLine, "現在行をﾏｰｸ(&M)", nullptr},
    {kCmdMarkList, "行ﾏｰｸ一覧(&N)...", nullptr},
    {kCmdTagJump, "ﾀｸﾞｼﾞｬﾝﾌﾟ(&T)\tF10", "F10"},
    {kCmdTagBack, "ﾀｸﾞﾌｧｲﾙに戻る(&K)\tF9", "F9"},
    {kCmdFileTop, "ﾌｧｲﾙの先頭(&R)\tCtrl+Home", "Ctrl+Home"},
    {kCmdFileBottom, "ﾌｧｲﾙの最後(&B)\tCtrl+End", "Ctrl+End"},
    // View
    {kCmdViewGroup, "ｸﾞﾙｰﾌﾟﾏﾈｰｼﾞｬ(&G)", nullptr},
    {kCmdViewLauncher, "ﾂｰﾙﾗﾝﾁｬｰ(&L)", nullptr},
    {kCmdViewStandardBar, "標準ﾂｰﾙﾊﾞｰ(&T)", nullptr},
    {kCmdViewAnalysisBar, "解析ﾂｰﾙﾊﾞｰ(&A)", nullptr},
    {kCmdViewExtendedBar, "拡張ﾂｰﾙﾊﾞｰ(&E)", nullptr},
    {kCmdViewStatusBar, "ｽﾃｰﾀｽ ﾊﾞｰ(&S)", nullptr},
    {kCmdOptions, "ｵﾌﾟｼｮﾝ(&O)...", nullptr},
    // Group
    {kCmdGroupAdd, "ﾌｧｲﾙの追加(&I)...", nullptr},
    {kCmdGroupRemove, "ﾌｧｲﾙの削除(&R)", nullptr},
    {kCmdGroupOpen, "ｸﾞﾙｰﾌﾟを開く(&O)...", nullptr},
    {kCmdGroupSave, "ｸﾞﾙｰﾌﾟの保存(&S)", nullptr},
    {kCmdGroupClose, "ｸﾞﾙｰﾌﾟを閉じる(&C)", nullptr},
    {kCmdGroupSaveAs, "名前を付けて保存(&A)...", nullptr},
    {kCmdGroupShow, "ｸﾞﾙｰﾌﾟﾏﾈｰｼﾞｬを表示(&V)...", nullptr},
    {kCmdGroupSearch, "ｸﾞﾙｰﾌﾟ一覧から検索(&F)...\tCtrl+F3", "Ctrl+F3"},
    {kCmdGroupSort, "ｸﾞﾙｰﾌﾟの整列(&T)...", nullptr},
    {kCmdGroupRecent, "最新のｸﾞﾙｰﾌﾟ", nullptr},
    // Analysis
    {kCmdAnalysisList, "関数一覧(&L)...", nullptr},
    {kCmdAnalysisTree, "関数呼出ﾂﾘｰ(&T)...", nullptr},
    {kCmdAnalysisCallers, "関数逆呼出ﾂﾘｰ(&R)...", nullptr},
    {kCmdAnalysisAction, "ｱｸｼｮﾝﾀﾞｲｱｸﾞﾗﾑ(&A)...", nullptr},
    {kCmdAnalysisInclude, "ｲﾝｸﾙｰﾄﾞﾂﾘｰ(&I)...", nullptr},
    {kCmdAnalysisCount, "ｽﾃｯﾌﾟ数計算(&C)...", nullptr},
    {kCmdAnalysisPrototype, "関数ﾌﾟﾛﾄﾀｲﾌﾟ(&P)...", nullptr},
    {kCmdAnalysisTags, "関数ﾀｸﾞﾌｧｲﾙ(&T)...", nullptr},
    {kCmdAnalysisHtml, "HTML作成(&H)...", nullptr},
    {kCmdAnalysisAll, "ﾄﾞｷｭﾒﾝﾄ一括作成(&D)...", nullptr},
    {kCmdAnalysisOptions, "解析ｵﾌﾟｼｮﾝ(&O)...", nullptr},
    // Tools
    {kCmdToolExec, "ﾌﾟﾛｸﾞﾗﾑの実行(&E)...", nullptr},
    {kCmdToolFind, "ﾌｧｲﾙから検索(&F)...", nullptr},
    {kCmdBuild, "ﾋﾞﾙﾄﾞ(&B)...\tF7", "F7"},
    {kCmdRun, "実行(&X)\tCtrl+F5", "Ctrl+F5"},
    {kCmdBuildOptions, "ﾋﾞﾙﾄﾞの設定(&O)...", nullptr},
    {kCmdBuildResult, "ﾋﾞﾙﾄﾞ結果(&V)...", nullptr},
    {kCmdTouch, "ﾀｲﾑｽﾀﾝﾌﾟ変更(&T)...", nullptr},
    {kCmdUserTool, "ﾕｰｻﾞ登録ﾂｰﾙ", nullptr},
    {kCmdUserToolRegister, "ﾕｰｻﾞﾂｰﾙの登録(&R)...", nullptr},
    // Window
    {kCmdWindowCascade, "重ねて表示(&C)", nullptr},
    {kCmdWindowTile, "並べて表示(&T)", nullptr},
    {kCmdWindowTwo, "２つ並べて表示(&V)\tF4", "F4"},
    {kCmdWindowArrange, "ｱｲｺﾝの整列(&A)", nullptr},
    {kCmdWindowNext, "次のｳｨﾝﾄﾞｳへ(&N)", nullptr},
    {kCmdWindowPrev, "前のｳｨﾝﾄﾞｳへ(&P)", nullptr},
    // Help
    {kCmdHelpContents, "目次(&C)", nullptr},
    {kCmdUserHelp, "ﾕｰｻﾞ登録ﾍﾙﾌﾟ", nullptr},
    {kCmdUserHelpRegister, "ﾕｰｻﾞﾍﾙﾌﾟの登録(&U)...", nullptr},
    {kCmdAbout, "ﾊﾞｰｼﾞｮﾝ情報(&A)...", nullptr},
    // Group manager toolbar
    {kCmdGmOpen, "ｸﾞﾙｰﾌﾟを開く", nullptr},
    {kCmdGmAdd, "ﾌｧｲﾙの追加", nullptr},
    {kCmdGmRemove, "一覧から削除", nullptr},
    {kCmdGmSearch, "一覧から検索", nullptr},
    {kCmdGmSort, "ｸﾞﾙｰﾌﾟのｿｰﾄ", nullptr},
    {kCmdGmSave, "ｸﾞﾙｰﾌﾟを保存", nullptr},
    {kCmdGmClose, "ｸﾞﾙｰﾌﾟを閉じる", nullptr},
};

constexpr int kFileItems[] = {kCmdFileNew,        kCmdFileOpen,    kCmdFileClose,
                              kCmdFileSaveClose,  kCmdNone,        kCmdFileSave,
                              kCmdFileSaveAs,     kCmdFileSaveAll, kCmdFileSaveAllClose,
                              kCmdNone,           kCmdFilePrint,   kCmdFilePrintPreview,
                              kCmdFilePrintSetup, kCmdNone,        kPopupRecentFiles,
                              kCmdNone,           kCmdAppExit};
constexpr int kEditItems[] = {kCmdEditUndo,     kCmdNone,          kCmdEditCut, kCmdEditCopy,
                              kCmdEditPaste,    kCmdEditSelectAll, kCmdNone,    kCmdEditFind,
                              kCmdEditFindNext, kCmdEditReplace,   kCmdNone,    kCmdGoToLine,
                              kCmdMarkLine,     kCmdMarkList,      kCmdNone,    kCmdTagJump,
                              kCmdTagBack,      kCmdNone,          kCmdFileTop, kCmdFileBottom};
constexpr int kToolbarItems[] = {kCmdViewStandardBar, kCmdViewAnalysisBar, kCmdViewExtendedBar};
constexpr int kViewItems[] = {kCmdViewGroup,     kCmdViewLauncher, kPopupToolbars,
                              kCmdViewStatusBar, kCmdNone,         kCmdOptions};
constexpr int kGroupItems[] = {kCmdGroupAdd,      kCmdGroupRemove, kCmdNone,        kCmdGroupOpen,
                               kCmdGroupSave,     kCmdGroupClose,  kCmdGroupSaveAs, kCmdNone,
                               kCmdGroupShow,     kCmdGroupSearch, kCmdGroupSort,   kCmdNone,
                               kPopupRecentGroups};
constexpr int kAnalysisItems[] = {kCmdAnalysisList,   kCmdAnalysisTree, kCmdAnalysisCallers,
                                  kCmdAnalysisAction, kCmdNone,         kCmdAnalysisInclude,
                                  kCmdAnalysisCount,  kCmdNone,         kCmdAnalysisPrototype,
                                  kCmdAnalysisTags,   kCmdNone,         kCmdAnalysisHtml,
                                  kCmdAnalysisAll,    kCmdNone,         kCmdAnalysisOptions};
constexpr int kToolItems[] = {kCmdToolExec,     kCmdToolFind,        kCmdNone, kCmdBuild, kCmdRun,
                              kCmdBuildOptions, kCmdBuildResult,     kCmdNone, kCmdTouch, kCmdNone,
                              kPopupUserTools,  kCmdUserToolRegister};
constexpr int kWindowItems[] = {kCmdWindowCascade, kCmdWindowTile, kCmdWindowTwo, kCmdWindowArrange,
                                kCmdNone,          kCmdWindowNext, kCmdWindowPrev};
constexpr int kHelpItems[] = {kCmdHelpContents,     kCmdNone, kPopupUserHelp,
                              kCmdUserHelpRegister, kCmdNone, kCmdAbout};
constexpr int kRecentFileItems[] = {kCmdFileRecent};
constexpr int kRecentGroupItems[] = {kCmdGroupRecent};
constexpr int kUserToolItems[] = {kCmdUserTool};
constexpr int kUserHelpItems[] = {kCmdUserHelp};

constexpr PopupSpec kMenuBar[] = {
    {-1, "ﾌｧｲﾙ(&F)", kFileItems},     {-2, "編集(&E)", kEditItems},
    {-3, "表示(&V)", kViewItems},     {-4, "ｸﾞﾙｰﾌﾟ(&G)", kGroupItems},
    {-5, "解析(&A)", kAnalysisItems}, {-6, "ﾂｰﾙ(&T)", kToolItems},
    {-7, "ｳｨﾝﾄﾞｳ(&W)", kWindowItems}, {-8, "ﾍﾙﾌﾟ(&H)", kHelpItems},
};
constexpr PopupSpec kInnerPopups[] = {
    {kPopupToolbars, "ﾂｰﾙﾊﾞｰ(&T)", kToolbarItems},
    {kPopupRecentFiles, "最新のﾌｧｲﾙ", kRecentFileItems},
    {kPopupRecentGroups, "最新のｸﾞﾙｰﾌﾟ", kRecentGroupItems},
    {kPopupUserTools, "ﾕｰｻﾞ登録ﾂｰﾙ", kUserToolItems},
    {kPopupUserHelp, "ﾕｰｻﾞ登録ﾍﾙﾌﾟ", kUserHelpItems},
};

constexpr int kContextItems[] = {kCmdEditUndo,     kCmdNone,          kCmdEditCut, kCmdEditCopy,
                                 kCmdEditPaste,    kCmdEditSelectAll, kCmdNone,    kCmdEditFind,
                                 kCmdEditFindNext, kCmdEditReplace,   kCmdNone,    kCmdGoToLine,
                                 kCmdMarkLine,     kCmdMarkList,      kCmdNone,    kCmdTagJump,
                                 kCmdTagBack,      kCmdNone,          kCmdFileTop, kCmdFileBottom};

constexpr int kStandardButtons[] = {
    kCmdWindowPrev,  kCmdWindowNext, kCmdNone,     kCmdFileNew,      kCmdFileOpen,
    kCmdFileSave,    kCmdNone,       kCmdEditFind, kCmdEditFindNext, kCmdEditReplace,
    kCmdNone,        kCmdEditCut,    kCmdEditCopy, kCmdEditPaste,    kCmdNone,
    kCmdToolFind,    kCmdViewGroup,  kCmdNone,     kCmdFilePrint,    kCmdNone,
    kCmdGroupSearch, kCmdGroupOpen,  kCmdGroupAdd, kCmdNone,         kCmdMarkLine,
    kCmdMarkList,    kCmdNone,       kCmdBuild,    kCmdRun,          kCmdBuildOptions};
constexpr int kAnalysisButtons[] = {kCmdAnalysisList,   kCmdAnalysisTree, kCmdAnalysisCallers,
                                    kCmdAnalysisAction, kCmdNone,         kCmdAnalysisInclude,
                                    kCmdAnalysisCount,  kCmdNone,         kCmdAnalysisPrototype,
                                    kCmdAnalysisTags,   kCmdNone,         kCmdAnalysisHtml,
                                    kCmdAnalysisAll,    kCmdNone,         kCmdAnalysisOptions};
constexpr int kExtendedButtons[] = {
    kCmdViewLauncher,     kCmdToolExec, kCmdNone,         kCmdWindowCascade, kCmdWindowTile,
    kCmdWindowTwo,        kCmdNone,     kCmdTagJump,      kCmdGoToLine,      kCmdFileTop,
    kCmdFileBottom,       kCmdNone,     kCmdHelpContents, kCmdOptions,       kCmdUserToolRegister,
    kCmdUserHelpRegister, kCmdNone,     kCmdBuild,        kCmdRun,           kCmdBuildOptions};
constexpr int kGroupManagerButtons[] = {kCmdGmOpen, kCmdNone,     kCmdGmAdd,  kCmdGmRemove,
                                        kCmdNone,   kCmdGmSearch, kCmdGmSort, kCmdNone,
                                        kCmdGmSave, kCmdNone,     kCmdGmClose};

constexpr ToolbarSpec kToolbars[] = {
    {kCmdViewStandardBar, "ToolBar1", "標準ﾂｰﾙﾊﾞｰ", kStandardButtons},
    {kCmdViewAnalysisBar, "ToolBar2", "解析ﾂｰﾙﾊﾞｰ", kAnalysisButtons},
    {kCmdViewExtendedBar, "ToolBar3", "拡張ﾂｰﾙﾊﾞｰ", kExtendedButtons},
};

// Menu command of each analysis kind 1 ... 10 (kind 11 has no menu command).
constexpr std::array<int, 10> kAnalysisCommands = {
    kCmdAnalysisList, kCmdAnalysisTree,  kCmdAnalysisCallers, kCmdAnalysisAction,
    kCmdAnalysisHtml, kCmdAnalysisCount, kCmdAnalysisInclude, kCmdAnalysisPrototype,
    kCmdAnalysisTags, kCmdAnalysisAll};

}  // namespace

std::span<const CommandSpec> commandTable() { return kCommands; }

const CommandSpec* findCommand(int id) {
  for (const CommandSpec& c : kCommands) {
    if (c.id == id) return &c;
  }
  return nullptr;
}

QString commandLabel(int id) {
  const CommandSpec* c = findCommand(id);
  return c ? QString::fromUtf8(c->label) : QString();
}

QString commandPlainLabel(int id) {
  QString label = commandLabel(id);
  label = label.section(QLatin1Char('\t'), 0, 0);
  // "(&X)" mnemonics and the trailing "..." are menu decoration only.
  static const QRegularExpression mnemonic(QStringLiteral("\\(&.\\)"));
  label.remove(mnemonic);
  label.remove(QLatin1Char('&'));
  if (label.endsWith(QLatin1String("..."))) label.chop(3);
  return label;
}

QList<QKeySequence> commandKeys(int id) {
  QList<QKeySequence> keys;
  const CommandSpec* c = findCommand(id);
  if (!c || !c->keys) return keys;
  for (const QString& k : QString::fromLatin1(c->keys).split(QStringLiteral("; ")))
    keys.append(QKeySequence(k, QKeySequence::PortableText));
  return keys;
}

std::span<const PopupSpec> menuBarLayout() { return kMenuBar; }

const PopupSpec* findPopup(int id) {
  for (const PopupSpec& p : kInnerPopups) {
    if (p.id == id) return &p;
  }
  for (const PopupSpec& p : kMenuBar) {
    if (p.id == id) return &p;
  }
  return nullptr;
}

std::span<const int> contextMenuLayout() { return kContextItems; }
std::span<const ToolbarSpec> toolbarLayouts() { return kToolbars; }
std::span<const int> groupManagerButtons() { return kGroupManagerButtons; }

int analysisKindOfCommand(int id) {
  for (size_t i = 0; i < kAnalysisCommands.size(); ++i) {
    if (kAnalysisCommands[i] == id) return static_cast<int>(i) + 1;
  }
  return 0;
}

int commandOfAnalysisKind(int kind) {
  if (kind < 1 || kind > static_cast<int>(kAnalysisCommands.size())) return 0;
  return kAnalysisCommands[static_cast<size_t>(kind) - 1];
}

QString commandIconPath(int id) {
  const QString path = QStringLiteral(":/icons/%1.png").arg(id);
  return QFile::exists(path) ? path : QString();
}

}  // namespace veldra
