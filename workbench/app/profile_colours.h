// Colours as the profile keeps them (red in the low byte, blue in the third) and
// the sixteen custom colours of the colour dialog, kept from one run to the next.
#pragma once

#include <QColor>

#include "core/display_options.h"

namespace veldra {

QColor colourFromProfile(quint32 value);
quint32 profileFromColour(const QColor& colour);

// Gives the colour dialog the custom colours read at start-up, and takes them
// back from it for saving at close.
void applyCustomColours(const CustomColors& colours);
CustomColors currentCustomColours();

}  // namespace veldra
