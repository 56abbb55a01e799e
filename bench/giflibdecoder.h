#pragma once

#include <QImage>
#include <QString>

// Reads the first image of a GIF file with giflib, the way a faster picture
// loader could, so the benchmark can set its cost beside Qt's own reader.
class GiflibDecoder {
public:
    // A null image when the file cannot be read.
    static QImage read(const QString& path);
};
