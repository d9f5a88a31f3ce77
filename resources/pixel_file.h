// Pixel files: a picture kept as the pixels its PNG or JPEG file decodes to.
// The first window's pictures are compiled in this way, so start-up draws
// them without a decoder: reading a JPEG alone loads Qt's decoder plugin and
// its library, and decoding the startup sky and the icon's sizes took a
// quarter of the start-up time. The build decodes the files it drew and
// writes the pixels beside them, so both show the same picture.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace resources {

// The pixel file of a picture in a 32-bit format (RGB32, ARGB32 or
// ARGB32_Premultiplied): a header of four 32-bit numbers in the machine's
// own byte order (the tag "VPIX", the width, the height and the QImage
// format), then the rows, four bytes a pixel. Empty for a picture in any
// other format. The build writes these files for the machine it builds for.
QByteArray PixelFile(const QImage &image);

// The picture in the bytes of a pixel file, sharing them rather than copying
// where they lie on a 32-bit boundary; a null image for bytes that are not a
// whole pixel file.
QImage PixelFilePicture(const QByteArray &bytes);

// The picture of a pixel file among the compiled-in resources (read in place
// when it is stored uncompressed); a null image if it is missing or damaged.
QImage ReadPixelFile(const QString &resource);

} // namespace resources
