// What the screenshot programs share: the windows in the session's language,
// registered as the program registers them, each saved as the user sees it,
// and every window gone at the end.
#pragma once

#include "app/window_composition.h"
#include "platform/language.h"
#include "windows/window_registry.h"

#include <QCoreApplication>
#include <QDir>
#include <QPixmap>
#include <QTest>
#include <QWidget>

#include <cstdio>
#include <optional>

namespace shots {

// The output folder, the program's one argument; none, and the usage on
// standard error, without it.
inline std::optional<QDir> StartSession(int argc, char *argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return std::nullopt;
    }
    platform::InstallTranslations();
    app::RegisterWindows();
    return QDir(QString::fromLocal8Bit(argv[1]));
}

// The window, once it has settled, as <name>.png in `folder`; false when it
// could not be saved.
inline bool Shoot(QWidget *window, const QDir &folder, const QString &name, int settleMilliseconds = 300)
{
    QTest::qWait(settleMilliseconds);
    return window->grab().save(folder.filePath(name + QStringLiteral(".png")));
}

inline void EndSession()
{
    windows::Registry().unloadAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace shots
