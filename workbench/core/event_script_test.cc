#include "core/event_script.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "core/analysis_kind.h"
#include "core/text_codec.h"

using namespace veldra;

class EventScriptTest : public QObject {
  Q_OBJECT

 private:
  static QStringList names(const EventScript& e) {
    QStringList out;
    for (const auto& [name, value] : e.variables()) out.append(name);
    out.sort();
    return out;
  }

 private slots:
  void builtInTemplateHoldsElevenSectionsInOrder() {
    const QList<QByteArray> lines = EventScript::builtInTemplate();
    QVERIFY(lines.contains("# Mora Event-Interface  : Event-File Ver 1.30"));
    QList<QByteArray> openTags;
    for (const QByteArray& l : lines) {
      if (l.startsWith("<_")) openTags.append(l);
    }
    QCOMPARE(openTags, (QList<QByteArray>{"<_FTREE>", "<_FLIST>", "<_RTREE>", "<_COUNT>",
                                          "<_ACTION>", "<_HTML>", "<_PROTOTYPE>", "<_TAGS>",
                                          "<_ITREE>", "<_CHKDEF>", "<_ALLDOC>"}));
  }

  void sectionBodiesHaveTheirLineCounts_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("lines");
    const int counts[] = {41, 42, 42, 13, 149, 13, 17, 13, 13, 133, 3};
    for (int kind = 1; kind <= 11; ++kind) {
      QTest::addRow("%s", analysisKindInfo(kind)->section) << kind << counts[kind - 1];
    }
  }
  void sectionBodiesHaveTheirLineCounts() {
    QFETCH(int, kind);
    QFETCH(int, lines);
    EventScript e;
    QList<QByteArray> out;
    QVERIFY(e.extractSection(QLatin1String(analysisKindInfo(kind)->section), &out));
    QCOMPARE(out.size(), lines);
    // Shift-JIS body, decoded back, equals the template file; trailing blanks kept.
    QStringList decoded;
    for (const QByteArray& l : out) decoded.append(decodeShiftJis(l));
    QCOMPARE(decoded.join(u'\n') + u'\n',
             EventScript::sectionBody(QLatin1String(analysisKindInfo(kind)->section)));
  }

  void assignmentsComeFirstWithoutBlanks() {
    EventScript e({"<_X>", "body", "</_X>"});
    e.setVariable(QStringLiteral("$_no_brace"), "false");
    e.setVariable(QStringLiteral("$_no_brace"), "true");
    QList<QByteArray> out;
    QVERIFY(e.extractSection(QStringLiteral("_X"), &out));
    QCOMPARE(out, (QList<QByteArray>{"$_no_brace=true", "body"}));
  }

  void extractionFollowsTheTagRules() {
    // Outside, a longer name with the same head opens the section (n characters are
    // compared); inside, "<" lines that are not the closing tag are copied.
    EventScript e({"# c", "<_TAGSX>", "<b>", "</_TAG>", "<", "</_TAGS>", "after"});
    QList<QByteArray> out;
    QVERIFY(e.extractSection(QStringLiteral("_TAGS"), &out));
    QCOMPARE(out, (QList<QByteArray>{"<b>", "</_TAG>", "<"}));
  }

  void unclosedOrMissingSectionFails() {
    EventScript e({"<_A>", "x"});
    e.setVariable(QStringLiteral("$_files"), "y");
    QList<QByteArray> out{"stale"};
    QVERIFY(!e.extractSection(QStringLiteral("_A"), &out));
    QVERIFY(out.isEmpty());
    QVERIFY(!e.extractSection(QStringLiteral("_B"), &out));
    QVERIFY(out.isEmpty());
  }

  void workedExampleSetsEightVariables() {
    AnalysisOptions o;
    o.lineDrawing = 1;
    EventScript e;
    e.setVariablesFor(kKindFunctionTree, QStringLiteral("/tmp/VdL1A2.tmp"), o, {});
    QCOMPARE(names(e), (QStringList{"$_files", "$_fp_wfile", "$_ft_wfile", "$_line", "$_no_brace",
                                    "$_onlydef", "$_pri_proc", "$_without"}));
    QCOMPARE(e.variable(QStringLiteral("$_line")), QByteArray("\"ASCII\""));
    QCOMPARE(e.variable(QStringLiteral("$_ft_wfile")), QByteArray("true"));
    QCOMPARE(e.variable(QStringLiteral("$_files")), QByteArray(" \"</tmp/VdL1A2.tmp>\""));
  }

  void stepCountSetsNoTreeVariables() {
    EventScript e;
    e.setVariablesFor(kKindCount, QStringLiteral("l"), AnalysisOptions(), {});
    QCOMPARE(names(e),
             (QStringList{"$_countfunc", "$_files", "$_line", "$_no_brace", "$_pri_proc"}));
  }

  void commonSettingsApplyToEveryGroupUnlessIndividual() {
    AnalysisOptions o;
    o.groups[0].excludeUndefined = true;
    o.groups[kGroupCaller].excludeUndefined = false;
    EventScript common;
    common.setVariablesFor(kKindAllDocuments, QStringLiteral("l"), o, {});
    for (const char* v : {"$_onlydef", "$_r_onlydef", "$_l_onlydef"}) {
      QCOMPARE(common.variable(QLatin1String(v)), QByteArray("true"));
    }
    o.individualSettings = true;
    EventScript individual;
    individual.setVariablesFor(kKindAllDocuments, QStringLiteral("l"), o, {});
    QCOMPARE(individual.variable(QStringLiteral("$_r_onlydef")), QByteArray("false"));
  }

  void positionFormWinsOverFileName() {
    AnalysisOptions o;
    o.groups[0].outputFileName = true;
    o.groups[0].outputFileAndLine = true;
    EventScript e;
    e.setVariablesFor(kKindCallerTree, QStringLiteral("l"), o, {});
    QCOMPARE(e.variable(QStringLiteral("$_rt_wfile")), QByteArray("false"));
    QCOMPARE(e.variable(QStringLiteral("$_rp_wfile")), QByteArray("true"));
  }

  void componentBitsFollowTheKindsMask() {
    AnalysisOptions o;
    o.allDocumentsMask = kComponentCount;
    o.htmlMask = kComponentFunctionList | kComponentAction;
    EventScript all;
    all.setVariablesFor(kKindAllDocuments, QStringLiteral("l"), o, {});
    QCOMPARE(all.variable(QStringLiteral("$_bCount")), QByteArray("true"));
    QCOMPARE(all.variable(QStringLiteral("$_bFList")), QByteArray("false"));
    EventScript html;
    html.setVariablesFor(kKindHtml, QStringLiteral("l"), o, {});
    QCOMPARE(html.variable(QStringLiteral("$_bFList")), QByteArray("true"));
    QCOMPARE(html.variable(QStringLiteral("$_bAction")), QByteArray("true"));
    QCOMPARE(html.variable(QStringLiteral("$_bCount")), QByteArray("false"));
  }

  void macroFileIsCreatedWithOneEmptyLine() {
    QTemporaryDir dir;
    const QString mls = dir.filePath(QStringLiteral("g.mls"));
    AnalysisOptions o;
    o.preprocessorCheck = true;
    EventScript e;
    e.setVariablesFor(kKindTags, QStringLiteral("l"), o, [&] { return mls; });
    QCOMPARE(e.variable(QStringLiteral("$_deffile")), (" \"" + mls + "\"").toUtf8());
    QFile f(mls);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), QByteArray("\r\n"));
  }

  void uncreatableMacroFileLeavesDeffileUnset() {
    AnalysisOptions o;
    o.preprocessorCheck = true;
    EventScript e;
    e.setVariablesFor(kKindTags, QStringLiteral("l"), o,
                      [] { return QStringLiteral("/nonexistent-dir/x.mls"); });
    QVERIFY(!names(e).contains(QStringLiteral("$_deffile")));
    QCOMPARE(e.variable(QStringLiteral("$_pri_proc")), QByteArray("true"));
  }

  void variablesPersistBetweenCompositions() {
    AnalysisOptions o;
    o.groups[0].useExclusionList = true;
    EventScript e;
    e.setVariablesFor(kKindFunctionTree, QStringLiteral("l"), o, {});
    o.groups[0].useExclusionList = false;
    e.setVariablesFor(kKindFunctionTree, QStringLiteral("l"), o, {});
    QCOMPARE(e.variable(QStringLiteral("$_without")), QByteArray("false"));
    QVERIFY(!e.variable(QStringLiteral("$_wofile")).isEmpty());
  }

  void composeWritesCrLfScriptOrNothing() {
    TempFileSet files;
    EventScript e;
    QVERIFY(e.compose(0, QStringLiteral("l"), AnalysisOptions(), {}, files).isEmpty());
    QVERIFY(e.compose(12, QStringLiteral("l"), AnalysisOptions(), {}, files).isEmpty());
    QVERIFY(files.paths().isEmpty());
    const QString script =
        e.compose(kKindCheckDefine, QStringLiteral("l"), AnalysisOptions(), {}, files);
    QVERIFY(!script.isEmpty());
    QVERIFY(QFileInfo(script).fileName().startsWith(QLatin1String("VdC")));
    QFile f(script);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    QVERIFY(bytes.endsWith("# Check Define\r\n    check define $_files;\r\n    exit;\r\n"));
    QCOMPARE(bytes.count("\r\n"), bytes.count('\n'));
    files.removeAll();
    QVERIFY(!QFile::exists(script));
  }
};

QTEST_GUILESS_MAIN(EventScriptTest)
#include "event_script_test.moc"
