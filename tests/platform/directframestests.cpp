// Frames put straight onto the window in the X server must leave it showing
// exactly what a full repaint would show, whatever order they come in and
// after the window has been covered and uncovered. Run on a real X server
// (tests/support/underxvfb.sh), since elsewhere every frame is repainted.
#include <QApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QScreen>
#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>

#include <vector>

#include "platform/imagebox.h"
#include "platform/twips.h"

namespace {

constexpr int kFrames = 8;

// A still backdrop with a square that moves, so consecutive frames differ
// in a region that moves too.
QImage frame(int n, QSize size) {
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient backdrop(0, 0, size.width(), size.height());
    backdrop.setColorAt(0, QColor(20, 40, 150));
    backdrop.setColorAt(1, QColor(200, 220, 250));
    painter.fillRect(image.rect(), backdrop);
    painter.fillRect(QRect(8 + 11 * n, 6 + 7 * n, 24, 20), QColor(255, 230, 0));
    return image;
}

// The box as the X server shows it, and as a repaint of its picture draws it.
QImage shown(QWidget* top, ImageBox* box) {
    QCoreApplication::processEvents();
    const QRect r(box->mapTo(top, QPoint(0, 0)), box->size());
    return top->screen()
        ->grabWindow(top->winId(), r.x(), r.y(), r.width(), r.height())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}
QImage painted(ImageBox* box) {
    return box->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

int differingPixels(const QImage& a, const QImage& b) {
    if (a.size() != b.size()) return a.width() * a.height() + 1;
    int wrong = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            wrong += qAbs(qRed(p) - qRed(q)) > 2 || qAbs(qGreen(p) - qGreen(q)) > 2 ||
                     qAbs(qBlue(p) - qBlue(q)) > 2;
        }
    return wrong;
}

TEST(DirectFrames, LeaveNoStaleStripWhateverTheOrderOrAnExposure) {
    ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("xcb"));
    const struct {
        const char* what;
        ImageBox::Fit fit;
        QSize box;
        double scale;  // a screen drawn smaller to fit a small desktop, or larger on a board
    } cases[] = {
        {"picture box the frames' size", ImageBox::Fit::AtCorner, {120, 90}, 1},
        {"stretched element larger than the frames", ImageBox::Fit::Stretch, {131, 97}, 1},
        {"picture box on a shrunk screen", ImageBox::Fit::AtCorner, {103, 77}, 0.86},
        {"picture box on an enlarged screen", ImageBox::Fit::AtCorner, {216, 162}, 1.8},
    };
    const QSize frameSize(120, 90);
    std::vector<QImage> frames;
    for (int n = 0; n < kFrames; ++n) frames.push_back(frame(n, frameSize));
    // Two loops forward, back one frame at a time, then jumps about.
    std::vector<int> order;
    for (int loop = 0; loop < 3; ++loop)
        for (int n = 0; n < kFrames; ++n) order.push_back(n);
    for (int n = kFrames - 2; n >= 0; --n) order.push_back(n);
    for (int n : {5, 2, 7, 7, 0, 3}) order.push_back(n);

    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        twips::setScale(c.scale);
        QWidget top;
        top.setFixedSize(c.box + QSize(70, 63));
        auto* box = new ImageBox(&top, QStringLiteral("Image2"), c.fit);
        box->setGeometry(QRect(QPoint(30, 20), c.box));
        box->setPicture(frames[0]);
        top.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&top));
        for (std::size_t i = 0; i < order.size(); ++i) {
            box->setPicture(frames[static_cast<std::size_t>(order[i])]);
            if (i < kFrames) {
                QTest::qWait(30);  // the first loop is repainted the usual way
                continue;
            }
            ASSERT_EQ(differingPixels(shown(&top, box), painted(box)), 0)
                << "step " << i << " to frame " << order[i];
        }
        if (c.scale != 1) {
            // Frame 3's square, 41..65 by 27..47 in the frame, drawn smaller or
            // larger with the screen.
            const QImage last = shown(&top, box);
            const double r = box->devicePixelRatioF() * c.scale;  // the grab is in device pixels
            const QColor square(255, 230, 0);
            EXPECT_EQ(last.pixelColor(QPointF(46 * r, 32 * r).toPoint()), square);
            EXPECT_EQ(last.pixelColor(QPointF(60 * r, 44 * r).toPoint()), square);
            EXPECT_NE(last.pixelColor(QPointF(68 * r, 50 * r).toPoint()), square);
        }
        EXPECT_TRUE(box->testAttribute(Qt::WA_NativeWindow))
            << "the frames were not put on a window of the box's own";

        // Another window over the box and away again: the box must show its
        // frame, not what the backing store last held.
        QWidget cover;
        cover.setWindowFlag(Qt::X11BypassWindowManagerHint);
        cover.setGeometry(QRect(top.mapToGlobal(QPoint(0, 0)), top.size()));
        cover.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&cover));
        cover.hide();
        QTest::qWait(100);
        EXPECT_EQ(differingPixels(shown(&top, box), painted(box)), 0) << "after an exposure";
        twips::setScale(1);
    }
}

}  // namespace
