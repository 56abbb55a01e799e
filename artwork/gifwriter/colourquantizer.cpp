#include "artwork/gifwriter/colourquantizer.h"

#include <libimagequant.h>

#include <algorithm>
#include <cstring>

namespace {

// libimagequant reads R, G, B, A bytes in memory order.
QImage asRgba(const QImage& image) { return image.convertToFormat(QImage::Format_RGBA8888); }

struct AttrDeleter {
    void operator()(liq_attr* a) const { liq_attr_destroy(a); }
};
struct ImageDeleter {
    void operator()(liq_image* i) const { liq_image_destroy(i); }
};
struct ResultDeleter {
    void operator()(liq_result* r) const { liq_result_destroy(r); }
};
using Attr = std::unique_ptr<liq_attr, AttrDeleter>;
using Image = std::unique_ptr<liq_image, ImageDeleter>;
using Result = std::unique_ptr<liq_result, ResultDeleter>;

Attr makeAttr(int maxColours) {
    Attr attr(liq_attr_create());
    if (attr) liq_set_max_colors(attr.get(), std::clamp(maxColours, 2, 256));
    return attr;
}

// libimagequant reads the pixels in place, so `rgba` must outlive the result.
// Four bytes a pixel keep Qt's rows unpadded, as one block.
Image makeImage(const liq_attr* attr, const QImage& rgba) {
    return Image(liq_image_create_rgba(attr, rgba.constBits(), rgba.width(), rgba.height(), 0));
}

QList<QRgb> paletteOf(liq_result* result) {
    const liq_palette* p = liq_get_palette(result);
    QList<QRgb> colours;
    for (unsigned i = 0; i < p->count; ++i)
        colours.append(qRgba(p->entries[i].r, p->entries[i].g, p->entries[i].b, p->entries[i].a));
    return colours;
}

// Remaps with the colours the result holds; returns a null image on failure.
QImage writeRemapped(liq_result* result, liq_image* image, int width, int height,
                     double dithering) {
    liq_set_dithering_level(result, static_cast<float>(dithering));
    QImage out(width, height, QImage::Format_Indexed8);
    std::vector<unsigned char*> rows(static_cast<size_t>(height));
    for (int y = 0; y < height; ++y) rows[y] = out.scanLine(y);
    if (liq_write_remapped_image_rows(result, image, rows.data()) != LIQ_OK) return {};
    // Remapping may refine the palette, so read it afterwards.
    out.setColorTable(paletteOf(result));
    return out;
}

}  // namespace

struct ColourQuantizer::Histogram {
    Attr attr;
    liq_histogram* histogram = nullptr;
    ~Histogram() {
        if (histogram) liq_histogram_destroy(histogram);
    }
};

// The shared palette ready to remap frames with. libimagequant keeps its
// remapping state in the result, so each thread remapping at once has its own.
struct ColourQuantizer::Remapper {
    Attr attr;
    QImage seedPixels;
    Image seed;
    Result result;
};

ColourQuantizer::ColourQuantizer(int maxColours, double dithering)
    : maxColours_(maxColours), dithering_(std::clamp(dithering, 0.0, 1.0)) {}

ColourQuantizer::~ColourQuantizer() = default;

bool ColourQuantizer::addFrame(const QImage& frame) {
    if (frame.isNull()) return false;
    if (!histogram_) {
        histogram_ = std::make_unique<Histogram>();
        histogram_->attr = makeAttr(maxColours_);
        if (!histogram_->attr) return false;
        histogram_->histogram = liq_histogram_create(histogram_->attr.get());
        if (!histogram_->histogram) return false;
    }
    const QImage rgba = asRgba(frame);
    Image image = makeImage(histogram_->attr.get(), rgba);
    return image && liq_histogram_add_image(histogram_->histogram, histogram_->attr.get(),
                                            image.get()) == LIQ_OK;
}

bool ColourQuantizer::buildPalette() {
    if (!histogram_ || !histogram_->histogram) return false;
    liq_result* raw = nullptr;
    if (liq_histogram_quantize(histogram_->histogram, histogram_->attr.get(), &raw) != LIQ_OK)
        return false;
    Result result(raw);
    palette_ = paletteOf(result.get());
    return !palette_.isEmpty();
}

std::unique_ptr<ColourQuantizer::Remapper> ColourQuantizer::makeRemapper() const {
    auto remapper = std::make_unique<Remapper>();
    // Every palette entry is fixed, which stops libimagequant from refining
    // the palette to suit any one frame; the one-pixel seed picture only
    // carries them into a result.
    remapper->attr = makeAttr(static_cast<int>(palette_.size()));
    if (!remapper->attr) return nullptr;
    // With every colour fixed there is no palette left to search for, so the
    // slow, thorough settings would buy nothing.
    liq_set_speed(remapper->attr.get(), 10);
    remapper->seedPixels = QImage(1, 1, QImage::Format_RGBA8888);
    remapper->seedPixels.fill(palette_.first());
    remapper->seed = makeImage(remapper->attr.get(), remapper->seedPixels);
    if (!remapper->seed) return nullptr;
    for (QRgb c : palette_) {
        const liq_color colour{
            static_cast<unsigned char>(qRed(c)), static_cast<unsigned char>(qGreen(c)),
            static_cast<unsigned char>(qBlue(c)), static_cast<unsigned char>(qAlpha(c))};
        if (liq_image_add_fixed_color(remapper->seed.get(), colour) != LIQ_OK) return nullptr;
    }
    liq_result* raw = nullptr;
    if (liq_image_quantize(remapper->seed.get(), remapper->attr.get(), &raw) != LIQ_OK)
        return nullptr;
    remapper->result.reset(raw);
    return remapper;
}

QImage ColourQuantizer::remap(const QImage& frame) const {
    if (palette_.isEmpty() || frame.isNull()) return {};
    std::unique_ptr<Remapper> remapper;
    {
        QMutexLocker lock(&idleMutex_);
        if (!idle_.empty()) {
            remapper = std::move(idle_.back());
            idle_.pop_back();
        }
    }
    if (!remapper) remapper = makeRemapper();
    if (!remapper) return {};
    const QImage rgba = asRgba(frame);
    QImage out;
    if (Image image = makeImage(remapper->attr.get(), rgba))
        out = writeRemapped(remapper->result.get(), image.get(), rgba.width(), rgba.height(),
                            dithering_);
    QMutexLocker lock(&idleMutex_);
    idle_.push_back(std::move(remapper));
    return out;
}

QImage ColourQuantizer::reduce(const QImage& image, int maxColours, double dithering) {
    if (image.isNull()) return {};
    Attr attr = makeAttr(maxColours);
    const QImage rgba = asRgba(image);
    Image liqImage = makeImage(attr.get(), rgba);
    if (!liqImage) return {};
    liq_result* raw = nullptr;
    if (liq_image_quantize(liqImage.get(), attr.get(), &raw) != LIQ_OK) return {};
    Result result(raw);
    return writeRemapped(result.get(), liqImage.get(), rgba.width(), rgba.height(),
                         std::clamp(dithering, 0.0, 1.0));
}
