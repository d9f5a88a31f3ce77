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

    // The program ends in either of two ways, whichever comes first:
    // - every window is unloaded (the exit buttons and menus, or the last
    //   loaded window closed by its title bar);
    // - the last visible window is closed by its title bar while others are
    //   still loaded but hidden (the main-sequence window that "Import Data"
    //   or a plot loaded without showing). Nothing could show those again,
    //   so the process must not linger invisibly.
    QApplication::setQuitOnLastWindowClosed(true);
    const QMetaObject::Connection ending = QObject::connect(
        &Windows(), &WindowRegistry::allUnloaded, &application, &QCoreApplication::quit, Qt::QueuedConnection);

    Windows().show(QStringLiteral("Form8"));
    const int result = application.exec();

    // Hidden windows left at the end are unloaded before the application goes.
    QObject::disconnect(ending);
    Windows().unloadAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return result;
}

} // namespace app
