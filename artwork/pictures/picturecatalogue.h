#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

#include <functional>
#include <string_view>
#include <vector>

#include "module1/animationtable.h"

// Every picture the program reads from its run folder: where each one goes and
// what draws it. Pictures are grouped under short names ("recip1", "buttons")
// so that a few can be drawn on their own.
//
// Each picture the program reads also has sharper versions for high-density
// screens and projected boards beside it, "reci0000@2x.gif" and
// "reci0000@3x.gif" beside "reci0000.gif": the same picture drawn afresh with
// two and three times the pixels each way, so each covers the same area.
class PictureCatalogue {
public:
    // How many times finer the sharper versions are drawn.
    static constexpr auto kSharpScales = AnimationTable::kSharpScales;

    // An animation, one GIF file a frame: folder/prefix0000.gif and on.
    struct Sequence {
        QString name;
        QString folder;
        QString filePrefix;
        int frames = 0;
        // (frame, scale); must be safe to call from any thread.
        std::function<QImage(int, int)> frame;
    };
    // A single picture in any format Qt writes, or "GIF".
    struct Still {
        QString name;
        QString path;  // relative to the run folder
        QByteArray format;
        int quality = -1;
        // Called with the scale on the main thread (it may use fonts).
        std::function<QImage(int)> draw;
        // False for pictures the program never reads itself (the desktop's
        // icons come in sizes of their own).
        bool sharpVersion = true;
        // The word on a button face, in its language; empty for other pictures.
        QString caption = QString();
    };

    // A file a group of pictures is drawn from: when it changes, the group is
    // drawn again.
    struct Source {
        QString name;
        QString path;
    };

    // The button faces with words on them are drawn in English and again in
    // every language with a translation (quorvane_de.qm) in
    // `translationsFolder`, the words as it translates them.
    explicit PictureCatalogue(const QString& translationsFolder = {});

    // Where the version of `path` drawn at `scale` goes: "Images/exit.jpg"
    // at 2 gives "Images/exit@2x.jpg".
    static QString sharpPath(const QString& path, int scale);

    const std::vector<Sequence>& sequences() const { return sequences_; }
    const std::vector<Still>& stills() const { return stills_; }
    const std::vector<Source>& sources() const { return sources_; }
    QStringList names() const;

private:
    void addWordedFaces(const QString& translationsFolder);

    std::vector<Sequence> sequences_;
    std::vector<Still> stills_;
    std::vector<Source> sources_;
};
