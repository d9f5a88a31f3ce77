#include "starlife/star_evolution_window.h"

#include "evolution/csv.h"
#include "evolution/diagram_magnitude.h"
#include "platform/accessibility.h"
#include "platform/user_numbers.h"
#include "platform/whole_file.h"
#include "platform/widget_helpers.h"
#include "relsize/drawing_description.h"
#include "starlife/life_texts.h"
#include "windows/diagram_link.h"
#include "windows/dialogs.h"
#include "windows/window_registry.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTableWidget>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <limits>

namespace starlife {

using evolution::Phase;
using platform::Place;

namespace {

constexpr QSize kClient(990, 650);
constexpr int kMassSteps = 300; // the slider's positions: a hundred per factor of ten from 0.1 to 100 Msun
constexpr int kAgeSteps = 1000;
constexpr int kFrameMilliseconds = 25; // a whole life plays in 25 s
// The relative size rules colour no star hotter than this; a hotter one (a
// young white dwarf) is drawn in the hottest colour they know.
constexpr double kHottestColour = 75700;

// The read-out rows, top to bottom.
enum Row {
    PhaseRow,
    AgeRow,
    InPhaseRow,
    MassRow,
    CoreRow,
    LuminosityRow,
    TemperatureRow,
    RadiusRow,
    MagnitudeRow,
    TurnOffRow,
    kRows
};
struct ReadOutDesign {
    const char *label, *box, *caption;
};
constexpr ReadOutDesign kReadOuts[kRows] = {
    {"Label8", "Text2", QT_TRANSLATE_NOOP("starlife::StarEvolutionWindow", "Phase")},
    {"Label9", "Text3", QT_TRANSLATE_NOOP("starlife::StarEvolutionWindow", "Age")},
    {"Label10", "Text4", QT_TRANSLATE_NOOP("starlife::StarEvolutionWindow", "Time in this phase")},
    {"Label11", "Text5", QT_TRANSLATE_NOOP("starlife::StarEvolutionWindow", "Mass (Sun = 1)")},
    {"Label12", "Text6", QT_TRANSLATE_NOOP("starlife::StarEvolutionWindow", "Core mass (Sun = 1)")},
    {"Label13", "Text7", QT_TRANSLATE_NOOP("starlife::StarEvolutionWindow", "Luminosity (Sun = 1)")},
    {"Label14", "Text8", QT_TRANSLATE_NOOP("starlife::StarEvolutionWindow", "Surface temperature (K)")},
    {"Label15", "Text9", QT_TRANSLATE_NOOP("starlife::StarEvolutionWindow", "Radius (Sun = 1)")},
    {"Label16", "Text10", QT_TRANSLATE_NOOP("starlife::StarEvolutionWindow", "Absolute magnitude")},
    {"Label17", "Text11", QT_TRANSLATE_NOOP("starlife::StarEvolutionWindow", "Turn-off mass (Sun = 1)")},
};

// The masses of the slider: 0.1 Msun at 0, 100 Msun at the end, to three
// significant digits, so that the box, the slider and a saved track agree.
double MassAt(int position)
{
    const double mass = std::pow(10.0, double(position) / 100 - 1);
    const double scale = std::pow(10.0, 2 - std::floor(std::log10(mass)));
    return std::clamp(std::round(mass * scale) / scale, evolution::kMinimumMass, evolution::kMaximumMass);
}

int MassPosition(double mass)
{
    return std::clamp(int(std::lround((std::log10(mass) + 1) * 100)), 0, kMassSteps);
}

QString MassText(double mass)
{
    return QLocale().toString(mass, 'g', 3);
}

// Nothing left of a star has neither luminosity nor temperature: it lies
// far off the diagram like the faintest remnants.
double Logarithm(double value)
{
    return value > 0 && std::isfinite(value) ? std::log10(value) : -30;
}

DiagramPoint PointOf(const evolution::StarState &state, bool joinsPrevious = true)
{
    return {Logarithm(state.temperature), Logarithm(state.luminosity), evolution::PhaseOf(state.type), joinsPrevious};
}

} // namespace

// A drawing the window keeps in an image and shows as it is. The diagram
// takes the keyboard focus and passes the keys that move the age on to the
// age slider.
class PictureView : public QWidget {
public:
    PictureView(QSlider *keysTo, QWidget *parent)
        : QWidget(parent)
        , m_keysTo(keysTo)
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
        if (keysTo)
            setFocusPolicy(Qt::StrongFocus);
    }
    void show(QImage image, const QString &description)
    {
        m_image = std::move(image);
        setAccessibleDescription(description);
        update();
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::black);
        painter.drawImage(0, 0, m_image);
        if (hasFocus()) {
            painter.setPen(QPen(QColor(255, 255, 255, 160), 1, Qt::DotLine));
            painter.drawRect(rect().adjusted(0, 0, -1, -1));
        }
    }
    void keyPressEvent(QKeyEvent *event) override
    {
        switch (event->key()) {
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
        case Qt::Key_Home:
        case Qt::Key_End:
            if (m_keysTo) {
                QCoreApplication::sendEvent(m_keysTo, event);
                return;
            }
            break;
        default:
            break;
        }
        QWidget::keyPressEvent(event);
    }
    void focusInEvent(QFocusEvent *event) override
    {
        QWidget::focusInEvent(event);
        update();
    }
    void focusOutEvent(QFocusEvent *event) override
    {
        QWidget::focusOutEvent(event);
        update();
    }

