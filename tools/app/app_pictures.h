// The generators of the pictures of the startup, introduction,
// other-aspects and about windows, one a file; draw_app_pictures writes them
// into the output folder it is given.
#pragma once

#include <QByteArray>
#include <QImage>

namespace app_pictures {

// The program icon: a dark sky disc, the band of the main sequence from hot
// blue to cool red, a few giants and a bright star, drawn at `size` pixels or
// written out as an SVG document of the same shapes.
QImage Icon(int size);
QByteArray IconSvg();

// The startup window's background: a long-exposure night sky.
QImage NightSky(int width, int height);

// The introduction's engraved medallions of the two astronomers the diagram
// is named after.
struct Sitter {
    bool moustache;
    bool spectacles;
    double hairDarkness;
    double hairline; // how high the hairline stands, in head heights
    double seed;
};
QImage Medallion(int width, int height, const Sitter &sitter);

// The other-aspects window's two relations, drawn from the stellar model.
QImage RadiusRelation(int width, int height);
QImage MassLifetime(int width, int height);

} // namespace app_pictures
