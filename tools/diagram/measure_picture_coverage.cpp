// Measures on screen how well the diagram pictures cover real stars that are
// not in their table: the program's two diagram windows are shown on a real
// X display (run under xvfb-run at 24-bit depth), the pictures are read back
// from the screen, and for each star of an independent set the distance from
// its place to the nearest drawn star is taken.
//
// The independent set: every Hipparcos star of stellarium-data that passes
// the table's own tests (a single entry, parallax error under 10 %, no large
// variable, one clear class, a temperature) but lies outside its selection:
// fainter than V 6.5 and farther than 25 pc. None of them is a row of
// real_stars.csv. The white dwarfs of the package are all in the table; the
// starting catalogue's stars (published temperatures, measured magnitudes)
// are measured beside them.
//
// Usage (from the build folder, so that the program finds its catalogue):
//   xvfb-run -a -s "-screen 0 1280x1024x24" tools/diagram/measure_picture_coverage
//       <stellarium data folder> <hip_main.dat> <teff-scales folder> <stars.csv> [<folder for the screen grabs>]
#include "app/window_composition.h"
#include "model/stellar_model.h"
#include "tools/diagram/diagram_art.h"
#include "tools/diagram/star_sources.h"
#include "windows/window_registry.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QGuiApplication>
#include <QLocale>
#include <QPixmap>
#include <QScreen>
#include <QTest>
#include <QTextStream>

#include <algorithm>
#include <cmath>
#include <map>
#include <vector>

