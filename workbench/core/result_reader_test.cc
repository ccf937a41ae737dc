#include "core/result_reader.h"

#include <QTemporaryDir>
#include <QtTest>

#include "core/text_codec.h"

using namespace veldra;

namespace {

QString writeFile(const QTemporaryDir& dir, const QByteArray& bytes) {
  const QString path = dir.filePath(QStringLiteral("result.txt"));
  QFile f(path);
  if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
    return {};
  return path;
}

// Reads the whole file in pieces of `bytes`, checking that every piece but the
// last ends a line unless it holds no line end at all.
QString readAll(const QString& path, qint64 bytes, ResultReader* reader, int* pieces) {
  if (!reader->open(path, nullptr)) return QStringLiteral("<open failed>");
  QString all;
  int lastPercent = 0;
  *pieces = 0;
  while (!reader->atEnd()) {
    const QString piece = reader->next(bytes);
    ++*pieces;
    if (!reader->atEnd() && piece.contains(u'\n') && !piece.endsWith(u'\n'))
      return QStringLiteral("<piece cut inside a line>");
    if (reader->percent() < lastPercent) return QStringLiteral("<progress went back>");
    lastPercent = reader->percent();
    all += piece;
  }
  return all;
}

}  // namespace

class ResultReaderTest : public QObject {
  Q_OBJECT

 private slots:
  // Whatever the piece size, the pieces put together are the text decodeText
  // gives for the whole file: characters cut by a piece boundary (a line longer
  // than a piece) stay whole, and a 0x5C second byte is no backslash.
  void piecesMakeTheWholeText_data() {
    QTest::addColumn<QByteArray>("bytes");
    const QByteArray sjisTree = "main\n\x84\xa5\x84\x9f lexer.c(12)\n\x83\x5c\x81\x5b\x83\x58\n";
    const QByteArray utf8Tree = "main\n\xe2\x94\x9c\xe2\x94\x80 lexer.c(12)\n\xe8\xa1\xa8\n";
    QByteArray longSjisLine = "x";
    for (int i = 0; i < 300; ++i) longSjisLine += "\x8a\xd6\x90\x94";  // 関数
    QTest::newRow("shift-jis") << sjisTree.repeated(40);
    QTest::newRow("utf-8") << utf8Tree.repeated(40);
    QTest::newRow("ascii, then shift-jis") << QByteArray("plain line\n").repeated(50) + sjisTree;
    QTest::newRow("shift-jis line longer than a piece") << longSjisLine + "\nend\n" + longSjisLine;
    QTest::newRow("crlf") << QByteArray("a\r\nb \x8a\xd6\r\n").repeated(30);
  }
  void piecesMakeTheWholeText() {
    QFETCH(QByteArray, bytes);
    QTemporaryDir dir;
    const QString path = writeFile(dir, bytes);
    for (qint64 size : {1, 7, 64, 1 << 20}) {
      ResultReader reader;
      int pieces = 0;
      QCOMPARE(readAll(path, size, &reader, &pieces), decodeText(bytes));
      QCOMPARE(reader.consumed(), qint64(bytes.size()));
      QCOMPARE(reader.percent(), 100);
      QCOMPARE(reader.isUtf8(), isMultiByteUtf8(bytes));
      if (size >= bytes.size()) QCOMPARE(pieces, 1);
    }
  }

  // The engine writes each line as its source gave it: UTF-8 lines beside
  // Shift-JIS ones are each decoded by their own bytes, in any piece size,
  // and the document takes the encoding of its first non-ASCII line.
  void mixedLinesAreDecodedEachByItsOwnEncoding() {
    const QByteArray utf8Line = "jp.c(5) : static int \xe8\xa8\x88\xe7\xae\x97(int a)\n";
    const QByteArray sjisLine = "sj.c(1) : /* \x8d\x87\x8c\x76 \x95\x5c*/\n";
    const QString expected = QStringLiteral("jp.c(5) : static int 計算(int a)\n") +
                             QStringLiteral("sj.c(1) : /* 合計 表*/\n");
    QTemporaryDir dir;
    const QString path = writeFile(dir, ("head\n" + utf8Line + sjisLine).repeated(20));
    for (qint64 size : {1, 7, 64, 1 << 20}) {
      ResultReader reader;
      int pieces = 0;
      QCOMPARE(readAll(path, size, &reader, &pieces),
               (QStringLiteral("head\n") + expected).repeated(20));
      QVERIFY(reader.isUtf8());
    }
  }

  void emptyAndMissingFiles() {
    QTemporaryDir dir;
    ResultReader empty;
    QVERIFY(empty.open(writeFile(dir, QByteArray()), nullptr));
    QCOMPARE(empty.next(64), QString());
    QVERIFY(empty.atEnd());
    QCOMPARE(empty.percent(), 100);

    ResultReader missing;
    QString error;
    QVERIFY(!missing.open(dir.filePath(QStringLiteral("gone.txt")), &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(missing.atEnd());
    QCOMPARE(missing.next(64), QString());
  }
};

QTEST_APPLESS_MAIN(ResultReaderTest)
#include "result_reader_test.moc"
