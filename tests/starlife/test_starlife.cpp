// The star evolution window: its read-outs through a Sun-like life in a comma
// locale against the published reference track, the star handed to both
// diagrams (or refused), the CSV it saves, the cluster's turn-off, a typed
// mass and the keys; and below it the slider's scale of a life and the two
// drawings, rendered offscreen.
#include "app/window_composition.h"
#include "diagram/general_diagram_window.h"
#include "diagram/main_sequence_window.h"
#include "evolution/command_line.h"
#include "evolution/diagram_magnitude.h"
#include "evolution/phases.h"
#include "platform/program_folder.h"
#include "starlife/life_pictures.h"
#include "starlife/life_scale.h"
#include "starlife/star_evolution_window.h"
#include "tests/support/pixel_check.h"
#include "tests/support/window_test.h"
#include "windows/window_registry.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTest>

#include <cmath>

using windows::Registry;

namespace {

starlife::StarEvolutionWindow *Open(double mass, double age, bool cluster = false)
{
    auto *window = Registry().show<starlife::StarEvolutionWindow>();
    window->showCluster(cluster);
    window->showStar(mass, age);
    return window;
}

// A read-out as a number, read the way the user's locale writes it.
double Shown(const QWidget *window, const char *box)
{
    bool ok = false;
    const double value = QLocale().toDouble(Texts(window, {box}).front(), &ok);
    return ok ? value : NAN;
}

QByteArray Contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// What the command line prints for these arguments.
QByteArray CommandLineCsv(const char *option, const char *value)
{
    return QByteArray::fromStdString(
        evolution::RunCommand(evolution::ParseCommandLine({option, value})).standardOutput);
}

QStringList MessageTexts(const platform::ScriptedDesktop &desktop)
{
    QStringList texts;
    for (const platform::MessageRequest &message : desktop.messages)
        texts << message.text;
    return texts;
}

} // namespace

class TestStarLife : public WindowTest {
    Q_OBJECT
private slots:
    void initTestCase();

    // The window
    void readOutsThroughASunLikeLife_data();
    void readOutsThroughASunLikeLife();
    void starGoesToBothDiagrams_data();
    void starGoesToBothDiagrams();
    void savesWhatTheCommandLinePrints_data();
    void savesWhatTheCommandLinePrints();
    void turnOffMovesWithTheClusterAge_data();
    void turnOffMovesWithTheClusterAge();
    void typedMass_data();
    void typedMass();
    void keysMoveTheAge();

    // Below it
    void everyPhaseGetsRoomOnTheSlider_data();
    void everyPhaseGetsRoomOnTheSlider();
    void diagramMarksTheStarAndTheSun();
    void starBesideTheSun_data();
    void starBesideTheSun();
};

void TestStarLife::initTestCase()
{
    WindowTest::initTestCase();
    app::RegisterWindows();
}

void TestStarLife::readOutsThroughASunLikeLife_data()
{
    // Rows of the 1 Msun reference track (tests/evolution/reference/
    // sse_z0.02_m1.0.tsv): t_Myr, Mt, log10_L, log10_R, log10_Teff, Mc.
    QTest::addColumn<double>("age");
    QTest::addColumn<QString>("phase");
    QTest::addColumn<QString>("ageText");
    QTest::addColumn<double>("mass");
    QTest::addColumn<double>("coreMass");
    QTest::addColumn<double>("logL");
    QTest::addColumn<double>("logR");
    QTest::addColumn<double>("logTeff");
    QTest::newRow("main sequence") << 2200.6260 << "main-sequence star"
                                   << "2,201 billion years" << 1.0 << 0.0 << -0.0997 << -0.0329 << 3.7548;
    QTest::newRow("subgiant") << 11118.9658 << "subgiant"
                              << "11,12 billion years" << 0.9999 << 0.1186 << 0.3410 << 0.2370 << 3.7300;
    QTest::newRow("red giant") << 11612.1719 << "red giant"
                               << "11,61 billion years" << 0.9995 << 0.1497 << 0.4211 << 0.3535 << 3.6918;
    QTest::newRow("helium burning") << 12331.5811 << "helium-burning star"
                                    << "12,33 billion years" << 0.7625 << 0.4789 << 1.7060 << 1.0198 << 3.6798;
    QTest::newRow("asymptotic giant branch") << 12459.0742 << "asymptotic-giant-branch star"
                                             << "12,46 billion years" << 0.7243 << 0.5116 << 2.2141 << 1.4056 << 3.6140;
    QTest::newRow("young white dwarf") << 12463.5361 << "white dwarf"
                                       << "12,46 billion years" << 0.5196 << 0.5196 << 1.2723 << -1.8562 << 5.0094;
    QTest::newRow("cool white dwarf") << 12574.6357 << "white dwarf"
                                      << "12,57 billion years" << 0.5196 << 0.5196 << -2.3221 << -1.8562 << 4.1108;
}

