#include "resources/app/app_resources.h"

#include <QFile>

#include <algorithm>

namespace app::res {

QStringList IconSizes()
{
    return {QStringLiteral(":/app/icon16.png"), QStringLiteral(":/app/icon32.png"), QStringLiteral(":/app/icon48.png"),
        QStringLiteral(":/app/icon64.png"), QStringLiteral(":/app/icon256.png")};
}

QString IntroductionFor(const QStringList &uiLanguages)
{
    for (const QString &language : uiLanguages) {
        // "de-AT", "de_AT" and "de" all name German; only a plain language
        // code may become part of a resource path.
        const QString code = language.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0).toLower();
        const bool plain = (code.size() == 2 || code.size() == 3)
            && std::all_of(code.cbegin(), code.cend(), [](QChar c) { return c >= u'a' && c <= u'z'; });
        if (!plain)
            continue;
        if (code == QLatin1String("en"))
            return kIntroduction;
        const QString translated = QStringLiteral(":/app/intro.%1.html").arg(code);
        if (QFile::exists(translated))
            return translated;
    }
    return kIntroduction;
}

} // namespace app::res
