// "Print Data" on both diagram windows: the report of the read-out texts.
#pragma once

#include "report/report_text.h"

#include <QString>

class QWidget;

namespace report {

// The whole Click of "Print Data": selection check, save dialog, write, and
// the offer to open the file.
void PrintData(QWidget *owner, Variant variant, const ReadOuts &readOuts);

} // namespace report
