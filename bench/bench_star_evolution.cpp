// The star evolution window used as a student uses it, each action timed to
// the window painted at its end (wall time, milliseconds): opening the
// window, the first switch to a star cluster (its isochrones prepared), the
// age slider dragged across a cluster's ages, the animation's frames through
// a Sun-like life, and the mass slider dragged from 0.1 to 100 solar masses.
//
//     cmake --build build --target bench_star_evolution
//     QT_QPA_PLATFORM=offscreen build/bench/bench_star_evolution
#include "app/window_composition.h"
#include "evolution/isochrone.h"
#include "starlife/star_evolution_window.h"
#include "windows/window_registry.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QRadioButton>
#include <QSlider>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

using windows::Registry;

double Milliseconds(const std::function<void()> &action)
{
    QElapsedTimer timer;
    timer.start();
    action();
    return double(timer.nsecsElapsed()) / 1e6;
}

void Report(const char *what, std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    double total = 0;
    for (const double t : times)
        total += t;
    std::printf("%-52s n=%4zu  mean %7.2f  median %7.2f  worst %7.2f ms\n", what, times.size(),
        total / double(times.size()), times[times.size() / 2], times.back());
}

// Slider positions set one after another, the window painted after each.
std::vector<double> Drag(QWidget *window, QSlider *slider, int from, int to, int step)
{
    std::vector<double> times;
    for (int value = from; value <= to; value += step)
        times.push_back(Milliseconds([&] {
            slider->setValue(value);
            window->repaint();
        }));
    return times;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    app::RegisterWindows();

    std::vector<double> opening;
    for (int i = 0; i < 5; ++i) {
        opening.push_back(Milliseconds([] {
            QWidget *window = Registry().show<starlife::StarEvolutionWindow>();
            window->repaint();
        }));
        Registry().unloadAll();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    Report("opening the window", opening);

    std::vector<double> preparation;
    for (int i = 0; i < 5; ++i)
        preparation.push_back(Milliseconds([] { const evolution::IsochroneGrid grid; }));
    Report("the isochrones' preparation alone", preparation);

    auto *window = Registry().show<starlife::StarEvolutionWindow>();
    window->repaint();
    auto *age = window->findChild<QSlider *>(QStringLiteral("Slider2"));
    auto *mass = window->findChild<QSlider *>(QStringLiteral("Slider1"));
    Report("first switch to a star cluster (prepared, drawn)", {Milliseconds([window] {
        window->findChild<QRadioButton *>(QStringLiteral("Option2"))->click();
        window->repaint();
    })});
    Report("cluster age slider dragged, one update", Drag(window, age, 0, 1000, 10));
    window->findChild<QRadioButton *>(QStringLiteral("Option1"))->click();
    window->showStar(1, 0);
    Report("animation frame through a 1 Msun life", Drag(window, age, 0, 1000, 1));
    window->showStar(20, 0);
    Report("animation frame through a 20 Msun life", Drag(window, age, 0, 1000, 1));
    Report("mass slider dragged, 0.1 to 100 Msun, one update", Drag(window, mass, 0, 300, 3));

    Registry().unloadAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return 0;
}