namespace {

constexpr double kNear = 3.0; // px

// The picture of a diagram window as the screen shows it.
QImage screenPicture(const char *windowName)
{
    QWidget *window = windows::Registry().show(QString::fromLatin1(windowName));
    window->raise();
    QTest::qWait(600);
    auto *picture = window->findChild<QFrame *>(QStringLiteral("Picture1"));
    const QRect area = picture->contentsRect();
    const QPoint topLeft = picture->mapToGlobal(area.topLeft());
    return QGuiApplication::primaryScreen()
        ->grabWindow(0, topLeft.x(), topLeft.y(), area.width(), area.height())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

// A star's own pixel: a black-body colour, its brightest channel full; the
// captions and the SUN mark are white and grey, the dots' edges dimmer.
bool starPixel(QRgb p)
{
    const int r = qRed(p), g = qGreen(p), b = qBlue(p);
    return std::max({r, g, b}) == 255 && !(r == g && g == b);
}

double nearestStar(const QImage &image, QPointF place)
{
    double best = HUGE_VAL;
    const int cx = static_cast<int>(std::lround(place.x())), cy = static_cast<int>(std::lround(place.y()));
    for (int y = cy - 6; y <= cy + 6; ++y)
        for (int x = cx - 6; x <= cx + 6; ++x)
            if (image.rect().contains(x, y) && starPixel(image.pixel(x, y)))
                best = std::min(best, std::hypot(x - place.x(), y - place.y()));
    return best;
}

// Where a click reads the temperature and magnitude, and where the program
// plots them.
QPointF clickPlace(double temperature, double absMagnitude)
{
    return {diagram_art::ClickColumn(temperature), diagram_art::ClickRow(absMagnitude)};
}

std::optional<QPointF> plotPlace(double temperature, double absMagnitude)
{
    const auto column = model::ColumnFromTemperature(temperature);
    if (!column)
        return std::nullopt;
    return QPointF(*column, model::RowFromHeight(model::HeightFromMagnitude(absMagnitude), diagram_art::kHeight));
}

// The Hipparcos catalogue's own view of the bright stars: its V, B-V,
// spectral type (the table takes stellarium-data's types), multiplicity and
// variability flags, with the 2007 parallaxes of stellarium-data joined by
// number: V 6.5 or brighter, no component solution (H59 "C"), no variable of
// over 0.6 mag (H6 3), parallax error under 10 %.
std::vector<star_sources::Star> hipparcosStars(const std::map<std::uint32_t, star_sources::HipparcosEntry> &entries,
    const star_sources::Stellarium &stellarium, const star_sources::TypeScales &scales)
{
    std::map<std::uint32_t, double> parallaxes;
    for (const star_sources::CatalogueRecord &r : stellarium.records)
        parallaxes[r.hip] = r.parallax;
    std::vector<star_sources::Star> stars;
    for (const auto &[hip, e] : entries) {
        const auto parallax = parallaxes.find(hip);
        const auto error = stellarium.parallaxErrors.find(hip);
        if (!e.v || !e.bv || *e.v > 6.5 || e.multiplicity == "C" || e.variability == 3 || parallax == parallaxes.end()
            || error == stellarium.parallaxErrors.end() || !(parallax->second > 0)
            || !(error->second < 0.1 * parallax->second))
            continue;
        const auto classification = star_sources::Classify(e.spectralType);
        if (!classification || classification->luminosityClass == "D")
            continue;
        const star_sources::Temperature t = star_sources::TemperatureOf(*classification, *e.bv, e.bvError, scales);
        if (!t.kelvin)
            continue;
        star_sources::Star star;
        star.hip = hip;
        star.spectralType = e.spectralType;
        star.classification = *classification;
        star.temperature = *t.kelvin;
        star.absMagnitude = *e.v + 5.0 * std::log10(parallax->second / 1000.0) + 5.0;
        stars.push_back(star);
    }
    return stars;
}

struct Tally {
    int stars = 0, nearClick = 0, nearPlot = 0;
};

QString percent(int part, int whole)
{
    return whole ? QLocale::c().toString(100.0 * part / whole, 'f', 1) + QStringLiteral(" %") : QStringLiteral("-");
}

// Prints the share of each class within 3 px of a drawn star; the stars
// farther off go to `missed` (one line each) when it is open.
void measure(QTextStream &out, const QString &title, const QImage &image, const std::vector<star_sources::Star> &stars,
    bool mainSequenceOnly, QTextStream *missed)
{
    long drawn = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            drawn += image.pixel(x, y) != diagram_art::kBackground;
    const long all = static_cast<long>(image.width()) * image.height();
    out << title << ": " << drawn << " of " << all << " pixels drawn (" << percent(int(drawn), int(all)) << ")\n";
    std::map<std::string, Tally> tallies;
    for (const star_sources::Star &star : stars) {
        const std::string &c = star.classification.luminosityClass;
        if (mainSequenceOnly && c != "V")
            continue;
        const QPointF click = clickPlace(star.temperature, star.absMagnitude);
        if (!QRectF(-0.5, -0.5, image.width(), image.height()).contains(click))
            continue; // off the picture
        Tally &t = tallies[c];
        ++t.stars;
        const double distance = nearestStar(image, click);
        t.nearClick += distance <= kNear;
        if (missed && distance > kNear)
            *missed << title.section(QLatin1Char(':'), 0, 0) << ',' << star.hip << ',' << QString::fromStdString(c)
                    << ',' << QString::fromStdString(star.spectralType) << ',' << star.temperature << ','
                    << star.absMagnitude << ',' << click.x() << ',' << click.y() << ','
                    << (std::isfinite(distance) ? distance : 99.0) << '\n';
        const auto plot = plotPlace(star.temperature, star.absMagnitude);
        t.nearPlot += plot && nearestStar(image, *plot) <= kNear;
    }
    for (const char *c : real_stars::kClasses) {
        const Tally &t = tallies[c];
        if (t.stars)
            out << "  class " << c << ": " << t.stars << " stars, within 3 px of a drawn star "
                << percent(t.nearClick, t.stars) << " (where a click reads them), " << percent(t.nearPlot, t.stars)
                << " (where the program plots them)\n";
    }
}

// The starting catalogue: name, temperature, magnitude, type, ... per line.
void measureCatalogue(QTextStream &out, const QImage &image, const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        out << path << ": " << file.errorString() << '\n';
        return;
    }
    out << "starting catalogue on the general picture (distance from where the program plots it):\n";
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QStringList f = line.split(QLatin1Char(','));
        if (f.size() < 6)
            continue;
        const auto plot = plotPlace(f[1].toDouble(), f[2].toDouble());
        if (!plot)
            continue;
        const double d = nearestStar(image, *plot);
        out << "  " << f[0] << " (" << f[3]
            << "): " << (d > 6 ? QStringLiteral("no drawn star within 6 px") : QLocale::c().toString(d, 'f', 1) + " px")
            << '\n';
    }
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QTextStream out(stdout);
    if (argc != 5 && argc != 6) {
        out << "usage: measure_picture_coverage <stellarium data folder> <hip_main.dat> <teff-scales folder> "
               "<stars.csv> [<folder for the screen grabs>]\n";
        return 2;
    }
    if (QGuiApplication::platformName() != QLatin1String("xcb")) {
        out << "measure_picture_coverage measures on screen: run it under xvfb-run (platform xcb)\n";
        return 2;
    }
    std::vector<star_sources::Star> faint, bright, whiteDwarfs;
    try {
        const star_sources::Stellarium stellarium(argv[1]);
        const star_sources::TypeScales scales(argv[3]);
        const auto hipparcos = star_sources::ReadHipparcos(argv[2]);
        std::vector<long> dropped;
        faint
            = star_sources::SelectStars(stellarium, hipparcos, scales, star_sources::Brightness::FaintAndFar, dropped);
        bright = hipparcosStars(hipparcos, stellarium, scales);
        for (star_sources::Star &star :
            star_sources::SelectStars(stellarium, hipparcos, scales, star_sources::Brightness::NakedEyeOrNear, dropped))
            if (star.classification.luminosityClass == "D")
                whiteDwarfs.push_back(std::move(star));
    } catch (const star_sources::SourceError &error) {
        out << "measure_picture_coverage: " << error.what() << '\n';
        return 1;
    }

