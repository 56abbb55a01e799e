#include "tests/highdpi/devicepixels.h"

#include <QDir>
#include <QFileInfo>
#include <QPixmap>
#include <QWidget>

#include <algorithm>
#include <cstdlib>

#include "artwork/gifwriter/gifwriter.h"

namespace devicepixels {

namespace {

bool alike(QRgb a, QRgb b, int least) {
    return std::abs(qRed(a) - qRed(b)) < least && std::abs(qGreen(a) - qGreen(b)) < least &&
           std::abs(qBlue(a) - qBlue(b)) < least;
}

bool writeIndexed(const QString& path, const QImage& image) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    return GifWriter(path).write(image);
}

}  // namespace

QImage grab(QWidget* widget) {
    return widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

QRect deviceRect(const QWidget* widget, const QWidget* window, qreal ratio) {
    const QRect logical(widget->mapTo(window, QPoint(0, 0)), widget->size());
    return {qRound(logical.x() * ratio), qRound(logical.y() * ratio),
            qRound(logical.width() * ratio), qRound(logical.height() * ratio)};
}

int mixedBlocks(const QImage& image, const QRect& area, int least) {
    const QRect inside = area.intersected(image.rect());
    int count = 0;
    for (int y = inside.top() & ~1; y + 1 <= inside.bottom(); y += 2)
        for (int x = inside.left() & ~1; x + 1 <= inside.right(); x += 2) {
            const QRgb corner = image.pixel(x, y);
            if (!alike(corner, image.pixel(x + 1, y), least) ||
                !alike(corner, image.pixel(x, y + 1), least) ||
                !alike(corner, image.pixel(x + 1, y + 1), least))
                ++count;
        }
    return count;
}

bool isInk(QRgb pixel, const QColor& ink, const QColor& background) {
    // Where the pixel lies on the way from the background's colour to the
    // ink's, and how far off that way.
    const double d[3] = {double(ink.red() - background.red()),
                         double(ink.green() - background.green()),
                         double(ink.blue() - background.blue())};
    const double p[3] = {double(qRed(pixel) - background.red()),
                         double(qGreen(pixel) - background.green()),
                         double(qBlue(pixel) - background.blue())};
    const double length2 = d[0] * d[0] + d[1] * d[1] + d[2] * d[2];
    if (length2 == 0) return false;
    const double along = (p[0] * d[0] + p[1] * d[1] + p[2] * d[2]) / length2;
    double off2 = 0;
    for (int i = 0; i < 3; ++i) off2 += (p[i] - along * d[i]) * (p[i] - along * d[i]);
    constexpr double kLeast = 0.1, kMostOff = 40.0;
    return along > kLeast && along < 1.0 + kLeast && off2 < kMostOff * kMostOff;
}

int inkedBlocks(const QImage& image, const QRect& area, const QColor& ink,
                const QColor& background) {
    const QRect inside = area.intersected(image.rect());
    int count = 0;
    for (int y = inside.top() & ~1; y + 1 <= inside.bottom(); y += 2)
        for (int x = inside.left() & ~1; x + 1 <= inside.right(); x += 2) {
            bool inked = false;
            for (QPoint p :
                 {QPoint(x, y), QPoint(x + 1, y), QPoint(x, y + 1), QPoint(x + 1, y + 1)})
                inked = inked || isInk(image.pixel(p), ink, background);
            count += inked;
        }
    return count;
}

QRect inkBounds(const QImage& image, const QRect& area, const QColor& ink,
                const QColor& background) {
    const QRect inside = area.intersected(image.rect());
    QRect bounds;
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            if (isInk(image.pixel(x, y), ink, background)) bounds |= QRect(x, y, 1, 1);
    return bounds;
}

bool near(QRgb pixel, const QColor& colour, int tolerance) {
    return alike(pixel, colour.rgb(), tolerance + 1);
}

bool writeFlat(const QString& path, QSize size, const QColor& colour) {
    if (path.endsWith(QStringLiteral(".gif"), Qt::CaseInsensitive)) {
        QImage image(size, QImage::Format_Indexed8);
        image.setColorTable({colour.rgb()});
        image.fill(0);
        return writeIndexed(path, image);
    }
    QDir().mkpath(QFileInfo(path).absolutePath());
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image.save(path, "JPEG", 95);
}

bool writeChessboard(const QString& path, QSize size, const QColor& first, const QColor& second) {
    QImage image(size, QImage::Format_Indexed8);
    image.setColorTable({first.rgb(), second.rgb()});
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x) image.setPixel(x, y, (x + y) % 2);
    return writeIndexed(path, image);
}

}  // namespace devicepixels
