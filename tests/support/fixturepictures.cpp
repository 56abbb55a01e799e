#include "tests/support/fixturepictures.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>

#include "artwork/gifwriter/gifwriter.h"

namespace fixtures {

QColor frameColour(int frame) {
    // Distinct, well separated colours for frame numbers 0..255.
    return QColor((frame * 37) % 256, (frame * 91 + 40) % 256, (frame * 13 + 200) % 256);
}

int frameOf(const QImage& image) {
    if (image.isNull()) return -1;
    const QColor c = image.pixelColor(0, 0);
    for (int f = 0; f < 256; ++f) {
        const QColor want = frameColour(f);
        if (qAbs(want.red() - c.red()) < 3 && qAbs(want.green() - c.green()) < 3 &&
            qAbs(want.blue() - c.blue()) < 3)
            return f;
    }
    return -1;
}

bool writeGif(const QString& path, int width, int height, int frame) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    // Two colours: the frame's colour everywhere but a black dot in the
    // bottom-right corner, so the picture is not one flat colour.
    QImage image(width, height, QImage::Format_Indexed8);
    image.setColorTable({frameColour(frame).rgb(), qRgb(0, 0, 0)});
    image.fill(0);
    image.setPixel(width - 1, height - 1, 1);
    return GifWriter(path).write(image);
}

bool writeJpeg(const QString& path, int width, int height, QColor colour) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image.save(path, "JPEG", 95);
}

bool writeButtonPictures(const QString& folder) {
    for (const char* name : {"exit", "next", "answer", "check", "jotter", "scramble"}) {
        if (!writeJpeg(folder + QStringLiteral("/Images/%1.jpg").arg(QLatin1String(name)), 119, 33,
                       Qt::gray))
            return false;
    }
    return true;
}

bool writeShellPictures(const QString& folder) {
    for (int f = 0; f < 25; ++f) {
        if (!writeGif(folder + QStringLiteral("/recip1/reci%1.gif").arg(f, 4, 10, QLatin1Char('0')),
                      320, 240, f))
            return false;
    }
    return writeGif(folder + QStringLiteral("/newrec0/newr0039.gif"), 800, 600, 39) &&
           writeJpeg(folder + QStringLiteral("/Images/logo2.jpg"), 100, 139, Qt::darkGreen) &&
           writeButtonPictures(folder);
}

}  // namespace fixtures
