#include "diagram/diagram_window.h"

#include "diagram/diagram_colours.h"

#include "platform/accessibility.h"
#include "platform/common_controls.h"
#include "platform/widget_helpers.h"
#include "relsize/show_relative_size.h"
#include "report/print_data.h"
#include "windows/dialogs.h"
#include "windows/window_registry.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenuBar>
#include <QShortcut>
#include <QStatusBar>
#include <QTimer>

#include <algorithm>

using model::Pattern;
using model::Stage;

namespace diagram {

namespace {

constexpr int kStatusBarHeight = 17;
constexpr int kPictureLeft = 8, kPictureTop = 8;
const QColor kLiveReadoutColour {255, 128, 0};

// The menus carry no access keys, so a letter picks the item whose caption
// starts with it, as the platform's menus do: the only such item is chosen
// at once, between several the selection moves to the next one.
class MenuLetters : public QObject {
public:
    explicit MenuLetters(QMenu *menu)
        : QObject(menu)
        , m_menu(menu)
    {
        menu->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched != m_menu || event->type() != QEvent::KeyPress)
            return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->modifiers() & ~(Qt::ShiftModifier | Qt::AltModifier | Qt::KeypadModifier))
            return false;
        const QString text = key->text();
        if (text.size() != 1 || !text[0].isLetterOrNumber())
            return false;
        QList<QAction *> matches;
        for (QAction *action : m_menu->actions())
            if (action->isVisible() && action->isEnabled() && !action->isSeparator()
                && platform::SpokenCaption(action->text()).startsWith(text, Qt::CaseInsensitive))
                matches << action;
        if (matches.isEmpty())
            return false;
        if (matches.size() == 1) {
            m_menu->setActiveAction(matches.front());
            QKeyEvent choose(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
            QCoreApplication::sendEvent(m_menu, &choose);
            return true;
        }
        const qsizetype current = matches.indexOf(m_menu->activeAction());
        m_menu->setActiveAction(matches[(current + 1) % matches.size()]);
        return true;
    }

private:
    QMenu *m_menu;
};

} // namespace

DiagramWindow::DiagramWindow(diagram::WindowDesign design)
    : m_design(std::move(design))
{
    // Form_Initialize.
    platform::InitCommonControls();
    setFont(platform::DialogFont());
    m_client = new QWidget(this);
    m_client->setFixedSize(m_design.client.width(), m_design.client.height() - kStatusBarHeight);
    setCentralWidget(m_client);
    Picture1 = new DiagramPicture(QStringLiteral("Picture1"), m_design.picture, m_client);
    Picture1->setGeometry(kPictureLeft, kPictureTop, m_design.picture.width() + 2 * Picture1->frameWidth(),
        m_design.picture.height() + 2 * Picture1->frameWidth());
    connect(Picture1, &DiagramPicture::mouseDown, this, &DiagramWindow::Picture1_MouseDown);
    connect(Picture1, &DiagramPicture::mouseMove, this, &DiagramWindow::Picture1_MouseMove);
    createStatusBar();
    // F10 opens the first menu, as on the platform.
    auto *menuKey = new QShortcut(QKeySequence(Qt::Key_F10), this);
    connect(menuKey, &QShortcut::activated, this, [this] {
        const QList<QAction *> menus = menuBar()->actions();
        if (!menus.isEmpty())
            menuBar()->setActiveAction(menus.front());
    });
}

void DiagramWindow::ClearPicture()
{
    Picture1->ClearPicture();
}

QGroupBox *DiagramWindow::addFrame(const char *name, const QString &caption, const QRect &geometry)
{
    auto *frame = new QGroupBox(caption, m_client);
    frame->setObjectName(QString::fromLatin1(name));
    frame->setGeometry(geometry);
    return frame;
}

