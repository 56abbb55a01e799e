// GIF files from QImages, and the shared palette that keeps animations steady.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <sys/resource.h>
#include <sys/stat.h>
#include <csignal>
#include <cstdlib>
#include <thread>
#include <vector>

#include "artwork/gifwriter/colourquantizer.h"
#include "artwork/gifwriter/gifwriter.h"

namespace {

// A smooth gradient with a few hard-edged shapes: the kind of frame the
// artwork makes. `shift` moves a disc along the bottom.
QImage sampleFrame(int shift = 0) {
    QImage image(96, 72, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb(30 + x / 4, 50 + y / 3, 140 + (x + y) / 6));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(250, 190, 60));
    p.setPen(QPen(Qt::white, 2));
    p.drawEllipse(QPointF(20 + shift, 58), 9, 9);
    p.setBrush(QColor(120, 220, 210, 140));
    p.drawRect(QRectF(30, 10, 40, 20));
    return image;
}

double meanChannelDifference(const QImage& a, const QImage& b) {
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    double sum = 0;
    for (int r = 0; r < x.height(); ++r)
        for (int c = 0; c < x.width(); ++c) {
            const QRgb p = x.pixel(c, r), q = y.pixel(c, r);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                   std::abs(qBlue(p) - qBlue(q));
        }
    return sum / (3.0 * x.width() * x.height());
}

QByteArray contents(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace

TEST(GifWriter, IndexedPicturesComeBackPixelForPixel) {
    QTemporaryDir dir;
    QImage image(37, 23, QImage::Format_Indexed8);
    // Five colours: the table is padded to eight in the file.
    image.setColorTable(
        {qRgb(0, 0, 0), qRgb(255, 0, 0), qRgb(0, 200, 0), qRgb(10, 20, 250), qRgb(255, 255, 255)});
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) image.setPixel(x, y, (x * 7 + y * 3) % 5);
    const QString path = dir.filePath(QStringLiteral("sub/folder/indexed.gif"));
    GifWriter writer(path);
    ASSERT_TRUE(writer.write(image)) << writer.errorString().toStdString();
    const QImage back(path);
    ASSERT_EQ(back.size(), image.size());
    EXPECT_EQ(back.convertToFormat(QImage::Format_RGB32),
              image.convertToFormat(QImage::Format_RGB32));
}

TEST(GifWriter, TrueColourIsReducedCloselyAndTransparencyKept) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("reduced.gif"));
    const QImage frame = sampleFrame();
    ASSERT_TRUE(GifWriter(path).write(frame));
    const QImage back(path);
    ASSERT_EQ(back.size(), frame.size());
    EXPECT_LT(meanChannelDifference(back, frame), 2.0);

    QImage clear(8, 8, QImage::Format_Indexed8);
    clear.setColorTable({qRgba(0, 0, 0, 0), qRgb(255, 255, 0)});
    clear.fill(0);
    clear.setPixel(3, 3, 1);
    ASSERT_TRUE(GifWriter(path).write(clear));
    const QImage clearBack = QImage(path).convertToFormat(QImage::Format_ARGB32);
    EXPECT_EQ(qAlpha(clearBack.pixel(0, 0)), 0);
    EXPECT_EQ(clearBack.pixel(3, 3), qRgb(255, 255, 0));
}

TEST(GifWriter, NewFilesFollowTheUmask) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("mode.gif"));
    const mode_t old = umask(022);
    const bool written = GifWriter(path).write(sampleFrame());
    umask(old);
    ASSERT_TRUE(written);
    struct stat info = {};
    ASSERT_EQ(stat(QFile::encodeName(path).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0644u);
}

TEST(GifWriter, AFailedWriteLeavesTheOldFileAndNoLeftovers) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("keep.gif"));
    {
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("old picture");
    }
    QImage noisy(150, 150, QImage::Format_RGB32);
    std::srand(7);
    for (int y = 0; y < noisy.height(); ++y)
        for (int x = 0; x < noisy.width(); ++x) noisy.setPixel(x, y, std::rand() & 0xffffff);

    // Let the file system refuse anything past 4 KiB, as a full disk would.
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    GifWriter writer(path);
    const bool written = writer.write(noisy);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(written);
    EXPECT_FALSE(writer.errorString().isEmpty());
    EXPECT_EQ(contents(path), QByteArray("old picture"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("keep.gif")});

    EXPECT_FALSE(GifWriter(path).write(QImage()));
    EXPECT_FALSE(GifWriter(dir.filePath(QStringLiteral("keep.gif/inside.gif"))).write(noisy));
    EXPECT_EQ(contents(path), QByteArray("old picture"));
}

TEST(ColourQuantizer, FramesShareOnePaletteSoStillAreasStayIdentical) {
    ColourQuantizer quantizer(256, 1.0);
    const QImage first = sampleFrame(0), second = sampleFrame(40);
    ASSERT_TRUE(quantizer.addFrame(first));
    ASSERT_TRUE(quantizer.addFrame(second));
    ASSERT_TRUE(quantizer.buildPalette());
    ASSERT_LE(quantizer.palette().size(), 256);

    const QImage a = quantizer.remap(first), b = quantizer.remap(second);
    ASSERT_EQ(a.format(), QImage::Format_Indexed8);
    const QList<QRgb> palette = quantizer.palette();
    for (QRgb c : a.colorTable()) EXPECT_TRUE(palette.contains(c));
    for (QRgb c : b.colorTable()) EXPECT_TRUE(palette.contains(c));
    EXPECT_LT(meanChannelDifference(a, first), 2.0);
    // The top half does not change between the frames, so neither may its colours.
    const QImage topA = a.copy(0, 0, 96, 40).convertToFormat(QImage::Format_RGB32);
    const QImage topB = b.copy(0, 0, 96, 40).convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(topA, topB);
    EXPECT_NE(a.convertToFormat(QImage::Format_RGB32), b.convertToFormat(QImage::Format_RGB32));
}

TEST(ColourQuantizer, FramesRemappedOnManyThreadsAndAtTwoSizesMatchOneAtATime) {
    ColourQuantizer quantizer(256, 0.6);
    ASSERT_TRUE(quantizer.addFrame(sampleFrame(0)));
    ASSERT_TRUE(quantizer.addFrame(sampleFrame(40)));
    ASSERT_TRUE(quantizer.buildPalette());
    // The normal frames and their sharper versions go through one quantizer.
    std::vector<QImage> frames;
    for (int shift = 0; shift < 48; shift += 4) {
        frames.push_back(sampleFrame(shift));
        frames.push_back(sampleFrame(shift).scaled(192, 144));
    }
    std::vector<QImage> alone;
    for (const QImage& frame : frames) alone.push_back(quantizer.remap(frame));

    std::vector<std::vector<QImage>> together(4, std::vector<QImage>(frames.size()));
    std::vector<std::thread> threads;
    for (size_t t = 0; t < together.size(); ++t)
        threads.emplace_back([&, t] {
            for (size_t i = 0; i < frames.size(); ++i) {
                const size_t k = (i + t * 5) % frames.size();  // each thread in its own order
                together[t][k] = quantizer.remap(frames[k]);
            }
        });
    for (auto& thread : threads) thread.join();

    for (size_t t = 0; t < together.size(); ++t)
        for (size_t k = 0; k < frames.size(); ++k) {
            ASSERT_EQ(together[t][k].size(), frames[k].size()) << t << "/" << k;
            EXPECT_EQ(together[t][k].convertToFormat(QImage::Format_RGB32),
                      alone[k].convertToFormat(QImage::Format_RGB32))
                << "thread " << t << " frame " << k;
        }
}
