#include "app/startup.h"

#include "app/startup_window.h"
#include "app/window_composition.h"
#include "app/window_look.h"
#include "platform/common_controls.h"
#include "platform/language.h"
#include "windows/window_registry.h"

#include <QApplication>

namespace app {

using windows::Registry;
using windows::WindowRegistry;

int Run(QApplication &application)
{
    QApplication::setApplicationName(QStringLiteral("veltrane"));
    QApplication::setApplicationDisplayName(QString());
    // Matches the installed desktop entry, so docks show the right icon and name.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.veltrane.Veltrane"));
    platform::InstallTranslations();
    platform::InitCommonControls();
    UseOwnLook(application);
    QApplication::setWindowIcon(ProgramIcon());
    RegisterWindows();

    // The program ends when every window is unloaded (the exit buttons and
    // menus), and also when the last window on screen goes away by any route
    // while others are still loaded but hidden (the main-sequence window that
    // "Import Data" or a plot loaded without showing): nothing could show
    // those again, so the process must not linger invisibly. Qt reports the
    // title-bar route as the last window closed; the registry reports a
    // window's own button ("Clo&se", "OK", "&EXIT").
    QApplication::setQuitOnLastWindowClosed(true);
    const QMetaObject::Connection ending = QObject::connect(
        &Registry(), &WindowRegistry::allUnloaded, &application, &QCoreApplication::quit, Qt::QueuedConnection);
    const QMetaObject::Connection lastGone = QObject::connect(
        &Registry(), &WindowRegistry::lastVisibleWindowGone, &application, [] { Registry().unloadAll(); },
        Qt::QueuedConnection);

    Registry().show<StartupWindow>();
    const int result = application.exec();

    // Hidden windows left at the end are unloaded before the application goes.
    QObject::disconnect(ending);
    QObject::disconnect(lastGone);
    Registry().unloadAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return result;
}

} // namespace app