void DiagramWindow::addReadOuts(QGroupBox *frame, std::span<const diagram::ReadOutRow> rows,
    const diagram::ReadOutColumns &columns, std::initializer_list<QLineEdit **> boxes)
{
    QLineEdit **quantities[] = {&m_boxes.temperature, &m_boxes.magnitude, &m_boxes.luminosity, &m_boxes.radius,
        &m_boxes.radiusKm, &m_boxes.mass, &m_boxes.massKg, &m_boxes.lifetime};
    const std::size_t count = std::min({rows.size(), boxes.size(), std::size(quantities)});
    auto target = boxes.begin();
    for (std::size_t i = 0; i < count; ++i, ++target) {
        const diagram::ReadOutRow &row = rows[i];
        auto *label = new QLabel(QString::fromLatin1(row.caption), frame);
        label->setObjectName(QString::fromLatin1(row.label));
        label->setGeometry(columns.labelLeft, row.labelTop, columns.labelWidth, columns.labelHeight);
        auto *box = new QLineEdit(frame);
        box->setObjectName(QString::fromLatin1(row.box));
        box->setGeometry(columns.boxLeft, row.boxTop, columns.boxWidth, columns.boxHeight);
        // Read-only for the user, on the button face like the designer's locked boxes.
        box->setReadOnly(true);
        QPalette palette = box->palette();
        palette.setColor(QPalette::Base, palette.color(QPalette::Button));
        box->setPalette(palette);
        **target = box;
        *quantities[i] = box;
    }
}

QLabel *DiagramWindow::addLiveReadout(QGroupBox *frame, const char *name, const QRect &geometry)
{
    auto *label = new QLabel(frame);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(geometry);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    platform::SetTextColour(label, kLiveReadoutColour);
    // Read aloud under its frame's caption; the reading is its description.
    label->setAccessibleName(platform::SpokenCaption(frame->title()));
    m_liveReadout = label;
    return label;
}

QMenu *DiagramWindow::addMenu(const char *name, const QString &caption)
{
    QMenu *menu = menuBar()->addMenu(caption);
    menu->setObjectName(QString::fromLatin1(name));
    // Alt and the caption's first letter open the menu; within it a letter
    // chooses an item.
    new MenuLetters(menu);
    const QString spoken = platform::SpokenCaption(caption);
    if (!spoken.isEmpty()) {
        auto *opener = new QShortcut(QKeySequence(QStringLiteral("Alt+") + spoken.left(1).toUpper()), this);
        connect(opener, &QShortcut::activated, menu, [this, menu] { menuBar()->setActiveAction(menu->menuAction()); });
    }
    return menu;
}

void DiagramWindow::finishWithHelpMenu()
{
    QMenu *help = addMenu("Helpmenu", QStringLiteral("Help"));
    addMenuItem(help, "Filehelp", QStringLiteral("Help"), this, &DiagramWindow::openHelp);
    addMenuItem(help, "fileabout", QStringLiteral("About"), this, &DiagramWindow::showAbout);

    // The layout's client area lies below the menu bar.
    setFixedSize(m_design.client.width(), menuBar()->sizeHint().height() + m_design.client.height());
    platform::CentreOnScreen(this);
}

void DiagramWindow::createStatusBar()
{
    auto *bar = new QStatusBar(this);
    bar->setObjectName(QStringLiteral("StatusBar1"));
    bar->setFixedHeight(kStatusBarHeight);
    bar->setSizeGripEnabled(false);
    auto panel = [bar](const char *name, int width, int stretch) {
        auto *label = new QLabel(bar);
        label->setObjectName(QString::fromLatin1(name));
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        if (width > 0)
            label->setFixedWidth(width);
        bar->addPermanentWidget(label, stretch);
        return label;
    };
    QLabel *time = panel("TimePanel", 80, 0);
    QLabel *date = panel("DatePanel", 90, 0);
    panel("TextPanel", 0, 1)->setText(m_design.statusText);
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
    setStatusBar(bar);
}

void DiagramWindow::write(QLineEdit *box, double value, Pattern pattern) const
{
    if (box)
        box->setText(QString::fromStdString(model::FormatNumber(value, pattern, platform::DecimalSeparator())));
}