    app::RegisterWindows();
    const QImage general = screenPicture("Form1");
    const QImage mainSequence = screenPicture("Form2");
    // The screen grabs and the stars farther than 3 px, for looking at.
    QFile missedFile;
    QTextStream missed(&missedFile);
    if (argc == 6) {
        const QDir folder(QString::fromLocal8Bit(argv[5]));
        general.save(folder.filePath(QStringLiteral("general_on_screen.png")));
        mainSequence.save(folder.filePath(QStringLiteral("main_sequence_on_screen.png")));
        missedFile.setFileName(folder.filePath(QStringLiteral("missed.csv")));
        if (missedFile.open(QIODevice::WriteOnly | QIODevice::Text))
            missed << "set,hip,class,spectral_type,teff_k,mv,column,row,distance_px\n";
    }
    QTextStream *missedStream = missedFile.isOpen() ? &missed : nullptr;
    out << "A. " << bright.size()
        << " stars of the Hipparcos catalogue to V 6.5 with its own types, photometry and flags\n";
    measure(out, QStringLiteral("A: general picture"), general, bright, false, missedStream);
    measure(out, QStringLiteral("A: main-sequence picture"), mainSequence, bright, true, nullptr);
    out << "B. " << faint.size() << " stars that are not in the table: fainter than V 6.5 beyond 25 pc\n";
    measure(out, QStringLiteral("B: general picture"), general, faint, false, missedStream);
    measure(out, QStringLiteral("B: main-sequence picture"), mainSequence, faint, true, nullptr);
    out << "C. the " << whiteDwarfs.size()
        << " white dwarfs of stellarium-data, worked out here from the package (all of them are in the table)\n";
    measure(out, QStringLiteral("C: general picture"), general, whiteDwarfs, false, nullptr);
    measureCatalogue(out, general, QString::fromLocal8Bit(argv[4]));
    windows::Registry().unloadAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return 0;
}
