#pragma once

#include <QImage>
#include <QString>

// Writes single-picture GIF files, which Qt reads but cannot write.
//
// The file appears whole or not at all: it is written beside its final name
// and renamed into place on success, and gets the permissions any new file
// gets under the umask. A picture that is not already Format_Indexed8 is first
// reduced to 256 colours with ColourQuantizer. A palette entry with alpha
// below 128 becomes the GIF's transparent colour.
class GifWriter {
public:
    explicit GifWriter(QString path);

    bool write(const QImage& image);
    // Why the last write() failed.
    QString errorString() const { return error_; }

private:
    QString path_;
    QString error_;
};