private:
    QSlider *m_keysTo;
    QImage m_image;
};

StarEvolutionWindow::StarEvolutionWindow(windows::DiagramLink &diagrams)
    : m_diagrams(diagrams)
{
    platform::SetUpWindow(this);
    setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint
        | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint);
    setWindowTitle(tr("Star Evolution"));
    m_texts = {tr("Surface temperature (K)"), tr("Luminosity (Sun = 1)"), tr("Absolute magnitude"), tr("Sun"), {}, {}};
    for (int i = 0; i < evolution::kPhaseCount; ++i)
        m_texts.legend[i] = ShortPhaseName(Phase(i));
    createControls();
    placeReadOuts();
    connectControls();
    platform::NameControlsForAccessibility(this);
    platform::FixSizeAndCentre(this, kClient);
    // The Sun today.
    showAgeNote();
    showStar(1, 4600);
}

StarEvolutionWindow::~StarEvolutionWindow() = default;

void StarEvolutionWindow::createControls()
{
    auto *massLabel = Place<QLabel>(this, "Label1", {8, 10, 168, 17}, tr("&Initial mass (Sun = 1):"));
    m_massBox = Place<QLineEdit>(this, "Text1", {178, 7, 58, 22});
    massLabel->setBuddy(m_massBox);
    m_massSlider = Place<QSlider>(this, "Slider1", {244, 6, 356, 22}, Qt::Horizontal);
    m_massSlider->setRange(0, kMassSteps);
    m_massSlider->setSingleStep(1);
    m_massSlider->setPageStep(10);
    m_massSlider->setTickPosition(QSlider::TicksBelow);
    m_massSlider->setTickInterval(100);
    m_massSlider->setAccessibleName(platform::SpokenCaption(massLabel->text()));
    // The slider's scale under its ticks; the handle's travel lies 5 pixels in from either end.
    const char *scaleNames[] = {"Label2", "Label3", "Label4", "Label5"};
    for (int i = 0; i < 4; ++i) {
        const int centre = 244 + 5 + (356 - 10) * i / 3;
        auto *mark = Place<QLabel>(this, scaleNames[i], {centre - 20, 29, 40, 14}, MassText(std::pow(10.0, i - 1)));
        mark->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    }

    m_lifeOption = Place<QRadioButton>(this, "Option1", {8, 46, 200, 20}, tr("One star's &life"));
    m_clusterOption = Place<QRadioButton>(this, "Option2", {214, 46, 386, 20}, tr("A star cluster (is&ochrone)"));
    m_lifeOption->setChecked(true);

    auto *ageLabel = Place<QLabel>(this, "Label6", {8, 583, 46, 17}, tr("&Age"));
    m_ageSlider = Place<QSlider>(this, "Slider2", {56, 579, 430, 24}, Qt::Horizontal);
    m_ageSlider->setRange(0, kAgeSteps);
    m_ageSlider->setSingleStep(1);
    m_ageSlider->setPageStep(50);
    ageLabel->setBuddy(m_ageSlider);
    m_ageSlider->setAccessibleName(platform::SpokenCaption(ageLabel->text()));
    m_diagram = Place<PictureView>(this, "Picture1", {8, 70, 592, 500}, m_ageSlider);
    m_diagram->setAccessibleName(tr("The star's life on the Hertzsprung-Russell diagram"));
    m_backdrop = DiagramBackdrop(m_diagram->size(), m_texts);
    m_playButton = Place<QPushButton>(this, "Command1", {494, 576, 106, 30}, tr("&Play"));
    m_playButton->setAutoDefault(false);
    m_ageNote = Place<QLabel>(this, "Label7", {8, 610, 592, 34});
    m_ageNote->setWordWrap(true);
    m_ageNote->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto *readOuts = Place<QGroupBox>(this, "Frame1", {612, 2, 370, 258}, tr("The star now"));
    for (const ReadOutDesign &row : kReadOuts) {
        auto *label = Place<QLabel>(readOuts, row.label, {}, tr(row.caption));
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        auto *box = Place<QLineEdit>(readOuts, row.box, {});
        box->setReadOnly(true);
        QPalette palette = box->palette();
        palette.setColor(QPalette::Base, palette.color(QPalette::Button));
        box->setPalette(palette);
        m_readOuts.push_back(box);
    }
    m_turnOffLabel = readOuts->findChild<QLabel *>(QString::fromLatin1(kReadOuts[TurnOffRow].label));
    m_magnitudeNote = Place<QLabel>(readOuts, "Label18", {8, 226, 354, 28},
        tr("— : no magnitude; the diagrams show no star below %1 times the Sun's luminosity.")
            .arg(Quantity(evolution::FaintestDiagramLuminosity(), 2)));
    m_magnitudeNote->setWordWrap(true);
    m_magnitudeNote->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    m_besideSun = Place<PictureView>(this, "Picture2", {612, 266, 370, 116}, static_cast<QSlider *>(nullptr));
    m_besideSun->setAccessibleName(tr("The star beside the Sun"));

    auto *phases = Place<QGroupBox>(this, "Frame2", {612, 386, 370, 184}, tr("Phases of its life"));
    m_phaseTable = Place<QTableWidget>(phases, "Grid1", {8, 18, 354, 158}, 0, 3);
    m_phaseTable->setHorizontalHeaderLabels({tr("Phase"), tr("Begins at"), tr("Lasts")});
    m_phaseTable->verticalHeader()->hide();
    m_phaseTable->verticalHeader()->setDefaultSectionSize(18);
    // The ages take the room they need; a long phase name gives way (its
    // tool tip says it in full).
    m_phaseTable->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_phaseTable->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    m_phaseTable->horizontalHeader()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
    m_phaseTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_phaseTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_phaseTable->setSelectionMode(QAbstractItemView::SingleSelection);
    m_phaseTable->setTabKeyNavigation(false);
    m_phaseTable->setAccessibleName(platform::SpokenCaption(phases->title()));
    m_phaseTable->horizontalHeader()->setAccessibleName(
        QStringLiteral("%1, %2, %3").arg(tr("Phase"), tr("Begins at"), tr("Lasts")));

    m_showButton = Place<QPushButton>(this, "Command2", {612, 578, 182, 30}, tr("Show on the &diagrams"));
    m_saveButton = Place<QPushButton>(this, "Command3", {800, 578, 182, 30}, tr("&Save as CSV..."));
    m_helpButton = Place<QPushButton>(this, "Command4", {612, 614, 182, 30}, tr("&Help"));
    m_closeButton = Place<QPushButton>(this, "Command5", {800, 614, 182, 30}, tr("&Close"));
    for (QPushButton *button : {m_showButton, m_saveButton, m_helpButton, m_closeButton})
        button->setAutoDefault(false);
    m_showButton->setToolTip(tr("Plot the star as it is now on the general and the main-sequence diagram"));
    m_saveButton->setToolTip(tr("Save the track, or the isochrone, as a CSV file for a spreadsheet"));

    m_player = new QTimer(this);
    m_player->setObjectName(QStringLiteral("Timer1"));
    m_player->setInterval(kFrameMilliseconds);

    QWidget *order[] = {m_massBox, m_massSlider, m_lifeOption, m_clusterOption, m_diagram, m_ageSlider, m_playButton};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
    QWidget *previous = m_playButton;
    for (QLineEdit *box : m_readOuts) {
        setTabOrder(previous, box);
        previous = box;
    }
    for (QWidget *next : {static_cast<QWidget *>(m_phaseTable), static_cast<QWidget *>(m_showButton),
             static_cast<QWidget *>(m_saveButton), static_cast<QWidget *>(m_helpButton),
             static_cast<QWidget *>(m_closeButton)}) {
        setTabOrder(previous, next);
        previous = next;
    }
}

