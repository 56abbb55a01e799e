#pragma once

#include <QImage>
#include <QList>

#include <QMutex>

#include <memory>
#include <vector>

// Reduces true-colour pictures to at most 256 colours with libimagequant, for
// GIF files. All frames of an animation share one palette, so whatever stands
// still keeps exactly the same colours from frame to frame and the animation
// does not shimmer.
//
// Use: addFrame() for every frame, buildPalette(), then remap() each frame.
// remap() may be called from several threads at once.
class ColourQuantizer {
public:
    // `dithering` runs from 0 (none) to 1 (full error diffusion).
    explicit ColourQuantizer(int maxColours = 256, double dithering = 1.0);
    ~ColourQuantizer();
    ColourQuantizer(const ColourQuantizer&) = delete;
    ColourQuantizer& operator=(const ColourQuantizer&) = delete;

    // Counts the frame's colours towards the palette; the frame is not kept.
    bool addFrame(const QImage& frame);
    // Picks the palette from every frame added so far.
    bool buildPalette();
    const QList<QRgb>& palette() const { return palette_; }
    // The frame as Format_Indexed8 using only the shared palette's colours;
    // a null image on failure or before buildPalette().
    QImage remap(const QImage& frame) const;

    // One picture on its own palette.
    static QImage reduce(const QImage& image, int maxColours = 256, double dithering = 1.0);

private:
    struct Histogram;
    struct Remapper;
    std::unique_ptr<Remapper> makeRemapper() const;

    int maxColours_;
    double dithering_;
    std::unique_ptr<Histogram> histogram_;
    QList<QRgb> palette_;
    // Remappers not in use at the moment, kept for the next frames: making
    // one costs more than remapping a frame.
    mutable QMutex idleMutex_;
    mutable std::vector<std::unique_ptr<Remapper>> idle_;
};
