#include "bench/giflibdecoder.h"

#include <gif_lib.h>

#include <cstring>

QImage GiflibDecoder::read(const QString& path) {
    int error = 0;
    GifFileType* gif = DGifOpenFileName(path.toLocal8Bit().constData(), &error);
    if (!gif) return {};
    QImage image;
    if (DGifSlurp(gif) == GIF_OK && gif->ImageCount > 0) {
        const SavedImage& frame = gif->SavedImages[0];
        const GifImageDesc& box = frame.ImageDesc;
        const ColorMapObject* colours = box.ColorMap ? box.ColorMap : gif->SColorMap;
        GraphicsControlBlock control{};
        DGifSavedExtensionToGCB(gif, 0, &control);
        const bool fits = box.Left >= 0 && box.Top >= 0 && box.Left + box.Width <= gif->SWidth &&
                          box.Top + box.Height <= gif->SHeight;
        if (colours && fits) {
            QList<QRgb> table;
            for (int i = 0; i < colours->ColorCount; ++i) {
                const GifColorType& c = colours->Colors[i];
                table.append(i == control.TransparentColor ? qRgba(0, 0, 0, 0)
                                                           : qRgb(c.Red, c.Green, c.Blue));
            }
            image = QImage(gif->SWidth, gif->SHeight, QImage::Format_Indexed8);
            image.setColorTable(table);
            // The part of the canvas the frame leaves uncovered shows the background colour.
            image.fill(static_cast<uint>(
                gif->SBackGroundColor < colours->ColorCount ? gif->SBackGroundColor : 0));
            for (int y = 0; y < box.Height; ++y) {
                std::memcpy(image.scanLine(box.Top + y) + box.Left,
                            frame.RasterBits + static_cast<std::ptrdiff_t>(y) * box.Width,
                            static_cast<std::size_t>(box.Width));
            }
        }
    }
    DGifCloseFile(gif, &error);
    return image;
}
