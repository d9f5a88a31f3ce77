// Draws the two diagram pictures into the folder given on the command line.
// Run offscreen by the build; the pictures are then compiled in as resources.
#include "tools/diagram/diagram_art.h"

#include <QDir>
#include <QGuiApplication>
#include <QSaveFile>
#include <QTextStream>

namespace {

bool save(const QImage &image, const QString &path)
{
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && image.save(&file, "PNG") && file.commit();
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication application(argc, argv);
    QTextStream err(stderr);
    if (argc != 2) {
        err << "usage: draw_diagram_pictures FOLDER\n";
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.exists() && !QDir().mkpath(folder.path())) {
        err << "cannot create " << folder.path() << '\n';
        return 1;
    }
    const QString general = folder.filePath(QStringLiteral("general.png"));
    const QString mainSequence = folder.filePath(QStringLiteral("main_sequence.png"));
    if (!save(diagram_art::DrawGeneralPicture(), general)
        || !save(diagram_art::DrawMainSequencePicture(), mainSequence)) {
        err << "cannot write the diagram pictures into " << folder.path() << '\n';
        return 1;
    }
    return 0;
}