void StarEvolutionWindow::placeReadOuts()
{
    // One row every 21 pixels; the phase's name takes the whole width after
    // its short caption, the numbers their column.
    constexpr int top = 18, step = 21, labelLeft = 8, boxLeft = 200, right = 362, height = 20;
    for (int row = 0; row < kRows; ++row) {
        QLineEdit *box = m_readOuts[row];
        auto *label = box->parentWidget()->findChild<QLabel *>(QString::fromLatin1(kReadOuts[row].label));
        const int y = top + row * step;
        if (row == PhaseRow) {
            const int captionWidth = label->sizeHint().width() + 2;
            label->setGeometry(labelLeft, y, captionWidth, height);
            box->setGeometry(labelLeft + captionWidth + 6, y, right - labelLeft - captionWidth - 6, height);
        } else {
            label->setGeometry(labelLeft, y, boxLeft - labelLeft - 4, height);
            box->setGeometry(boxLeft, y, right - boxLeft, height);
        }
    }
}

void StarEvolutionWindow::connectControls()
{
    connect(m_massBox, &QLineEdit::editingFinished, this, &StarEvolutionWindow::massTyped);
    connect(m_massSlider, &QSlider::valueChanged, this, &StarEvolutionWindow::massSlid);
    connect(m_ageSlider, &QSlider::valueChanged, this, &StarEvolutionWindow::ageSlid);
    connect(m_clusterOption, &QRadioButton::toggled, this, &StarEvolutionWindow::showCluster);
    connect(m_playButton, &QPushButton::clicked, this, &StarEvolutionWindow::playOrPause);
    connect(m_player, &QTimer::timeout, this, &StarEvolutionWindow::nextFrame);
    connect(m_showButton, &QPushButton::clicked, this, &StarEvolutionWindow::showOnDiagrams);
    connect(m_saveButton, &QPushButton::clicked, this, &StarEvolutionWindow::saveCsv);
    connect(m_helpButton, &QPushButton::clicked, this, [this] { windows::OpenHelp(this); });
    connect(m_closeButton, &QPushButton::clicked, this, [this] { windows::Registry().unload(this); });
}

