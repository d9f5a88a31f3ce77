// "Print Data" on both diagram windows: the report of the read-out texts.
#pragma once

#include "report/report_text.h"

#include <QString>

#include <optional>

class QWidget;

namespace report {

// The whole Click of "Print Data": the read-out texts of the selected star
// (none: the user is asked to click first), save dialog, write, and the offer
// to open the file.
void PrintData(QWidget *owner, Variant variant, const std::optional<ReadOuts> &readOuts);

} // namespace report
