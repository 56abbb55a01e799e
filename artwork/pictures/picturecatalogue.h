#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

// Every picture the program reads from its run folder: where each one goes and
// what draws it. Pictures are grouped under short names ("recip1", "buttons")
// so that a few can be drawn on their own.
class PictureCatalogue {
public:
    // An animation, one GIF file a frame: folder/prefix0000.gif and on.
    struct Sequence {
        QString name;
        QString folder;
        QString filePrefix;
        int frames = 0;
        std::function<QImage(int)> frame;  // must be safe to call from any thread
    };
    // A single picture in any format Qt writes, or "GIF".
    struct Still {
        QString name;
        QString path;  // relative to the run folder
        QByteArray format;
        int quality = -1;
        std::function<QImage()> draw;  // called on the main thread (it may use fonts)
    };

    PictureCatalogue();

    const std::vector<Sequence>& sequences() const { return sequences_; }
    const std::vector<Still>& stills() const { return stills_; }
    QStringList names() const;

private:
    std::vector<Sequence> sequences_;
    std::vector<Still> stills_;
};
