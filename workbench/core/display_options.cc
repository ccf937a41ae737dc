#include "core/display_options.h"

#include "core/constants.h"
#include "core/profile_values.h"

namespace veldra {

namespace {

QString key(const QString& section, const char* entry) {
  return section + u'/' + QLatin1String(entry);
}

void loadEditor(QSettings& s, DisplayOptions& o) {
  QList<qint64> c = readPackedNumbers(s, QStringLiteral("EditOpt"), QStringLiteral("Colors"),
                                      {o.editText, o.editBackground, o.underlineColor});
  o.editText = static_cast<quint32>(c[0]);
  o.editBackground = static_cast<quint32>(c[1]);
  o.underlineColor = static_cast<quint32>(c[2]);
  o.editFont = FontRecord::load(s, QStringLiteral("EditFont"));
  o.editFontPoint = readNumber(s, QStringLiteral("EditFont"), QStringLiteral("FPoint"), 240);
  qint64 tabs = readNumber(s, QStringLiteral("EditOpt"), QStringLiteral("Tabs"), 4);
  o.tabSize = static_cast<int>(std::clamp<qint64>(tabs, kTabSizeMin, kTabSizeMax));
  // Older versions wrote three values; the fourth then keeps its default.
  QList<qint64> f = parsePackedNumbers(s.value(QStringLiteral("EditOpt/EditFlags")), 5);
  if (f.size() == 3 || f.size() == 4) {
    o.autoIndent = f[0] != 0;
    o.cursorAcceleration = f[1] != 0;
    o.underline = f[2] != 0;
    if (f.size() == 4) o.maximiseChildren = f[3] != 0;
  }
}

void loadGroup(QSettings& s, DisplayOptions& o) {
  QList<qint64> c = readPackedNumbers(s, QStringLiteral("GroupOpt"), QStringLiteral("Colors"),
                                      {o.groupText, o.groupBackground});
  o.groupText = static_cast<quint32>(c[0]);
  o.groupBackground = static_cast<quint32>(c[1]);
  o.groupFont = FontRecord::load(s, QStringLiteral("GroupFont"));
  // The size stored with the font is overwritten by the fourth group flag.
  o.groupFontSize = readNumber(s, QStringLiteral("GroupFont"), QStringLiteral("FPoint"), 240);
  QList<qint64> f = readPackedNumbers(s, QStringLiteral("GroupOpt"), QStringLiteral("GroupFlags"),
                                      {1, 1, 0, 100, 1, 0});
  o.fullPath = f[0] != 0;
  o.frontWhenShown = f[1] != 0;
  o.alwaysOnTop = f[2] != 0;
  o.groupFontSize = f[3];
  o.reopenGroup = f[4] != 0;
  o.searchCursor = f[5] == 1 ? 1 : 0;
}

}  // namespace

FontRecord FontRecord::load(QSettings& s, const QString& section) {
  FontRecord f;
  if (readNumber(s, section, QStringLiteral("Height"), 0) == 0) return f;
  f.height = readNumber(s, section, QStringLiteral("Height"), f.height);
  f.weight = readNumber(s, section, QStringLiteral("Weight"), f.weight);
  f.italic = readNumber(s, section, QStringLiteral("Italic"), f.italic);
  f.underline = readNumber(s, section, QStringLiteral("Underline"), f.underline);
  f.pitchAndFamily = readNumber(s, section, QStringLiteral("PitchAndFamily"), f.pitchAndFamily);
  f.charSet = readNumber(s, section, QStringLiteral("CharSet"), f.charSet);
  f.faceName = readText(s, section, QStringLiteral("FaceName"), f.faceName);
  return f;
}

void FontRecord::save(QSettings& s, const QString& section) const {
  s.setValue(key(section, "Height"), height);
  s.setValue(key(section, "Weight"), weight);
  s.setValue(key(section, "Italic"), italic);
  s.setValue(key(section, "Underline"), underline);
  s.setValue(key(section, "PitchAndFamily"), pitchAndFamily);
  s.setValue(key(section, "CharSet"), charSet);
  s.setValue(key(section, "FaceName"), faceName);
}

DisplayOptions DisplayOptions::load(QSettings& s) {
  DisplayOptions o;
  loadEditor(s, o);
  loadGroup(s, o);
  o.flatToolbars = readNumber(s, QStringLiteral("TBOpt"), QStringLiteral("Flags"), 0) != 0;
  qint64 mode =
      readNumber(s, QStringLiteral("cmndll"), QStringLiteral("mode"), kCommonControlsDefault);
  o.commonControlsMode = (mode >= kCommonControlsMin && mode <= kCommonControlsDefault)
                             ? static_cast<int>(mode)
                             : kCommonControlsDefault;
  QList<qint64> sheet =
      readPackedNumbers(s, QStringLiteral("OptSec"), QStringLiteral("Flags"), {-1, 0});
  o.lastPage = static_cast<int>(sheet[0]);
  o.lastGroupEntry = static_cast<int>(std::clamp<qint64>(sheet[1], 0, 3));
  return o;
}

void DisplayOptions::save(QSettings& s) const {
  writePackedNumbers(s, QStringLiteral("EditOpt"), QStringLiteral("Colors"),
                     {editText, editBackground, underlineColor});
  s.setValue(QStringLiteral("EditOpt/Tabs"), tabSize);
  writePackedNumbers(s, QStringLiteral("EditOpt"), QStringLiteral("EditFlags"),
                     {autoIndent, cursorAcceleration, underline, maximiseChildren});
  editFont.save(s, QStringLiteral("EditFont"));
  s.setValue(QStringLiteral("EditFont/FPoint"), editFontPoint);
  writePackedNumbers(s, QStringLiteral("GroupOpt"), QStringLiteral("Colors"),
                     {groupText, groupBackground});
  groupFont.save(s, QStringLiteral("GroupFont"));
  s.setValue(QStringLiteral("GroupFont/FPoint"), groupFontSize);
  writePackedNumbers(
      s, QStringLiteral("GroupOpt"), QStringLiteral("GroupFlags"),
      {fullPath, frontWhenShown, alwaysOnTop, groupFontSize, reopenGroup, searchCursor});
  s.setValue(QStringLiteral("TBOpt/Flags"), QString::number(flatToolbars ? 1 : 0));
  writePackedNumbers(s, QStringLiteral("OptSec"), QStringLiteral("Flags"),
                     {lastPage, lastGroupEntry});
}

std::optional<WindowPlacement> WindowPlacement::load(QSettings& s, const QString& name) {
  QList<qint64> n = parsePackedNumbers(s.value(name + QStringLiteral("/WindowPos")), 11);
  if (n.size() != 10) return std::nullopt;
  WindowPlacement p;
  for (size_t i = 0; i < p.values.size(); ++i) p.values[i] = n[static_cast<qsizetype>(i)];
  return p;
}

void WindowPlacement::save(QSettings& s, const QString& name) const {
  writePackedNumbers(s, name, QStringLiteral("WindowPos"),
                     QList<qint64>(values.begin(), values.end()));
}

CustomColors CustomColors::load(QSettings& s) {
  CustomColors c;
  QList<qint64> n = parsePackedNumbers(s.value(QStringLiteral("CustomColor/Color")), 17);
  if (n.size() != 16) return c;
  for (size_t i = 0; i < c.colors.size(); ++i)
    c.colors[i] = static_cast<quint32>(n[static_cast<qsizetype>(i)]);
  return c;
}

void CustomColors::save(QSettings& s) const {
  writePackedNumbers(s, QStringLiteral("CustomColor"), QStringLiteral("Color"),
                     QList<qint64>(colors.begin(), colors.end()));
}

}  // namespace veldra
