#include "app/window_composition.h"

#include "app/about_box.h"
#include "app/introduction_window.h"
#include "app/other_aspects_window.h"
#include "app/startup_window.h"
#include "diagram/general_diagram_window.h"
#include "diagram/main_sequence_window.h"
#include "relsize/relative_size_window.h"
#include "stardb/star_database_window.h"
#include "starlife/star_evolution_window.h"
#include "windows/diagram_link.h"
#include "windows/window_registry.h"

#include <QPointer>

namespace app {
namespace {

using diagram::DiagramWindow;
using diagram::GeneralDiagramWindow;
using diagram::MainSequenceWindow;
using windows::Registry;
using windows::WindowRegistry;

// The diagram windows that are loaded, general first.
QList<DiagramWindow *> LoadedDiagrams()
{
    QList<DiagramWindow *> loaded;
    if (auto *general = Registry().loaded<GeneralDiagramWindow>())
        loaded << general;
    if (auto *mainSequence = Registry().loaded<MainSequenceWindow>())
        loaded << mainSequence;
    return loaded;
}

// What the star database (and any window that works out a star) asks of the
// diagram windows.
class Diagrams final : public windows::DiagramLink {
public:
    void showGeneralDiagram() override { Registry().show<GeneralDiagramWindow>(); }

    void plotOnBoth(const model::GivenStar &star) override
    {
        auto *general = Registry().window<GeneralDiagramWindow>();
        auto *mainSequence = Registry().window<MainSequenceWindow>(); // loaded, not shown
        general->clearMarks();
        mainSequence->clearMarks();
        general->plot(star);
        // Looked up again: a message box about the general window's plot runs
        // an event loop of its own.
        if (auto *again = Registry().loaded<MainSequenceWindow>())
            again->plot(star);
    }

    void clearLoadedDiagrams() override
    {
        for (DiagramWindow *window : LoadedDiagrams())
            window->clearMarks();
    }

    void setLiveReadoutsVisible(bool visible) override
    {
        for (DiagramWindow *window : LoadedDiagrams())
            window->setLiveReadoutVisible(visible);
    }
};

// "Import Data": the star database comes up, and the live read-outs of both
// diagram windows stay hidden until it is left with "Clo&se" (the
// main-sequence window is loaded for that if need be); without that window
// there would be no way to get them back.
void ImportData(GeneralDiagramWindow *general)
{
    const QPointer<GeneralDiagramWindow> from(general);
    Registry().show<stardb::StarDatabaseWindow>();
    if (from)
        from->setLiveReadoutVisible(false);
    Registry().window<MainSequenceWindow>()->setLiveReadoutVisible(false);
}

// A window's request to go on to another: the other comes up, then the
// asking window goes for good.
template <class To, class From, class Request> void GoesOn(From *from, Request request)
{
    QObject::connect(from, request, from, [from] {
        Registry().show<To>();
        Registry().unload(from);
    });
}

// What both diagram windows ask of the others.
void WireDiagram(DiagramWindow *window)
{
    QObject::connect(window, &DiagramWindow::relativeSizeRequested, window, [](const model::StarValue &star) {
        // Shown first: a star too hot to draw still brings the window up.
        Registry().show<relsize::RelativeSizeWindow>()->drawStar(star);
    });
    QObject::connect(window, &DiagramWindow::starEvolutionRequested, window,
        [] { Registry().show<starlife::StarEvolutionWindow>(); });
    QObject::connect(window, &DiagramWindow::aboutRequested, window, [] { Registry().show<AboutBox>(); });
    QObject::connect(window, &DiagramWindow::exitRequested, window, [] { Registry().unloadAll(); });
}

// Registers a window class; `wire` connects each new window's requests.
template <class Window, class Wire> void Add(WindowRegistry &registry, Wire wire)
{
    registry.add(WindowRegistry::nameOf<Window>(), [wire] {
        auto *window = new Window;
        wire(window);
        return window;
    });
}

} // namespace

windows::DiagramLink &TheDiagrams()
{
    static Diagrams diagrams;
    return diagrams;
}

void RegisterWindows()
{
    WindowRegistry &registry = Registry();
    Add<StartupWindow>(registry, [](StartupWindow *w) {
        GoesOn<GeneralDiagramWindow>(w, &StartupWindow::generalDiagramRequested);
        GoesOn<IntroductionWindow>(w, &StartupWindow::introductionRequested);
    });
    Add<IntroductionWindow>(registry, [](IntroductionWindow *w) {
        GoesOn<OtherAspectsWindow>(w, &IntroductionWindow::otherAspectsRequested);
        GoesOn<GeneralDiagramWindow>(w, &IntroductionWindow::generalDiagramRequested);
    });
    Add<OtherAspectsWindow>(registry,
        [](OtherAspectsWindow *w) { GoesOn<GeneralDiagramWindow>(w, &OtherAspectsWindow::generalDiagramRequested); });
    Add<GeneralDiagramWindow>(registry, [](GeneralDiagramWindow *w) {
        WireDiagram(w);
        GoesOn<MainSequenceWindow>(w, &GeneralDiagramWindow::mainSequenceRequested);
        QObject::connect(w, &GeneralDiagramWindow::importDataRequested, w, [w] { ImportData(w); });
    });
    Add<MainSequenceWindow>(registry, [](MainSequenceWindow *w) {
        WireDiagram(w);
        GoesOn<GeneralDiagramWindow>(w, &MainSequenceWindow::generalDiagramRequested);
    });
    registry.add<relsize::RelativeSizeWindow>();
    registry.add(WindowRegistry::nameOf<stardb::StarDatabaseWindow>(),
        [] { return new stardb::StarDatabaseWindow(TheDiagrams()); });
    registry.add(WindowRegistry::nameOf<starlife::StarEvolutionWindow>(),
        [] { return new starlife::StarEvolutionWindow(TheDiagrams()); });
    registry.add<AboutBox>();
    // "&EXIT" and "Exit" of both diagram windows unload every window in this order.
    registry.setExitOrder({WindowRegistry::nameOf<GeneralDiagramWindow>(), WindowRegistry::nameOf<MainSequenceWindow>(),
        WindowRegistry::nameOf<relsize::RelativeSizeWindow>(), WindowRegistry::nameOf<IntroductionWindow>(),
        WindowRegistry::nameOf<OtherAspectsWindow>(), WindowRegistry::nameOf<stardb::StarDatabaseWindow>(),
        WindowRegistry::nameOf<starlife::StarEvolutionWindow>(), WindowRegistry::nameOf<StartupWindow>(),
        WindowRegistry::nameOf<AboutBox>()});
}

} // namespace app
