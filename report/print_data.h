// "Print Data" on both diagram windows: the report of the selected star.
#pragma once

#include "report/report_text.h"

#include <optional>

class QWidget;

namespace report {

// The whole Click of "Print Data" on a diagram of this kind: the selected
// star (none: the user is asked to click first), save dialog, write, and the
// offer to open the file.
void PrintData(QWidget *owner, model::DiagramKind kind, const std::optional<model::StarValue> &star);

} // namespace report
