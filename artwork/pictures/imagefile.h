#pragma once

#include <QImage>
#include <QString>

// Writes a picture in any format Qt writes (JPEG, PNG), whole or not at all:
// into a temporary beside the target, renamed into place on success.
class ImageFile {
public:
    // `quality` as for QImageWriter (-1 for the format's default).
    static bool write(const QString& path, const QImage& image, const char* format,
                      int quality = -1, QString* error = nullptr);
};
