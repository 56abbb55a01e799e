#include "fixturepictures.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>

#include <gif_lib.h>

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
    int error = 0;
    GifFileType* gif = EGifOpenFileName(QFile::encodeName(path).constData(), false, &error);
    if (!gif) return false;
    const QColor colour = frameColour(frame);
    GifColorType colours[2] = {
        {static_cast<GifByteType>(colour.red()), static_cast<GifByteType>(colour.green()),
         static_cast<GifByteType>(colour.blue())},
        {0, 0, 0}};
    ColorMapObject* map = GifMakeMapObject(2, colours);
    bool ok = EGifPutScreenDesc(gif, width, height, 1, 0, map) == GIF_OK &&
              EGifPutImageDesc(gif, 0, 0, width, height, false, nullptr) == GIF_OK;
    std::vector<GifPixelType> row(static_cast<size_t>(width), 0);
    for (int y = 0; ok && y < height; ++y) {
        // A black dot in the bottom-right corner keeps the picture from being one flat colour.
        row.back() = (y == height - 1) ? 1 : 0;
        ok = EGifPutLine(gif, row.data(), width) == GIF_OK;
    }
    GifFreeMapObject(map);
    ok = (EGifCloseFile(gif, &error) == GIF_OK) && ok;
    return ok;
}

bool writeJpeg(const QString& path, int width, int height, QColor colour) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image.save(path, "JPEG", 95);
}

}  // namespace fixtures
