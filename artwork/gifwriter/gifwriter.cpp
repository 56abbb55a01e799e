#include "artwork/gifwriter/gifwriter.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include <gif_lib.h>

#include <vector>

#include "artwork/gifwriter/colourquantizer.h"

namespace {

int writeToSaveFile(GifFileType* gif, const GifByteType* data, int length) {
    auto* file = static_cast<QSaveFile*>(gif->UserData);
    return static_cast<int>(file->write(reinterpret_cast<const char*>(data), length));
}

QString gifError(int code) {
    const char* text = GifErrorString(code);
    return QStringLiteral("GIF encoder: ") +
           (text ? QString::fromLatin1(text) : QString::number(code));
}

}  // namespace

GifWriter::GifWriter(QString path) : path_(std::move(path)) {}

bool GifWriter::write(const QImage& image) {
    error_.clear();
    if (image.isNull()) {
        error_ = QStringLiteral("empty picture");
        return false;
    }
    QImage indexed = image.format() == QImage::Format_Indexed8 && image.colorCount() <= 256
                         ? image
                         : ColourQuantizer::reduce(image);
    if (indexed.isNull()) {
        error_ = QStringLiteral("could not reduce the picture to 256 colours");
        return false;
    }

    // GIF colour tables come in powers of two.
    const QList<QRgb> table = indexed.colorTable();
    const int bits = GifBitSize(std::max(2, static_cast<int>(table.size())));
    std::vector<GifColorType> colours(static_cast<size_t>(1) << bits, GifColorType{0, 0, 0});
    int transparent = NO_TRANSPARENT_COLOR;
    for (int i = 0; i < table.size(); ++i) {
        colours[i] = {static_cast<GifByteType>(qRed(table[i])),
                      static_cast<GifByteType>(qGreen(table[i])),
                      static_cast<GifByteType>(qBlue(table[i]))};
        if (transparent == NO_TRANSPARENT_COLOR && qAlpha(table[i]) < 128) transparent = i;
    }

    QDir().mkpath(QFileInfo(path_).absolutePath());
    QSaveFile file(path_);
    if (!file.open(QIODevice::WriteOnly)) {
        error_ = file.errorString();
        return false;
    }
    int code = 0;
    GifFileType* gif = EGifOpen(&file, writeToSaveFile, &code);
    if (!gif) {
        error_ = gifError(code);
        return false;
    }
    ColorMapObject* map = GifMakeMapObject(static_cast<int>(colours.size()), colours.data());
    bool ok = map != nullptr;
    if (ok && transparent != NO_TRANSPARENT_COLOR) EGifSetGifVersion(gif, true);
    ok = ok && EGifPutScreenDesc(gif, indexed.width(), indexed.height(), bits, 0, map) == GIF_OK;
    if (ok && transparent != NO_TRANSPARENT_COLOR) {
        GraphicsControlBlock control{DISPOSAL_UNSPECIFIED, false, 0, transparent};
        GifByteType extension[4];
        const size_t length = EGifGCBToExtension(&control, extension);
        ok = EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, static_cast<int>(length), extension) ==
             GIF_OK;
    }
    ok = ok &&
         EGifPutImageDesc(gif, 0, 0, indexed.width(), indexed.height(), false, nullptr) == GIF_OK;
    for (int y = 0; ok && y < indexed.height(); ++y)
        ok = EGifPutLine(gif, indexed.scanLine(y), indexed.width()) == GIF_OK;
    if (!ok) error_ = gifError(gif->Error);
    GifFreeMapObject(map);
    // Closing writes the trailer, so it can fail too.
    if (EGifCloseFile(gif, &code) != GIF_OK && ok) {
        ok = false;
        error_ = gifError(code);
    }
    if (!ok) {
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        error_ = file.errorString();
        return false;
    }
    return true;
}
