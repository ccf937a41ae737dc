// The sixteen custom colours of the colour dialog, kept from one run to the next.
#pragma once

#include <QColor>

#include "core/display_options.h"

namespace veldra {

// Gives the colour dialog the custom colours read at start-up, and takes them
// back from it for saving at close.
void applyCustomColours(const CustomColors& colours);
CustomColors currentCustomColours();

}  // namespace veldra
