// Conversions between the option records' stored forms (platform colour values,
// font records with sizes in twentieths or tenths of a point) and Qt's colours
// and fonts.
#pragma once

#include <QColor>
#include <QFont>

#include "core/display_options.h"

namespace veldra {

// Colour values hold red in the low byte and blue in the third.
QColor colourFromValue(quint32 value);
quint32 valueFromColour(const QColor& colour);

// A font from its record and size (`units` per point: 20 for the editor's
// "FPoint", 10 for the group list's size); the family is used when installed.
QFont fontFromRecord(const FontRecord& record, qint64 size, int units);
// The record and size of a chosen font.
FontRecord recordFromFont(const QFont& font);
qint64 sizeFromFont(const QFont& font, int units);

inline constexpr int kEditFontUnits = 20;
inline constexpr int kGroupFontUnits = 10;

}  // namespace veldra
