#include "profile_defaults.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringList>

#include <array>

namespace setup {
namespace {

// An entry that cannot hold a real item; its return means "no entry".
const char kAbsent[] = "*%";
const char kTitleSeparator[] = "#$1_#";
const char kOptionsSeparator[] = "#$2_#";

struct DefaultItem {
  const char* title;
  std::array<const char*, 8> candidates;  // the first one found is offered
};

// Notepad, Explorer and Calculator as the Linux desktops name them.
constexpr std::array kDefaultTools{
    DefaultItem{
        "ﾒﾓ帳",
        {"gnome-text-editor", "gedit", "kate", "kwrite", "mousepad", "xed", "pluma", "leafpad"}},
    DefaultItem{"ｴｸｽﾌﾟﾛｰﾗ", {"nautilus", "dolphin", "thunar", "nemo", "caja", "pcmanfm"}},
    DefaultItem{"電卓", {"gnome-calculator", "kcalc", "galculator", "mate-calc", "xcalc"}},
};

// The desktop's own help, under a data directory of $XDG_DATA_DIRS.
constexpr std::array kDefaultHelp{
    DefaultItem{"Windowsのﾍﾙﾌﾟ",
                {"help/C/gnome-help/index.page", "doc/HTML/en/khelpcenter/index.html"}},
};

QString findProgram(const DefaultItem& item) {
  for (const char* name : item.candidates) {
    if (name == nullptr) break;
    const QString path = QStandardPaths::findExecutable(QString::fromLatin1(name));
    if (!path.isEmpty()) return path;
  }
  return {};
}

QStringList dataDirs() {
  QString dirs = qEnvironmentVariable("XDG_DATA_DIRS");
  if (dirs.isEmpty()) dirs = QStringLiteral("/usr/local/share:/usr/share");
  return dirs.split(QLatin1Char(':'), Qt::SkipEmptyParts);
}

QString findDataFile(const DefaultItem& item) {
  for (const QString& dir : dataDirs()) {
    for (const char* name : item.candidates) {
      if (name == nullptr) break;
      const QFileInfo file(QDir(dir).filePath(QString::fromLatin1(name)));
      if (file.isFile()) return file.absoluteFilePath();
    }
  }
  return {};
}

bool hasFirstItem(const QSettings& profile, const QString& section) {
  return profile.value(section + QStringLiteral("/item1"), QString::fromLatin1(kAbsent))
             .toString() != QLatin1String(kAbsent);
}

// Writes "item1", "item2", ... without gaps for the items that were found.
template <typename Items, typename Find>
void writeItems(QSettings& profile, const QString& section, const Items& items, Find find,
                const QString& tail) {
  if (hasFirstItem(profile, section)) return;
  int number = 0;
  for (const DefaultItem& item : items) {
    const QString path = find(item);
    if (path.isEmpty()) continue;
    profile.setValue(QStringLiteral("%1/item%2").arg(section).arg(++number),
                     QString::fromUtf8(item.title) + QLatin1String(kTitleSeparator) + path + tail);
  }
}

}  // namespace

QString profileOrganization() { return QStringLiteral("Pellwick"); }
QString profileApplication() { return QStringLiteral("VeldraC"); }

int commonControlsMode(const QSettings& profile) {
  bool ok = false;
  const int mode = profile.value(QStringLiteral("cmndll/mode"), QString::number(kNewControlsMode))
                       .toString()
                       .toInt(&ok);
  return ok && mode >= kOldControlsMode && mode <= kNewControlsMode ? mode : kNewControlsMode;
}

void writeCommonControlsMode(QSettings& profile, int mode) {
  profile.setValue(QStringLiteral("cmndll/mode"), QString::number(mode));
}

void writeDefaultTools(QSettings& profile) {
  writeItems(profile, QStringLiteral("RegistTool"), kDefaultTools, findProgram,
             QLatin1String(kOptionsSeparator));
}

void writeDefaultHelp(QSettings& profile) {
  writeItems(profile, QStringLiteral("RegistHelp"), kDefaultHelp, findDataFile, QString());
}

}  // namespace setup
