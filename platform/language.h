// The program's language follows the desktop's, as desktop programs do:
// LANGUAGE, LC_ALL, LC_MESSAGES and LANG, through QLocale::uiLanguages().
#pragma once

#include <QString>
#include <QStringList>

#include <string>

namespace platform {

// The languages the program is translated into; its own texts are English.
inline const QStringList kTranslations = {QStringLiteral("de"), QStringLiteral("fr"), QStringLiteral("es")};

// The first of the user's languages ("de-AT", "fr_CH", "es", ...) that the
// program speaks: one of `available`, or "" for English. English in the list
// stops the search, so "en:de" keeps the program English throughout.
QString ChooseLanguage(const QStringList &uiLanguages, const QStringList &available = kTranslations);

// The user's language as chosen at start-up ("" for English).
QString UserLanguage();

// The resource in the user's language where there is one (":/diagram/general.de.png"
// for ":/diagram/general.png" under German), else `path` itself: the pictures
// with captions come in every language the program speaks.
QString LocalisedResource(const QString &path);

// A failure description of the stellar model ("Type mismatch", "Overflow",
// ...) in the user's language: as a message of its own, or as the reason
// given in brackets inside a sentence, where French and Spanish write it
// without a capital ("(incompatibilité de type)").
enum class ErrorPlace { OnItsOwn, InSentence };
QString ModelErrorText(const std::string &description, ErrorPlace place = ErrorPlace::OnItsOwn);

// Installs the translations of Qt's own texts (dialogs, message-box buttons)
// and of the program's for the user's language. A missing or damaged
// translation leaves those texts English, without a message.
void InstallTranslations();

} // namespace platform
