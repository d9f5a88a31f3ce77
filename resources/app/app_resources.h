// The pictures and documents of the startup and information windows, as
// resource paths. The startup window's pictures are pixel files
// (resources/pixel_file.h), read with resources::ReadPixelFile.
#pragma once

#include <QString>

namespace app::res {

inline const QString kIconSvg = QStringLiteral(":/app/icon.svg");
inline const QString kLargeIcon = QStringLiteral(":/app/icon256.png");
inline const QString kStartupPicture = QStringLiteral(":/app/startup.pixels");
inline const QString kUpperPortrait = QStringLiteral(":/app/portrait_upper.jpg");
inline const QString kLowerPortrait = QStringLiteral(":/app/portrait_lower.jpg");
inline const QString kIntroduction = QStringLiteral(":/app/intro.html");
inline const QString kRadiusRelation = QStringLiteral(":/app/aspects_radius.png");
inline const QString kLifetimeRelation = QStringLiteral(":/app/aspects_lifetime.png");

// The sizes of the program icon a window hands the window system; the large
// one, kLargeIcon, is meant for the desktop entry.
inline constexpr int kIconSizes[] = {16, 32, 48, 64};
// The pixel file of the icon at one of kIconSizes: ":/app/icon32.pixels".
QString IconFile(int size);

// The introduction in a language ("de"): ":/app/intro.de.html", or the
// English kIntroduction for "" and for a language it is not written in.
QString IntroductionFor(const QString &language);

} // namespace app::res
