// Source files keep their encoding and line ends; read-only files stay untouched.
#include <QTemporaryDir>
#include <QtTest>

#include "app/source_text.h"

using namespace veldra;

class SourceTextTest : public QObject {
  Q_OBJECT

 private slots:
  void decidesTheEncodingAndWritesItBack_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("encoding");
    QTest::addColumn<bool>("crlf");
    QTest::addColumn<QString>("text");
    QTest::newRow("ascii") << QByteArray("int x;\n") << int(TextEncoding::Utf8) << false
                           << QStringLiteral("int x;\n");
    QTest::newRow("utf-8") << QByteArray("/* \xe6\x97\xa5\xe6\x9c\xac */\r\nx\r\n")
                           << int(TextEncoding::Utf8) << true << QStringLiteral("/* 日本 */\nx\n");
    QTest::newRow("shift-jis") << QByteArray("/* \x93\xfa\x96\x7b */\n")
                               << int(TextEncoding::ShiftJis) << false
                               << QStringLiteral("/* 日本 */\n");
    // A second byte equal to a backslash must not be taken for one.
    QTest::newRow("shift-jis 0x5c") << QByteArray("\"\x95\x5c\"\r\n") << int(TextEncoding::ShiftJis)
                                    << true << QStringLiteral("\"表\"\n");
  }
  void decidesTheEncodingAndWritesItBack() {
    QFETCH(QByteArray, bytes);
    QFETCH(int, encoding);
    QFETCH(bool, crlf);
    QFETCH(QString, text);
    const SourceText source = decodeSource(bytes);
    QCOMPARE(int(source.encoding), encoding);
    QCOMPARE(source.crlf, crlf);
    QCOMPARE(source.text, text);
    QVERIFY(source.exact);
    QCOMPARE(encodeSource(source.text, source.encoding, source.crlf), bytes);
  }

  void bytesOfNoEncodingAreNotExact() {
    const SourceText source = decodeSource(QByteArray("ok \xff\xfe end\n"));
    QCOMPARE(source.encoding, TextEncoding::ShiftJis);
    QVERIFY(!source.exact);
  }

  void writesAtomicallyAndRefusesReadOnlyFiles() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.c"));
    QString error;
    QVERIFY(writeSourceFile(path, "first\n", &error));
    SourceText read;
    QVERIFY(readSourceFile(path, &read, &error));
    QCOMPARE(read.text, QStringLiteral("first\n"));
    QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup);
    QVERIFY(!writeSourceFile(path, "second\n", &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(readSourceFile(path, &read, &error));
    QCOMPARE(read.text, QStringLiteral("first\n"));
    // Nothing is left beside the file.
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"a.c"});
  }

  void aMissingFileIsAnError() {
    SourceText read;
    QString error;
    QVERIFY(!readSourceFile(QStringLiteral("/nonexistent/x.c"), &read, &error));
    QVERIFY(!error.isEmpty());
  }
};

QTEST_MAIN(SourceTextTest)
#include "source_text_test.moc"
