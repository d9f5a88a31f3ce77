// Window tests that run once in English and once in every language the
// program speaks, with the program's translation into that language installed.
#pragma once

#include "platform/language.h"

#include <QCoreApplication>
#include <QTest>
#include <QTranslator>

// The rows "English" (language "") and "de", "fr", ... of a `_data` function,
// in a column "language".
inline void AddLanguageRows()
{
    QTest::addColumn<QString>("language");
    QTest::newRow("English") << QString();
    for (const QString &language : platform::kTranslations)
        QTest::newRow(qPrintable(language)) << language;
}

// The program's translation into `language` installed while this lives;
// nothing for English (""). Windows created meanwhile speak that language.
class InLanguage {
public:
    explicit InLanguage(const QString &language)
        : m_loaded(language.isEmpty()
            || (m_translator.load(QStringLiteral(":/i18n/veltrane_") + language)
                && QCoreApplication::installTranslator(&m_translator)))
    { }
    ~InLanguage() { QCoreApplication::removeTranslator(&m_translator); }
    InLanguage(const InLanguage &) = delete;
    InLanguage &operator=(const InLanguage &) = delete;

    // False when the translation is missing from the resources.
    bool loaded() const { return m_loaded; }

private:
    QTranslator m_translator;
    bool m_loaded;
};
