#include "core/group_model.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include "core/group_file.h"
#include "core/temp_file.h"

using namespace veldra;

class GroupModelTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir dir_;
  QString savedCwd_;

  QString touch(const QString& name, const QByteArray& content = {}) {
    const QString path = dir_.filePath(name);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    if (f.open(QIODevice::WriteOnly)) f.write(content);
    return path;
  }
  static QByteArray read(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
  }

 private slots:
  void initTestCase() { savedCwd_ = QDir::currentPath(); }
  void cleanup() { QDir::setCurrent(savedCwd_); }

  void addFilesReportsDuplicatesOnce() {
    GroupModel g;
    const QString a = touch(QStringLiteral("a.c"));
    const QString b = touch(QStringLiteral("b.c"));
    GroupModel::AddResult first = g.addFiles({a, b, a}, {});
    QCOMPARE(first.added, 2);
    QCOMPARE(first.message(),
             QStringLiteral("指定されたﾌｧｲﾙ(%1)は既にｸﾞﾙｰﾌﾟに登録されています。").arg(a));
    GroupModel::AddResult second = g.addFiles({a, b}, {});
    QCOMPARE(second.added, 0);
    QCOMPARE(second.message(),
             QStringLiteral("指定されたﾌｧｲﾙに既にｸﾞﾙｰﾌﾟに登録されているものがありました。"));
    QCOMPARE(g.count(), 2);
    QVERIFY(g.isModified());
    QCOMPARE(g.caption(), QStringLiteral("Group Manager - [無題 *]"));
  }

  void missingFilesAreCreatedOnlyWhenConfirmed() {
    GroupModel g;
    const QString yes = dir_.filePath(QStringLiteral("new1.c"));
    const QString no = dir_.filePath(QStringLiteral("new2.c"));
    QStringList asked;
    GroupModel::AddResult r = g.addFiles({yes, no}, [&](const QString& p) {
      asked.append(p);
      return p == yes;
    });
    QCOMPARE(asked, (QStringList{yes, no}));
    QCOMPARE(r.added, 1);
    QVERIFY(QFile::exists(yes));
    QVERIFY(!QFile::exists(no));
    GroupModel::AddResult bad =
        g.addFiles({QStringLiteral("/nonexistent-dir/x.c")}, [](const QString&) { return true; });
    QCOMPARE(bad.message(), QStringLiteral("ファイルの作成に失敗しました。"));
    QCOMPARE(g.count(), 1);
  }

  void saveAsOpenRoundTripAndCaption() {
    GroupModel g;
    QSignalSpy changed(&g, &GroupModel::changed);
    g.addFiles({touch(QStringLiteral("p/one.c")), touch(QStringLiteral("p/two.c"))}, {});
    BuildOptions b;
    b.makeUtility = QStringLiteral("make");
    g.setBuildOptions(b);
    QCOMPARE(g.save(), QStringLiteral("ファイルの書き込みに失敗しました。"));  // untitled: save as
    const QString path = dir_.filePath(QStringLiteral("p/proj.vgp"));
    QCOMPARE(g.saveAs(path), QString());
    QVERIFY(!g.isModified());
    QCOMPARE(g.caption(), QStringLiteral("Group Manager - [proj.vgp]"));
    QCOMPARE(QDir::currentPath(), QFileInfo(path).absolutePath());
    QVERIFY(changed.count() >= 3);

    GroupModel h;
    QCOMPARE(h.open(dir_.filePath(QStringLiteral("p/proj"))), QString());  // ".vgp" appended
    QCOMPARE(h.files(), g.files());
    QCOMPARE(h.buildOptions().makeUtility, QStringLiteral("make"));
    QCOMPARE(h.macroFileName(), dir_.filePath(QStringLiteral("p/proj.mls")));
    QVERIFY(h.isLoaded());
  }

  void failedOpenLeavesTheGroupUnchanged() {
    GroupModel g;
    g.addFiles({touch(QStringLiteral("keep.c"))}, {});
    const QString bad = touch(QStringLiteral("bad.vgp"), "not a group\n");
    QVERIFY(g.open(bad).contains(QStringLiteral("の内容が不正です。")));
    QCOMPARE(g.count(), 1);
    QVERIFY(g.groupFileName().isEmpty());
  }

  void emptyGroupIsNotSaved() {
    GroupModel g;
    const QString path = dir_.filePath(QStringLiteral("empty.vgp"));
    QCOMPARE(g.saveAs(path), QStringLiteral("グループにファイルが登録されていません。"));
    QVERIFY(!QFile::exists(path));
  }

  void temporaryMacroFileMovesToTheSavedName() {
    GroupModel g;
    g.addFiles({touch(QStringLiteral("m/a.c"))}, {});
    const QString temp = g.ensureMacroFileName();
    QVERIFY(QFileInfo(temp).fileName().startsWith(QLatin1String("Mac")));
    QFile f(temp);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("#Macro Defined List V100-00\r\nDEBUG,1\r\n");
    f.close();
    QCOMPARE(g.saveAs(dir_.filePath(QStringLiteral("m/g.vgp"))), QString());
    QVERIFY(!QFile::exists(temp));
    QVERIFY(!liveTempFiles().contains(temp));
    QCOMPARE(read(g.macroFileName()), QByteArray("#Macro Defined List V100-00\r\nDEBUG,1\r\n"));

    // A loaded group's file is copied: the old group keeps its own.
    const QString other = touch(QStringLiteral("m/h.mls"), "stale");
    QCOMPARE(g.saveAs(dir_.filePath(QStringLiteral("m/h.vgp"))), QString());
    QCOMPARE(read(other), QByteArray("#Macro Defined List V100-00\r\nDEBUG,1\r\n"));
    QCOMPARE(read(dir_.filePath(QStringLiteral("m/g.mls"))), read(other));
  }

  void closeForgetsEverythingAndDeletesTheTemporaryMacroFile() {
    GroupModel g;
    g.addFiles({touch(QStringLiteral("c.c"))}, {});
    const QString temp = g.ensureMacroFileName();
    QVERIFY(QFile::exists(temp));
    g.close();
    QVERIFY(!QFile::exists(temp));
    QVERIFY(g.isEmpty());
    QVERIFY(!g.isModified());
    QVERIFY(!g.isLoaded());
    QCOMPARE(g.caption(), QStringLiteral("Group Manager - [無題]"));
  }

  void removeSortAndEngineList() {
    GroupModel g;
    const QStringList names{QStringLiteral("s/b.h"), QStringLiteral("s/C.c"),
                            QStringLiteral("s/a.c"), QStringLiteral("s/d.c")};
    QStringList paths;
    for (const QString& n : names) paths.append(touch(n));
    g.addFiles(paths, {});
    g.sort(kSortNameAscending);  // case counts: "C" before "a"
    QCOMPARE(g.fileName(0), paths[1]);
    g.sort(kSortNameAscending + kSortIgnoreCase);
    QCOMPARE(g.fileName(0), paths[2]);
    QCOMPARE(g.fileName(1), paths[0]);
    g.sort(kSortExtension + kSortIgnoreCase);
    QCOMPARE(g.fileName(3), paths[0]);  // ".h" after the ".c" files
    g.sort(kSortNameDescending + kSortIgnoreCase);
    QCOMPARE(g.fileName(0), paths[3]);
    QCOMPARE(g.engineFiles({2, 0}), (QList<QByteArray>{g.files()[0], g.files()[2]}));
    g.removeRows({0, 2, 2});
    QCOMPARE(g.count(), 2);
    QCOMPARE(g.engineFiles(), g.files());
  }
};

QTEST_GUILESS_MAIN(GroupModelTest)
#include "group_model_test.moc"
