// The text of the data report: fixed lines around the selected star's
// read-outs, pure.
#pragma once

#include "model/star_value.h"

#include <QByteArray>

namespace report {

// The whole file: 15 lines for a star of the general diagram, 21 for one of
// the main-sequence diagram, each ending in CR LF, in the single-byte code
// page (Latin-1); the read-outs exactly as the boxes show them.
QByteArray ReportText(const model::StarValue &star);

} // namespace report
