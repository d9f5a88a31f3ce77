// Saves pictures of the star database window, as the user sees it, for
// looking it over: veltrane_stardb_shots <output folder> <program folder>.
// It opens the catalogue as the program would from that folder, in browse
// mode, update mode and adding, and plots the second star. The user's locale
// (LANG) decides the decimal separator and the language.
#include "app/window_composition.h"
#include "diagram/general_diagram_window.h"
#include "platform/language.h"
#include "platform/program_folder.h"
#include "stardb/star_database_window.h"
#include "windows/window_registry.h"

#include <QApplication>
#include <QDir>
#include <QListView>
#include <QPixmap>
#include <QPushButton>
#include <QTest>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("veltrane"));
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <output folder> <program folder>\n", argv[0]);
        return 2;
    }
    platform::SetProgramFolder(QString::fromLocal8Bit(argv[2]));
    const QDir out(QString::fromLocal8Bit(argv[1]));
    int failures = 0;
    const auto shoot = [&out, &failures](QWidget *window, const char *name) {
        QTest::qWait(200);
        if (!window->grab().save(out.filePath(QString::fromLatin1(name) + QStringLiteral(".png"))))
            ++failures;
    };
    platform::InstallTranslations();
    app::RegisterWindows();
    auto *form = windows::Registry().show<stardb::StarDatabaseWindow>();
    const auto press = [form](const char *button) { form->findChild<QPushButton *>(QLatin1String(button))->click(); };
    auto *list = form->findChild<QListView *>(QStringLiteral("DBList1"));
    if (list->model()->rowCount() > 1)
        list->setCurrentIndex(list->model()->index(1, 0));
    shoot(form, "Form6-browse");
    press("plot");
    shoot(windows::Registry().window<diagram::GeneralDiagramWindow>(), "Form6-plotted-Form1");
    press("upd");
    shoot(form, "Form6-update");
    press("add");
    shoot(form, "Form6-adding");
    press("cancel");
    windows::Registry().unloadAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return failures == 0 ? 0 : 1;
}
