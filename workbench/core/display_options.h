// The display option record of the editor, the group list and the toolbars, and
// the smaller persisted items: fonts, window placement, custom colours.
// Colours are platform colour values: red in the low byte, blue in the third.
#pragma once

#include <QSettings>
#include <QString>

#include <array>
#include <optional>

namespace veldra {

inline constexpr quint32 kBlack = 0x000000;
inline constexpr quint32 kWhite = 0xFFFFFF;
inline constexpr quint32 kBlue = 0xFF0000;

struct FontRecord {
  qint64 height = -16;
  qint64 weight = 400;
  qint64 italic = 0;
  qint64 underline = 0;
  qint64 pitchAndFamily = 49;
  qint64 charSet = 128;
  QString faceName = QStringLiteral("ＭＳ ゴシック");
  bool operator==(const FontRecord&) const = default;

  // Section "EditFont" or "GroupFont"; a stored height of 0 means none is stored.
  static FontRecord load(QSettings& settings, const QString& section);
  void save(QSettings& settings, const QString& section) const;
};

struct DisplayOptions {
  // Editor ("EditOpt", "EditFont").
  quint32 editText = kBlack;
  quint32 editBackground = kWhite;
  quint32 underlineColor = kBlue;
  FontRecord editFont;
  qint64 editFontPoint = 240;
  int tabSize = 4;
  bool autoIndent = true;
  bool cursorAcceleration = true;
  bool underline = true;
  bool maximiseChildren = true;
  // Group list ("GroupOpt", "GroupFont").
  quint32 groupText = kBlack;
  quint32 groupBackground = kWhite;
  FontRecord groupFont;
  qint64 groupFontSize = 100;
  bool fullPath = true;
  bool frontWhenShown = true;
  bool alwaysOnTop = false;
  bool reopenGroup = true;
  int searchCursor = 0;  // 0 black, 1 white
  // Toolbars ("TBOpt", "cmndll").
  bool flatToolbars = false;
  int commonControlsMode = 1005;
  // "OptSec"/"Flags": the page last shown and the last settings group chosen.
  int lastPage = -1;
  int lastGroupEntry = 0;
  bool operator==(const DisplayOptions&) const = default;

  static DisplayOptions load(QSettings& settings);
  void save(QSettings& settings) const;
};

struct WindowPlacement {
  std::array<qint64, 10>
      values{};  // flags, show command, min x/y, max x/y, left, top, right, bottom
  // Section = the window's name ("MainFrame", "TLaunchWP"), entry "WindowPos";
  // nothing unless exactly ten numbers are stored.
  static std::optional<WindowPlacement> load(QSettings& settings, const QString& name);
  void save(QSettings& settings, const QString& name) const;
};

struct CustomColors {
  std::array<quint32, 16> colors{};  // "CustomColor"/"Color"; missing means all zero
  static CustomColors load(QSettings& settings);
  void save(QSettings& settings) const;
};

}  // namespace veldra
