// Comparing one pixel of a drawing, with a message that says what was there.
#pragma once

#include <QColor>
#include <QImage>
#include <QString>

inline QString DescribePixel(const QImage &image, int x, int y, const QColor &expected)
{
    return QStringLiteral("pixel (%1, %2) is %3, expected %4")
        .arg(x)
        .arg(y)
        .arg(image.pixelColor(x, y).name(), expected.name());
}

#define QCOMPARE_PIXEL(image, x, y, colour)                                                                            \
    QVERIFY2((image).pixelColor((x), (y)) == (colour), qPrintable(DescribePixel((image), (x), (y), (colour))))
