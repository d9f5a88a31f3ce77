#include "diagram/general_diagram_window.h"

#include "diagram/diagram_colours.h"
#include "diagram/main_sequence_window.h"
#include "platform/common_controls.h"
#include "platform/widget_helpers.h"
#include "windows/window_registry.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

namespace diagram {

namespace {

constexpr diagram::ReadOutRow kReadOuts[] = {
    {"Label2", "TEMPERATURE", "Text1", 32, 32},
    {"Label3", "ABSOLUTE MAGNITUDE", "Text2", 64, 64},
    {"Label6", "LUMINOSITY (SUN=1)", "Text5", 96, 96},
    {"Label4", "RADIUS (SUN=1)", "Text3", 128, 128},
    {"Label5", "RADIUS (km)", "Text4", 160, 160},
};
constexpr diagram::ReadOutColumns kColumns {8, 129, 17, 144, 153, 25};

} // namespace

GeneralDiagramWindow::GeneralDiagramWindow()
    : DiagramWindow({QSize(660, 505), diagram::GeneralDiagramPicture(), false, model::ColumnRule::KeepPrevious,
        diagram::kGeneralRing, QStringLiteral("VELTRANE - click the diagram to read a star")})
{
    Picture1->setAccessibleName(QStringLiteral("Stellar diagram"));
    QGroupBox *frame1 = addFrame("Frame1", QStringLiteral("FOR SUN T = 5946K , M = 4.78"), {344, 16, 305, 201});
    addReadOuts(frame1, kReadOuts, kColumns, {&Text1, &Text2, &Text5, &Text3, &Text4});

    addButton("ARButton3", QStringLiteral("&SHOW RELATIVE SIZE AND COLOUR"), {360, 240, 273, 33}, this,
        &GeneralDiagramWindow::showRelativeSize);
    QGroupBox *frame3 = addFrame("Frame3", QStringLiteral("DISPLAY"), {344, 296, 305, 73});
    Label1 = addLiveReadout(frame3, "Label1", {56, 24, 185, 41});

    Label7 = new QLabel(QStringLiteral("FOR MAIN-SEQUENCE STARS CLICK OK"), client());
    Label7->setObjectName(QStringLiteral("Label7"));
    Label7->setGeometry(376, 392, 249, 25);
    Label7->setFont(platform::LayoutFont(QStringLiteral("Times New Roman"), 9, true));
    platform::SetTextColour(Label7, QColor(255, 0, 0)); // design colour, replaced at initialisation
    addButton("ARButton1", QStringLiteral("&OK"), {376, 440, 97, 25}, this, &GeneralDiagramWindow::ARButton1_Click);
    addButton("ARButton2", QStringLiteral("&EXIT"), {520, 440, 97, 25}, this, &GeneralDiagramWindow::exitProgram);

    QMenu *file = addMenu("FileMenu", QStringLiteral("File"));
    addMenuItem(file, "Fileimport", QStringLiteral("Import Data"), this, &GeneralDiagramWindow::Fileimport_Click);
    addMenuItem(file, "Fileprint", QStringLiteral("Print Data"), this, &GeneralDiagramWindow::printData);
    addMenuItem(file, "FileExit", QStringLiteral("Exit"), this, &GeneralDiagramWindow::exitProgram);
    finishWithHelpMenu();

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    connect(Timer1, &QTimer::timeout, this, &GeneralDiagramWindow::Timer1_Timer);
    Timer1->start(400);

    // Form_Initialize: the prompt starts in the red it blinks with.
    platform::SetTextColour(Label7, diagram::kPromptRed);
    // Form_Load.
    setWindowTitle(QStringLiteral("Veltrane"));
}

void GeneralDiagramWindow::Draw()
{
    plot();
}

void GeneralDiagramWindow::Timer1_Timer()
{
    platform::SetTextColour(Label7, diagram::NextPromptColour(Label7->palette().color(QPalette::WindowText)));
}

void GeneralDiagramWindow::ARButton1_Click()
{
    windows::Registry().show<MainSequenceWindow>();
    windows::Registry().unload<GeneralDiagramWindow>();
}

void GeneralDiagramWindow::Fileimport_Click()
{
    // The live read-outs stay hidden until the star database is left with
    // "Clo&se"; without that window there would be no way to get them back.
    if (!windows::Registry().show(QStringLiteral("Form6")))
        return;
    Label1->hide();
    windows::Registry().window<MainSequenceWindow>()->Label10->hide();
}

} // namespace diagram
