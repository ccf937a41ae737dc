#include "app/profile_colours.h"

#include <QColorDialog>

namespace veldra {

QColor colourFromProfile(quint32 value) {
  return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

quint32 profileFromColour(const QColor& colour) {
  return quint32(colour.red()) | quint32(colour.green()) << 8 | quint32(colour.blue()) << 16;
}

void applyCustomColours(const CustomColors& colours) {
  const int n = std::min<int>(int(colours.colors.size()), QColorDialog::customCount());
  for (int i = 0; i < n; ++i)
    QColorDialog::setCustomColor(i, colourFromProfile(colours.colors[size_t(i)]));
}

CustomColors currentCustomColours() {
  CustomColors colours;
  const int n = std::min<int>(int(colours.colors.size()), QColorDialog::customCount());
  for (int i = 0; i < n; ++i)
    colours.colors[size_t(i)] = profileFromColour(QColorDialog::customColor(i));
  return colours;
}

}  // namespace veldra
