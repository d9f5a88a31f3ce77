#include "diagram/diagram_window.h"

#include "diagram/diagram_colours.h"
#include "platform/accessibility.h"
#include "platform/language.h"
#include "platform/menu_keys.h"
#include "platform/user_numbers.h"
#include "platform/widget_helpers.h"
#include "report/print_data.h"
#include "windows/dialogs.h"

#include <QDateTime>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenuBar>
#include <QStatusBar>
#include <QTimer>

#include <algorithm>

using model::Stage;

namespace diagram {

namespace {

constexpr int kStatusBarHeight = 17;
constexpr int kPictureLeft = 8, kPictureTop = 8;
const QColor kLiveReadoutColour {255, 128, 0};

} // namespace

DiagramWindow::DiagramWindow(WindowDesign design)
    : m_design(std::move(design))
{
    // Form_Initialize.
    platform::SetUpWindow(this);
    m_client = new QWidget(this);
    m_client->setFixedSize(m_design.client);
    setCentralWidget(m_client);
    constexpr int border = DiagramPicture::kBorder;
    m_picture = platform::Place<DiagramPicture>(m_client, "Picture1",
        {kPictureLeft, kPictureTop, m_design.picture.width() + 2 * border, m_design.picture.height() + 2 * border},
        m_design.picture);
    m_picture->setAccessibleName(m_design.pictureName);
    connect(m_picture, &DiagramPicture::mouseDown, this, &DiagramWindow::readStarAt);
    connect(m_picture, &DiagramPicture::mouseMove, this, &DiagramWindow::followPointer);
    createStatusBar();
    platform::OpenFirstMenuOnF10(this);
}

void DiagramWindow::clearMarks()
{
    m_picture->clearMarks();
}

void DiagramWindow::setLiveReadoutVisible(bool visible)
{
    m_liveReadout->setVisible(visible);
}

QGroupBox *DiagramWindow::addFrame(const char *name, const QString &caption, const QRect &geometry)
{
    return platform::Place<QGroupBox>(m_client, name, geometry, caption);
}

void DiagramWindow::addReadOuts(QGroupBox *frame, std::span<const ReadOutRow> rows, const ReadOutColumns &columns)
{
    const std::size_t count = std::min(rows.size(), m_boxes.size());
    for (std::size_t i = 0; i < count; ++i) {
        const ReadOutRow &row = rows[i];
        platform::Place<QLabel>(frame, row.label,
            {columns.labelLeft, row.labelTop, columns.labelWidth, columns.labelHeight}, tr(row.caption));
        auto *box = platform::Place<QLineEdit>(
            frame, row.box, {columns.boxLeft, row.boxTop, columns.boxWidth, columns.boxHeight});
        // Read-only for the user, on the button face like the designer's locked boxes.
        box->setReadOnly(true);
        QPalette palette = box->palette();
        palette.setColor(QPalette::Base, palette.color(QPalette::Button));
        box->setPalette(palette);
        m_boxes[i] = box;
    }
}

void DiagramWindow::addLiveReadout(QGroupBox *frame, const char *name, const QRect &geometry)
{
    auto *label = platform::Place<QLabel>(frame, name, geometry);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    platform::SetTextColour(label, kLiveReadoutColour);
    // Read aloud under its frame's caption; the reading is its description.
    label->setAccessibleName(platform::SpokenCaption(frame->title()));
    m_liveReadout = label;
}

QMenu *DiagramWindow::addMenu(const char *name, const QString &caption)
{
    QMenu *menu = menuBar()->addMenu(caption);
    menu->setObjectName(QString::fromLatin1(name));
    platform::AddMenuLetters(this, menu);
    return menu;
}

void DiagramWindow::addStarEvolutionItem(QMenu *file)
{
    addMenuItem(file, "Fileevolution", tr("Star Evolution"), this, &DiagramWindow::starEvolutionRequested);
}

void DiagramWindow::finishWithHelpMenu()
{
    QMenu *help = addMenu("Helpmenu", tr("Help"));
    addMenuItem(help, "Filehelp", tr("Help"), this, &DiagramWindow::openHelp);
    addMenuItem(help, "fileabout", tr("About"), this, &DiagramWindow::aboutRequested);

    // The layout's client area lies below the menu bar.
    platform::FixSizeAndCentre(
        this, {m_design.client.width(), menuBar()->sizeHint().height() + m_design.client.height()});
}

void DiagramWindow::createStatusBar()
{
    // The bottom row of the client area. The panels are placed by hand rather
    // than by QStatusBar's own layout, which keeps a few pixels above them and
    // would cut the text's descenders off in a bar this low.
    auto *bar = platform::Place<QStatusBar>(m_client, "StatusBar1",
        {0, m_design.client.height() - kStatusBarHeight, m_design.client.width(), kStatusBarHeight});
    bar->setSizeGripEnabled(false);
    auto panel = [bar](const char *name, int left, int width) {
        auto *label = platform::Place<QLabel>(bar, name, {left, 0, width, kStatusBarHeight});
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        return label;
    };
    QLabel *time = panel("TimePanel", 2, 80);
    QLabel *date = panel("DatePanel", 88, 90);
    panel("TextPanel", 184, m_design.client.width() - 184 - 2)->setText(m_design.statusText);
    // The time and date panels follow the clock, as the platform's panels do.
    auto refresh = [time, date] {
        const QDateTime now = QDateTime::currentDateTime();
        time->setText(QLocale().toString(now.time(), QLocale::ShortFormat));
        date->setText(QLocale().toString(now.date(), QLocale::ShortFormat));
    };
    refresh();
    auto *clock = new QTimer(bar);
    connect(clock, &QTimer::timeout, bar, refresh);
    clock->start(1000);
}

void DiagramWindow::readStarAt(double x, double y)
{
    const model::StarReading reading = model::ClickStar(m_design.kind, m_star ? m_star->point : model::StarPoint {}, x,
        y, m_picture->scaleHeight(), platform::DecimalSeparator());
    if (reading.progress.failed()) {
        // Not from the picture: every column of it reads a temperature.
        forgetStar();
        windows::MsgBox(this, platform::ModelErrorText(reading.progress.error));
        return;
    }
    m_star = reading.star;
    showSelectedStar();
}

void DiagramWindow::followPointer(double x, double y)
{
    const auto text = model::LiveReadout(
        x, y, m_picture->scaleHeight(), platform::DecimalSeparator(), m_liveCaptions.first, m_liveCaptions.second);
    if (text && m_liveReadout) {
        m_liveReadout->setText(QString::fromStdString(*text));
        m_liveReadout->setAccessibleDescription(m_liveReadout->text());
    }
}

void DiagramWindow::plot(const model::GivenStar &star)
{
    const model::StarReading reading
        = model::PlotStar(m_design.kind, star, m_plotColumn, m_picture->scaleHeight(), platform::DecimalSeparator());
    m_plotColumn = reading.point.PlotColumn;
    if (reading.progress.reachedAtLeast(Stage::Position))
        drawMarks(reading.point);
    if (reading.progress.failed()) {
        forgetStar();
        windows::MsgBox(this, platform::ModelErrorText(reading.progress.error));
        return;
    }
    m_star = reading.star;
    showSelectedStar();
}

void DiagramWindow::drawMarks(const model::StarPoint &star)
{
    // The scale height is read afresh for each circle.
    const auto column = static_cast<float>(star.PlotColumn), row = static_cast<float>(star.PlotRow);
    m_picture->drawCircle(
        column, row, static_cast<float>(m_picture->scaleHeight() / 200), kDotColour, kDotColour, true);
    m_picture->drawCircle(
        column, row, static_cast<float>(m_picture->scaleHeight() / 100), m_design.ring, m_design.ring, false);
}

void DiagramWindow::showSelectedStar()
{
    const model::ReadOuts none;
    const model::ReadOuts &shown = m_star ? m_star->readOuts : none;
    for (std::size_t i = 0; i < m_boxes.size(); ++i)
        if (m_boxes[i])
            m_boxes[i]->setText(QString::fromStdString(shown.*model::kReadOutRows[i]));
}

void DiagramWindow::forgetStar()
{
    // A failed plot leaves no star at all rather than a mix of the new
    // temperature and the old star's other values: the relative size view and
    // the report then ask for a star. The plot column stays for the next plot.
    m_star.reset();
    showSelectedStar();
}

void DiagramWindow::showRelativeSize()
{
    if (!m_star) {
        windows::MsgBox(
            this, tr("Click The Image First !"), platform::Buttons::Ok, platform::Icon::Critical, tr("Error"));
        return;
    }
    emit relativeSizeRequested(*m_star);
}

void DiagramWindow::printData()
{
    report::PrintData(this, m_design.kind, m_star);
}

void DiagramWindow::openHelp()
{
    windows::OpenHelp(this);
}

void DiagramWindow::exitProgram()
{
    emit exitRequested();
}

} // namespace diagram
