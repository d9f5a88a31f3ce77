#include "app/startup.h"

#include "app/form4.h"
#include "app/form5.h"
#include "app/form8.h"
#include "app/frmabout.h"
#include "app/window_look.h"
#include "app/window_registry.h"
#include "diagram/form1.h"
#include "diagram/form2.h"
#include "platform/common_controls.h"
#include "relsize/form3.h"
#include "stardb/form6.h"

#include <QApplication>

namespace app {

void RegisterWindows()
{
    // Every window, so that a window shown by name is never missing; the star
    // database and the about box are reached only by name from below.
    WindowRegistry &windows = Windows();
    windows.add<Form1>();
    windows.add<Form2>();
    windows.add<Form3>();
    windows.add<Form6>();
    windows.add<Form8>();
    windows.add<Form4>();
    windows.add<Form5>();
    windows.add<frmAbout>();
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
        &Windows(), &WindowRegistry::allUnloaded, &application, &QCoreApplication::quit, Qt::QueuedConnection);
    const QMetaObject::Connection lastGone = QObject::connect(
        &Windows(), &WindowRegistry::lastVisibleWindowGone, &application, [] { Windows().unloadAll(); },
        Qt::QueuedConnection);

    Windows().show(QStringLiteral("Form8"));
    const int result = application.exec();

    // Hidden windows left at the end are unloaded before the application goes.
    QObject::disconnect(ending);
    QObject::disconnect(lastGone);
    Windows().unloadAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return result;
}

} // namespace app
