#include "app/startup.h"

#include "app/about_box.h"
#include "app/introduction_window.h"
#include "app/other_aspects_window.h"
#include "app/startup_window.h"
#include "app/window_look.h"
#include "diagram/general_diagram_window.h"
#include "diagram/main_sequence_window.h"
#include "platform/common_controls.h"
#include "relsize/relative_size_window.h"
#include "stardb/star_database_window.h"
#include "windows/window_registry.h"

#include <QApplication>

namespace app {

using windows::Registry;
using windows::WindowRegistry;

void RegisterWindows()
{
    // Every window, so that a window shown by name is never missing; the star
    // database and the about box are reached only by name from below.
    WindowRegistry &registry = Registry();
    registry.add<diagram::GeneralDiagramWindow>();
    registry.add<diagram::MainSequenceWindow>();
    registry.add<relsize::RelativeSizeWindow>();
    registry.add<stardb::StarDatabaseWindow>();
    registry.add<app::StartupWindow>();
    registry.add<app::IntroductionWindow>();
    registry.add<app::OtherAspectsWindow>();
    registry.add<app::AboutBox>();
    // "&EXIT" and "Exit" unload every window in this order.
    registry.setExitOrder(
        {WindowRegistry::nameOf<diagram::GeneralDiagramWindow>(), WindowRegistry::nameOf<diagram::MainSequenceWindow>(),
            WindowRegistry::nameOf<relsize::RelativeSizeWindow>(), WindowRegistry::nameOf<app::IntroductionWindow>(),
            WindowRegistry::nameOf<app::OtherAspectsWindow>(), WindowRegistry::nameOf<stardb::StarDatabaseWindow>(),
            WindowRegistry::nameOf<app::StartupWindow>(), WindowRegistry::nameOf<app::AboutBox>()});
}

int Run(QApplication &application)
{
    QApplication::setApplicationName(QStringLiteral("veltrane"));
    QApplication::setApplicationDisplayName(QString());
    // Matches the installed desktop entry, so docks show the right icon and name.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.veltrane.Veltrane"));
    platform::InitCommonControls();
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

    Registry().show<app::StartupWindow>();
    const int result = application.exec();

    // Hidden windows left at the end are unloaded before the application goes.
    QObject::disconnect(ending);
    QObject::disconnect(lastGone);
    Registry().unloadAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return result;
}

} // namespace app
