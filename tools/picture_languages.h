// The pictures with captions are drawn once in English and once in every
// language the program speaks, with that language's compiled translation
// installed while they are drawn: "general.png", "general.de.png", ...
#pragma once

#include <QCoreApplication>
#include <QString>
#include <QTranslator>

#include <cstdio>
#include <functional>

namespace picture_languages {

// Calls `draw` with "" for English, then with ".de", ".fr", ... for each
// "<language>=<translation.qm>" argument from `first` on. False as soon as a
// translation cannot be read or a drawing fails.
inline bool ForEachLanguage(int argc, char *argv[], int first, const std::function<bool(const QString &suffix)> &draw)
{
    if (!draw(QString()))
        return false;
    for (int i = first; i < argc; ++i) {
        const QString argument = QString::fromLocal8Bit(argv[i]);
        const QString language = argument.section(QLatin1Char('='), 0, 0);
        const QString file = argument.section(QLatin1Char('='), 1);
        QTranslator translator;
        if (language.isEmpty() || !translator.load(file)) {
            std::fprintf(stderr, "cannot read the translation %s\n", qPrintable(argument));
            return false;
        }
        QCoreApplication::installTranslator(&translator);
        const bool drawn = draw(QLatin1Char('.') + language);
        QCoreApplication::removeTranslator(&translator);
        if (!drawn)
            return false;
    }
    return true;
}

} // namespace picture_languages
