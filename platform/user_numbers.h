// Numbers as the user reads and types them: in the read-outs' display
// patterns, with the decimal separator of the user's locale.
#pragma once

#include "model/number_format.h"

#include <QString>

namespace platform {

// The user's decimal separator, as the read-outs show numbers and typed
// numbers use it; a point where the locale's separator has no Latin-1 form.
char DecimalSeparator();

// A number in a display pattern, as the user reads it ("4,83" in German).
QString UserNumber(double value, model::Pattern pattern);

// A text the user typed, read as a number with the user's separator.
model::TypedNumber ReadUserNumber(const QString &typed);

} // namespace platform