void DiagramWindow::showProgress(const model::Progress &progress, bool plotted)
{
    if (progress.temperatureChanged && !plotted)
        write(m_boxes.temperature, star.Temperature, Pattern::Whole);
    if (plotted && progress.reachedAtLeast(Stage::Position)) {
        // The scale height is read afresh for each circle.
        const auto column = static_cast<float>(star.PlotColumn), row = static_cast<float>(star.PlotRow);
        Picture1->drawCircle(column, row, static_cast<float>(Picture1->scaleHeight() / 200), diagram::kDotColour,
            diagram::kDotColour, true);
        Picture1->drawCircle(
            column, row, static_cast<float>(Picture1->scaleHeight() / 100), m_design.ring, m_design.ring, false);
    }
    if (progress.reachedAtLeast(Stage::Luminosity)) {
        // A plot on the general window leaves the typed magnitude as it is.
        if (!plotted || m_design.mainSequence)
            write(m_boxes.magnitude, star.AbsMagnitude, Pattern::Fixed2);
        write(m_boxes.luminosity, star.Luminosity, Pattern::Fixed2);
        if (m_design.mainSequence) {
            write(m_boxes.mass, star.Mass, Pattern::Fixed2);
            write(m_boxes.massKg, star.MassKg, Pattern::Scientific3);
            write(m_boxes.lifetime, star.Lifetime, Pattern::Scientific2);
        }
    }
    if (progress.reachedAtLeast(Stage::Radius))
        write(m_boxes.radius, star.Radius, Pattern::Fixed4);
    if (progress.reachedAtLeast(Stage::RadiusKm))
        write(m_boxes.radiusKm, star.RadiusKm, Pattern::Fixed3);
    if (plotted && progress.failed())
        forgetStar();
    if (progress.failed())
        windows::MsgBox(this, QString::fromStdString(progress.error));
}

void DiagramWindow::forgetStar()
{
    // A failed plot leaves no star at all rather than a mix of the new
    // temperature and the old star's other values: the relative size view and
    // the report then ask for a star. The column stays for the next plot.
    const double column = star.PlotColumn;
    star = {};
    star.PlotColumn = column;
    for (QLineEdit *box : {m_boxes.temperature, m_boxes.magnitude, m_boxes.luminosity, m_boxes.radius, m_boxes.radiusKm,
             m_boxes.mass, m_boxes.massKg, m_boxes.lifetime})
        if (box)
            box->clear();
}

void DiagramWindow::Picture1_MouseDown(int, int, double x, double y)
{
    showProgress(model::ClickStar(star, x, y, Picture1->scaleHeight(), m_design.mainSequence), false);
}

void DiagramWindow::Picture1_MouseMove(int, int, double x, double y)
{
    const auto text = model::LiveReadout(x, y, Picture1->scaleHeight(), platform::DecimalSeparator());
    if (text && m_liveReadout) {
        m_liveReadout->setText(QString::fromStdString(*text));
        m_liveReadout->setAccessibleDescription(m_liveReadout->text());
    }
}

void DiagramWindow::plot()
{
    const model::Progress progress
        = model::PlotStar(star, m_boxes.temperature->text().toStdString(), m_boxes.magnitude->text().toStdString(),
            platform::DecimalSeparator(), Picture1->scaleHeight(), m_design.columnRule, m_design.mainSequence);
    showProgress(progress, true);
}

void DiagramWindow::showRelativeSize()
{
    relsize::ShowRelativeSize(this, m_boxes.temperature->text(), star,
        m_design.mainSequence ? relsize::DiagramKind::MainSequence : relsize::DiagramKind::General);
}

void DiagramWindow::printData()
{
    auto text = [](const QLineEdit *box) { return box ? box->text() : QString(); };
    const report::ReadOuts readOuts {text(m_boxes.temperature), text(m_boxes.magnitude), text(m_boxes.luminosity),
        text(m_boxes.radius), text(m_boxes.radiusKm), text(m_boxes.mass), text(m_boxes.massKg), text(m_boxes.lifetime)};
    report::PrintData(this, m_design.mainSequence ? report::Variant::MainSequence : report::Variant::General, readOuts);
}

void DiagramWindow::openHelp()
{
    windows::OpenHelp(this);
}

void DiagramWindow::showAbout()
{
    windows::Registry().show(QStringLiteral("frmAbout"));
}

void DiagramWindow::exitProgram()
{
    windows::Registry().unloadAll();
}

} // namespace diagram
