// The command table: every layout names real commands, keys parse, kinds map.
#include <QSet>
#include <QtTest>

#include "app/commands.h"

using namespace veldra;

class CommandsTest : public QObject {
  Q_OBJECT

 private slots:
  void everyLayoutItemIsACommandOrAPopup() {
    QSet<int> ids;
    for (const CommandSpec& c : commandTable()) {
      QVERIFY2(!ids.contains(c.id), qPrintable(QString::number(c.id)));
      ids.insert(c.id);
    }
    auto check = [&](std::span<const int> items) {
      for (int id : items) {
        if (id == kCmdNone) continue;
        if (id < 0) {
          QVERIFY2(findPopup(id), qPrintable(QString::number(id)));
        } else {
          QVERIFY2(ids.contains(id), qPrintable(QString::number(id)));
        }
      }
    };
    for (const PopupSpec& p : menuBarLayout()) check(p.items);
    for (const ToolbarSpec& t : toolbarLayouts()) {
      check(t.buttons);
      QVERIFY(ids.contains(t.viewCommand));
    }
    check(contextMenuLayout());
    check(groupManagerButtons());
  }

  void everyToolbarButtonHasItsIcon() {
    for (const ToolbarSpec& t : toolbarLayouts()) {
      for (int id : t.buttons) {
        if (id != kCmdNone)
          QVERIFY2(!commandIconPath(id).isEmpty(), qPrintable(QString::number(id)));
      }
    }
    for (int kind = 1; kind <= 11; ++kind)
      QVERIFY(QFile::exists(QStringLiteral(":/icons/kind%1.png").arg(kind)));
    for (int frame = 0; frame < 10; ++frame)
      QVERIFY(QFile::exists(QStringLiteral(":/icons/anim%1.png").arg(frame)));
  }

  void labelsKeysAndKinds() {
    QCOMPARE(commandLabel(kCmdTagJump), QStringLiteral("ﾀｸﾞｼﾞｬﾝﾌﾟ(&T)\tF10"));
    QCOMPARE(commandPlainLabel(kCmdFileOpen), QStringLiteral("開く"));
    QCOMPARE(commandKeys(kCmdTagJump), QList<QKeySequence>{QKeySequence(Qt::Key_F10)});
    QCOMPARE(commandKeys(kCmdEditCopy).size(), 2);
    QCOMPARE(commandKeys(kCmdEditCopy).at(1), QKeySequence(Qt::CTRL | Qt::Key_Insert));
    QCOMPARE(analysisKindOfCommand(kCmdAnalysisHtml), 5);
    QCOMPARE(analysisKindOfCommand(kCmdAnalysisCount), 6);
    QCOMPARE(analysisKindOfCommand(kCmdFileOpen), 0);
    for (int kind = 1; kind <= 10; ++kind)
      QCOMPARE(analysisKindOfCommand(commandOfAnalysisKind(kind)), kind);
    QCOMPARE(commandOfAnalysisKind(11), 0);
  }
};

QTEST_MAIN(CommandsTest)
#include "commands_test.moc"
