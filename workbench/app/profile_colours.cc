#include "app/profile_colours.h"

#include <QColorDialog>

#include "app/option_values.h"

namespace veldra {

void applyCustomColours(const CustomColors& colours) {
  const int n = std::min<int>(int(colours.colors.size()), QColorDialog::customCount());
  for (int i = 0; i < n; ++i)
    QColorDialog::setCustomColor(i, colourFromValue(colours.colors[size_t(i)]));
}

CustomColors currentCustomColours() {
  CustomColors colours;
  const int n = std::min<int>(int(colours.colors.size()), QColorDialog::customCount());
  for (int i = 0; i < n; ++i)
    colours.colors[size_t(i)] = valueFromColour(QColorDialog::customColor(i));
  return colours;
}

}  // namespace veldra
