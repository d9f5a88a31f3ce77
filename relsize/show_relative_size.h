// The Click of ARButton3 ("&SHOW RELATIVE SIZE AND COLOUR") on both diagram windows.
#pragma once

#include "model/star_value.h"

#include <optional>

class QWidget;

namespace relsize {

// Draws the caller's selected star beside the Sun on the relative size
// window; without a selected star the user is asked to click first.
void ShowRelativeSize(QWidget *caller, const std::optional<model::StarValue> &star);

} // namespace relsize
