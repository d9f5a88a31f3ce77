// Draws the pictures of the startup, introduction, other-aspects and about
// windows into the folder it is given: the program icon (PNG sizes and an
// SVG), the night-sky background of the startup window, the two engraved
// medallions of the introduction and the two relations of the other-aspects
// window, drawn from the stellar model so that they show what the program
// computes. (The small diagram in the introduction text comes from
// tools/diagram, with the diagram pictures.) The pictures of the startup
// window, its sky and the icon's sizes up to 64 pixels, also go out as the
// pixels their files decode to (resources/pixel_file.h).
//
// Usage: draw_app_pictures <output folder> [<language>=<translation.qm> ...]
#include "resources/pixel_file.h"
#include "tools/app/app_pictures.h"
#include "tools/picture_languages.h"

#include <QBuffer>
#include <QDir>
#include <QGuiApplication>
#include <QLocale>
#include <QSaveFile>

#include <cstdio>

namespace {

// Writes `bytes` as `name` in `folder`, complete or not at all.
bool Save(const QDir &folder, const QString &name, const QByteArray &bytes)
{
    QSaveFile file(folder.filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        std::fprintf(stderr, "cannot write %s: %s\n", qPrintable(file.fileName()), qPrintable(file.errorString()));
        return false;
    }
    return true;
}

bool Save(const QDir &folder, const QString &name, const QImage &image, const char *format, int quality = -1)
{
    QSaveFile file(folder.filePath(name));
    if (!file.open(QIODevice::WriteOnly) || !image.save(&file, format, quality) || !file.commit()) {
        std::fprintf(stderr, "cannot write %s: %s\n", qPrintable(file.fileName()), qPrintable(file.errorString()));
        return false;
    }
    return true;
}

// Saves `image` as Save() does, and beside it the pixels that file decodes
// to, as <name without its suffix>.pixels.
bool SaveWithPixels(const QDir &folder, const QString &name, const QImage &image, const char *format, int quality = -1)
{
    QByteArray encoded;
    QBuffer buffer(&encoded);
    if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, format, quality)) {
        std::fprintf(stderr, "cannot encode %s\n", qPrintable(name));
        return false;
    }
    const QByteArray pixels = resources::PixelFile(QImage::fromData(encoded, format));
    if (pixels.isEmpty()) {
        std::fprintf(stderr, "%s does not decode to 32-bit pixels\n", qPrintable(name));
        return false;
    }
    return Save(folder, name, encoded) && Save(folder, name.section(QLatin1Char('.'), 0, 0) + ".pixels", pixels);
}

} // namespace

int main(int argc, char *argv[])
{
    using namespace app_pictures;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <output folder> [<language>=<translation.qm> ...]\n", argv[0]);
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }
    bool ok = true;
    for (int size : {16, 32, 48, 64})
        ok = SaveWithPixels(out, QStringLiteral("icon%1.png").arg(size), Icon(size), "PNG") && ok;
    ok = Save(out, QStringLiteral("icon256.png"), Icon(256), "PNG") && ok;
    ok = Save(out, QStringLiteral("icon.svg"), IconSvg()) && ok;
    ok = SaveWithPixels(out, QStringLiteral("startup.jpg"), NightSky(481, 215), "JPEG", 90) && ok;
    ok = Save(out, QStringLiteral("portrait_upper.jpg"), Medallion(145, 168, {true, false, 0.7, 0.55, 0.3}), "JPEG", 92)
        && ok;
    ok = Save(
             out, QStringLiteral("portrait_lower.jpg"), Medallion(145, 168, {false, true, 0.45, 0.75, 1.9}), "JPEG", 92)
        && ok;
    // The relations carry captions and numbers: one picture for each language,
    // its numbers written as that language writes them.
    ok = picture_languages::ForEachLanguage(argc, argv, 2, [&out](const QString &suffix) {
        QLocale::setDefault(suffix.isEmpty() ? QLocale::c() : QLocale(suffix.mid(1)));
        return Save(out, QStringLiteral("aspects_radius%1.png").arg(suffix), RadiusRelation(242, 225), "PNG")
            && Save(out, QStringLiteral("aspects_lifetime%1.png").arg(suffix), MassLifetime(292, 222), "PNG");
    }) && ok;
    return ok ? 0 : 1;
}
