#include "platform/user_numbers.h"

#include <QLocale>

namespace platform {

char DecimalSeparator()
{
    const QString point = QLocale().decimalPoint();
    const char separator = point.isEmpty() ? '\0' : point.front().toLatin1();
    return separator == '\0' ? '.' : separator;
}

QString UserNumber(double value, model::Pattern pattern)
{
    return QString::fromStdString(model::FormatNumber(value, pattern, DecimalSeparator()));
}

model::TypedNumber ReadUserNumber(const QString &typed)
{
    return model::ReadTypedNumber(typed.toStdString(), DecimalSeparator());
}

} // namespace platform
