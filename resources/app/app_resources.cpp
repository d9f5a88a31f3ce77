#include "resources/app/app_resources.h"

#include <QFile>

namespace app::res {

QStringList IconSizes()
{
    return {QStringLiteral(":/app/icon16.png"), QStringLiteral(":/app/icon32.png"), QStringLiteral(":/app/icon48.png"),
        QStringLiteral(":/app/icon64.png"), QStringLiteral(":/app/icon256.png")};
}

QString IntroductionFor(const QString &language)
{
    const QString translated = QStringLiteral(":/app/intro.%1.html").arg(language);
    return !language.isEmpty() && QFile::exists(translated) ? translated : kIntroduction;
}

} // namespace app::res
