// The catalogue writes its numbers with a decimal point, whoever typed them:
// one file then serves users of every locale, and the shipped catalogue plots
// for a user whose numbers are written 4,83. The window shows and takes them
// with the user's own separator. Texts that are not numbers pass unchanged.
#pragma once

#include "model/number_format.h"

#include <QString>

namespace stardb {

// A stored text as the user reads it: "4.83" is "4,83" where the comma is the
// separator. A text that does not read as a number with a point is kept.
QString ShownNumber(const QString &stored, char decimalSeparator);

// A stored text as a number, read once: the text as the user reads it
// (ShownNumber), and its value, read with a point or, failing that, with the
// user's separator (another program may have written "4,83"), or why it
// reads as no number.
model::TypedNumber CatalogueNumber(const QString &stored, char decimalSeparator);

// A typed text as the catalogue keeps it: "4,78" typed with the comma as the
// separator is "4.78", and " 5800 " is "5800". A text that does not read as a
// number with the user's separator is kept as typed.
QString StoredNumber(const QString &typed, char decimalSeparator);

} // namespace stardb
