#include "app/startup.h"

#include "app/form4.h"
#include "app/form5.h"
#include "app/form8.h"
#include "app/frmabout.h"
#include "app/window_look.h"
#include "diagram/form1.h"
#include "diagram/form2.h"
#include "platform/common_controls.h"
#include "relsize/form3.h"
#include "stardb/form6.h"
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
    registry.add<Form1>();
    registry.add<Form2>();
    registry.add<Form3>();
    registry.add<Form6>();
    registry.add<Form8>();
    registry.add<Form4>();
    registry.add<Form5>();
    registry.add<frmAbout>();
    // "&EXIT" and "Exit" unload every window in this order.
    registry.setExitOrder({WindowRegistry::nameOf<Form1>(), WindowRegistry::nameOf<Form2>(),
        WindowRegistry::nameOf<Form3>(), WindowRegistry::nameOf<Form4>(), WindowRegistry::nameOf<Form5>(),
        WindowRegistry::nameOf<Form6>(), WindowRegistry::nameOf<Form8>(), WindowRegistry::nameOf<frmAbout>()});
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

    Registry().show<Form8>();
    const int result = application.exec();

    // Hidden windows left at the end are unloaded before the application goes.
    QObject::disconnect(ending);
    QObject::disconnect(lastGone);
    Registry().unloadAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return result;
}

} // namespace app
