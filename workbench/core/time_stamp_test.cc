// Time stamps: each invalid field gives its message, valid fields give the local
// time, read-only and missing files are reported and left alone.
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

#include "core/time_stamp.h"

using namespace veldra;

class TimeStampTest : public QObject {
  Q_OBJECT

 private slots:
  void invalidFieldsGiveTheirMessage_data() {
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QString>("message");
    const QStringList ok{"2024", "2", "29", "23", "59", "59"};
    auto with = [&](int i, const char* v) {
      QStringList f = ok;
      f[i] = QString::fromUtf8(v);
      return f;
    };
    QTest::newRow("valid leap day") << ok << QString();
    QTest::newRow("year empty") << with(0, "") << "年の入力が不正です。";
    QTest::newRow("year too early") << with(0, "1969") << "年の入力が不正です。";
    QTest::newRow("year letters") << with(0, "20x4") << "年の入力が不正です。";
    QTest::newRow("month 13") << with(1, "13") << "月の入力が不正です。";
    QTest::newRow("month 0") << with(1, "0") << "月の入力が不正です。";
    QTest::newRow("day 30 of february") << with(2, "30") << "日の入力が不正です。";
    QTest::newRow("negative day") << with(2, "-1") << "日の入力が不正です。";
    QTest::newRow("hour 24") << with(3, "24") << "時の入力が不正です。";
    QTest::newRow("minute 60") << with(4, "60") << "分の入力が不正です。";
    QTest::newRow("second 60") << with(5, "60") << "秒の入力が不正です。";
    QTest::newRow("wide digits") << with(5, "５") << "秒の入力が不正です。";
    QStringList notLeap = ok;
    notLeap[0] = QStringLiteral("2023");
    QTest::newRow("no leap day in 2023") << notLeap << "日の入力が不正です。";
  }
  void invalidFieldsGiveTheirMessage() {
    QFETCH(QStringList, fields);
    QFETCH(QString, message);
    QDateTime when;
    const StampFields f{fields[0], fields[1], fields[2], fields[3], fields[4], fields[5]};
    QCOMPARE(checkStampFields(f, &when), message);
    if (message.isEmpty()) QCOMPARE(when, QDateTime(QDate(2024, 2, 29), QTime(23, 59, 59)));
  }

  void onlyWritableFilesAreTouched() {
    QTemporaryDir dir;
    const QString writable = dir.filePath(QStringLiteral("w.c"));
    const QString readOnly = dir.filePath(QStringLiteral("r.c"));
    for (const QString& p : {writable, readOnly}) {
      QFile f(p);
      QVERIFY(f.open(QIODevice::WriteOnly));
      f.write("text\n");
    }
    QFile::setPermissions(readOnly, QFile::ReadOwner);
    const QDateTime before = QFileInfo(readOnly).lastModified();
    const QDateTime when(QDate(2001, 2, 3), QTime(4, 5, 6));
    const QString missing = dir.filePath(QStringLiteral("gone.c"));
    const QStringList failed = touchFiles({writable, readOnly, missing, dir.path()}, when);
    QCOMPARE(failed, (QStringList{readOnly, missing, dir.path()}));
    QCOMPARE(QFileInfo(writable).lastModified(), when);
    QCOMPARE(QFileInfo(readOnly).lastModified(), before);
    QFile w(writable);
    QVERIFY(w.open(QIODevice::ReadOnly));
    QCOMPARE(w.readAll(), QByteArray("text\n"));
    QVERIFY(!QFileInfo::exists(missing));
  }
};

QTEST_GUILESS_MAIN(TimeStampTest)
#include "time_stamp_test.moc"
