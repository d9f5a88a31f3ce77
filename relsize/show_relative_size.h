// The Click of ARButton3 ("&SHOW RELATIVE SIZE AND COLOUR") on both diagram windows.
#pragma once

#include "model/stellar_model.h"
#include "relsize/star_appearance.h"

#include <QString>

class QWidget;

namespace relsize {

// `text1` is the caller's temperature box: empty means no star is selected.
void ShowRelativeSize(QWidget *caller, const QString &text1, const model::StarPoint &star, DiagramKind kind);

} // namespace relsize
