// Screens, their registry and the controls they stand on: loading on first
// touch, unloading, name look-up, twips geometry, mouse routing and lines.
#include <QCoreApplication>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <gtest/gtest.h>

#include "platform/controlarray.h"
#include "platform/imagebox.h"
#include "platform/label.h"
#include "platform/linecontrol.h"
#include "platform/picturebutton.h"
#include "platform/picturefiles.h"
#include "platform/screen.h"
#include "platform/screenregistry.h"
#include "platform/twips.h"
#include "tests/support/fixturepictures.h"

namespace {

// A screen that counts its loads and what reaches its surface.
class ProbeScreen : public Screen {
public:
    ProbeScreen() : Screen(QStringLiteral("probe")) {
        label = new Label(this, QStringLiteral("Label4"));
        label->setCaption(QStringLiteral("verdict"));
        twips::setGeometry(label, 1500, 1500, 3000, 1500);
        timer = new QTimer(this);
        timer->setObjectName(QStringLiteral("Timer1"));
        connect(
            this, &Screen::surfacePressed, this,
            [this](Qt::MouseButton, Qt::KeyboardModifiers, QPointF at) { presses.push_back(at); });
        setClientSizeTwips(12000, 9000);
    }
    void onLoad() override {
        ++loads;
        timer->start(10);
    }
    Label* label;
    QTimer* timer;
    int loads = 0;
    std::vector<QPointF> presses;
};

void flushDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

TEST(ScreenRegistry, LoadsOnFirstTouchAndAfreshAfterUnloading) {
    ScreenRegistry& registry = ScreenRegistry::instance();
    registry.registerScreen(QStringLiteral("probe"), [] { return new ProbeScreen; });
    EXPECT_FALSE(registry.isLoaded(QStringLiteral("probe")));
    EXPECT_EQ(registry.get(QStringLiteral("nosuchscreen")), nullptr);

    auto* first = static_cast<ProbeScreen*>(registry.get(QStringLiteral("PROBE")));
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->loads, 1);
    EXPECT_EQ(registry.get(QStringLiteral("probe")), first) << "a second touch must not load again";
    EXPECT_FALSE(first->isVisible()) << "touching loads but does not show";
    registry.show(QStringLiteral("probe"));
    EXPECT_TRUE(first->isVisible());

    QPointer<QTimer> timer = first->timer;
    QPointer<Screen> gone = first;
    registry.unload(QStringLiteral("probe"));
    EXPECT_FALSE(timer->isActive()) << "unloading stops the screen's timers at once";
    EXPECT_FALSE(registry.isLoaded(QStringLiteral("probe")));
    flushDeletes();
    EXPECT_TRUE(gone.isNull());
    EXPECT_TRUE(timer.isNull());

    auto* second = static_cast<ProbeScreen*>(registry.get(QStringLiteral("probe")));
    EXPECT_EQ(second->loads, 1);
    EXPECT_EQ(registry.loadCount(QStringLiteral("probe")), 2);
    registry.unload(QStringLiteral("probe"));
    registry.unload(QStringLiteral("probe"));  // unloading what is not loaded does nothing
    flushDeletes();
}

TEST(Screen, FindsControlsWhateverTheirCaseAndArrayElementsByIndex) {
    ProbeScreen screen;
    EXPECT_EQ(screen.control(QStringLiteral("label4")), screen.label);
    EXPECT_EQ(screen.control<Label>(QStringLiteral("LABEL4")), screen.label);
    EXPECT_EQ(screen.control(QStringLiteral("cmdgo")), nullptr);

    auto* element0 = new Label(&screen, QStringLiteral("Label5"), 0);
    element0->setCaption(QStringLiteral("Duality"));
    element0->setFontPoints(QStringLiteral("Tahoma"), 18, true);
    twips::setGeometry(element0, 6180, 2520, 5115, 495);
    ControlArray<Label> entries(element0);
    Label* third = entries.load(3);
    EXPECT_EQ(entries.load(3), third) << "loading an existing element keeps it";
    EXPECT_EQ(screen.control(QStringLiteral("label5"), 3), third);
    EXPECT_EQ(screen.control(QStringLiteral("label5")), element0);
    EXPECT_EQ(third->caption(), QStringLiteral("Duality"));
    EXPECT_EQ(third->font(), element0->font());
    EXPECT_EQ(twips::width(third), 5115);
    EXPECT_FALSE(third->isVisibleTo(&screen)) << "new elements start hidden";
    EXPECT_EQ(entries(2), nullptr);
}

