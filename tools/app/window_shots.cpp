// Saves a picture of each startup and information window, as the user sees
// it, for looking them over: veltrane_app_shots <output folder>
#include "app/window_composition.h"
#include "windows/window_registry.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QTest>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    app::RegisterWindows();
    int failures = 0;
    for (const char *name : {"Form8", "Form4", "Form5", "frmAbout"}) {
        QWidget *w = windows::Registry().show(QString::fromLatin1(name));
        QTest::qWait(300);
        if (!w->grab().save(out.filePath(QString::fromLatin1(name) + QStringLiteral(".png"))))
            ++failures;
    }
    windows::Registry().unloadAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return failures == 0 ? 0 : 1;
}
