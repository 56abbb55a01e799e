#include "artwork/pictures/imagefile.h"

#include <QDir>
#include <QFileInfo>
#include <QImageWriter>
#include <QSaveFile>

bool ImageFile::write(const QString& path, const QImage& image, const char* format, int quality,
                      QString* error) {
    auto fail = [&](const QString& why) {
        if (error) *error = path + QStringLiteral(": ") + why;
        return false;
    };
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return fail(QStringLiteral("cannot make its folder"));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return fail(file.errorString());
    QImageWriter writer(&file, format);
    writer.setQuality(quality);
    // Only the return value counts: errorString() can say "Unknown error"
    // after a write that worked.
    if (!writer.write(image)) {
        file.cancelWriting();
        return fail(writer.errorString());
    }
    if (!file.commit()) return fail(file.errorString());
    return true;
}
