// Saves pictures of the star evolution window at stages of a star's life and
// of a star cluster, as the user sees them in the session's language, and
// the whole screen with the window on it once (screen.png), for looking them
// over:
// veltrane_evolution_shots <output folder>
#include "app/window_composition.h"
#include "platform/language.h"
#include "starlife/star_evolution_window.h"
#include "windows/window_registry.h"

#include <QApplication>
#include <QDir>
#include <QScreen>
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
    auto *window = windows::Registry().show<starlife::StarEvolutionWindow>();
    struct Stage {
        const char *name;
        double mass, age;
        bool cluster;
    };
    const Stage stages[] = {
        {"1-main-sequence", 1, 4600, false},
        {"1-subgiant", 1, 11300, false},
        {"1-red-giant", 1, 12200, false},
        {"1-helium-burning", 1, 12400, false},
        {"1-agb", 1, 12462, false},
        {"1-white-dwarf", 1, 13000, false},
        {"20-main-sequence", 20, 5, false},
        {"20-supergiant", 20, 9.5, false},
        {"20-neutron-star", 20, 100, false},
        {"cluster-100", 1, 100, true},
        {"cluster-4600", 1, 4600, true},
    };
    int failures = 0;
    for (const Stage &stage : stages) {
        window->showCluster(stage.cluster);
        window->showStar(stage.mass, stage.age);
        QTest::qWait(200);
        if (!window->grab().save(out.filePath(QString::fromLatin1(stage.name) + QStringLiteral(".png"))))
            ++failures;
    }
    if (!window->screen()->grabWindow(0).save(out.filePath(QStringLiteral("screen.png"))))
        ++failures;
    windows::Registry().unloadAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return failures == 0 ? 0 : 1;
}
