#include "core/function_list_file.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace veldra;

class FunctionListFileTest : public QObject {
  Q_OBJECT

 private slots:
  void readingKeepsEmptyEntriesAndIgnoresTheVersion() {
    QStringList names;
    QVERIFY(
        parseFunctionList("# Function List for Veldra 9.9\r\nprintf\r\n\r\nmalloc\r\n", &names));
    QCOMPARE(names, (QStringList{"printf", "", "malloc"}));
  }

  void savingDropsEmptyEntries() {
    QCOMPARE(formatFunctionList({QStringLiteral("a"), QString(), QStringLiteral("b")}),
             QByteArray("# Function List for Veldra 1.0\r\na\r\nb\r\n"));
  }

  void foreignFileLeavesTheListUnchanged() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("x.fls"));
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("# Function List for Veldr\nmain\n");
    f.close();
    QStringList names{QStringLiteral("kept")};
    QCOMPARE(readFunctionList(path, &names),
             QStringLiteral("ﾌｧｲﾙ(%1)のﾌｧｲﾙﾌｫｰﾏｯﾄが不正です｡").arg(path));
    QCOMPARE(names, QStringList{"kept"});
    QVERIFY(readFunctionList(dir.filePath(QStringLiteral("no.fls")), &names)
                .startsWith(QStringLiteral("ファイルの読込みに失敗しました。 : ")));
    QVERIFY(writeFunctionList(dir.filePath(QStringLiteral("no/such/dir.fls")), names)
                .startsWith(QStringLiteral("ファイルの書き込みに失敗しました。 : ")));
  }

  void shippedDefaultListLoads() {
    QStringList names;
    QCOMPARE(readFunctionList(QStringLiteral(VELDRA_SOURCE_DIR "/workbench/Default.fls"), &names),
             QString());
    QVERIFY(names.contains(QStringLiteral("printf")));
    QVERIFY(!names.contains(QString()));
  }
};

QTEST_GUILESS_MAIN(FunctionListFileTest)
#include "function_list_file_test.moc"
