// The pictures and documents of the startup and information windows, as
// resource paths.
#pragma once

#include <QStringList>

namespace app::res {

inline const QString kIconSvg = QStringLiteral(":/app/icon.svg");
inline const QString kStartupPicture = QStringLiteral(":/app/startup.jpg");
inline const QString kUpperPortrait = QStringLiteral(":/app/portrait_upper.jpg");
inline const QString kLowerPortrait = QStringLiteral(":/app/portrait_lower.jpg");
inline const QString kIntroduction = QStringLiteral(":/app/intro.html");
inline const QString kRadiusRelation = QStringLiteral(":/app/aspects_radius.png");
inline const QString kLifetimeRelation = QStringLiteral(":/app/aspects_lifetime.png");

// The program icon at each size it is drawn in.
QStringList IconSizes();
// The introduction in the first of the user's languages, in the order of
// QLocale::uiLanguages() ("de-AT", "de", ...), that it is written in:
// ":/app/intro.de.html" for German. English, the language it is first written
// in, ends the search: ("en-GB", "de") and a list without any translated
// language give kIntroduction.
QString IntroductionFor(const QStringList &uiLanguages);

} // namespace app::res
