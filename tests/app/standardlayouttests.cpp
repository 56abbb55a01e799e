// The standard frame of the main screens: size, centring on any desktop, and
// the button column, with every step standing alone.
#include <QPushButton>

#include "app/standardlayout.h"
#include "platform/desktop.h"
#include "platform/imagebox.h"
#include "platform/picturebutton.h"
#include "platform/picturefiles.h"
#include "platform/screen.h"
#include "platform/twips.h"
#include "tests/support/fixturepictures.h"
#include "tests/support/programtest.h"

namespace {

struct Placed {
    int left, top, width, height;
};

Placed placeOf(const QWidget* w) {
    return {twips::left(w), twips::top(w), twips::width(w), twips::height(w)};
}
bool operator==(const Placed& a, const Placed& b) {
    return a.left == b.left && a.top == b.top && a.width == b.width && a.height == b.height;
}
std::ostream& operator<<(std::ostream& os, const Placed& p) {
    return os << p.left << "," << p.top << " " << p.width << "x" << p.height;
}

class StandardLayoutTest : public ProgramTest {
protected:
    PictureButton* addButton(const QString& name) {
        auto* b = new PictureButton(&screen, name, name);
        twips::setGeometry(b, 10080, 4800, 1650, 500);
        return b;
    }
    Screen screen{QStringLiteral("test")};
};

TEST_F(StandardLayoutTest, CentresTheScreenOnAnyDesktopWithoutClamping) {
    struct Row {
        QSize desktop;
        int left, top;
    } rows[] = {{{800, 600}, 0, 0},
                {{640, 480}, -1200, -900},
                {{1024, 768}, 1680, 1260},
                {{801, 601}, 8, 8}};
    for (const Row& r : rows) {
        desktop::setSizeOverride(r.desktop);
        standardlayout(screen);
        EXPECT_EQ(screen.leftTwips(), r.left) << r.desktop.width();
        EXPECT_EQ(screen.topTwips(), r.top) << r.desktop.width();
        EXPECT_EQ(screen.widthTwips(), 12000);
        EXPECT_EQ(screen.heightTwips(), 9000);
        EXPECT_FALSE(desktop::isBusyPointer());
    }
    EXPECT_EQ(screen.backColour(), QColor(40, 66, 156));
}

TEST_F(StandardLayoutTest, StacksTheFullButtonSetWithNoGapsAndNoTabStops) {
    ASSERT_TRUE(fixtures::writeButtonPictures(pictures.path()));
    for (const char* name : {"cmdexit", "cmdgo", "cmdsoln", "Cmdcheckit", "cmdjotter"})
        addButton(QString::fromLatin1(name));
    PictureButton* scramble = addButton(QStringLiteral("cmdscramble"));
    twips::setGeometry(scramble, 300, 400, 1000, 600);
    standardlayout(screen);

    const struct {
        const char* name;
        Placed place;
    } expected[] = {{"cmdgo", {10050, 7950, 1785, 495}},   {"cmdjotter", {10050, 7455, 1785, 495}},
                    {"cmdsoln", {10050, 6960, 1785, 495}}, {"Cmdcheckit", {10050, 6465, 1785, 495}},
                    {"cmdexit", {90, 7950, 1785, 495}},    {"cmdscramble", {300, 400, 1000, 600}}};
    for (const auto& e : expected) {
        auto* b = screen.control<PictureButton>(QString::fromLatin1(e.name));
        EXPECT_EQ(placeOf(b), e.place) << e.name;
        EXPECT_FALSE(b->picture().isNull()) << e.name << " got no picture";
    }
    for (const char* name : {"cmdgo", "cmdjotter", "cmdsoln", "Cmdcheckit", "cmdexit"})
        EXPECT_FALSE(screen.control(QString::fromLatin1(name))->focusPolicy() & Qt::TabFocus)
            << name;
}

TEST_F(StandardLayoutTest, AMissingButtonSkipsOnlyTheStepsThatNeedIt) {
    PictureButton* soln = addButton(QStringLiteral("cmdsoln"));
    twips::setTop(soln, 7920);
    addButton(QStringLiteral("cmdcheckit"));  // lower case: still the check button
    addButton(QStringLiteral("cmdexit"));
    standardlayout(screen);
    EXPECT_EQ(placeOf(soln), (Placed{10050, 7920, 1785, 495})) << "keeps its own Top";
    EXPECT_EQ(placeOf(screen.control(QStringLiteral("Cmdcheckit"))),
              (Placed{10050, 7425, 1785, 495}));
    EXPECT_EQ(placeOf(screen.control(QStringLiteral("cmdexit"))), (Placed{90, 7950, 1785, 495}));
}

TEST_F(StandardLayoutTest, WithoutPicturesTheLayoutIsStillDone) {
    // No Images folder at all.
    PictureButton* exit = addButton(QStringLiteral("cmdexit"));
    auto* picture = new ImageBox(&screen, QStringLiteral("Picture1"), ImageBox::Fit::AtCorner);
    standardlayout(screen);
    EXPECT_TRUE(exit->picture().isNull());
    EXPECT_EQ(exit->text(), QStringLiteral("cmdexit")) << "the caption stands in for the picture";
    EXPECT_EQ(placeOf(exit), (Placed{90, 7950, 1785, 495}));
    EXPECT_EQ(picture->backColour(), QColor(49, 135, 214));
    EXPECT_EQ(screen.leftTwips(), 0);
    EXPECT_EQ(screen.backColour(), QColor(40, 66, 156));
}

TEST_F(StandardLayoutTest, AnUnreadablePictureKeepsTheOneTheButtonHad) {
    ASSERT_TRUE(fixtures::writeButtonPictures(pictures.path()));
    PictureButton* go = addButton(QStringLiteral("cmdgo"));
    QImage before(5, 5, QImage::Format_RGB32);
    before.fill(Qt::magenta);
    go->setPicture(before);
    QFile::resize(path(QStringLiteral("Images/next.jpg")), 10);
    standardlayout(screen);
    EXPECT_EQ(go->picture(), before);
    EXPECT_TRUE(PictureFiles::reportedFailures().contains(QStringLiteral("Images\\next.jpg")));
}

}  // namespace