void StarEvolutionWindow::showStar(double initialMass, double age)
{
    chooseMass(std::clamp(initialMass, evolution::kMinimumMass, evolution::kMaximumMass));
    m_massText = MassText(m_mass);
    m_massBox->setText(m_massText);
    m_age = std::clamp(age, 0.0, evolution::kTrackEnd);
    setAgeSliderQuietly(m_cluster ? ClusterPositionOf(m_age) : m_scale->PositionOf(m_age));
    showCurrentStar();
}

void StarEvolutionWindow::showCluster(bool cluster)
{
    if (cluster != m_clusterOption->isChecked()) {
        // From the code: the options follow, and their signal comes back here.
        (cluster ? m_clusterOption : m_lifeOption)->setChecked(true);
        return;
    }
    m_cluster = cluster;
    if (m_cluster)
        prepareIsochrones();
    showAgeNote();
    setAgeSliderQuietly(m_cluster ? ClusterPositionOf(m_age) : m_scale->PositionOf(m_age));
    showCurrentStar();
}

void StarEvolutionWindow::showAgeNote()
{
    m_ageNote->setText(m_cluster
            ? tr("The slider runs over the ages of a star cluster from 1 million to 15 billion years, each factor "
                 "of ten taking the same room.")
            : tr("Each phase of the star's life has its own stretch of the slider, however short it is; the "
                 "read-outs give the true age."));
}

void StarEvolutionWindow::prepareIsochrones()
{
    // A tenth of a second, once: the tracks of every mass of the grid.
    if (!m_grid)
        m_grid = std::make_unique<evolution::IsochroneGrid>();
}

void StarEvolutionWindow::massTyped()
{
    const QString typed = m_massBox->text();
    if (typed == m_massText)
        return;
    const model::TypedNumber number = platform::ReadUserNumber(typed);
    // The box shows the star that is shown until a mass is accepted; the
    // message quotes what was typed.
    m_massBox->setText(m_massText);
    if (!number.value || !(*number.value >= evolution::kMinimumMass && *number.value <= evolution::kMaximumMass)) {
        windows::MsgBox(this,
            tr("The initial mass \"%1\" cannot be used. Please type a number from %2 to %3 (solar masses), for "
               "example %4.")
                .arg(typed.trimmed(), MassText(evolution::kMinimumMass), MassText(evolution::kMaximumMass),
                    MassText(1.5)),
            platform::Buttons::Ok, platform::Icon::Exclamation);
        m_massBox->setFocus();
        m_massBox->selectAll();
        return;
    }
    m_massText = typed.trimmed();
    m_massBox->setText(m_massText);
    chooseMass(*number.value);
    m_sliding = true;
    m_massSlider->setValue(MassPosition(m_mass));
    m_sliding = false;
    showCurrentStar();
}

