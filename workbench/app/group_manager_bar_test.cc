// The group manager's list over a group of ten thousand files: what it shows,
// searching, the selection handed to an analysis, removing and opening entries.
#include <QFile>
#include <QListView>
#include <QMessageBox>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include "app/group_list_model.h"
#include "app/group_manager_bar.h"

using namespace veldra;

namespace {

constexpr int kFiles = 10000;

QString unitName(const QTemporaryDir& dir, int n) {
  return dir.filePath(QStringLiteral("src/unit%1.c").arg(n, 5, 10, QLatin1Char('0')));
}

// A group file naming kFiles sources (the files themselves need not exist).
QString writeGroup(const QTemporaryDir& dir) {
  QByteArray body =
      "# Veldra Group V01-02-A\r\n#Makefile=\r\n#MakeUtil=\r\n#MakeOpt=\r\n"
      "#RunCmd=\r\n#RunOpt=\r\n#RunFlags=0,0,0\r\n";
  for (int n = 0; n < kFiles; ++n) body += QFile::encodeName(unitName(dir, n)) + "\r\n";
  const QString path = dir.filePath(QStringLiteral("many.vgp"));
  QFile f(path);
  if (!f.open(QIODevice::WriteOnly) || f.write(body) != body.size()) return {};
  return path;
}

QSettings profile() { return QSettings(QStringLiteral("Pellwick"), QStringLiteral("VeldraC")); }

void select(QListView* list, std::initializer_list<int> rows) {
  list->clearSelection();
  for (int row : rows)
    list->selectionModel()->select(list->model()->index(row, 0), QItemSelectionModel::Select);
}

}  // namespace

class GroupManagerBarTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
    profile().clear();
    group_ = writeGroup(dir_);
    QVERIFY(!group_.isEmpty());
  }

  void init() {
    bar_ = new GroupManagerBar;
    bar_->setAsker([this](const QString& text, int) {
      asked_.append(text);
      return int(QMessageBox::No);
    });
    asked_.clear();
    QVERIFY(bar_->open(group_));
  }

  void cleanup() {
    delete bar_;
    profile().clear();
  }

  void showsEveryFileWithItsPath() {
    QCOMPARE(bar_->list()->model()->rowCount(), kFiles);
    QVERIFY(bar_->list()->uniformItemSizes());
    const QModelIndex last = bar_->list()->model()->index(kFiles - 1, 0);
    QCOMPARE(last.data().toString(), unitName(dir_, kFiles - 1));
    QVERIFY(!bar_->hasSelection());
  }

  void showsBareNamesWhenTheOptionSaysSo() {
    QSettings settings = profile();
    settings.setValue(QStringLiteral("GroupOpt/GroupFlags"), QStringLiteral("0,1,0,100,1,0"));
    bar_->applyDisplayOptions(DisplayOptions::load(settings));
    QCOMPARE(bar_->list()->model()->index(7, 0).data().toString(), QStringLiteral("unit00007.c"));
    QVERIFY(bar_->open(group_));
    QCOMPARE(bar_->list()->model()->index(7, 0).data().toString(), QStringLiteral("unit00007.c"));
    // The names handed on keep their directories.
    QCOMPARE(bar_->files().value(7), unitName(dir_, 7));
  }

  void searchSelectsTheFirstMatchIgnoringCase() {
    QVERIFY(bar_->searchFor(QStringLiteral("UNIT09998")));
    QCOMPARE(bar_->list()->currentIndex().row(), 9998);
    QCOMPARE(bar_->engineFiles(true), QList<QByteArray>{QFile::encodeName(unitName(dir_, 9998))});
    QVERIFY(bar_->searchFor(QStringLiteral("unit0004")));
    QCOMPARE(bar_->list()->currentIndex().row(), 40);
    QCOMPARE(bar_->list()->selectionModel()->selectedRows().size(), 1);
    // No match leaves the selection as it was.
    QVERIFY(!bar_->searchFor(QStringLiteral("nothing.c")));
    QCOMPARE(bar_->list()->currentIndex().row(), 40);
    QCOMPARE(bar_->listModel()->findContaining(QStringLiteral("unit0000"), 9999), 0);
    QCOMPARE(bar_->listModel()->findContaining(QString()), -1);
  }

  void selectionGoesToTheEngineInListOrder() {
    select(bar_->list(), {9000, 5, 2});
    QVERIFY(bar_->hasSelection());
    const QList<QByteArray> names = bar_->engineFiles(true);
    QCOMPARE(names.size(), 3);
    QCOMPARE(names.at(0), QFile::encodeName(unitName(dir_, 2)));
    QCOMPARE(names.at(2), QFile::encodeName(unitName(dir_, 9000)));
    bar_->list()->selectAll();
    QCOMPARE(bar_->engineFiles(true).size(), kFiles);
    QCOMPARE(bar_->engineFiles(false).size(), kFiles);
  }

  void removeTakesOutOnlyTheSelected() {
    select(bar_->list(), {9999, 0});
    bar_->removeSelected();
    QCOMPARE(bar_->list()->model()->rowCount(), kFiles - 2);
    QCOMPARE(bar_->files().first(), unitName(dir_, 1));
    QCOMPARE(bar_->files().last(), unitName(dir_, 9998));
    QVERIFY(bar_->isModified());
    QVERIFY(!bar_->hasSelection());
  }

  void doubleClickOpensTheEntry() {
    QSignalSpy opened(bar_, &GroupManagerBar::openFileRequested);
    emit bar_->list()->doubleClicked(bar_->list()->model()->index(123, 0));
    QCOMPARE(opened.count(), 1);
    QCOMPARE(opened.at(0).at(0).toString(), unitName(dir_, 123));
  }

  void sortAndCloseRefreshTheList() {
    bar_->sort(kSortNameDescending);
    QCOMPARE(bar_->list()->model()->index(0, 0).data().toString(), unitName(dir_, kFiles - 1));
    QVERIFY(bar_->closeGroup());
    QCOMPARE(bar_->list()->model()->rowCount(), 0);
    QCOMPARE(asked_.value(0), QStringLiteral("ｸﾞﾙｰﾌﾟが変更されています。保存しますか?"));
  }

 private:
  QTemporaryDir dir_;
  QString group_;
  GroupManagerBar* bar_ = nullptr;
  QStringList asked_;
};

QTEST_MAIN(GroupManagerBarTest)
#include "group_manager_bar_test.moc"
