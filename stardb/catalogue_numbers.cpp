#include "stardb/catalogue_numbers.h"

#include "model/number_format.h"

namespace stardb {
namespace {

bool readsAsNumber(const QString &text, char decimalSeparator)
{
    return model::ReadTypedNumber(text.toStdString(), decimalSeparator).value.has_value();
}

// The number grammar allows one separator at most, so swapping every one is safe.
QString withSeparator(QString text, char from, char to)
{
    return text.replace(QLatin1Char(from), QLatin1Char(to));
}

} // namespace

model::TypedNumber CatalogueNumber(const QString &stored, char decimalSeparator)
{
    const std::string text = stored.toStdString();
    model::TypedNumber number = model::ReadTypedNumber(text, '.');
    if (decimalSeparator == '.')
        return number;
    if (!number.value)
        return model::ReadTypedNumber(text, decimalSeparator);
    number.text = withSeparator(stored, '.', decimalSeparator).toStdString();
    return number;
}

QString ShownNumber(const QString &stored, char decimalSeparator)
{
    return QString::fromStdString(CatalogueNumber(stored, decimalSeparator).text);
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
