// The topic menu: which entries live, where they stand, how the highlight
// follows the pointer, and where each click leads.
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

#include <functional>

#include "app/activities.h"
#include "app/appscreens.h"
#include "app/intro0.h"
#include "platform/announcer.h"
#include "platform/imagebox.h"
#include "platform/picturebutton.h"
#include "platform/picturefiles.h"
#include "platform/screenregistry.h"
#include "platform/shell.h"
#include "platform/twips.h"
#include "program/everyscreen.h"
#include "tests/support/fixturepictures.h"
#include "tests/support/programtest.h"

namespace {

// A stand-in activity screen, so the menu has somewhere to go.
class StandIn : public Screen {
public:
    explicit StandIn(const QString& name) : Screen(name) {}
    void onLoad() override {
        menuWasLoaded = ScreenRegistry::instance().isLoaded(QStringLiteral("intro0"));
    }
    static inline bool menuWasLoaded = false;
};

class MenuTest : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        registerAppScreens();
        registerActivities();
        ASSERT_TRUE(fixtures::writeShellPictures(pictures.path()));
        menu = static_cast<intro0*>(registry().show(QStringLiteral("intro0")));
        ASSERT_TRUE(QTest::qWaitForWindowExposed(menu));
    }
    // Moves the pointer through the window, so the move lands on whatever lies there.
    void moveTo(QWidget* over) {
        QTest::mouseMove(menu->windowHandle(), over->mapTo(menu, over->rect().center()));
    }
    void moveToTwips(int x, int y) {
        QTest::mouseMove(menu->windowHandle(), QPoint(x / 15, y / 15));
    }
    std::vector<Label*> entries() const {
        std::vector<Label*> all;
        for (int i = 0; i <= 5; ++i) all.insert(all.end(), {menu->Label2(i), menu->Label5(i)});
        return all;
    }

    intro0* menu = nullptr;
};

TEST_F(MenuTest, OnlyDualityAndTheVoyageAreLive) {
    QStringList live, shown;
    for (Label* e : entries()) {
        if (e->isVisible()) shown << e->caption();
        if (e->isVisible() && e->isEnabled()) live << e->caption();
    }
    EXPECT_EQ(live,
              (QStringList{QStringLiteral("Duality"), QStringLiteral("Voyage Around the World")}));
    EXPECT_EQ(shown.size(), 11);
    EXPECT_FALSE(menu->Label2(5)->isVisible());
    EXPECT_EQ(menu->Label2(5)->caption(), QStringLiteral("Pyramids"))
        << "the hidden sixth keeps the copied caption";
    EXPECT_EQ(menu->windowTitle(), QStringLiteral("Quorvane 2"));
}

TEST_F(MenuTest, EntriesStandOnTheirGridWithTheLastOneSetApart) {
    for (int i = 0; i <= 4; ++i) {
        EXPECT_EQ(twips::left(menu->Label2(i)), 480);
        EXPECT_EQ(twips::top(menu->Label2(i)), 2520 + 750 * i);
        EXPECT_EQ(twips::left(menu->Label5(i)), 6180);
        EXPECT_EQ(twips::top(menu->Label5(i)), 2520 + 750 * i);
        EXPECT_EQ(twips::width(menu->Label5(i)), 5115);
    }
    EXPECT_EQ(twips::top(menu->Label5(5)), 7020);
    auto* exit = menu->control<PictureButton>(QStringLiteral("Command1"));
    EXPECT_EQ(
        (QList<int>{twips::left(exit), twips::top(exit), twips::width(exit), twips::height(exit)}),
        (QList<int>{90, 7950, 1785, 495}));
    EXPECT_FALSE(exit->picture().isNull());
    EXPECT_EQ(menu->backColour(), QColor(49, 135, 215));
    EXPECT_FALSE(menu->backgroundPicture().isNull());
    EXPECT_FALSE(menu->control<ImageBox>(QStringLiteral("Image2"))->picture().isNull());
}

