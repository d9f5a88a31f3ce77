#include "stardb/catalogue_numbers.h"

#include "model/number_format.h"
#include "model/stellar_model.h"

namespace stardb {
namespace {

bool readsAsNumber(const QString &text, char decimalSeparator)
{
    try {
        (void)model::ReadNumber(text.toStdString(), decimalSeparator);
        return true;
    } catch (const model::ModelError &) {
        return false;
    }
}

// The number grammar allows one separator at most, so swapping every one is safe.
QString withSeparator(QString text, char from, char to)
{
    return text.replace(QLatin1Char(from), QLatin1Char(to));
}

} // namespace

QString ShownNumber(const QString &stored, char decimalSeparator)
{
    if (decimalSeparator == '.' || !readsAsNumber(stored, '.'))
        return stored;
    return withSeparator(stored, '.', decimalSeparator);
}

QString StoredNumber(const QString &typed, char decimalSeparator)
{
    if (!readsAsNumber(typed, decimalSeparator))
        return typed;
    // Blanks around a number are not part of it.
    const QString number = typed.trimmed();
    return decimalSeparator == '.' ? number : withSeparator(number, decimalSeparator, '.');
}

} // namespace stardb
