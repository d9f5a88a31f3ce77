#include "resources/pixel_file.h"

#include <QResource>

#include <array>
#include <cstring>

namespace resources {
namespace {

constexpr quint32 kTag = (quint32('V') << 24) | (quint32('P') << 16) | (quint32('I') << 8) | quint32('X');
using Header = std::array<quint32, 4>; // tag, width, height, format
constexpr qsizetype kHeaderSize = sizeof(Header);
constexpr quint32 kLargestSide = 32767;

bool IsStored(QImage::Format format)
{
    return format == QImage::Format_RGB32 || format == QImage::Format_ARGB32
        || format == QImage::Format_ARGB32_Premultiplied;
}

// The picture keeps its own reference to the bytes it shows.
void ReleaseBytes(void *bytes)
{
    delete static_cast<QByteArray *>(bytes);
}

} // namespace

QByteArray PixelFile(const QImage &image)
{
    if (image.isNull() || !IsStored(image.format()))
        return {};
    const Header header = {kTag, quint32(image.width()), quint32(image.height()), quint32(image.format())};
    const qsizetype row = qsizetype(image.width()) * 4;
    QByteArray bytes(kHeaderSize + row * image.height(), Qt::Uninitialized);
    std::memcpy(bytes.data(), header.data(), kHeaderSize);
    for (int y = 0; y < image.height(); ++y)
        std::memcpy(bytes.data() + kHeaderSize + y * row, image.constScanLine(y), size_t(row));
    return bytes;
}

QImage PixelFilePicture(const QByteArray &bytes)
{
    if (bytes.size() < kHeaderSize)
        return {};
    Header header;
    std::memcpy(header.data(), bytes.constData(), kHeaderSize);
    const auto [tag, width, height, format] = header;
    if (tag != kTag || !IsStored(QImage::Format(format)) || width == 0 || height == 0 || width > kLargestSide
        || height > kLargestSide || bytes.size() != kHeaderSize + qsizetype(width) * height * 4)
        return {};
    const auto *pixels = reinterpret_cast<const uchar *>(bytes.constData() + kHeaderSize);
    // QImage reads the pixels as 32-bit words.
    if (reinterpret_cast<quintptr>(pixels) % alignof(quint32) != 0)
        return QImage(pixels, int(width), int(height), int(width) * 4, QImage::Format(format)).copy();
    return QImage(
        pixels, int(width), int(height), int(width) * 4, QImage::Format(format), ReleaseBytes, new QByteArray(bytes));
}

QImage ReadPixelFile(const QString &resource)
{
    // Stored uncompressed, the bytes are the compiled-in ones themselves.
    const QResource file(resource);
    return file.isValid() ? PixelFilePicture(file.uncompressedData()) : QImage();
}

} // namespace resources