TEST_F(MenuTest, HighlightFollowsThePointerUntilItCrossesTheBackground) {
    Label* duality = menu->Label5(0);
    moveTo(duality);
    EXPECT_TRUE(duality->isOpaque());
    for (const char* name : {"Label6", "Image2", "Command1", "Label4"}) {
        moveTo(menu->control(QString::fromLatin1(name)));
        EXPECT_TRUE(duality->isOpaque()) << "moving over " << name << " keeps the highlight";
    }
    moveTo(menu->Label1());
    EXPECT_TRUE(menu->Label1()->isOpaque());
    moveTo(menu->Label5(2));
    EXPECT_TRUE(menu->Label5(2)->isOpaque());

    moveToTwips(6000, 2520 + 495 + 100);  // the strip between two entries
    for (Label* e : entries()) EXPECT_FALSE(e->isOpaque()) << e->caption().toStdString();
    EXPECT_FALSE(menu->Label1()->isOpaque());

    moveTo(menu->Label5(1));  // a disabled entry takes no highlight
    EXPECT_FALSE(menu->Label5(1)->isOpaque());
}

TEST_F(MenuTest, DualityShowsItsScreenBeforeTheMenuGoes) {
    registry().registerScreen(QStringLiteral("duality"),
                              [] { return new StandIn(QStringLiteral("duality")); });
    click(menu->Label5(0));
    EXPECT_TRUE(StandIn::menuWasLoaded);
    EXPECT_TRUE(registry().isLoaded(QStringLiteral("duality")));
    EXPECT_FALSE(registry().isLoaded(QStringLiteral("intro0")));
}

TEST_F(MenuTest, TheVoyageOpensTheHamiltonScreenAndDisabledEntriesDoNothing) {
    registry().registerScreen(QStringLiteral("hamilton"),
                              [] { return new StandIn(QStringLiteral("hamilton")); });
    click(menu->Label5(1));
    click(menu->Label2(3));
    EXPECT_TRUE(registry().isLoaded(QStringLiteral("intro0")));
    click(menu->Label5(2));
    EXPECT_TRUE(registry().isLoaded(QStringLiteral("hamilton")));
    EXPECT_FALSE(registry().isLoaded(QStringLiteral("intro0")));
}

// A new activity is a row of the table: its topic must come alive where the
// row says and lead to the row's screen, whatever its place in the column.
TEST_F(MenuTest, EveryActivityOfTheTableIsALiveTopicLeadingToItsScreen) {
    const std::vector<Activity> table = Activities::all();
    ASSERT_FALSE(table.empty());
    QSet<int> slots;
    QSet<QString> screens;
    for (const Activity& activity : table) {
        EXPECT_TRUE(activity.menuSlot >= 0 && activity.menuSlot <= 5) << activity.caption;
        EXPECT_FALSE(slots.contains(activity.menuSlot)) << activity.caption;
        EXPECT_FALSE(screens.contains(activity.screen.toLower())) << activity.caption;
        slots << activity.menuSlot;
        screens << activity.screen.toLower();

        registry().registerScreen(activity.screen,
                                  [name = activity.screen] { return new StandIn(name); });
        menu = static_cast<intro0*>(registry().show(QStringLiteral("intro0")));
        ASSERT_TRUE(QTest::qWaitForWindowExposed(menu));
        Label* topic = menu->Label5(activity.menuSlot);
        EXPECT_EQ(topic->caption(), QString::fromUtf8(activity.caption));
        click(topic);
        EXPECT_TRUE(registry().isLoaded(activity.screen)) << activity.caption;
        EXPECT_FALSE(registry().isLoaded(QStringLiteral("intro0"))) << activity.caption;
        registry().unload(activity.screen);
        flushDeletes();
    }
}

TEST_F(MenuTest, TheWebAddressOpensThroughTheShellAndTheMenuStays) {
    QList<QUrl> opened;
    shell::setOpenHandler([&](const QUrl& url) {
        opened << url;
        return false;  // no browser: the menu carries on all the same
    });
    click(menu->Label6());
    ASSERT_EQ(opened.size(), 1);
    EXPECT_EQ(opened[0], QUrl(intro0::publisherAddress()));
    EXPECT_TRUE(registry().isLoaded(QStringLiteral("intro0")));
    EXPECT_TRUE(menu->isVisible());
    EXPECT_EQ(menu->Label6()->caption(), QStringLiteral("quorvane.example.org"));
}

