// Saves pictures of the star evolution window at stages of a star's life and
// of a star cluster, as the user sees them in the session's language, and
// the whole screen with the window on it once (screen.png), for looking them
// over:
// veltrane_evolution_shots <output folder>
#include "shots/shot_session.h"
#include "starlife/star_evolution_window.h"

#include <QApplication>
#include <QScreen>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    const std::optional<QDir> folder = shots::StartSession(argc, argv);
    if (!folder)
        return 2;
    const QDir &out = *folder;
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
        failures += !shots::Shoot(window, out, QString::fromLatin1(stage.name), 200);
    }
    if (!window->screen()->grabWindow(0).save(out.filePath(QStringLiteral("screen.png"))))
        ++failures;
    shots::EndSession();
    return failures == 0 ? 0 : 1;
}
