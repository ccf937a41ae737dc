#include "core/registered_items.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace veldra;

class RegisteredItemsTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir dir_;
  int n_ = 0;
  QString ini() { return dir_.filePath(QStringLiteral("r%1.conf").arg(++n_)); }

 private slots:
  void itemsSplitAtTheFirstSeparators() {
    QCOMPARE(parseRegisteredItem(QStringLiteral("Grep#$1_#/bin/grep#$2_#-n #$2_# x\n")),
             (RegisteredItem{"Grep", "/bin/grep", "-n #$2_# x"}));
    QCOMPARE(parseRegisteredItem(QStringLiteral("Help#$1_#/doc/a.hlp\n")),
             (RegisteredItem{"Help", "/doc/a.hlp", ""}));
    QCOMPARE(parseRegisteredItem(QStringLiteral("only")), (RegisteredItem{"only", "", ""}));
    const RegisteredItem tool{"T", "/bin/t", "-v"};
    QCOMPARE(formatRegisteredItem(tool, true), QStringLiteral("T#$1_#/bin/t#$2_#-v"));
    QCOMPARE(formatRegisteredItem(tool, false), QStringLiteral("T#$1_#/bin/t"));
    QCOMPARE(parseRegisteredItem(formatRegisteredItem(tool, true)), tool);
  }

  void addChecksCountTitleAndFile() {
    RegisteredList tools(QStringLiteral("RegistTool"), true);
    QCOMPARE(tools.add({"", "/bin/a", ""}), QStringLiteral("ﾀｲﾄﾙを入力してください。"));
    QCOMPARE(tools.add({"A", "", ""}), QStringLiteral("ﾌｧｲﾙ名を入力してください。"));
    for (int i = 1; i <= 10; ++i) {
      QCOMPARE(tools.add({QStringLiteral("T%1").arg(i), QStringLiteral("/bin/t"), {}}), QString());
    }
    QCOMPARE(tools.add({"T11", "/bin/t", ""}), QStringLiteral("最大登録数は､10件です｡"));
    QCOMPARE(tools.items().size(), 10);
    tools.remove(9);
    QCOMPARE(tools.add({"T1", "/bin/t", ""}),
             QStringLiteral("登録された名称(T1)が重複しています。"));
    QCOMPARE(tools.replace(0, {"T1", "/bin/new", ""}), QString());  // its own title is fine
    QCOMPARE(tools.replace(0, {"T2", "/bin/new", ""}),
             QStringLiteral("登録された名称(T2)が重複しています。"));
    tools.move(0, 8);
    QCOMPARE(tools.items()[8].value, QStringLiteral("/bin/new"));
  }

  void listsRoundTripAndStopAtTheFirstGap() {
    const QString path = ini();
    RegisteredList help(QStringLiteral("RegistHelp"), false);
    help.add({"A", "/a.hlp", ""});
    help.add({"B", "/b.hlp", ""});
    {
      QSettings s(path, QSettings::IniFormat);
      s.setValue(QStringLiteral("RegistHelp/item3"), QStringLiteral("stale#$1_#x"));
      help.save(s);
      QVERIFY(!s.contains(QStringLiteral("RegistHelp/item3")));
      s.setValue(QStringLiteral("RegistHelp/item4"), QStringLiteral("after a gap#$1_#y"));
    }
    QSettings s(path, QSettings::IniFormat);
    RegisteredList back(QStringLiteral("RegistHelp"), false);
    back.load(s);
    QCOMPARE(back.items(), help.items());
  }

  void fileTypesGetTheirDefaultsOnce() {
    QSettings s(ini(), QSettings::IniFormat);
    RegisteredList types = RegisteredList::loadFileTypes(s);
    QCOMPARE(types.items().size(), 3);
    QCOMPARE(s.value(QStringLiteral("RegistExt/item2")).toString(),
             QStringLiteral("C/C++ Header Files(*.h;*.hxx;*.hpp)#$1_#*.h;*.hxx;*hpp"));
    s.setValue(QStringLiteral("RegistExt/item1"), QStringLiteral("Mine#$1_#*.x"));
    s.remove(QStringLiteral("RegistExt/item2"));
    QCOMPARE(RegisteredList::loadFileTypes(s).items(),
             (QList<RegisteredItem>{{"Mine", "*.x", ""}}));
  }
};

QTEST_GUILESS_MAIN(RegisteredItemsTest)
#include "registered_items_test.moc"
