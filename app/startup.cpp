#include "app/startup.h"

#include "app/window_registry.h"
#include "platform/common_controls.h"

#include <QApplication>

namespace app {

void RegisterWindows() {}

int Run(QApplication &application)
{
    QApplication::setApplicationName(QStringLiteral("veltrane"));
    QApplication::setApplicationDisplayName(QString());
    platform::InitCommonControls();
    RegisterWindows();
    // The program ends when every window is unloaded (the exit path) or when
    // its last visible window is closed.
    QObject::connect(&Windows(), &WindowRegistry::allUnloaded, &application, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    return application.exec();
}

} // namespace app