void TestStarLife::readOutsThroughASunLikeLife()
{
    // In a German session the numbers carry a decimal comma; each agrees with
    // the reference to the model's tolerance and the read-out's digits.
    QFETCH(double, age);
    QFETCH(QString, phase);
    QFETCH(QString, ageText);
    QFETCH(double, mass);
    QFETCH(double, coreMass);
    QFETCH(double, logL);
    QFETCH(double, logR);
    QFETCH(double, logTeff);
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const auto *window = Open(1, age);
    QCOMPARE(Texts(window, {"Text2", "Text3"}), (QStringList {phase, ageText}));
    const auto near = [](double shown, double expected) { return std::fabs(shown - expected) <= 0.01 * expected; };
    QVERIFY2(near(Shown(window, "Text5"), mass), qPrintable(Texts(window, {"Text5"}).front()));
    QVERIFY2(near(Shown(window, "Text6"), coreMass), qPrintable(Texts(window, {"Text6"}).front()));
    QVERIFY2(near(Shown(window, "Text7"), std::pow(10, logL)), qPrintable(Texts(window, {"Text7"}).front()));
    QVERIFY2(near(Shown(window, "Text8"), std::pow(10, logTeff)), qPrintable(Texts(window, {"Text8"}).front()));
    QVERIFY2(near(Shown(window, "Text9"), std::pow(10, logR)), qPrintable(Texts(window, {"Text9"}).front()));
    // The magnitude the diagrams would read, or a dash below their floor.
    const auto magnitude = evolution::DiagramMagnitude(std::pow(10, logL));
    const QString shownMagnitude = Texts(window, {"Text10"}).front();
    if (magnitude)
        QVERIFY2(std::fabs(Shown(window, "Text10") - *magnitude) < 0.02, qPrintable(shownMagnitude));
    else
        QCOMPARE(shownMagnitude, QStringLiteral("—"));
    QCOMPARE(Control<QWidget>(window, "Label18")->isVisibleTo(window), !magnitude);
}

void TestStarLife::starGoesToBothDiagrams_data()
{
    QTest::addColumn<double>("mass");
    QTest::addColumn<double>("age");
    QTest::addColumn<bool>("plotted");
    QTest::newRow("the Sun today") << 1.0 << 4600.0 << true;
    QTest::newRow("a red giant") << 1.0 << 12200.0 << true;
    QTest::newRow("a red supergiant") << 20.0 << 9.5 << true;
    QTest::newRow("a cool white dwarf, too faint") << 1.0 << 13000.0 << false;
    QTest::newRow("a neutron star, too faint") << 20.0 << 100.0 << false;
}

void TestStarLife::starGoesToBothDiagrams()
{
    // The diagrams read the star with their own calibration: its temperature
    // is the model's, and their magnitude-luminosity relation gives back the
    // model's luminosity.
    QFETCH(double, mass);
    QFETCH(double, age);
    QFETCH(bool, plotted);
    auto *window = Open(mass, age);
    const evolution::StarState star = evolution::StateAt(evolution::EvolveTrack(mass), age);
    Control<QPushButton>(window, "Command2")->click();
    if (!plotted) {
        QCOMPARE(m_desktop.messages.size(), 1);
        QVERIFY2(m_desktop.messages.front().text.contains(QStringLiteral("too faint")),
            qPrintable(m_desktop.messages.front().text));
        QVERIFY(!Registry().loaded<diagram::GeneralDiagramWindow>());
        return;
    }
    QVERIFY2(m_desktop.messages.isEmpty(), qPrintable(MessageTexts(m_desktop).join('\n')));
    auto *general = Registry().loaded<diagram::GeneralDiagramWindow>();
    auto *mainSequence = Registry().loaded<diagram::MainSequenceWindow>();
    QVERIFY(general && general->isVisible() && mainSequence);
    for (const diagram::DiagramWindow *diagram :
        {static_cast<diagram::DiagramWindow *>(general), static_cast<diagram::DiagramWindow *>(mainSequence)}) {
        QVERIFY(diagram->selectedStar());
        const model::StarPoint &point = diagram->selectedStar()->point;
        QCOMPARE(point.Temperature, star.temperature);
        QVERIFY2(std::fabs(point.Luminosity / star.luminosity - 1) < 1e-12,
            qPrintable(QStringLiteral("%1 against %2").arg(point.Luminosity).arg(star.luminosity)));
    }
}

