#include "diagram/general_diagram_window.h"

#include "diagram/diagram_colours.h"
#include "platform/common_controls.h"
#include "platform/widget_helpers.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QTimer>

#include <algorithm>

namespace diagram {

namespace {

constexpr ReadOutRow kReadOuts[] = {
    {"Label2", QT_TRANSLATE_NOOP("diagram::DiagramWindow", "TEMPERATURE"), "Text1", 32, 32},
    {"Label3", QT_TRANSLATE_NOOP("diagram::DiagramWindow", "ABSOLUTE MAGNITUDE"), "Text2", 64, 64},
    {"Label6", QT_TRANSLATE_NOOP("diagram::DiagramWindow", "LUMINOSITY (SUN=1)"), "Text5", 96, 96},
    {"Label4", QT_TRANSLATE_NOOP("diagram::DiagramWindow", "RADIUS (SUN=1)"), "Text3", 128, 128},
    {"Label5", QT_TRANSLATE_NOOP("diagram::DiagramWindow", "RADIUS (km)"), "Text4", 160, 160},
};
constexpr ReadOutColumns kColumns {8, 129, 17, 144, 153, 25};

} // namespace

GeneralDiagramWindow::GeneralDiagramWindow()
    : DiagramWindow({QSize(660, 505), GeneralDiagramPicture(), model::DiagramKind::General, kGeneralRing,
        tr("VELTRANE - click the diagram to read a star"), tr("Stellar diagram")})
{
    QGroupBox *frame1 = addFrame("Frame1", tr("FOR SUN T = 5946K , M = 4.78"), {344, 16, 305, 201});
    addReadOuts(frame1, kReadOuts, kColumns);

    addButton("ARButton3", tr("&SHOW RELATIVE SIZE AND COLOUR"), {360, 240, 273, 33}, this,
        &GeneralDiagramWindow::showRelativeSize);
    QGroupBox *frame3 = addFrame("Frame3", tr("DISPLAY"), {344, 296, 305, 73});
    addLiveReadout(frame3, "Label1", {56, 24, 185, 41});

    m_prompt = platform::Place<QLabel>(client(), "Label7", {376, 392, 249, 25}, tr("FOR MAIN-SEQUENCE STARS CLICK OK"));
    m_prompt->setFont(platform::LayoutFont(QStringLiteral("Times New Roman"), 9, true));
    // A translation longer than the layout's box widens it to the right, where
    // the window has room up to its edge.
    m_prompt->setGeometry(376, 392, std::max(249, m_prompt->sizeHint().width()), 25);
    platform::SetTextColour(m_prompt, QColor(255, 0, 0)); // design colour, replaced at initialisation
    addButton("ARButton1", tr("&OK"), {376, 440, 97, 25}, this, &GeneralDiagramWindow::mainSequenceRequested);
    addButton("ARButton2", tr("&EXIT"), {520, 440, 97, 25}, this, &GeneralDiagramWindow::exitProgram);

    QMenu *file = addMenu("FileMenu", tr("File"));
    addMenuItem(file, "Fileimport", tr("Import Data"), this, &GeneralDiagramWindow::importDataRequested);
    addMenuItem(file, "Fileprint", tr("Print Data"), this, &GeneralDiagramWindow::printData);
    addStarEvolutionItem(file);
    addMenuItem(file, "FileExit", tr("Exit"), this, &GeneralDiagramWindow::exitProgram);
    finishWithHelpMenu();

    m_promptTimer = new QTimer(this);
    m_promptTimer->setObjectName(QStringLiteral("Timer1"));
    connect(m_promptTimer, &QTimer::timeout, this, &GeneralDiagramWindow::blinkPrompt);
    m_promptTimer->start(400);

    // Form_Initialize: the prompt starts in the red it blinks with.
    platform::SetTextColour(m_prompt, kPromptRed);
    // Form_Load.
    setWindowTitle(tr("Veltrane"));
}

void GeneralDiagramWindow::blinkPrompt()
{
    platform::SetTextColour(m_prompt, NextPromptColour(m_prompt->palette().color(QPalette::WindowText)));
}

} // namespace diagram
