// The main frame: MDI area of documents, menus and toolbars built from the
// command table, the status bar, the group manager bar, and the commands that
// run analyses, open documents, jump to tags and keep line marks.
#pragma once

#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <functional>

#include "app/line_marks.h"
#include "core/analysis_options.h"
#include "core/display_options.h"

class QAction;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QToolBar;

namespace veldra {

class DocumentWindow;
class GroupManagerBar;
class ToolCommands;

class MainFrame : public QMainWindow {
  Q_OBJECT
 public:
  explicit MainFrame(QWidget* parent = nullptr);
  ~MainFrame() override;

  QAction* action(int id) const { return actions_.value(id); }
  GroupManagerBar* groupManager() const { return group_; }
  QMdiArea* mdiArea() const { return mdi_; }
  QToolBar* toolbar(int viewCommand) const { return toolbars_.value(viewCommand); }
  QString positionText() const;
  LineMarks& lineMarks() { return marks_; }
  // Where the engine is found (the program's own directory unless changed).
  void setProgramDirectory(const QString& dir) { programDir_ = dir; }

  DocumentWindow* activeDocument() const;
  QList<DocumentWindow*> documents() const;
  DocumentWindow* newDocument();
  // Opens a file, or activates its window when it is open; nullptr on failure
  // (shown to the user unless `quiet`).
  DocumentWindow* openDocument(const QString& path, bool quiet = false);

  // Runs analysis `kind` (1 ... 11) with its dialog; the result document, or
  // nullptr when nothing ran or the run was cancelled.
  DocumentWindow* runAnalysis(int kind);
  // The result file of the last analysis of `kind` for the macro list: runs the
  // analysis and returns the output text instead of opening a document.
  bool runAnalysisToText(int kind, QByteArray* output);

  // Jumps from the caret line of the active document; false when nothing was
  // jumped to (a message was shown when a target was named but not found).
  bool tagJump();
  // Jumps to the file and line that `line` names (a build output line).
  bool jumpToLine(const QString& line);
  // The macro definition list of the group ("#define 設定(&D)..." of the analysis
  // options) and the function list dialog ("ﾘｽﾄ登録..."): the options sheet calls
  // these. The function list dialog returns the file it last read or wrote.
  void editMacros();
  QString editFunctionList(const QString& path);
  bool addLineMark();

  // The sheets "ｵﾌﾟｼｮﾝ" and "解析ｵﾌﾟｼｮﾝ"; the records they edit.
  void showOptionsSheet();
  void showAnalysisOptionsSheet();
  const DisplayOptions& displayOptions() const { return display_; }
  const AnalysisOptions& analysisOptions() const { return options_; }
  // Takes a display option record: saved, and applied to every open document, the
  // group list and the toolbars.
  void setDisplayOptions(const DisplayOptions& options);
  void setAnalysisOptions(const AnalysisOptions& options) { options_ = options; }
  void applyDisplayOptions(DocumentWindow* document) const;
  ToolCommands* tools() const { return tools_; }

  // Start-up: restores the window, toolbars and the last group (pending group
  // first), as the profile says.
  void restoreFromProfile(const QString& pendingGroup);
  // A later instance handed over a file (empty: just come to the front).
  void handOver(const QString& name, const QString& directory);

  // Replaces the question boxes in tests: returns the button to take.
  using Asker = std::function<int(const QString& text, int buttons)>;
  void setAsker(Asker asker) { asker_ = std::move(asker); }
  int ask(const QString& text, int buttons);
  void warn(const QString& text);

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void createActions();
  void createMenus();
  void createToolbars();
  void createStatusBar();
  // Flat or raised toolbar buttons, as the display options say.
  void applyToolbarStyle();
  QMenu* buildPopup(int popupId, QWidget* parent);
  void bindHandlers();
  void updateCommandStates();
  void updateRecentFiles();
  void addRecentFile(const QString& path);
  void notYet(int id);
  QMdiSubWindow* addDocument(DocumentWindow* document);
  QMdiSubWindow* findDocumentWindow(const QString& path) const;
  void saveToProfile();
  // Runs analysis `kind` with its dialog: the output file (the caller deletes
  // it), or "" when nothing ran.
  QString runAnalysisToFile(int kind);
  void offerBrowser(DocumentWindow* document);
  bool jumpFrom(const QString& line, DocumentWindow* origin);
  void saveDocumentAs(DocumentWindow* document);
  void onCaretMoved(int line, int column);
  void goToLineDialog();
  void showMarkList();
  void tileTwo();
  void findText(bool askForText);
  void replaceText();
  void showAbout();
  void print(int id);

  QMdiArea* mdi_;
  GroupManagerBar* group_;
  QLabel* position_;
  QHash<int, QAction*> actions_;
  QHash<int, QToolBar*> toolbars_;
  QHash<int, std::function<void()>> handlers_;
  QMenu* recentFilesMenu_ = nullptr;
  QMenu* contextMenu_ = nullptr;
  QStringList recentFiles_;
  LineMarks marks_;
  QPointer<DocumentWindow> jumpOrigin_;
  DisplayOptions display_;
  AnalysisOptions options_;
  AnalysisOptions loadedOptions_;
  Asker asker_;
  ToolCommands* tools_ = nullptr;
  QString findTextValue_;
  QString programDir_;
  int untitledCounter_ = 0;
  bool twoVertical_ = false;
};

}  // namespace veldra