void StarEvolutionWindow::massSlid(int position)
{
    if (m_sliding)
        return;
    chooseMass(MassAt(position));
    m_massText = MassText(m_mass);
    m_massBox->setText(m_massText);
    showCurrentStar();
}

void StarEvolutionWindow::chooseMass(double mass)
{
    // A star's life keeps its place on the slider (the same stage of the new
    // star's life); a cluster keeps its age.
    const double position = m_scale ? double(m_ageSlider->value()) / kAgeSteps : 0;
    m_mass = mass;
    m_track = evolution::EvolveTrack(mass);
    m_scale.emplace(m_track);
    m_phases = evolution::PhaseTable(m_track);
    m_trackCurve.clear();
    m_trackCurve.reserve(m_track.points.size());
    for (const evolution::StarState &point : m_track.points)
        m_trackCurve.push_back(PointOf(point));
    if (!m_cluster)
        m_age = m_scale->AgeAt(position);
    m_sliding = true;
    m_massSlider->setValue(MassPosition(mass));
    m_sliding = false;
    showPhaseTable();
}

void StarEvolutionWindow::setAgeSliderQuietly(double position)
{
    m_sliding = true;
    m_ageSlider->setValue(int(std::lround(position * kAgeSteps)));
    m_sliding = false;
}

void StarEvolutionWindow::ageSlid(int position)
{
    if (m_sliding)
        return;
    const double at = double(position) / kAgeSteps;
    m_age = m_cluster ? ClusterAgeAt(at) : m_scale->AgeAt(at);
    showCurrentStar();
}

void StarEvolutionWindow::playOrPause()
{
    if (m_player->isActive()) {
        stopPlaying();
        return;
    }
    if (m_ageSlider->value() >= kAgeSteps)
        m_ageSlider->setValue(0);
    m_playButton->setText(tr("&Pause"));
    m_player->start();
}

void StarEvolutionWindow::nextFrame()
{
    if (m_ageSlider->value() >= kAgeSteps) {
        stopPlaying();
        return;
    }
    m_ageSlider->setValue(m_ageSlider->value() + 1);
}

void StarEvolutionWindow::stopPlaying()
{
    m_player->stop();
    m_playButton->setText(tr("&Play"));
}

void StarEvolutionWindow::hideEvent(QHideEvent *event)
{
    stopPlaying();
    QWidget::hideEvent(event);
}

void StarEvolutionWindow::showPhaseTable()
{
    m_phaseTable->setRowCount(int(m_phases.size()));
    for (int row = 0; row < int(m_phases.size()); ++row) {
        const evolution::PhaseSpan &span = m_phases[std::size_t(row)];
        QPixmap swatch(10, 10);
        swatch.fill(PhaseColour(span.phase));
        auto *name = new QTableWidgetItem(QIcon(swatch), ShortPhaseName(span.phase));
        name->setToolTip(PhaseName(span.phase));
        m_phaseTable->setItem(row, 0, name);
        m_phaseTable->setItem(row, 1, new QTableWidgetItem(ShortAgeText(span.start)));
        const QString lasts = span.continuesAfterTrack ? tr("more than %1").arg(ShortAgeText(span.duration))
                                                       : ShortAgeText(span.duration);
        m_phaseTable->setItem(row, 2, new QTableWidgetItem(lasts));
    }
}

