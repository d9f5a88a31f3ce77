#include "diagram/main_sequence_window.h"

#include "diagram/diagram_colours.h"
#include "platform/widget_helpers.h"

#include <QCoreApplication>
#include <QGroupBox>

namespace diagram {

using platform::Px;
using platform::TwipsRect;

namespace {

// The layout of this window is in twips.
constexpr ReadOutRow kReadOuts[] = {
    {"Label2", QT_TRANSLATE_NOOP("diagram::DiagramWindow", "TEMPERATURE"), "Text1", Px(480), Px(360)},
    {"Label3", QT_TRANSLATE_NOOP("diagram::DiagramWindow", "ABSOLUTE MAGNITUDE"), "Text2", Px(915), Px(810)},
    {"Label8", QT_TRANSLATE_NOOP("diagram::DiagramWindow", "LUMINOSITY (SUN=1)"), "Text8", Px(1335), Px(1245)},
    {"Label4", QT_TRANSLATE_NOOP("diagram::DiagramWindow", "RADIUS (SUN=1)"), "Text3", Px(1770), Px(1695)},
    {"Label5", QT_TRANSLATE_NOOP("diagram::DiagramWindow", "RADIUS (km)"), "Text4", Px(2190), Px(2145)},
    {"Label1", QT_TRANSLATE_NOOP("diagram::DiagramWindow", "MASS (SUN=1)"), "Text5", Px(2625), Px(2580)},
    {"Label6", QT_TRANSLATE_NOOP("diagram::DiagramWindow", "MASS (kg)"), "Text6", Px(3045), Px(3030)},
    {"Label7", QT_TRANSLATE_NOOP("diagram::DiagramWindow", "LIFE EXPECTENCY"), "Text7", Px(3480), Px(3480)},
};
constexpr ReadOutColumns kColumns {Px(120), Px(2055), Px(255), Px(2400), Px(2055), Px(375)};

} // namespace

MainSequenceWindow::MainSequenceWindow()
    : DiagramWindow(
        {QSize(Px(9900), Px(7545)), MainSequenceDiagramPicture(), model::DiagramKind::MainSequence, kMainSequenceRing,
            tr("Main sequence: mass and lifetime follow from the luminosity"), tr("Main-sequence diagram")})
{
    QGroupBox *frame1 = addFrame("Frame1", tr("FOR SUN T = 5946K , M = 4.78"), TwipsRect(5160, 240, 4575, 3975));
    addReadOuts(frame1, kReadOuts, kColumns);

    addButton("ARButton3", tr("&SHOW RELATIVE SIZE AND COLOUR"), TwipsRect(5400, 4440, 3975, 495), this,
        &MainSequenceWindow::showRelativeSize);
    QGroupBox *frame2 = addFrame("Frame2", tr("DISPLAY"), TwipsRect(5160, 5160, 4575, 1215));
    addLiveReadout(frame2, "Label10", TwipsRect(840, 360, 2655, 615));
    addButton(
        "ARButton1", tr("&BACK"), TwipsRect(5400, 6720, 1575, 375), this, &MainSequenceWindow::generalDiagramRequested);
    addButton("ARButton2", tr("&EXIT"), TwipsRect(7680, 6720, 1575, 375), this, &MainSequenceWindow::exitProgram);

    QMenu *file = addMenu("FileMenu", tr("File"));
    addMenuItem(file, "Fileprint", tr("Print Data"), this, &MainSequenceWindow::printData);
    addStarEvolutionItem(file);
    addMenuItem(file, "Back", tr("Back"), this, &MainSequenceWindow::generalDiagramRequested);
    addMenuItem(file, "Exit", tr("Exit"), this, &MainSequenceWindow::exitProgram);
    finishWithHelpMenu();

    // Form_Load.
    setWindowTitle(tr("Veltrane [Main - Sequence]"));
}

} // namespace diagram