TEST(Twips, ValuesReadBackAsSetAndNeighboursTouchOnScreen) {
    QWidget parent;
    QWidget a(&parent), b(&parent);
    // 305 twips is not a whole number of pixels; a row of them must not drift.
    twips::setGeometry(&a, 5010, 285, 240, 240);
    twips::setGeometry(&b, twips::left(&a) + 305 * 15, 285, 240, 240);
    EXPECT_EQ(twips::left(&b), 5010 + 305 * 15);
    EXPECT_EQ(b.x(), twips::toPixels(5010 + 305 * 15));
    twips::setTop(&a, -90);
    EXPECT_EQ(twips::top(&a), -90);
    EXPECT_EQ(a.y(), -6);

    QWidget upper(&parent), lower(&parent);
    twips::setGeometry(&lower, 10050, 7950, 1785, 495);
    twips::setGeometry(&upper, 10050, 7950 - 495, 1785, 495);
    EXPECT_EQ(upper.geometry().bottom() + 1, lower.geometry().top())
        << "stacked buttons leave no gap";
    EXPECT_EQ(twips::pointsToPixels(15.75), 21);
    EXPECT_EQ(twips::pointsToPixels(27.75), 37);
}

TEST(Screen, VisibleLabelsTakeThePressesOverThemAndHiddenOrDisabledOnesDoNot) {
    ProbeScreen screen;
    screen.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&screen));
    const QPoint overLabel(150, 150);  // inside the label's 100..300 x 100..200 pixels
    // Pressed through the window, so the press lands on whatever lies under it.
    QWindow* window = screen.windowHandle();

    QTest::mousePress(window, Qt::LeftButton, {}, overLabel);
    QTest::mouseRelease(window, Qt::LeftButton, {}, overLabel);
    EXPECT_TRUE(screen.presses.empty());

    screen.label->setEnabled(false);
    QTest::mousePress(window, Qt::LeftButton, {}, overLabel);
    QTest::mouseRelease(window, Qt::LeftButton, {}, overLabel);
    ASSERT_EQ(screen.presses.size(), 1u);
    EXPECT_EQ(screen.presses[0], QPointF(2250, 2250)) << "the surface hears of presses in twips";

    screen.label->setEnabled(true);
    screen.label->hide();
    QTest::mousePress(window, Qt::RightButton, Qt::ShiftModifier, overLabel);
    QTest::mouseRelease(window, Qt::RightButton, Qt::ShiftModifier, overLabel);
    EXPECT_EQ(screen.presses.size(), 2u);
}

TEST(Screen, LinesKeepAStackingOrderAndCopiesStartHidden) {
    ProbeScreen screen;
    LineControl* line0 = screen.addLine(QStringLiteral("Line1"), 0);
    line0->setColour(Qt::red);
    line0->setWidthPixels(3);
    line0->setVisible(false);
    ControlArray<LineControl> lines(line0);
    for (int k = 1; k <= 3; ++k) lines.load(k);
    EXPECT_EQ(lines(2)->colour(), QColor(Qt::red));
    EXPECT_EQ(lines(2)->widthPixels(), 3);
    EXPECT_FALSE(lines(2)->isVisible());
    EXPECT_EQ(screen.line(QStringLiteral("line1"), 3), lines(3));

    lines(1)->toFront();
    lines(2)->toBack();
    const std::vector<LineControl*> expected{lines(2), lines(0), lines(3), lines(1)};
    EXPECT_EQ(screen.lineStack(), expected);

    lines(1)->setPoints(3777, 7820, 6422, 7820);
    lines(1)->setVisible(true);
    screen.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&screen));
    const QImage shot = screen.grab().toImage();
    EXPECT_EQ(shot.pixelColor(350, 521), QColor(Qt::red))
        << "the line is drawn on the surface in pixels";
}