void TestStarLife::savesWhatTheCommandLinePrints_data()
{
    QTest::addColumn<bool>("cluster");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<int>("messages");
    QTest::addColumn<bool>("written");
    QTest::newRow("the track") << false << QStringList {"life.csv"} << 0 << true;
    QTest::newRow("the isochrone") << true << QStringList {"life.csv"} << 0 << true;
    QTest::newRow("the catalogue refused, then another name")
        << false << QStringList {"stars.vlt", "life.csv"} << 1 << true;
    QTest::newRow("a folder that is not there") << false << QStringList {"no/such/folder/life.csv"} << 1 << false;
}

void TestStarLife::savesWhatTheCommandLinePrints()
{
    QFETCH(bool, cluster);
    QFETCH(QStringList, names);
    QFETCH(int, messages);
    QFETCH(bool, written);
    useShippedCatalogue();
    const QString catalogue = m_dir->filePath(QString::fromLatin1(platform::kCatalogueFile));
    const QByteArray before = Contents(catalogue);
    auto *window = Open(1, 4600, cluster);
    for (const QString &name : names)
        m_desktop.fileNames.enqueue(name);
    Control<QPushButton>(window, "Command3")->click();
    QCOMPARE(m_desktop.messages.size(), messages);
    QCOMPARE(Contents(catalogue), before);
    const QString path = m_dir->filePath(names.back());
    QCOMPARE(QFile::exists(path), written);
    if (written)
        QCOMPARE(Contents(path), cluster ? CommandLineCsv("--isochrone", "4600") : CommandLineCsv("--track", "1"));
    else
        QVERIFY2(m_desktop.messages.front().text.contains(QDir::toNativeSeparators(path)),
            qPrintable(m_desktop.messages.front().text));
}

void TestStarLife::turnOffMovesWithTheClusterAge_data()
{
    // At the end of a star's main sequence (tests/evolution/reference/
    // phase_changes.txt) the cluster's turn-off has come down to its mass.
    QTest::addColumn<double>("age");
    QTest::addColumn<double>("turnOff");
    QTest::newRow("104.0 Myr") << 104.0 << 5.0;
    QTest::newRow("1164.2 Myr") << 1164.2 << 2.0;
    QTest::newRow("11003.1 Myr") << 11003.1 << 1.0;
}

void TestStarLife::turnOffMovesWithTheClusterAge()
{
    QFETCH(double, age);
    QFETCH(double, turnOff);
    const auto *window = Open(1, age, true);
    QVERIFY(Control<QLineEdit>(window, "Text11")->isVisibleTo(window));
    QVERIFY2(
        std::fabs(Shown(window, "Text11") - turnOff) < 0.02 * turnOff, qPrintable(Texts(window, {"Text11"}).front()));
    QVERIFY(Control<QWidget>(window, "Picture1")->accessibleDescription().contains(QStringLiteral("turn-off")));
}

void TestStarLife::typedMass_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<int>("sliderAt");
    QTest::newRow("a comma") << "1,5" << true << 118;
    QTest::newRow("the lowest") << "0,1" << true << 0;
    QTest::newRow("the highest") << " 100 " << true << 300;
    QTest::newRow("not a number") << "one" << false << 100;
    QTest::newRow("a point, in a comma locale") << "1.5" << false << 100;
    QTest::newRow("too small") << "0,05" << false << 100;
    QTest::newRow("too large") << "150" << false << 100;
}

