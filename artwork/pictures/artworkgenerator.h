#pragma once

#include <QString>
#include <QStringList>

#include "picturecatalogue.h"

// Draws the catalogue's pictures into a run folder, each at its normal size
// and, where the program reads it, again at twice the size for high-density
// screens. Animation frames are drawn on every core, then reduced to one
// shared 256-colour palette a sequence (so that the backdrop does not flicker,
// and the sharper frames keep the same colours) and written as GIF files.
class ArtworkGenerator {
public:
    explicit ArtworkGenerator(QString outputFolder);

    // Draws the named groups, or every picture when `names` is empty.
    bool run(const QStringList& names = {});
    QStringList knownNames() const { return catalogue_.names(); }
    QString errorString() const { return error_; }

private:
    bool writeSequence(const PictureCatalogue::Sequence& sequence);
    bool writeStill(const PictureCatalogue::Still& still, int scale);

    QString folder_;
    PictureCatalogue catalogue_;
    QString error_;
};