TEST(Screen, KeepsEachFrameItHasShownExactlyAndOnlyWhileLoaded) {
    QTemporaryDir dir;
    PictureFiles::setSearchFolders({dir.path()});
    const QString file = dir.filePath(QStringLiteral("recip1/reci0005.gif"));
    ASSERT_TRUE(fixtures::writeGif(file, 40, 30, 5));
    const QImage read = PictureFiles::load(QStringLiteral("recip1\\reci0005.gif"));

    auto screen = std::make_unique<ProbeScreen>();
    const QImage first = screen->loadFrame(QStringLiteral("recip1\\reci0005.gif"));
    EXPECT_EQ(first.convertToFormat(QImage::Format_RGB32),
              read.convertToFormat(QImage::Format_RGB32))
        << "kept in fewer colours but not changed";
    QFile::remove(file);
    EXPECT_EQ(fixtures::frameOf(screen->loadFrame(QStringLiteral("RECIP1\\reci0005.gif"))), -1)
        << "a name is kept as written";
    EXPECT_EQ(fixtures::frameOf(screen->loadFrame(QStringLiteral("recip1\\reci0005.gif"))), 5)
        << "a shown frame needs no second read";
    screen = std::make_unique<ProbeScreen>();
    EXPECT_TRUE(screen->loadFrame(QStringLiteral("recip1\\reci0005.gif")).isNull())
        << "a new screen reads afresh";
    PictureFiles::setSearchFolders({});
}

// F11 changes the display's scale under a loaded screen: its background, its
// picture boxes and buttons and its kept frames are read again to suit it.
TEST(Screen, ReadsItsPicturesAgainWhenTheDisplayScaleChanges) {
    QTemporaryDir dir;
    PictureFiles::setSearchFolders({dir.path()});
    const QStringList names{QStringLiteral("newrec0\\newr0039.gif"),
                            QStringLiteral("recip1\\reci0000.gif"),
                            QStringLiteral("Images\\logo2.jpg")};
    for (const QString& name : names) {
        const QString file =
            dir.filePath(QString(name).replace(QLatin1Char('\\'), QLatin1Char('/')));
        ASSERT_TRUE(fixtures::writeGif(file, 8, 6, 1));
        const qsizetype dot = file.lastIndexOf(QLatin1Char('.'));
        ASSERT_TRUE(
            fixtures::writeGif(file.left(dot) + QStringLiteral("@2x") + file.mid(dot), 16, 12, 2));
    }
    auto screen = std::make_unique<ProbeScreen>();
    auto* box = new ImageBox(screen.get(), QStringLiteral("Picture1"));
    auto* button = new PictureButton(screen.get(), QStringLiteral("Command1"));
    screen->setBackgroundPicture(PictureFiles::load(names[0]));
    ASSERT_TRUE(Screen::showFrame(box, names[1]));
    button->setPicture(PictureFiles::load(names[2]));
    const QSizeF desktop(800 * twips::kPerPixel, 600 * twips::kPerPixel);

    for (double ratio : {2.0, 1.0}) {
        twips::setScale(ratio);
        screen->followDesktop(desktop, desktop, false);
        const int version = ratio > 1 ? 2 : 1;
        EXPECT_EQ(fixtures::frameOf(screen->backgroundPicture()), version) << ratio;
        EXPECT_EQ(fixtures::frameOf(box->picture()), version) << ratio;
        EXPECT_EQ(fixtures::frameOf(button->picture()), version) << ratio;
        EXPECT_EQ(fixtures::frameOf(screen->loadFrame(names[1])), version)
            << ratio << ": a kept frame is read afresh";
    }
    PictureFiles::setSearchFolders({});
}

}  // namespace
