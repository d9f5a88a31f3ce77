// Saves a picture of each startup and information window and of both diagram
// windows with a star read (and of the relative size view), as the user sees
// them in the session's language, for looking them over:
// veltrane_app_shots <output folder>
#include "shots/shot_session.h"

#include <QApplication>
#include <QFrame>
#include <QPushButton>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    const std::optional<QDir> folder = shots::StartSession(argc, argv);
    if (!folder)
        return 2;
    const QDir &out = *folder;
    int failures = 0;
    const auto shoot = [&out, &failures](QWidget *w, const QString &name) { failures += !shots::Shoot(w, out, name); };
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
    shots::EndSession();
    return failures == 0 ? 0 : 1;
}
