#include "app/option_values.h"

#include <QFontDatabase>
#include <cmath>

namespace veldra {

namespace {
constexpr double kPixelsPerPoint = 96.0 / 72.0;  // the record's height is in pixels
}

QColor colourFromValue(quint32 v) { return QColor(v & 0xFF, (v >> 8) & 0xFF, (v >> 16) & 0xFF); }

quint32 valueFromColour(const QColor& c) {
  return quint32(c.red()) | (quint32(c.green()) << 8) | (quint32(c.blue()) << 16);
}

QFont fontFromRecord(const FontRecord& record, qint64 size, int units) {
  QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  if (QFontDatabase::hasFamily(record.faceName)) font.setFamily(record.faceName);
  if (size > 0) font.setPointSizeF(double(size) / units);
  font.setWeight(QFont::Weight(std::clamp<qint64>(record.weight, 100, 900)));
  font.setItalic(record.italic != 0);
  font.setUnderline(record.underline != 0);
  return font;
}

FontRecord recordFromFont(const QFont& font) {
  FontRecord r;
  r.faceName = font.family();
  r.height = -std::lround(font.pointSizeF() * kPixelsPerPoint);
  r.weight = font.weight();
  r.italic = font.italic() ? 1 : 0;
  r.underline = font.underline() ? 1 : 0;
  return r;
}

qint64 sizeFromFont(const QFont& font, int units) { return std::lround(font.pointSizeF() * units); }

}  // namespace veldra
