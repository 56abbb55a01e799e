// The scale that keeps the standard window on the screen: down to the area
// the panels leave, up to fill the screen in presentation mode.
#include <QPainter>
#include <QWidget>

#include <gtest/gtest.h>

#include "platform/core/screenfit.h"
#include "platform/picturebutton.h"
#include "platform/twips.h"

namespace {

using Area = ScreenFit::Area;

struct FitRow {
    const char* name;
    Area screen;
    Area available;
    double expected;
};

class ScreenFitting : public ::testing::TestWithParam<FitRow> {};

TEST_P(ScreenFitting, KeepsTheCentredWindowInsideTheAvailableArea) {
    const FitRow& row = GetParam();
    const double scale = ScreenFit::fitting(row.screen, row.available, 800, 600);
    EXPECT_DOUBLE_EQ(scale, row.expected);
    // The centred window, at that scale, within the area.
    const double left = row.screen.left + (row.screen.width - 800 * scale) / 2;
    const double top = row.screen.top + (row.screen.height - 600 * scale) / 2;
    if (scale > ScreenFit::kSmallest) {
        EXPECT_GE(left, row.available.left);
        EXPECT_GE(top, row.available.top);
        EXPECT_LE(left + 800 * scale, row.available.left + row.available.width);
        EXPECT_LE(top + 600 * scale, row.available.top + row.available.height);
    }
}

INSTANTIATE_TEST_SUITE_P(
    ScreenFit, ScreenFitting,
    ::testing::Values(
        FitRow{"RoomyDesktopLeavesItAlone", {0, 0, 1920, 1080}, {0, 0, 1920, 1040}, 1.0},
        FitRow{"ExactlyTheWindowLeavesItAlone", {0, 0, 800, 600}, {0, 0, 800, 600}, 1.0},
        // 1024x600 netbook, 40-pixel panel at the bottom: 2 x 260 = 520 of 600.
        FitRow{"NetbookPanelBelow", {0, 0, 1024, 600}, {0, 0, 1024, 560}, 0.86},
        FitRow{"NetbookPanelAbove", {0, 0, 1024, 600}, {0, 40, 1024, 560}, 0.86},
        FitRow{"PanelAtTheSide", {0, 0, 800, 768}, {60, 0, 740, 768}, 0.85},
        FitRow{"SecondScreenOffset", {1920, 0, 1024, 600}, {1920, 0, 1024, 560}, 0.86},
        FitRow{"NoAvailableAreaAtAll", {0, 0, 1024, 600}, {0, 0, 0, 0}, ScreenFit::kSmallest}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ScreenFit, FillingLetterboxesOnTheShorterSide) {
    EXPECT_DOUBLE_EQ(ScreenFit::filling({0, 0, 1920, 1080}, 800, 600), 1.8);
    EXPECT_DOUBLE_EQ(ScreenFit::filling({0, 0, 1024, 768}, 800, 600), 1.28);
    EXPECT_DOUBLE_EQ(ScreenFit::filling({0, 0, 1024, 600}, 800, 600), 1.0);
    EXPECT_DOUBLE_EQ(ScreenFit::filling({0, 0, 0, 0}, 800, 600), 1.0);
}

// A screen drawn smaller or larger keeps every length in twips as it was set;
// only the pixels shrink or grow, fonts with them, and a press maps back to the
// same twips.
TEST(ScreenFit, ShrunkScreensKeepTheirTwips) {
    twips::setScale(0.86);
    QWidget window;
    QWidget control(&window);
    twips::setGeometry(&control, 10050, 7950, 1785, 495);
    EXPECT_EQ(twips::left(&control), 10050);
    EXPECT_EQ(twips::height(&control), 495);
    EXPECT_EQ(control.geometry(), QRect(576, 456, 103, 28));
    EXPECT_EQ(twips::pointsToPixels(18), 21);
    EXPECT_NEAR(twips::pointFromPixels(QPointF(576, 456)).x(), 10046.5, 0.1);
    twips::setScale(1);
    EXPECT_EQ(twips::perPixel(), 15);
    EXPECT_EQ(twips::pointsToPixels(18), 24);
    // Presentation mode enlarges the same way.
    twips::setScale(1.5);
    EXPECT_EQ(twips::perPixel(), 10);
    EXPECT_EQ(twips::pointsToPixels(18), 36);
    twips::setScale(1);
}

// Every picture a screen shows is drawn with it at its scale: a picture button
// of 1785 by 495 twips shows its whole face, both rounded ends included, on a
// netbook's shrunk screen as on a board, never the middle cut out at full size.
TEST(ScreenFit, PictureButtonsShowTheirWholeFaceAtEveryScale) {
    const QColor end(200, 0, 0), middle(0, 150, 0);
    QImage face(119, 33, QImage::Format_RGB32);
    face.fill(middle);
    QPainter(&face).fillRect(QRect(0, 0, 8, 33), end);
    QPainter(&face).fillRect(QRect(111, 0, 8, 33), end);
    for (double scale : {0.86, 1.0, 1.8}) {
        SCOPED_TRACE(scale);
        twips::setScale(scale);
        QWidget window;
        PictureButton button(&window);
        twips::setGeometry(&button, 90, 7950, 1785, 495);
        button.setPicture(face);
        const QImage shot = button.grab().toImage();
        const int mid = shot.height() / 2;
        EXPECT_EQ(QColor(shot.pixel(1, mid)), end) << "the left end is cut off";
        EXPECT_EQ(QColor(shot.pixel(shot.width() - 2, mid)), end) << "the right end is cut off";
        EXPECT_EQ(QColor(shot.pixel(shot.width() / 2, mid)), middle);
        EXPECT_NEAR(button.sizeHint().width(), button.width(), 1);
        EXPECT_NEAR(button.sizeHint().height(), button.height(), 1);
    }
    twips::setScale(1);
}

}  // namespace
