#include "resources/app/app_resources.h"

#include <QFile>

namespace app::res {

QString IconFile(int size)
{
    return QStringLiteral(":/app/icon%1.pixels").arg(size);
}

QString IntroductionFor(const QString &language)
{
    const QString translated = QStringLiteral(":/app/intro.%1.html").arg(language);
    return !language.isEmpty() && QFile::exists(translated) ? translated : kIntroduction;
}

} // namespace app::res