void StarEvolutionWindow::showCurrentStar()
{
    m_star = evolution::StateAt(m_track, m_age);
    const Phase phase = evolution::PhaseOf(m_star.type);
    const std::optional<double> magnitude = evolution::DiagramMagnitude(m_star.luminosity);

    // The phase it is in, and since when.
    int current = 0;
    for (int i = 0; i < int(m_phases.size()); ++i)
        if (m_phases[std::size_t(i)].start <= m_age && m_phases[std::size_t(i)].phase == phase)
            current = i;
    const double phaseStart = m_phases.empty() ? 0 : m_phases[std::size_t(current)].start;
    m_phaseTable->selectRow(current);

    std::optional<double> turnOff;
    if (m_cluster && m_grid) {
        m_isochrone = m_grid->At(m_age);
        turnOff = m_isochrone.turnOffMass;
    }
    const QString shown[kRows] = {PhaseName(phase), AgeText(m_age), AgeText(m_age - phaseStart), Quantity(m_star.mass),
        m_star.coreMass > 0 ? Quantity(m_star.coreMass) : QLocale().toString(0), Quantity(m_star.luminosity),
        Kelvin(m_star.temperature), Quantity(m_star.radius), Magnitude(magnitude),
        turnOff ? Quantity(*turnOff) : QStringLiteral("—")};
    for (int row = 0; row < kRows; ++row) {
        m_readOuts[std::size_t(row)]->setText(shown[row]);
        m_readOuts[std::size_t(row)]->setCursorPosition(0);
    }
    m_turnOffLabel->setVisible(m_cluster);
    m_readOuts[TurnOffRow]->setVisible(m_cluster);
    m_magnitudeNote->setVisible(!magnitude);

    // The diagram: the star's track, or the cluster's isochrone.
    LifeDiagram diagram;
    diagram.star = PointOf(m_star);
    if (m_cluster) {
        diagram.curve.reserve(m_isochrone.points.size());
        for (const evolution::IsochronePoint &point : m_isochrone.points)
            diagram.curve.push_back(PointOf(point.state, point.joinsPrevious));
        if (m_isochrone.turnOffIndex) {
            diagram.turnOff = PointOf(m_isochrone.points[*m_isochrone.turnOffIndex].state);
            m_texts.turnOff = tr("turn-off: %1 solar masses").arg(Quantity(*turnOff));
        }
    } else {
        diagram.curve = m_trackCurve;
    }
    m_diagram->show(RenderLifeDiagram(m_backdrop, m_texts, diagram),
        DiagramDescription({phase, m_age, m_star.luminosity, m_star.temperature, m_star.radius}, turnOff, m_cluster));

    // The star beside the Sun, by the relative size rules: a star fainter
    // than the diagrams' floor has no magnitude and counts as their faintest;
    // where nothing is left of it, nothing is drawn beside the Sun.
    const bool something = std::isfinite(m_star.temperature) && std::isfinite(m_star.radius);
    const auto appearance
        = relsize::ClassifyStar(something ? std::min(m_star.temperature, kHottestColour) : kHottestColour,
            magnitude.value_or(std::numeric_limits<double>::infinity()), model::DiagramKind::General);
    if (appearance) {
        const double radius = something ? m_star.radius : 0;
        const DrawnStarBesideSun drawn = RenderStarBesideSun(m_besideSun->size(), {*appearance, radius},
            {tr("Sun"), tr("Star"), tr("The Sun is too small to see at this scale."),
                tr("The star is too small to see at this scale.")});
        relsize::StarAppearance scaled = *appearance;
        scaled.divisor = std::round(drawn.divisor);
        QString description = relsize::DrawingDescription(scaled, radius);
        if (!drawn.sunVisible)
            description += QStringLiteral(". ") + tr("The Sun is too small to see at this scale.");
        m_besideSun->show(drawn.image, description);
    }
}

void StarEvolutionWindow::showOnDiagrams()
{
    const std::optional<double> magnitude = evolution::DiagramMagnitude(m_star.luminosity);
    if (!magnitude) {
        windows::MsgBox(this,
            tr("The star (%1) is too faint to be shown on the diagrams: it gives out %2 times the Sun's light, and "
               "the diagrams give an absolute magnitude only to stars of more than %3 times the Sun's luminosity.")
                .arg(PhaseName(evolution::PhaseOf(m_star.type)), Quantity(m_star.luminosity, 2),
                    Quantity(evolution::FaintestDiagramLuminosity(), 2)),
            platform::Buttons::Ok, platform::Icon::Exclamation);
        return;
    }
    stopPlaying();
    m_diagrams.showGeneralDiagram();
    m_diagrams.plotOnBoth({m_star.temperature, *magnitude});
}

void StarEvolutionWindow::saveCsv()
{
    stopPlaying();
    const std::string csv = m_cluster ? evolution::IsochroneCsv(m_isochrone) : evolution::TrackCsv(m_track);
    windows::SaveInProgramFolder(this, tr(" CSV files(*.csv)|*.csv|All files(*.*)|*.*"), 1,
        [&csv](const QString &path) { return platform::WriteWholeFile(path, QByteArray::fromStdString(csv)); });
}

} // namespace starlife
