// Every screen on a high-density display (run with QT_SCALE_FACTOR=2): the
// layout stays where its twips put it, lines and texts are drawn at the
// device's own resolution, and pictures come from their sharper versions where
// those exist and from the normal ones where not.
#include <QCoreApplication>
#include <QCursor>
#include <QDir>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QTest>
#include <QWindow>

#include <algorithm>
#include <cmath>

#include "app/titlefrm.h"
#include "hamilton/hamilton.h"
#include "jotter/notepad.h"
#include "module1/module1.h"
#include "platform/imagebox.h"
#include "platform/label.h"
#include "platform/linecontrol.h"
#include "platform/picturebutton.h"
#include "platform/picturefiles.h"
#include "platform/screen.h"
#include "platform/screenregistry.h"
#include "platform/twips.h"
#include "program/everyscreen.h"
#include "tests/highdpi/devicepixels.h"
#include "tests/support/fixturepictures.h"
#include "tests/support/programtest.h"

using namespace devicepixels;

namespace {

constexpr qreal kRatio = 2.0;
const QColor kWindowBlue(40, 66, 156);
const QColor kTitleGrey(192, 192, 192);
const QColor kUnmarkedRed(255, 0, 0);
// The colours of the fixture pictures: a normal one and its sharper version.
const QColor kNormalColour(0, 160, 0);
const QColor kSharpColour(200, 0, 200);

// Logical pixels of a length in twips, as the controls place it.
int px(int t) { return twips::toPixels(t); }

class HighDensity : public ProgramTest {
protected:
    static void SetUpTestSuite() { registerEveryScreen(); }

    void SetUp() override {
        ProgramTest::SetUp();
        ASSERT_DOUBLE_EQ(qGuiApp->devicePixelRatio(), kRatio) << "run these with QT_SCALE_FACTOR=2";
    }

    QString path(const char* relative) const {
        return ProgramTest::path(QString::fromLatin1(relative));
    }

    // Shows a screen with its animations held still.
    static Screen* show(const char* name) {
        Screen* screen = screens::show(QString::fromLatin1(name));
        if (!screen) return nullptr;
        EXPECT_TRUE(QTest::qWaitForWindowExposed(screen));
        screen->stopTimers();
        return screen;
    }

