#pragma once

#include <QString>
#include <QStringList>

#include <vector>

#include "artwork/pictures/picturecatalogue.h"

// Draws the catalogue's pictures into a run folder, each at its normal size
// and, where the program reads it, again at twice the size for high-density
// screens. Animation frames are drawn on every core, then reduced to one
// shared 256-colour palette a sequence (so that the backdrop does not flicker,
// and the sharper frames keep the same colours) and written as GIF files.
class ArtworkGenerator {
public:
    // `translationsFolder` holds the program's translations, from which the
    // button faces take their words in each language (none: English only).
    explicit ArtworkGenerator(QString outputFolder, const QString& translationsFolder = {});

    // One file that run() writes, relative to the output folder, and the
    // group it belongs to.
    struct OutputFile {
        QString group;
        QString path;
    };

    // Draws the named groups, or every picture when `names` is empty.
    bool run(const QStringList& names = {});
    // Every file run() writes when drawing every picture.
    std::vector<OutputFile> outputFiles() const;
    // The files, besides the generator itself, that the pictures are drawn
    // from, each with the group drawn from it.
    std::vector<OutputFile> sourceFiles() const;
    QStringList knownNames() const { return catalogue_.names(); }
    QString errorString() const { return error_; }

private:
    static QString frameFile(const PictureCatalogue::Sequence& sequence, int frame);
    static QString stillFile(const PictureCatalogue::Still& still, int scale);
    bool writeSequence(const PictureCatalogue::Sequence& sequence);
    bool writeStill(const PictureCatalogue::Still& still, int scale);

    QString folder_;
    PictureCatalogue catalogue_;
    QString error_;
};
