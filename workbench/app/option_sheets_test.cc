// The three option sheets: each shows its record, gives it back unchanged when
// nothing is touched, and a change made in a page survives the profile (or the
// group file) and a new sheet.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "app/analysis_options_sheet.h"
#include "app/build_options_sheet.h"
#include "app/main_frame.h"
#include "app/options_sheet.h"
#include "core/group_model.h"

using namespace veldra;

namespace {

template <typename W>
W* byText(QWidget* root, const QString& text) {
  for (W* w : root->findChildren<W*>()) {
    if (w->text() == text) return w;
  }
  return nullptr;
}

QLineEdit* fieldAfter(QWidget* root, const QString& label) {
  for (QLabel* l : root->findChildren<QLabel*>()) {
    if (l->text() == label) return qobject_cast<QLineEdit*>(l->buddy());
  }
  return nullptr;
}

QStringList tabTexts(QTabWidget* tabs) {
  QStringList out;
  for (int i = 0; i < tabs->count(); ++i) out.append(tabs->tabText(i));
  return out;
}

}  // namespace

class OptionSheetsTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
  void init() { QSettings(QStringLiteral("Pellwick"), QStringLiteral("VeldraC")).clear(); }

  void displaySheetRoundTripsThroughTheProfile() {
    DisplayOptions start;
    start.editText = 0x123456;
    start.tabSize = 8;
    start.underline = false;
    start.alwaysOnTop = true;
    start.searchCursor = 1;
    start.lastPage = 1;
    OptionsSheet sheet(start, {QStringLiteral("標準")});
    QCOMPARE(tabTexts(sheet.tabs()), (QStringList{QStringLiteral("ｴﾃﾞｨﾀ"), QStringLiteral("ｸﾞﾙｰﾌﾟ"),
                                                  QStringLiteral("ﾂｰﾙﾊﾞｰ")}));
    QCOMPARE(sheet.tabs()->currentIndex(), 1);  // opens on the page last shown
    QCOMPARE(sheet.options(), start);

    // Colour and font through the buttons, with stand-in dialogs.
    sheet.setChoosers(
        [](quint32* v) {
          *v = 0x00FF00;
          return true;
        },
        [](FontRecord* r, qint64* size, int units) {
          r->faceName = QStringLiteral("Noto Sans Mono");
          *size = 11 * units;
          return true;
        });
    byText<QPushButton>(sheet.tabs()->widget(0), QStringLiteral("背景色(&B)..."))->click();
    byText<QPushButton>(sheet.tabs()->widget(1), QStringLiteral("ﾌｫﾝﾄ(&F)..."))->click();
    sheet.findChild<QSpinBox*>()->setValue(12);
    byText<QCheckBox>(&sheet, QStringLiteral("ｵｰﾄｲﾝﾃﾞﾝﾄ(&I)"))->setChecked(false);
    byText<QCheckBox>(&sheet, QStringLiteral("起動時に、編集していたｸﾞﾙｰﾌﾟを読込む。"))
        ->setChecked(false);
    byText<QCheckBox>(&sheet, QStringLiteral("ﾂｰﾙﾊﾞｰをﾌﾗｯﾄにする。(&F)"))->setChecked(true);
    byText<QRadioButton>(&sheet, QStringLiteral("黒"))->setChecked(true);
    sheet.tabs()->setCurrentIndex(2);
    const DisplayOptions edited = sheet.options();
    QCOMPARE(edited.editBackground, 0x00FF00u);
    QCOMPARE(edited.groupFont.faceName, QStringLiteral("Noto Sans Mono"));
    QCOMPARE(edited.groupFontSize, 110);
    QCOMPARE(edited.tabSize, 12);
    QVERIFY(!edited.autoIndent && !edited.reopenGroup && edited.flatToolbars);
    QCOMPARE(edited.searchCursor, 0);
    QCOMPARE(edited.lastPage, 2);

    QSettings s(QStringLiteral("Pellwick"), QStringLiteral("VeldraC"));
    edited.save(s);
    QCOMPARE(DisplayOptions::load(s), edited);
    OptionsSheet again(DisplayOptions::load(s), {});
    QCOMPARE(again.options(), edited);
  }

  void analysisSheetEditsEachSettingsGroup() {
    AnalysisOptions start(QStringLiteral("/opt/veldra"));
    start.groups[2].outputFileAndLine = true;
    start.individualSettings = true;
    AnalysisOptionsSheet sheet(start, 2);
    QCOMPARE(tabTexts(sheet.tabs()),
             (QStringList{QStringLiteral("共通設定"), QStringLiteral("関数一覧/ﾂﾘｰ"),
                          QStringLiteral("ｽﾃｯﾌﾟ数"), QStringLiteral("HTML"),
                          QStringLiteral("ﾄﾞｷｭﾒﾝﾄ一括")}));
    QVERIFY(sheet.options().sameValues(start));
    QCOMPARE(sheet.groupCombo()->currentText(), QStringLiteral("関数呼出ﾂﾘｰ"));
    QVERIFY(byText<QCheckBox>(&sheet, QStringLiteral("ﾌｧｲﾙ名、行番号を出力する。"))->isChecked());

    // Group 1 shows its own label; its boxes edit group 1 only.
    sheet.groupCombo()->setCurrentIndex(1);
    QCheckBox* bracket =
        byText<QCheckBox>(&sheet, QStringLiteral("ﾌｧｲﾙ名を出力( []で括った形式 )"));
    QVERIFY(bracket);
    bracket->setChecked(false);
    byText<QCheckBox>(&sheet, QStringLiteral("解析対象外ﾘｽﾄを利用する。"))->setChecked(true);
    byText<QRadioButton>(&sheet, QStringLiteral("ASCII"))->setChecked(true);
    byText<QRadioButton>(&sheet, QStringLiteral("関数単位(&F)"))->setChecked(true);
    byText<QCheckBox>(sheet.tabs()->widget(3), QStringLiteral("ｲﾝｸﾙｰﾄﾞﾂﾘｰ"))->setChecked(false);
    byText<QCheckBox>(sheet.tabs()->widget(4), QStringLiteral("関数一覧"))->setChecked(false);
    AnalysisOptions edited = sheet.options();
    QVERIFY(!edited.groups[1].outputFileName && edited.groups[1].useExclusionList);
    QCOMPARE(edited.groups[2], start.groups[2]);
    QCOMPARE(edited.groups[0], start.groups[0]);
    QCOMPARE(edited.lineDrawing, 1);
    QCOMPARE(edited.countUnit, 1);
    QCOMPARE(edited.htmlMask, 0x3Fu & ~16u);
    QCOMPARE(edited.allDocumentsMask, 0x3Fu & ~1u);
    QCOMPARE(sheet.groupEntry(), 1);

    QSettings s(QStringLiteral("Pellwick"), QStringLiteral("VeldraC"));
    edited.save(s);
    QCOMPARE(s.value(QStringLiteral("An Opt/Flags")).toString(),
             QStringLiteral("1,1,1,0,47,62,0,0,1,0,0"));
    QVERIFY(AnalysisOptions::load(s, QStringLiteral("/opt/veldra")).sameValues(edited));

    // "#define 設定(&D)..." and "ﾘｽﾄ登録..." open the group's macro list and the
    // function list; the list file chosen there becomes the exclusion list.
    int macroEdits = 0;
    QString offered;
    sheet.setEditors([&] { ++macroEdits; },
                     [&](const QString& path) {
                       offered = path;
                       return QStringLiteral("/work/mine.fls");
                     });
    byText<QPushButton>(&sheet, QStringLiteral("#define 設定(&D)..."))->click();
    byText<QPushButton>(&sheet, QStringLiteral("ﾘｽﾄ登録..."))->click();
    QCOMPARE(macroEdits, 1);
    QCOMPARE(offered, QStringLiteral("/opt/veldra/Default.fls"));
    QCOMPARE(sheet.options().exclusionListFile, QStringLiteral("/work/mine.fls"));

    // Switching individual settings off shows and keeps only the common group.
    byText<QCheckBox>(&sheet, QStringLiteral("個別にｵﾌﾟｼｮﾝを設定"))->setChecked(false);
    QCOMPARE(sheet.groupCombo()->currentIndex(), 0);
    QVERIFY(!sheet.groupCombo()->isEnabled());
  }

  // Unchanged analysis options leave "Flags", "FFlags" and "WOFile" untouched at
  // close; the page last shown is still written.
  void unchangedAnalysisOptionsWriteOnlyThePage() {
    {
      MainFrame frame;
      QTimer::singleShot(0, [] {
        auto* sheet = qobject_cast<AnalysisOptionsSheet*>(QApplication::activeModalWidget());
        if (!sheet) return;
        sheet->tabs()->setCurrentIndex(3);
        sheet->accept();
      });
      frame.showAnalysisOptionsSheet();
      frame.close();
    }
    QSettings s(QStringLiteral("Pellwick"), QStringLiteral("VeldraC"));
    QVERIFY(!s.contains(QStringLiteral("An Opt/Flags")));
    QVERIFY(!s.contains(QStringLiteral("An Opt/FFlags")));
    QVERIFY(!s.contains(QStringLiteral("An Opt/WOFile")));
    QCOMPARE(s.value(QStringLiteral("An Opt/EFlags")).toString(), QStringLiteral("3"));
  }

  void buildSheetRoundTripsThroughTheGroupFile() {
    QTemporaryDir dir;
    BuildOptions start;
    start.makeUtility = QStringLiteral("make");
    start.runFlags = {1, 0, 1};
    BuildEnvironment environment;
    BuildOptionsSheet sheet(start, environment);
    QCOMPARE(tabTexts(sheet.tabs()), (QStringList{QStringLiteral("ﾋﾞﾙﾄﾞ"), QStringLiteral("実行"),
                                                  QStringLiteral("環境")}));
    QCOMPARE(sheet.options(), start);
    QCOMPARE(sheet.environment(), environment);
    fieldAfter(&sheet, QStringLiteral("ﾒｲｸﾌｧｲﾙ(&F) :   "))->setText(QStringLiteral("my make.mk"));
    fieldAfter(&sheet, QStringLiteral("起動時ｵﾌﾟｼｮﾝ(&V) : "))->setText(QStringLiteral("-f"));
    fieldAfter(&sheet, QStringLiteral("ﾌﾟﾛｸﾞﾗﾑ名 (&N):     "))->setText(QStringLiteral("./calc"));
    fieldAfter(&sheet, QStringLiteral("実行時ﾊﾟﾗﾒｰﾀ (&P) :   "))
        ->setText(QStringLiteral("-v < in"));
    byText<QCheckBox>(&sheet, QStringLiteral("ｺﾝｿｰﾙ出力の取り込み(&O)"))->setChecked(true);
    byText<QCheckBox>(&sheet, QStringLiteral("ﾋﾞﾙﾄﾞ前後にｲﾝﾌｫﾒｰｼｮﾝを表示する."))->setChecked(false);
    byText<QCheckBox>(&sheet, QStringLiteral("ﾋﾞﾙﾄﾞ時に [全て保存] を実行しない. "))
        ->setChecked(true);
    const BuildOptions edited = sheet.options();
    QCOMPARE(edited.runFlags, (std::array<qint64, 3>{1, 1, 1}));

    GroupModel group;
    const QString path = dir.filePath(QStringLiteral("g.vgp"));
    QVERIFY(group.addFiles({QStringLiteral(VELDRA_SOURCE_DIR "/examples/calc/main.c")}, {}).added ==
            1);
    group.setBuildOptions(edited);
    QVERIFY(group.isModified());
    QCOMPARE(group.saveAs(path), QString());
    GroupModel reopened;
    QCOMPARE(reopened.open(path), QString());
    QCOMPARE(reopened.buildOptions(), edited);

    QSettings s(QStringLiteral("Pellwick"), QStringLiteral("VeldraC"));
    sheet.environment().save(s);
    QCOMPARE(s.value(QStringLiteral("BdOptSc/Flags")).toString(), QStringLiteral("0,1"));
    QCOMPARE(BuildEnvironment::load(s), sheet.environment());
  }
};

QTEST_MAIN(OptionSheetsTest)
#include "option_sheets_test.moc"
