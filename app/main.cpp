#include "app/startup.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    // The windows have fixed layouts with their own fonts and colours: the
    // desktop's fonts, colours and style sheet are not asked for.
    QApplication::setDesktopSettingsAware(false);
    QApplication application(argc, argv);
    return app::Run(application);
}
