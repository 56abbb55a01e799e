#include "artwork/pictures/artworkgenerator.h"

#include <QDir>
#include <QMutex>
#include <QMutexLocker>

#include <algorithm>

#include "artwork/gifwriter/colourquantizer.h"
#include "artwork/gifwriter/gifwriter.h"
#include "artwork/pictures/imagefile.h"
#include "artwork/pictures/parallelfor.h"

ArtworkGenerator::ArtworkGenerator(QString outputFolder, const QString& translationsFolder)
    : folder_(std::move(outputFolder)), catalogue_(translationsFolder) {}

bool ArtworkGenerator::run(const QStringList& names) {
    error_.clear();
    const QStringList known = catalogue_.names();
    for (const QString& name : names)
        if (!known.contains(name)) {
            error_ = QStringLiteral("no pictures are called ") + name;
            return false;
        }
    auto wanted = [&](const QString& name) { return names.isEmpty() || names.contains(name); };
    for (const auto& still : catalogue_.stills()) {
        if (!wanted(still.name)) continue;
        if (!writeStill(still, 1)) return false;
        if (still.sharpVersion)
            for (int scale : PictureCatalogue::kSharpScales)
                if (!writeStill(still, scale)) return false;
    }
    for (const auto& sequence : catalogue_.sequences())
        if (wanted(sequence.name) && !writeSequence(sequence)) return false;
    return true;
}

std::vector<ArtworkGenerator::OutputFile> ArtworkGenerator::outputFiles() const {
    std::vector<OutputFile> files;
    for (const auto& still : catalogue_.stills()) {
        files.push_back({still.name, stillFile(still, 1)});
        if (still.sharpVersion)
            for (int scale : PictureCatalogue::kSharpScales)
                files.push_back({still.name, stillFile(still, scale)});
    }
    std::vector<int> scales{1};
    scales.insert(scales.end(), PictureCatalogue::kSharpScales.begin(),
                  PictureCatalogue::kSharpScales.end());
    for (const auto& sequence : catalogue_.sequences())
        for (int scale : scales)
            for (int i = 0; i < sequence.frames; ++i) {
                const QString file = frameFile(sequence, i);
                files.push_back(
                    {sequence.name,
                     sequence.folder + QLatin1Char('/') +
                         (scale == 1 ? file : PictureCatalogue::sharpPath(file, scale))});
            }
    return files;
}

std::vector<ArtworkGenerator::OutputFile> ArtworkGenerator::sourceFiles() const {
    std::vector<OutputFile> files;
    for (const auto& source : catalogue_.sources()) files.push_back({source.name, source.path});
    return files;
}

// The file name of a frame within its sequence's folder: "reci0007.gif". An
// explicit QString: a deduced string builder would point into temporaries.
QString ArtworkGenerator::frameFile(const PictureCatalogue::Sequence& sequence, int frame) {
    return sequence.filePrefix + QStringLiteral("%1.gif").arg(frame, 4, 10, QLatin1Char('0'));
}

QString ArtworkGenerator::stillFile(const PictureCatalogue::Still& still, int scale) {
    return scale == 1 ? still.path : PictureCatalogue::sharpPath(still.path, scale);
}

bool ArtworkGenerator::writeSequence(const PictureCatalogue::Sequence& sequence) {
    std::vector<QImage> frames(static_cast<size_t>(sequence.frames));
    parallelFor(sequence.frames, [&](int i) { frames[i] = sequence.frame(i, 1); });

    // One palette for the whole loop, so still parts keep their colours. Next
    // frames differ little, so a few dozen spread over the loop show it all.
    ColourQuantizer quantizer(256, 0.6);
    const size_t stride = std::max<size_t>(1, frames.size() / 40);
    for (size_t i = 0; i < frames.size(); i += stride)
        if (!quantizer.addFrame(frames[i])) {
            error_ = sequence.name + QStringLiteral(": could not count a frame's colours");
            return false;
        }
    if (!quantizer.buildPalette()) {
        error_ = sequence.name + QStringLiteral(": could not choose a palette");
        return false;
    }

    QMutex mutex;
    QString failure;
    const QDir folder(QDir(folder_).filePath(sequence.folder));
    auto write = [&](const QString& file, const QImage& frame) {
        GifWriter writer(folder.filePath(file));
        if (!writer.write(quantizer.remap(frame))) {
            QMutexLocker lock(&mutex);
            failure = folder.filePath(file) + QStringLiteral(": ") + writer.errorString();
        }
    };
    parallelFor(sequence.frames, [&](int i) { write(frameFile(sequence, i), frames[i]); });
    frames.clear();
    // The sharper frames are four and nine times the size, so each is drawn,
    // reduced and written in one go rather than all held at once; they share
    // the palette above, so every version shows the same colours.
    for (int scale : PictureCatalogue::kSharpScales)
        parallelFor(sequence.frames, [&](int i) {
            write(PictureCatalogue::sharpPath(frameFile(sequence, i), scale),
                  sequence.frame(i, scale));
        });
    error_ = failure;
    return failure.isEmpty();
}

bool ArtworkGenerator::writeStill(const PictureCatalogue::Still& still, int scale) {
    const QString path = QDir(folder_).filePath(stillFile(still, scale));
    const QImage image = still.draw(scale);
    if (still.format == "GIF") {
        GifWriter writer(path);
        if (writer.write(image)) return true;
        error_ = path + QStringLiteral(": ") + writer.errorString();
        return false;
    }
    return ImageFile::write(path, image, still.format.constData(), still.quality, &error_);
}
