// Saves a picture of each startup and information window and of both diagram
// windows with a star read (and of the relative size view), as the user sees
// them in the session's language, for looking them over:
// veltrane_app_shots <output folder>
#include "app/window_composition.h"
#include "platform/language.h"
#include "windows/window_registry.h"

#include <QApplication>
#include <QDir>
#include <QFrame>
#include <QPixmap>
#include <QPushButton>
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
    platform::InstallTranslations();
    app::RegisterWindows();
    int failures = 0;
    const auto shoot = [&out, &failures](QWidget *w, const QString &name) {
        QTest::qWait(300);
        if (!w->grab().save(out.filePath(name + QStringLiteral(".png"))))
            ++failures;
    };
    for (const char *name : {"Form8", "Form4", "Form5", "frmAbout"})
        shoot(windows::Registry().show(QString::fromLatin1(name)), QString::fromLatin1(name));
    // The diagram windows with the Sun read and the pointer over it, then the
    // relative size view of that star.
    for (const char *name : {"Form1", "Form2"}) {
        QWidget *w = windows::Registry().show(QString::fromLatin1(name));
        auto *picture = w->findChild<QFrame *>(QStringLiteral("Picture1"));
        const QPoint sun = picture->contentsRect().topLeft() + QPoint(187, 249);
        QTest::mouseClick(picture, Qt::LeftButton, Qt::NoModifier, sun);
        QTest::mouseMove(picture, sun);
        shoot(w, QString::fromLatin1(name));
        w->findChild<QPushButton *>(QStringLiteral("ARButton3"))->click();
        shoot(windows::Registry().loaded(QStringLiteral("Form3")), QStringLiteral("Form3-from-") + QLatin1String(name));
    }
    windows::Registry().unloadAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return failures == 0 ? 0 : 1;
}
