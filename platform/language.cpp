#include "platform/language.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace platform {
namespace {

QString &chosenLanguage()
{
    static QString language;
    return language;
}

// A translation file for `name` (e.g. "qtbase_de") from `folder`, installed
// for the application's lifetime; false if it is missing or damaged.
bool install(const QString &name, const QString &folder)
{
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(name, folder) || !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return false;
    }
    return true;
}

} // namespace

QString ChooseLanguage(const QStringList &uiLanguages, const QStringList &available)
{
    for (const QString &entry : uiLanguages) {
        const QString code = entry.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0).toLower();
        if (code == QLatin1String("en"))
            return {};
        if (available.contains(code))
            return code;
    }
    return {};
}

QString LocalisedResource(const QString &path)
{
    const QString language = UserLanguage();
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    if (language.isEmpty() || dot < 0)
        return path;
    const QString localised = path.left(dot) + QLatin1Char('.') + language + path.mid(dot);
    return QFile::exists(localised) ? localised : path;
}

QString ModelErrorText(const std::string &description, ErrorPlace place)
{
    // The descriptions the model gives, for lupdate to find, on their own and
    // inside a sentence.
    [[maybe_unused]] static const char *const descriptions[] = {
        QT_TRANSLATE_NOOP("ModelError", "Type mismatch"),
        QT_TRANSLATE_NOOP("ModelError", "Overflow"),
        QT_TRANSLATE_NOOP("ModelError", "Invalid procedure call or argument"),
        QT_TRANSLATE_NOOP("ModelError", "Division by zero"),
    };
    static constexpr const char *kInSentence = "inside a sentence, in brackets";
    [[maybe_unused]] static const struct {
        const char *source, *comment;
    } inSentence[] = {
        QT_TRANSLATE_NOOP3("ModelError", "Type mismatch", "inside a sentence, in brackets"),
        QT_TRANSLATE_NOOP3("ModelError", "Overflow", "inside a sentence, in brackets"),
        QT_TRANSLATE_NOOP3("ModelError", "Invalid procedure call or argument", "inside a sentence, in brackets"),
        QT_TRANSLATE_NOOP3("ModelError", "Division by zero", "inside a sentence, in brackets"),
    };
    return QCoreApplication::translate(
        "ModelError", description.c_str(), place == ErrorPlace::InSentence ? kInSentence : nullptr);
}

QString UserLanguage()
{
    return chosenLanguage();
}

void InstallTranslations()
{
    const QString language = ChooseLanguage(QLocale().uiLanguages());
    chosenLanguage() = language;
    if (language.isEmpty())
        return;
    install(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    install(QStringLiteral("veltrane_") + language, QStringLiteral(":/i18n"));
}

} // namespace platform
