#include "core/recent_list.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace veldra;

class RecentListTest : public QObject {
  Q_OBJECT

 private slots:
  void newestFirstAtMostTenNoCopies() {
    RecentList r;
    for (int i = 1; i <= 12; ++i) r.add(QStringLiteral("/g/%1.vgp").arg(i));
    r.add(QStringLiteral("/g/5.vgp"));
    QCOMPARE(r.paths().size(), 10);
    QCOMPARE(r.paths().first(), QStringLiteral("/g/5.vgp"));
    QCOMPARE(r.paths().count(QStringLiteral("/g/5.vgp")), 1);
    QVERIFY(!r.paths().contains(QStringLiteral("/g/2.vgp")));

    QTemporaryDir dir;
    QSettings s(dir.filePath(QStringLiteral("r.conf")), QSettings::IniFormat);
    s.setValue(QStringLiteral("GroupList/file10"), QStringLiteral("stale"));
    r.remove(QStringLiteral("/g/12.vgp"));
    r.save(s);
    QCOMPARE(s.value(QStringLiteral("GroupList/file1")).toString(), QStringLiteral("/g/5.vgp"));
    QVERIFY(!s.contains(QStringLiteral("GroupList/file10")));
    RecentList back;
    back.load(s);
    QCOMPARE(back.paths(), r.paths());
  }
};

QTEST_GUILESS_MAIN(RecentListTest)
#include "recent_list_test.moc"
