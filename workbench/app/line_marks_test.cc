// Line marks: the limit, the list text and the profile form.
#include <QTemporaryDir>
#include <QtTest>

#include "app/line_marks.h"

using namespace veldra;

class LineMarksTest : public QObject {
  Q_OBJECT

 private slots:
  void keepsTwelveAndCutsTheText() {
    LineMarks marks;
    for (int i = 1; i <= 12; ++i)
      QVERIFY(marks.add(QStringLiteral("/s/a.c"), i, QString(100, 'x')));
    QVERIFY(!marks.add(QStringLiteral("/s/a.c"), 13, QStringLiteral("x")));
    QCOMPARE(marks.marks().size(), 12);
    QCOMPARE(marks.marks().first().text.size(), 63);
    QCOMPARE(
        LineMarks::listText(LineMark{QStringLiteral("/s/a.c"), 7, 0, QStringLiteral("int x;")}),
        QStringLiteral("/s/a.c - 7 : int x;"));
  }

  void roundTripsThroughTheProfile() {
    QTemporaryDir dir;
    QSettings settings(dir.filePath(QStringLiteral("p.ini")), QSettings::IniFormat);
    LineMarks marks;
    marks.add(QStringLiteral("/src/main.c"), 120, QStringLiteral("int main(void) #$1_# odd"));
    marks.add(QStringLiteral("/src/日本.c"), 3, QString());
    marks.save(settings);
    QCOMPARE(settings.value(QStringLiteral("Marks/im1")).toString(),
             QStringLiteral("/src/main.c#$1_#120:0#$2_#int main(void) #$1_# odd"));
    QCOMPARE(settings.value(QStringLiteral("Marks/im3")).toString(), QString());
    LineMarks back;
    back.load(settings);
    QCOMPARE(back.marks(), marks.marks());
    // Fewer marks later: the old third entry must not come back.
    marks.remove(0);
    marks.save(settings);
    back.load(settings);
    QCOMPARE(back.marks().size(), 1);
  }

  void readingStopsAtAnEmptyEntryAndSkipsGarbage() {
    QTemporaryDir dir;
    QSettings settings(dir.filePath(QStringLiteral("p.ini")), QSettings::IniFormat);
    settings.setValue(QStringLiteral("Marks/im1"), QStringLiteral("no separators"));
    settings.setValue(QStringLiteral("Marks/im2"), QStringLiteral("/a.c#$1_#x:y#$2_#t"));
    settings.setValue(QStringLiteral("Marks/im3"), QStringLiteral("/b.c#$1_#4:0#$2_#t"));
    settings.setValue(QStringLiteral("Marks/im4"), QString());
    settings.setValue(QStringLiteral("Marks/im5"), QStringLiteral("/c.c#$1_#5:0#$2_#t"));
    LineMarks marks;
    marks.load(settings);
    QCOMPARE(marks.marks().size(), 1);
    QCOMPARE(marks.marks().first().path, QStringLiteral("/b.c"));
  }
};

QTEST_MAIN(LineMarksTest)
#include "line_marks_test.moc"