    static QImage grabbed(Screen* screen) {
        const QImage image = grab(screen);
        EXPECT_EQ(image.size(), screen->size() * kRatio) << "not drawn at the device's resolution";
        return image;
    }
};

TEST_F(HighDensity, EveryScreenKeepsItsLayoutInTwips) {
    const struct {
        const char* what;
        const char* screen;
        const char* control;
        QRect twips;  // inside the screen, as designed
    } cases[] = {
        // Frame1 sits 90 twips above the title screen's top edge.
        {"title's turning solid", "Titlefrm", "Picture1", {300, 1320 - 90, 4800, 3600}},
        {"title's name", "Titlefrm", "Label4", {60, 120 - 90, 5355, 855}},
        {"menu's logo", "intro0", "Image2", {120, 120, 1500, 2085}},
        {"menu's Exit", "intro0", "Command1", {90, 7950, 1785, 495}},
        {"quiz's clue", "duality", "Image2", {6840, 240, 4860, 3660}},
        {"quiz's question", "duality", "Label1", {360, 5160, 6855, 2415}},
        {"voyage's verdict", "hamilton", "Label4", {2760, 7800, 6495, 1095}},
        {"voyage's task", "hamilton", "Label3", {120, 5280, 2775, 2415}},
        {"voyage's Exit", "hamilton", "cmdexit", {90, 7950, 1785, 495}},
        {"Jotter's buttons", "notepad", "Frame_landscape", {0, 2910, 9920, 750}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Screen* screen = show(c.screen);
        ASSERT_NE(screen, nullptr);
        QWidget* control = screen->control(QString::fromLatin1(c.control));
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(twips::width(control), c.twips.width());
        EXPECT_EQ(twips::height(control), c.twips.height());
        const QRect logical(control->mapTo(screen, QPoint(0, 0)), control->size());
        EXPECT_EQ(logical, QRect(px(c.twips.x()), px(c.twips.y()), px(c.twips.width()),
                                 px(c.twips.height())));
        grabbed(screen);  // and the whole screen is drawn with twice the pixels each way
        screens::unload(QString::fromLatin1(c.screen));
        flushDeletes();
    }
}

TEST_F(HighDensity, HamiltonEdgesLandInPlaceSixDevicePixelsThickWithASolidCore) {
    auto* screen = qobject_cast<hamilton*>(show("hamilton"));
    ASSERT_NE(screen, nullptr);
    const QImage image = grabbed(screen);
    auto solidRed = [&](QPointF at) {
        const QPoint p(static_cast<int>(std::floor(at.x())), static_cast<int>(std::floor(at.y())));
        return image.rect().contains(p) && near(image.pixel(p), kUnmarkedRed, 20);
    };
    // 0 on the bare window, 1 on pure red, by the blue that red covers.
    auto redness = [&](QPointF at) {
        const QPoint p(static_cast<int>(std::floor(at.x())), static_cast<int>(std::floor(at.y())));
        if (!image.rect().contains(p)) return 0.0;
        return std::clamp(1.0 - qBlue(image.pixel(p)) / double(kWindowBlue.blue()), 0.0, 1.0);
    };
    int mixed = 0;
    for (int k = 0; k < DodecahedralGraph::kEdges; ++k) {
        SCOPED_TRACE(k);
        const LineControl* line = screen->Line1(k);
        ASSERT_EQ(line->widthPixels(), 3);
        const QLineF device(line->pixelLine().p1() * kRatio, line->pixelLine().p2() * kRatio);
        mixed +=
            mixedBlocks(image, QRectF(device.center() - QPointF(8, 8), QSizeF(16, 16)).toRect());
        // Along the line, a quarter and three quarters of the way: in place.
        EXPECT_TRUE(solidRed(device.pointAt(0.25)));
        EXPECT_TRUE(solidRed(device.pointAt(0.75)));
        // Across it at its middle, sampled finely: a solid red core, and red
        // enough in all (counting the antialiased rims by how red they are)
        // for 6 device pixels, the 3 logical pixels the line is set to.
        const QPointF across = QPointF(-device.dy(), device.dx()) / device.length();
        constexpr double kStep = 0.125;
        double thickness = 0;
        for (double t = -10; t <= 10; t += kStep) {
            const QPointF at = device.center() + across * t;
            if (std::abs(t) <= 1.75) {
                EXPECT_TRUE(solidRed(at)) << "a gap in the core at " << t;
            }
            thickness += redness(at) * kStep;
        }
        EXPECT_NEAR(thickness, 6.0, 0.5);
    }
    // Drawn at the device's resolution the lines' rims fall inside 2 by 2
    // blocks; a line drawn at 3 pixels and blown up would leave none mixed.
    EXPECT_GT(mixed, 100);
}

TEST_F(HighDensity, TextsAreDrawnAtTheDevicesResolutionAndTheirLogicalSize) {
    const struct {
        const char* what;
        const char* screen;
        const char* label;
        QColor background;
    } cases[] = {
        {"the title", "Titlefrm", "Label4", kTitleGrey},
        // The graph reaches into this one's box: only yellow counts as text.
        {"the voyage's story", "hamilton", "Label1", kWindowBlue},
        {"the quiz's question", "duality", "Label1", kWindowBlue},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Screen* screen = show(c.screen);
        ASSERT_NE(screen, nullptr);
        auto* label = screen->control<Label>(QString::fromLatin1(c.label));
        ASSERT_NE(label, nullptr);
        ASSERT_FALSE(label->caption().isEmpty());
        const QImage image = grabbed(screen);
        const QRect area = deviceRect(label, screen, kRatio);
        const int inked = inkedBlocks(image, area, label->foreColour(), c.background);
        EXPECT_GT(inked, 100) << "no text drawn";
        // Glyphs drawn at the device's resolution have edges inside 2 by 2
        // blocks; glyphs drawn at the normal size and blown up have none.
        EXPECT_GT(mixedBlocks(image, area), inked / 3);
        // The ink spans what the font spans in logical pixels, doubled: as
        // wide as the widest line, and as tall as the lines less the room
        // below the last one.
        const QRect ink = inkBounds(image, area, label->foreColour(), c.background);
        const QFontMetrics metrics(label->font());
        const QRect needed = metrics.boundingRect(QRect(QPoint(), label->size()), Qt::TextWordWrap,
                                                  label->caption());
        EXPECT_NEAR(ink.width(), needed.width() * kRatio, needed.width() * kRatio * 0.05);
        EXPECT_LE(ink.height(), needed.height() * kRatio);
        EXPECT_GT(ink.height(), (needed.height() - metrics.lineSpacing()) * kRatio);
        screens::unload(QString::fromLatin1(c.screen));
        flushDeletes();
    }
}

TEST_F(HighDensity, PicturesComeFromTheirSharpVersionsAndFallBackToTheNormalOnes) {
    const struct {
        const char* what;
        const char* screen;
        const char* control;  // empty: the screen's background picture
        const char* file;
        const char* sharpFile;  // empty: there is no sharper version
        QSize size;
        QPoint sample;  // a logical point inside the picture, in the screen
    } cases[] = {
        {"title's turning solid",
         "Titlefrm",
         "Picture1",
         "recip1/reci0000.gif",
         "recip1/reci0000@2x.gif",
         {320, 240},
         {180, 200}},
        {"menu's background",
         "intro0",
         "",
         "newrec0/newr0039.gif",
         "newrec0/newr0039@2x.gif",
         {800, 600},
         {790, 590}},
        {"menu's Exit",
         "intro0",
         "Command1",
         "Images/exit.jpg",
         "Images/exit@2x.jpg",
         {119, 33},
         {60, 546}},
        {"menu's logo, which has no sharper version",
         "intro0",
         "Image2",
         "Images/logo2.jpg",
         "",
         {100, 139},
         {58, 80}},
        {"voyage's Check, which has no sharper version",
         "hamilton",
         "Cmdcheckit",
         "Images/check.jpg",
         "",
         {119, 33},
         {730, 510}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const bool sharp = *c.sharpFile != '\0';
        ASSERT_TRUE(writeFlat(path(c.file), c.size, kNormalColour));
        if (sharp) {
            ASSERT_TRUE(writeFlat(path(c.sharpFile), c.size * 2, kSharpColour));
        }
        Screen* screen = show(c.screen);
        ASSERT_NE(screen, nullptr);

        QImage picture;
        QWidget* control = nullptr;
        if (*c.control == '\0') {
            picture = screen->backgroundPicture();
        } else {
            control = screen->control(QString::fromLatin1(c.control));
            ASSERT_NE(control, nullptr);
            if (auto* box = qobject_cast<ImageBox*>(control)) picture = box->picture();
            if (auto* button = qobject_cast<PictureButton*>(control)) picture = button->picture();
        }
        ASSERT_FALSE(picture.isNull());
        EXPECT_EQ(picture.devicePixelRatio(), sharp ? 2.0 : 1.0);
        // Either way it covers the same logical area.
        EXPECT_EQ(picture.deviceIndependentSize(), QSizeF(c.size));

        const QImage image = grabbed(screen);
        if (control) {
            ASSERT_TRUE(
                QRect(control->mapTo(screen, QPoint(0, 0)), control->size()).contains(c.sample));
        }
        EXPECT_TRUE(near(image.pixel(c.sample * kRatio), sharp ? kSharpColour : kNormalColour))
            << "shows " << QColor(image.pixel(c.sample * kRatio)).name().toStdString();
        screens::unload(QString::fromLatin1(c.screen));
        flushDeletes();
    }
}

TEST_F(HighDensity, ASharpFrameIsDrawnPixelForPixelAndANormalOneCoversTheSameArea) {
    // Frame 0 has a sharper version whose detail (a one-pixel chessboard)
    // exists only at the device's resolution; frame 1 has none.
    const QColor light(230, 230, 230), dark(20, 20, 20);
    ASSERT_TRUE(fixtures::writeGif(path("recip1/reci0000.gif"), 320, 240, 0));
    ASSERT_TRUE(writeChessboard(path("recip1/reci0000@2x.gif"), {640, 480}, light, dark));
    ASSERT_TRUE(fixtures::writeGif(path("recip1/reci0001.gif"), 320, 240, 1));
    Screen* screen = show("Titlefrm");
    ASSERT_NE(screen, nullptr);
    QWidget* picture1 = screen->control(QStringLiteral("Picture1"));
    ASSERT_NE(picture1, nullptr);
    const QRect area = deviceRect(picture1, screen, kRatio);
    ASSERT_EQ(area.size(), QSize(640, 480));

    QImage image = grabbed(screen);
    int wrong = 0;
    for (int y = 0; y < area.height(); ++y)
        for (int x = 0; x < area.width(); ++x)
            wrong +=
                !near(image.pixel(area.topLeft() + QPoint(x, y)), (x + y) % 2 ? dark : light, 40);
    EXPECT_EQ(wrong, 0) << "the sharp frame is not drawn one picture pixel to one device pixel";

    qobject_cast<Titlefrm*>(screen)->timer1Tick();
    image = grabbed(screen);
    // The normal frame is blown up to the same area: its dark corner pixel
    // becomes the last 2 by 2 block of the box, and nothing spills past it.
    const QColor frame1 = fixtures::frameColour(1);
    EXPECT_TRUE(near(image.pixel(area.topLeft()), frame1));
    EXPECT_TRUE(near(image.pixel(area.bottomRight() - QPoint(2, 2)), frame1));
    for (QPoint p : {QPoint(0, 0), QPoint(-1, 0), QPoint(0, -1), QPoint(-1, -1)})
        EXPECT_TRUE(near(image.pixel(area.bottomRight() + p), Qt::black)) << p.x() << "," << p.y();
    EXPECT_FALSE(near(image.pixel(area.bottomRight() + QPoint(1, 1)), Qt::black));
}

TEST_F(HighDensity, TheFullScreenPointerComesFromItsSharpVersionWithItsTipOnTheHotSpot) {
    QImage normal(32, 32, QImage::Format_ARGB32);
    normal.fill(Qt::transparent);
    ASSERT_TRUE(QDir().mkpath(path("Images")));
    ASSERT_TRUE(normal.save(path("Images/fullscreen-cursor.png")));
    QImage sharp(64, 64, QImage::Format_ARGB32);
    sharp.fill(Qt::transparent);
    sharp.setPixelColor(24, 2, Qt::black);  // the fingertip, only at the device's resolution
    ASSERT_TRUE(sharp.save(path("Images/fullscreen-cursor@2x.png")));

    Screen* screen = show("duality");
    ASSERT_NE(screen, nullptr);
    QWidget* fullScreen = screen->control(QStringLiteral("Label3"));
    ASSERT_NE(fullScreen, nullptr);
    const QCursor pointer = fullScreen->cursor();
    ASSERT_EQ(pointer.shape(), Qt::BitmapCursor);
    EXPECT_EQ(pointer.pixmap().devicePixelRatio(), kRatio);
    EXPECT_EQ(pointer.pixmap().deviceIndependentSize(), QSizeF(32, 32));
    // The hot spot is given in logical pixels, so it lands on the fingertip of
    // the sharp picture too.
    EXPECT_EQ(pointer.hotSpot() * kRatio, QPoint(24, 2));
    EXPECT_EQ(pointer.pixmap().toImage().pixelColor(pointer.hotSpot() * kRatio), QColor(Qt::black));
}

}  // namespace

namespace {

TEST_F(HighDensity, JotterStrokesAreKeptAtTheDevicesResolution) {
    Screen* pad = show("notepad");
    ASSERT_NE(pad, nullptr);
    QWindow* window = pad->windowHandle();
    QTest::mousePress(window, Qt::LeftButton, {}, QPoint(40, 40));
    QMouseEvent move(QEvent::MouseMove, QPointF(200, 41), QPointF(200, 41), Qt::NoButton,
                     Qt::LeftButton, {});
    QCoreApplication::sendEvent(pad, &move);
    QTest::mouseRelease(window, Qt::LeftButton, {}, QPoint(200, 41));

    const QImage shot = grabbed(pad);
    // A 3-pixel yellow stroke is 6 device pixels high, with edges of its own
    // rather than doubled pixels.
    int yellowRows = 0;
    for (int y = 60; y < 100; ++y)
        if (shot.pixelColor(240, y) == QColor(255, 255, 0)) ++yellowRows;
    EXPECT_GE(yellowRows, 5);
    EXPECT_LE(yellowRows, 7);
    EXPECT_GT(mixedBlocks(shot, QRect(100, 60, 280, 40)), 0)
        << "the stroke is a doubled 1x drawing";
}

// On a high-density screen the pupil's language's face comes first, sharp if
// it can; its word matters more than sharpness, so a normal face in the
// language comes before a sharp English one.
TEST_F(HighDensity, ButtonFacesInThePupilsLanguageComeSharpWhereTheyCan) {
    const QColor english(0, 160, 0), englishSharp(200, 0, 200), german(0, 0, 220),
        germanSharp(230, 140, 0);
    const struct {
        const char* what;
        const char* language;
        bool germanFace, germanSharpFace, damagedGerman;
        QColor expected;
        qreal ratio;
    } cases[] = {
        {"German, sharp", "de", true, true, false, germanSharp, 2.0},
        {"German, only normal", "de", true, false, false, german, 1.0},
        {"German damaged", "de", true, true, true, englishSharp, 2.0},
        {"English pupil", "", true, true, false, englishSharp, 2.0},
    };
    ASSERT_TRUE(writeFlat(path("Images/exit.jpg"), {119, 33}, english));
    ASSERT_TRUE(writeFlat(path("Images/exit@2x.jpg"), {238, 66}, englishSharp));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QFile::remove(path("Images/exit.de.jpg"));
        QFile::remove(path("Images/exit.de@2x.jpg"));
        if (c.germanFace) {
            ASSERT_TRUE(writeFlat(path("Images/exit.de.jpg"), {119, 33}, german));
        }
        if (c.germanSharpFace) {
            ASSERT_TRUE(writeFlat(path("Images/exit.de@2x.jpg"), {238, 66}, germanSharp));
        }
        if (c.damagedGerman) {
            for (const char* file : {"Images/exit.de.jpg", "Images/exit.de@2x.jpg"}) {
                QFile f(path(file));
                ASSERT_TRUE(f.resize(f.size() / 2));
            }
        }
        PictureFiles::setLanguage(QString::fromLatin1(c.language));
        const QImage picture = PictureFiles::load(QStringLiteral("Images\\exit.jpg"));
        PictureFiles::setLanguage({});
        ASSERT_FALSE(picture.isNull());
        EXPECT_EQ(picture.devicePixelRatio(), c.ratio);
        EXPECT_EQ(picture.deviceIndependentSize(), QSizeF(119, 33));
        const QColor shown = picture.pixelColor(picture.rect().center());
        EXPECT_NEAR(shown.red(), c.expected.red(), 12);
        EXPECT_NEAR(shown.green(), c.expected.green(), 12);
        EXPECT_NEAR(shown.blue(), c.expected.blue(), 12);
    }
    EXPECT_TRUE(PictureFiles::reportedFailures().isEmpty());
}

// A classroom board: presentation mode's scale (here 1.8, on top of the
// screen's own 2) and the screen's own ratio alone.
constexpr double kScales[] = {1.0, 1.8};

// The greyed "Full Screen" label is engraved one device pixel deep at any
// scale: its white copy hugs the grey text. Any further apart, the copy
// stands beside the grey and the text reads as doubled.
TEST_F(HighDensity, TheGreyedFullScreenLabelIsEngravedOneDevicePixelDeep) {
    for (double scale : kScales) {
        SCOPED_TRACE(scale);
        twips::setScale(scale);
        Screen* screen = show("duality");
        ASSERT_NE(screen, nullptr);
        auto* label = screen->control<Label>(QStringLiteral("Label3"));
        ASSERT_NE(label, nullptr);
        ASSERT_FALSE(label->isEnabled()) << "the label is greyed on purpose";
        label->show();  // as for the questions that show it
        const QImage image = grabbed(screen);
        const QRect area = deviceRect(label, screen, kRatio);
        // Brighter than the grey text or the dark box: the white copy shows.
        auto isWhitish = [](QRgb p) { return qRed(p) > 170 && qGreen(p) > 170 && qBlue(p) > 170; };
        // One device pixel deep, the white shows as a rim one pixel wide: the
        // pixel up and to the left of it is the grey text, never white again.
        int white = 0, doubled = 0;
        for (int y = area.top() + 1; y <= area.bottom(); ++y)
            for (int x = area.left() + 1; x <= area.right(); ++x) {
                if (!isWhitish(image.pixel(x, y))) continue;
                ++white;
                doubled += isWhitish(image.pixel(x - 1, y - 1));
            }
        EXPECT_GT(white, 20) << "no engraving";
        EXPECT_LT(doubled, white * 0.15) << doubled << " of " << white;
        screens::unload(QStringLiteral("duality"));
        flushDeletes();
    }
    twips::setScale(1);
}

// At presentation mode's scale on top of the screen's own ratio the Jotter
// keeps its drawing at the device's pixels, and a stroke drawn slowly along a
// shallow slope, one device pixel at a time, goes straight through the points
// reported (the whole stroke on a real board: tests/program/boardstroke.sh).
TEST_F(HighDensity, JotterStrokesAreDrawnAtTheScaleThroughEveryDevicePixel) {
    for (double scale : kScales) {
        SCOPED_TRACE(scale);
        twips::setScale(scale);
        auto* pad = qobject_cast<notepad*>(show("notepad"));
        ASSERT_NE(pad, nullptr);
        QWindow* window = pad->windowHandle();
        auto send = [&](QEvent::Type type, QPointF device, Qt::MouseButtons buttons) {
            const QPointF local = device / kRatio;
            QMouseEvent event(type, local, local, window->mapToGlobal(local), Qt::LeftButton,
                              buttons, {});
            QCoreApplication::sendEvent(window, &event);
        };
        const QPointF start(60, 60);
        constexpr double kSlope = 1.0 / 8;
        send(QEvent::MouseButtonPress, start, Qt::LeftButton);
        for (int dx = 1; dx <= 400; ++dx)
            send(QEvent::MouseMove, start + QPointF(dx, dx * kSlope), Qt::LeftButton);
        send(QEvent::MouseButtonRelease, start + QPointF(400, 50), Qt::NoButton);

        // The drawing is kept in device pixels; down each column the stroke's
        // middle lies on the line the pointer took.
        const QImage& drawing = pad->drawing();
        ASSERT_EQ(drawing.devicePixelRatio(), kRatio * scale);
        const QColor yellow(255, 255, 0);
        double worst = 0;
        for (int x = 100; x <= 420; ++x) {
            int first = -1, last = -1;
            for (int y = 30; y < 140; ++y) {
                if (drawing.pixelColor(x, y) != yellow) continue;
                if (first < 0) first = y;
                last = y;
            }
            ASSERT_GE(first, 0) << "a gap at " << x;
            const double middle = (first + last + 1) / 2.0;
            worst =
                std::max(worst, std::abs(middle - (start.y() + (x + 0.5 - start.x()) * kSlope)));
        }
        EXPECT_LT(worst, 0.8) << "the stroke is kinked";
        screens::unload(QStringLiteral("notepad"));
        flushDeletes();
    }
    twips::setScale(1);
}

}  // namespace