// Where no browser takes the address, the menu says so just above the web
// line for a while: at once, or once the desktop's opener (xdg-open) gives up.
TEST_F(MenuTest, WithNoBrowserTheMenuSaysSoAboveTheWebLine) {
    QTemporaryDir bin;
    QFile opener(bin.filePath(QStringLiteral("xdg-open")));
    ASSERT_TRUE(opener.open(QIODevice::WriteOnly));
    opener.write("#!/bin/sh\necho 'xdg-open: no method available for opening' >&2\nexit 3\n");
    opener.close();
    opener.setPermissions(QFile::ReadOwner | QFile::ExeOwner);
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", QByteArray(bin.path().toLocal8Bit() + ':' + path));
    const QByteArray browser = qgetenv("BROWSER");
    qunsetenv("BROWSER");
    Label* message = menu->noBrowserMessage();
    QStringList spoken;
    announcer::setObserver([&spoken](const QString& said) { spoken << said; });
    struct Way {
        const char* name;
        std::function<bool(const QUrl&)> handler;  // none: the desktop's opener
    };
    for (const Way& way : {Way{"refused at once", [](const QUrl&) { return false; }},
                           Way{"the opener gave up", {}}}) {
        shell::setOpenHandler(way.handler);
        message->hide();
        click(menu->Label6());
        QTRY_VERIFY2_WITH_TIMEOUT(message->isVisible(), way.name, 5000);
    }
    qputenv("PATH", path);
    if (!browser.isEmpty()) qputenv("BROWSER", browser);
    announcer::setObserver({});
    EXPECT_EQ(message->caption(), QStringLiteral("There is no web browser on this computer."));
    EXPECT_EQ(spoken, QStringList(2, message->caption())) << "a screen reader hears it each time";
    EXPECT_TRUE(message->captionFits());
    const QRect web = menu->Label6()->geometry(), topic = menu->Label5(5)->geometry();
    EXPECT_LE(message->geometry().bottom(), web.top());
    EXPECT_GE(message->geometry().top(), topic.bottom());
    // A browser that opens the page clears the message.
    shell::setOpenHandler([](const QUrl&) { return true; });
    click(menu->Label6());
    EXPECT_FALSE(message->isVisible());
}

// In a locked-down room the web line promises no address and says nothing.
TEST_F(MenuTest, ALockedDownRoomPromisesNoAddress) {
    EXPECT_EQ(menu->Label6()->toolTip(), intro0::publisherAddress());
    registry().unload(QStringLiteral("intro0"));
    flushDeletes();
    shell::setLocked(true);
    menu = static_cast<intro0*>(registry().show(QStringLiteral("intro0")));
    EXPECT_TRUE(menu->Label6()->toolTip().isEmpty());
    EXPECT_EQ(menu->Label6()->cursor().shape(), Qt::ArrowCursor);
    click(menu->Label6());
    EXPECT_TRUE(addressesOpened.isEmpty());
    EXPECT_FALSE(menu->noBrowserMessage()->isVisible());
}

TEST_F(MenuTest, EveryTextFitsItsBox) {
    for (Label* e : entries()) EXPECT_TRUE(e->captionFits()) << e->caption().toStdString();
    for (Label* l :
         {menu->Label1(), menu->Label6(), menu->control<Label>(QStringLiteral("Label4"))})
        EXPECT_TRUE(l->captionFits()) << l->caption().toStdString();
}

TEST_F(MenuTest, MissingPicturesLeaveAWorkingMenu) {
    registry().unload(QStringLiteral("intro0"));
    flushDeletes();
    PictureFiles::setSearchFolders({path(QStringLiteral("nowhere"))});
    menu = static_cast<intro0*>(registry().show(QStringLiteral("intro0")));
    EXPECT_TRUE(menu->backgroundPicture().isNull());
    EXPECT_EQ(menu->control<PictureButton>(QStringLiteral("Command1"))->text(),
              QStringLiteral("Exit"));
    EXPECT_TRUE(menu->Label5(0)->isEnabled());
    for (const char* name : {"newrec0\\newr0039.gif", "Images\\logo2.jpg", "Images\\exit.jpg"})
        EXPECT_TRUE(PictureFiles::reportedFailures().contains(QString::fromLatin1(name))) << name;
}

}  // namespace
