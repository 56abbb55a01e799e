// What assistive technology is told about every control a pupil can reach:
// a name saying what it does, a role, the disabled state, and news of a verdict.
#include <QAbstractButton>
#include <QAccessible>
#include <QCoreApplication>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include "accessiblelabel.h"
#include "appscreens.h"
#include "duality.h"
#include "dualityscreens.h"
#include "hamilton.h"
#include "hamiltonscreens.h"
#include "jotterscreens.h"
#include "label.h"
#include "mediapanel.h"
#include "module1.h"
#include "notepad.h"
#include "picturefiles.h"
#include "qstringprinter.h"
#include "screenregistry.h"

namespace {

QString nameOf(QObject* o) {
    return QAccessible::queryAccessibleInterface(o)->text(QAccessible::Name);
}
QAccessible::Role roleOf(QObject* o) { return QAccessible::queryAccessibleInterface(o)->role(); }

class AccessibilityTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(empty.isValid());
        PictureFiles::setSearchFolders({empty.path()});  // picture buttons show their captions
        Module1::reset();
        registerAppScreens();
        registerDualityScreens();
        registerHamiltonScreens();
        registerJotterScreens();
        AccessibleLabel::setAnnouncementObserver([this](Label* l) { announced << l->caption(); });
    }
    void TearDown() override {
        AccessibleLabel::setAnnouncementObserver({});
        ScreenRegistry::instance().unloadAll();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        PictureFiles::setSearchFolders({});
    }
    Screen* show(const char* name) {
        return ScreenRegistry::instance().show(QString::fromLatin1(name));
    }

    // Every button, answer box and clickable label that can be reached must say what it is.
    static void expectEveryReachableControlNamed(Screen* screen) {
        for (QWidget* w : screen->findChildren<QWidget*>()) {
            if (!w->isVisibleTo(screen)) continue;
            auto* label = qobject_cast<Label*>(w);
            const bool reachable = qobject_cast<QAbstractButton*>(w) ||
                                   qobject_cast<QLineEdit*>(w) || (label && label->isClickable());
            if (!reachable) continue;
            EXPECT_FALSE(nameOf(w).trimmed().isEmpty())
                << screen->objectName().toStdString() << ": " << w->objectName().toStdString()
                << " has no name";
        }
    }

    QTemporaryDir empty;
    QStringList announced;
};

TEST_F(AccessibilityTest, PictureButtonsAreNamedByWhatTheyDo) {
    Screen* quiz = show("duality");
    const struct {
        const char* control;
        const char* name;
    } rows[] = {{"cmdexit", "Exit"},
                {"cmdgo", "Next question"},
                {"Cmdcheckit", "Check"},
                {"cmdsoln", "Show the answer"},
                {"cmdjotter", "Jotter"}};
    for (const auto& r : rows) {
        QWidget* button = quiz->control(QString::fromLatin1(r.control));
        EXPECT_EQ(nameOf(button), QString::fromLatin1(r.name)) << r.control;
        EXPECT_EQ(roleOf(button), QAccessible::Button) << r.control;
    }
    auto* duality = static_cast<class duality*>(quiz);
    EXPECT_EQ(nameOf(duality->Text1()), QStringLiteral("Your answer"));
    EXPECT_EQ(roleOf(duality->Text1()), QAccessible::EditableText);
    MediaPanel* panel = duality->MMControl1();
    EXPECT_EQ((QStringList{nameOf(panel->playButton()), nameOf(panel->pauseButton()),
                           nameOf(panel->backButton()), nameOf(panel->stepButton())}),
              (QStringList{QStringLiteral("Play"), QStringLiteral("Pause"), QStringLiteral("Back"),
                           QStringLiteral("Step")}));
    expectEveryReachableControlNamed(quiz);
}

TEST_F(AccessibilityTest, TopicsAreButtonsNamedByTheirCaptionsWithTheirState) {
    Screen* menu = show("intro0");
    auto* duality = menu->control<Label>(QStringLiteral("Label5"), 0);
    auto* prisms = menu->control<Label>(QStringLiteral("Label2"), 1);
    EXPECT_EQ(nameOf(duality), QStringLiteral("Duality"));
    EXPECT_EQ(roleOf(duality), QAccessible::Button);
    EXPECT_FALSE(QAccessible::queryAccessibleInterface(duality)->state().disabled);
    EXPECT_EQ(nameOf(prisms), QStringLiteral("Prisms"));
    EXPECT_TRUE(QAccessible::queryAccessibleInterface(prisms)->state().disabled);
    EXPECT_EQ(roleOf(menu->control(QStringLiteral("Label4"))), QAccessible::StaticText)
        << "the version line";
    EXPECT_EQ(nameOf(menu->control(QStringLiteral("Command1"))), QStringLiteral("Exit"));
    expectEveryReachableControlNamed(menu);
    expectEveryReachableControlNamed(show("Titlefrm"));
}

TEST_F(AccessibilityTest, SwatchesAreNamedByTheirColours) {
    auto* pad = static_cast<notepad*>(show("notepad"));
    EXPECT_EQ(nameOf(pad->Label1(0)), QStringLiteral("black"));
    EXPECT_EQ(nameOf(pad->Label1(9)), QStringLiteral("light blue"));
    EXPECT_EQ(nameOf(pad->Label11(14)), QStringLiteral("yellow"));
    EXPECT_EQ(roleOf(pad->Label11(15)), QAccessible::Button);
    expectEveryReachableControlNamed(pad);
}

TEST_F(AccessibilityTest, EveryVerdictAndResultIsAnnounced) {
    auto* quiz = static_cast<duality*>(show("duality"));
    announced.clear();
    QTest::keyClicks(quiz->Text1(), QStringLiteral("twelve"));
    QTest::keyClick(quiz->Text1(), Qt::Key_Return);
    QTest::keyClick(quiz->Text1(), Qt::Key_Return);
    EXPECT_EQ(announced.count(QStringLiteral("Wrong, Try Again")), 2)
        << "a repeated verdict is news too";
    quiz->cmdsolnClick();
    EXPECT_EQ(announced.last(), QString::number(Module1::dualanswer));

    auto* voyage = static_cast<hamilton*>(show("hamilton"));
    announced.clear();
    voyage->cmdcheckitClick();
    EXPECT_EQ(announced, QStringList{QStringLiteral("Wrong, Try Again")});
    EXPECT_EQ(nameOf(voyage->Label4()), QStringLiteral("Wrong, Try Again"));
    expectEveryReachableControlNamed(voyage);
    EXPECT_EQ(roleOf(voyage->control(QStringLiteral("Label2"))), QAccessible::Button)
        << "Show Clue";
}

}  // namespace
