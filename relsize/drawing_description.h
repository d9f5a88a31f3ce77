// The relative size drawing in words, for screen readers, in the user's
// language.
#pragma once

#include "relsize/star_appearance.h"

#include <QString>

namespace relsize {

// The star's colour, its radius against the Sun's and the scale, e.g. "Star
// drawn beside the Sun: white, about 42 times the Sun's radius, drawn at one
// fifteenth scale"; numbers with the user's decimal separator.
QString DrawingDescription(const StarAppearance &appearance, double radius);

} // namespace relsize
