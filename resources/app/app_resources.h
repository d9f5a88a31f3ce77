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
// The introduction in a language ("de"): ":/app/intro.de.html", or the
// English kIntroduction for "" and for a language it is not written in.
QString IntroductionFor(const QString &language);

} // namespace app::res
