// imagecompare.h - two drawings compared as a person would see them.
//
// Qt's raster engine blends antialiased edges and translucent fills on SIMD paths of its own per
// CPU (SSE2, AVX2, AVX-512), which may round a channel one count apart: a drawing that matches on
// one machine differs by a count on another. A channel may differ by `tolerance` counts; a moved,
// missing or recoloured line still differs by tens of counts.
//
//   const QString difference = imageDifference(drawn, expected, 2);
//   QVERIFY2(difference.isEmpty(), qPrintable(difference));
#ifndef TESTS_IMAGECOMPARE_H
#define TESTS_IMAGECOMPARE_H

#include <QImage>
#include <QString>
#include <algorithm>
#include <cstdlib>

// Empty when the images have one size and no channel (alpha included) differs by more than
// `tolerance`; otherwise how many pixels differ more, and the largest difference and where.
inline QString imageDifference(const QImage &actual, const QImage &expected, int tolerance)
{
    if (actual.size() != expected.size())
        return QStringLiteral("size %1x%2, expected %3x%4")
            .arg(actual.width())
            .arg(actual.height())
            .arg(expected.width())
            .arg(expected.height());
    const QImage a = actual.convertToFormat(QImage::Format_ARGB32);
    const QImage e = expected.convertToFormat(QImage::Format_ARGB32);
    int beyond = 0, largest = 0, atX = 0, atY = 0;
    for (int y = 0; y < a.height(); ++y) {
        const auto *rowA = reinterpret_cast<const QRgb *>(a.constScanLine(y));
        const auto *rowE = reinterpret_cast<const QRgb *>(e.constScanLine(y));
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = rowA[x], q = rowE[x];
            const int difference = std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                std::abs(qBlue(p) - qBlue(q)), std::abs(qAlpha(p) - qAlpha(q))});
            if (difference <= tolerance)
                continue;
            ++beyond;
            if (difference > largest) {
                largest = difference;
                atX = x;
                atY = y;
            }
        }
    }
    if (beyond == 0)
        return QString();
    return QStringLiteral("%1 pixels differ by more than %2 counts, the most by %3 at (%4,%5)")
        .arg(beyond)
        .arg(tolerance)
        .arg(largest)
        .arg(atX)
        .arg(atY);
}

#endif // TESTS_IMAGECOMPARE_H