void TestStarLife::typedMass()
{
    QFETCH(QString, typed);
    QFETCH(bool, accepted);
    QFETCH(int, sliderAt);
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    auto *window = Open(1, 4600);
    auto *box = Control<QLineEdit>(window, "Text1");
    box->setText(typed);
    emit box->editingFinished();
    QCOMPARE(Control<QSlider>(window, "Slider1")->value(), sliderAt);
    if (accepted) {
        QVERIFY(m_desktop.messages.isEmpty());
        QCOMPARE(box->text(), typed.trimmed());
        return;
    }
    QCOMPARE(m_desktop.messages.size(), 1);
    QVERIFY2(m_desktop.messages.front().text.contains(QLatin1Char('"') + typed.trimmed() + QLatin1Char('"'))
            && m_desktop.messages.front().text.contains(QStringLiteral("from 0,1 to 100")),
        qPrintable(m_desktop.messages.front().text));
    QCOMPARE(box->text(), QStringLiteral("1")); // the star shown stays
}

void TestStarLife::keysMoveTheAge()
{
    auto *window = Open(1, 4600);
    auto *slider = Control<QSlider>(window, "Slider2");
    const int before = slider->value();
    const QString age = Texts(window, {"Text3"}).front();
    // From the diagram as from the slider itself.
    QTest::keyClick(Control<QWidget>(window, "Picture1"), Qt::Key_Right);
    QCOMPARE(slider->value(), before + 1);
    QVERIFY(Texts(window, {"Text3"}).front() != age);
    QTest::keyClick(slider, Qt::Key_End);
    QCOMPARE(slider->value(), slider->maximum());
    QCOMPARE(Texts(window, {"Text3"}).front(), QStringLiteral("15.00 billion years"));
}

void TestStarLife::everyPhaseGetsRoomOnTheSlider_data()
{
    QTest::addColumn<double>("mass");
    for (const double mass : {0.5, 1.0, 2.0, 20.0, 100.0})
        QTest::newRow(qPrintable(QStringLiteral("%1 Msun").arg(mass))) << mass;
}

void TestStarLife::everyPhaseGetsRoomOnTheSlider()
{
    // However short a phase, the slider gives it at least half an equal share
    // (and the animation as long); positions and ages go both ways.
    QFETCH(double, mass);
    const evolution::Track track = evolution::EvolveTrack(mass);
    const starlife::LifeScale scale(track);
    const std::vector<evolution::PhaseSpan> phases = evolution::PhaseTable(track);
    const auto lasting
        = std::count_if(phases.begin(), phases.end(), [](const evolution::PhaseSpan &p) { return p.duration > 0; });
    for (const evolution::PhaseSpan &phase : phases) {
        if (!(phase.duration > 0))
            continue;
        const double room = scale.PositionOf(phase.start + phase.duration) - scale.PositionOf(phase.start);
        QVERIFY2(room >= 0.5 / double(lasting) - 1e-9,
            qPrintable(QStringLiteral("%1 gets %2 of the slider").arg(evolution::PhaseLabel(phase.phase)).arg(room)));
    }
    QCOMPARE(scale.AgeAt(0), 0.0);
    QCOMPARE(scale.AgeAt(1), track.points.back().time);
    for (const evolution::StarState &point : track.points)
        QVERIFY(std::fabs(scale.AgeAt(scale.PositionOf(point.time)) - point.time) <= 1e-9 * (1 + point.time));
}

