// Draws the two diagram pictures and the introduction's small diagram from the
// table of real stars into the folder given on the command line. Run
// offscreen by the build; the pictures are then compiled in as resources.
//
// Usage: draw_diagram_pictures <real_stars.csv> <folder> [<language>=<translation.qm> ...]
//        draw_diagram_pictures --figures <real_stars.csv>
//   the second form prints how many stars each picture draws, the share of
//   the picture that is drawn, and for each class the median distance from a
//   star's true place to the nearest drawn pixel.
#include "tools/diagram/diagram_art.h"
#include "tools/diagram/real_stars.h"
#include "tools/picture_languages.h"

#include <QDir>
#include <QGuiApplication>
#include <QLocale>
#include <QSaveFile>
#include <QTextStream>

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>

namespace {

bool save(const QImage &image, const QString &path)
{
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && image.save(&file, "PNG") && file.commit();
}

// Distance from a true place (in the click's coordinates: pixel i reads
// column i) to the nearest drawn pixel.
double nearestDrawn(const QImage &image, QPointF place)
{
    double best = HUGE_VAL;
    const int cx = static_cast<int>(std::lround(place.x())), cy = static_cast<int>(std::lround(place.y()));
    for (int y = cy - 8; y <= cy + 8; ++y)
        for (int x = cx - 8; x <= cx + 8; ++x)
            if (image.rect().contains(x, y) && image.pixel(x, y) != diagram_art::kBackground)
                best = std::min(best, std::hypot(x - place.x(), y - place.y()));
    return best;
}

void printFigures(
    QTextStream &out, const QString &title, const QImage &image, const std::vector<const real_stars::RealStar *> &stars)
{
    const QLocale c = QLocale::c();
    long drawn = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            drawn += image.pixel(x, y) != diagram_art::kBackground;
    out << title << ": " << stars.size() << " stars drawn; " << drawn << " of " << image.width() * image.height()
        << " pixels drawn (" << c.toString(100.0 * drawn / (image.width() * image.height()), 'f', 1) << " %)\n";
    std::map<std::string, std::vector<double>> distances;
    for (const real_stars::RealStar *star : stars)
        distances[star->luminosityClass].push_back(nearestDrawn(image, diagram_art::ClickPlace(*star)));
    for (const char *luminosityClass : real_stars::kClasses) {
        std::vector<double> &d = distances[luminosityClass];
        if (d.empty())
            continue;
        std::sort(d.begin(), d.end());
        const double median = d.size() % 2 ? d[d.size() / 2] : (d[d.size() / 2 - 1] + d[d.size() / 2]) / 2;
        out << "  class " << luminosityClass << ": " << d.size()
            << " stars, median distance to the nearest drawn pixel " << c.toString(median, 'f', 3) << " px, largest "
            << c.toString(d.back(), 'f', 3) << " px\n";
    }
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication application(argc, argv);
    QTextStream err(stderr);
    QTextStream out(stdout);
    const bool figures = argc == 3 && QByteArray(argv[1]) == "--figures";
    if (argc < 3) {
        err << "usage: draw_diagram_pictures <real_stars.csv> <folder> [<language>=<translation.qm> ...]\n"
               "       draw_diagram_pictures --figures <real_stars.csv>\n";
        return 2;
    }
    std::vector<real_stars::RealStar> table;
    try {
        table = real_stars::ReadTable(argv[figures ? 2 : 1]);
    } catch (const real_stars::TableError &error) {
        err << "draw_diagram_pictures: " << QString::fromStdString(error.what()) << '\n';
        return 1;
    }
    if (figures)
        try {
            printFigures(out, QStringLiteral("general picture"), diagram_art::DrawGeneralPicture(table),
                diagram_art::GeneralStars(table));
            printFigures(out, QStringLiteral("main-sequence picture"), diagram_art::DrawMainSequencePicture(table),
                diagram_art::MainSequenceStars(table));
            return 0;
        } catch (const diagram_art::CaptionError &error) {
            err << "draw_diagram_pictures: captions too close: " << QString::fromStdString(error.what()) << '\n';
            return 1;
        }

    const QDir folder(QString::fromLocal8Bit(argv[2]));
    if (!folder.exists() && !QDir().mkpath(folder.path())) {
        err << "cannot create " << folder.path() << '\n';
        return 1;
    }
    // Each picture in each language; every one whose captions stand too close
    // is named with its captions, and the build stops.
    bool captionsTooClose = false;
    const auto draw = [&table, &folder, &err, &captionsTooClose](const QString &suffix) {
        const auto one = [&](const QString &name, const std::function<QImage()> &picture) {
            try {
                return save(picture(), folder.filePath(name + suffix + QStringLiteral(".png")));
            } catch (const diagram_art::CaptionError &error) {
                err << "draw_diagram_pictures: " << name << suffix
                    << ".png: captions too close: " << QString::fromStdString(error.what()) << '\n';
                captionsTooClose = true;
                return true; // the other pictures are still looked at
            }
        };
        return one(QStringLiteral("general"), [&table] { return diagram_art::DrawGeneralPicture(table); })
            && one(QStringLiteral("main_sequence"), [&table] { return diagram_art::DrawMainSequencePicture(table); })
            && one(QStringLiteral("intro_diagram"),
                [&table] { return diagram_art::DrawIntroductionDiagram(table, QSize(220, 250)); });
    };
    if (!picture_languages::ForEachLanguage(argc, argv, 3, draw) || captionsTooClose) {
        err << "the diagram pictures were not all drawn into " << folder.path() << '\n';
        return 1;
    }
    return 0;
}