void TestStarLife::diagramMarksTheStarAndTheSun()
{
    // A track along the main sequence, the star at its top, a neutron star
    // below the diagram: the curve in its phase's colour, the Sun's ring, the
    // star's white ring, and an arrow at the bottom edge.
    const QSize size(592, 500);
    starlife::DiagramTexts texts {
        QStringLiteral("T"), QStringLiteral("L"), QStringLiteral("M"), QStringLiteral("Sun"), {}, {}};
    const QImage backdrop = starlife::DiagramBackdrop(size, texts);
    const starlife::DiagramFrame frame(size);
    starlife::LifeDiagram diagram;
    diagram.curve = {{4.0, -4.0, evolution::Phase::MainSequence}, {4.0, 4.0, evolution::Phase::MainSequence}};
    diagram.star = starlife::DiagramPoint {3.9, 2.0, evolution::Phase::RedGiant};
    QImage image = starlife::RenderLifeDiagram(backdrop, texts, diagram);
    const QPointF curve = frame.at(4.0, 0), star = frame.at(3.9, 2.0);
    const QPointF sun = frame.at(std::log10(5772.0), 0);
    QCOMPARE_PIXEL(image, int(curve.x()), int(curve.y()), starlife::PhaseColour(evolution::Phase::MainSequence));
    QCOMPARE_PIXEL(image, int(std::lround(star.x())) + 7, int(std::lround(star.y())), QColor(Qt::white));
    // The Sun's thin ring is smoothed: some pixels of it come near its yellow.
    int yellow = 0;
    for (int y = int(sun.y()) - 6; y <= int(sun.y()) + 6; ++y)
        for (int x = int(sun.x()) - 6; x <= int(sun.x()) + 6; ++x) {
            const QColor c = image.pixelColor(x, y);
            yellow += c.red() > 200 && c.green() > 200 && c.blue() < 80;
        }
    QVERIFY2(yellow >= 8, qPrintable(QStringLiteral("%1 yellow pixels round the Sun").arg(yellow)));

    diagram.star = starlife::DiagramPoint {4.5, -9.0, evolution::Phase::NeutronStar};
    image = starlife::RenderLifeDiagram(backdrop, texts, diagram);
    const QPointF edge = frame.at(4.5, starlife::kFaintest);
    // The ring stands inside the bottom edge, the arrow's tip just above it.
    QCOMPARE_PIXEL(image, int(std::lround(edge.x())) + 7, int(std::lround(edge.y())) - 9, QColor(Qt::white));
    QCOMPARE_PIXEL(image, int(std::lround(edge.x())), int(std::lround(edge.y())) + 4, QColor(Qt::white));
}

void TestStarLife::starBesideTheSun_data()
{
    QTest::addColumn<double>("temperature");
    QTest::addColumn<double>("magnitude");
    QTest::addColumn<double>("radius");
    QTest::addColumn<bool>("sunVisible");
    QTest::addColumn<bool>("starVisible");
    QTest::addColumn<double>("divisor");
    // The rules' scale where the star fits; a giant shrinks it until its
    // radius is the room of 47 pixels a drawing 100 pixels high leaves.
    QTest::newRow("the Sun") << 5772.0 << 4.83 << 1.0 << true << true << 15.0;
    QTest::newRow("a red giant dwarfs the Sun") << 4000.0 << -2.0 << 30.0 << true << true << 30.0 * 100 / 47;
    QTest::newRow("a supergiant, the Sun too small") << 3500.0 << -8.0 << 1000.0 << false << true << 1000.0 * 100 / 47;
    QTest::newRow("a white dwarf, too small") << 20000.0 << 11.0 << 0.013 << true << false << 3.0;
}

void TestStarLife::starBesideTheSun()
{
    QFETCH(double, temperature);
    QFETCH(double, magnitude);
    QFETCH(double, radius);
    QFETCH(bool, sunVisible);
    QFETCH(bool, starVisible);
    QFETCH(double, divisor);
    const auto appearance = relsize::ClassifyStar(temperature, magnitude, model::DiagramKind::General);
    QVERIFY(appearance);
    const QSize size(370, 116);
    const starlife::DrawnStarBesideSun drawn = starlife::RenderStarBesideSun(size, {*appearance, radius},
        {QStringLiteral("Sun"), QStringLiteral("Star"), QStringLiteral("no Sun"), QStringLiteral("no star")});
    QCOMPARE(drawn.sunVisible, sunVisible);
    QCOMPARE(drawn.starVisible, starVisible);
    QVERIFY2(std::fabs(drawn.divisor / divisor - 1) < 1e-9, qPrintable(QString::number(drawn.divisor)));
    // Both stand on the drawing's middle line (16 pixels of captions below it).
    const int middle = (size.height() - 16) / 2;
    const QColor starColour(appearance->red, appearance->green, appearance->blue);
    if (starVisible)
        QCOMPARE_PIXEL(drawn.image, size.width() * 2 / 3, middle, starColour);
    if (sunVisible)
        QCOMPARE_PIXEL(drawn.image, size.width() / 6, middle, QColor(251, 251, 0));
}

QTEST_MAIN(TestStarLife)
#include "test_starlife.moc"
