// A school morning in one run: the pupil goes round every screen 500 times
// through the real buttons, scribbles on the Jotter, and the three animations
// tick 100,000 times between them, all with the pictures the build draws.
// Afterwards nothing may have leaked (LeakSanitizer, in the sanitized build)
// and the memory held must be where it stood after the first round.
#include <QAbstractButton>
#include <QCoreApplication>
#include <QFile>
#include <QLineEdit>
#include <QTest>

#include <cstddef>
#include <iostream>

#include "app/intro0.h"
#include "app/titlefrm.h"
#include "duality/duality.h"
#include "hamilton/hamilton.h"
#include "jotter/notepad.h"
#include "module1/module1.h"
#include "platform/desktop.h"
#include "platform/picturefiles.h"
#include "platform/screenregistry.h"
#include "program/everyscreen.h"
#include "tests/support/programtest.h"

#ifdef __SANITIZE_ADDRESS__
// Freed memory is held back from reuse to catch late writes; a small hold
// fills up within the first round rather than growing to its default 256 MB.
extern "C" const char* __asan_default_options() { return "quarantine_size_mb=16"; }
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#endif

namespace {

constexpr int kRounds = 500;
// Two rounds in five the pupil draws on the Jotter, flips it and closes it;
// in the others it is left open and the activity's exit closes it.
constexpr int kJotterEvery = 5;
constexpr int kJotterRoundsInEvery = 2;
// 200 ticks a round, 100,000 in the morning.
constexpr int kTitleTicks = 70;
constexpr int kDualityTicks = 70;
constexpr int kHamiltonTicks = 60;
constexpr long kAllowedGrowthKb = 5 * 1024;
constexpr int kReportEvery = 50;

long residentKb() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').first().toLong();
    }
    return -1;
}

// What the program itself holds. Under AddressSanitizer the resident size
// mostly follows the sanitizer's own records (shadow memory, the stacks of
// every allocation, the hold on freed blocks), which keep growing for a
// while in any long run; its count of the bytes allocated and not yet freed
// is the program's share. Without the sanitizer it is the resident size.
long heldKb() {
#ifdef __SANITIZE_ADDRESS__
    return static_cast<long>(__sanitizer_get_current_allocated_bytes() / 1024);
#else
    return residentKb();
#endif
}

void settle() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

template <class S>
S* onShow(const char* name) {
    auto* screen = qobject_cast<S*>(ScreenRegistry::instance().find(QString::fromLatin1(name)));
    // Only the morning's own ticks move the animations.
    if (screen) screen->stopTimers();
    return screen;
}

class SchoolMorning : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        registerEveryScreen();
        PictureFiles::setSearchFolders({QStringLiteral(QUORVANE_RUN_FOLDER)});
        desktop::setSizeOverride(QSize(1024, 768));
    }

    void jot(notepad* pad) {
        const QColor bare = pad->drawing().pixelColor(70, 60);
        QTest::mousePress(pad, Qt::LeftButton, {}, QPoint(20, 60));
        QTest::mouseMove(pad, QPoint(70, 60));
        QTest::mouseMove(pad, QPoint(120, 60));
        QTest::mouseRelease(pad, Qt::LeftButton, {}, QPoint(120, 60));
        EXPECT_NE(pad->drawing().pixelColor(70, 60), bare) << "the pen draws";
    }

    void visitJotter(duality* quiz, bool scribble) {
        click(quiz, "cmdjotter");
        auto* pad = onShow<notepad>("notepad");
        ASSERT_NE(pad, nullptr) << "the Jotter opens";
        if (!scribble) return;
        jot(pad);
        click(pad, "Command3");
        ASSERT_EQ(pad->orientation(), PadLayout::Orientation::Portrait) << "Flip turns the pad";
        jot(pad);
        click(pad, "Command9");
        ASSERT_FALSE(ScreenRegistry::instance().isLoaded(QStringLiteral("notepad")));
    }

    void visitDuality(intro0* menu, bool scribble) {
        click(menu->Label5(0));
        auto* quiz = onShow<duality>("duality");
        ASSERT_NE(quiz, nullptr) << "the menu opens Duality";
        for (int i = 0; i < kDualityTicks; ++i) quiz->timer1Tick();
        QTest::keyClicks(quiz->Text1(), QString::number(Module1::dualanswer));
        click(quiz, "Cmdcheckit");
        ASSERT_EQ(quiz->Label4()->caption(), QStringLiteral("Correct, Well Done!"));
        click(quiz, "cmdgo");
        quiz->stopTimers();
        visitJotter(quiz, scribble);
        click(quiz, "cmdexit");
    }

    void visitHamilton(intro0* menu) {
        click(menu->Label5(2));
        auto* voyage = onShow<hamilton>("hamilton");
        ASSERT_NE(voyage, nullptr) << "the menu opens the voyage";
        click(voyage, "Label2");
        for (int i = 0; i < kHamiltonTicks; ++i) voyage->timer1Tick();
        const QPoint edge(qRound(voyage->midx()[0] / 15), qRound(voyage->midy()[0] / 15));
        QTest::mouseClick(voyage->windowHandle(), Qt::LeftButton, {}, edge);
        click(voyage, "Cmdcheckit");
        voyage->timer2Tick();
        click(voyage, "cmdsoln");
        click(voyage, "cmdexit");
    }

    void round(int n) {
        auto* title = onShow<Titlefrm>("Titlefrm");
        ASSERT_NE(title, nullptr);
        for (int i = 0; i < kTitleTicks; ++i) title->timer1Tick();
        click(title, "Command1");
        auto* menu = onShow<intro0>("intro0");
        ASSERT_NE(menu, nullptr) << "the title leads to the menu";
        visitDuality(menu, n % kJotterEvery < kJotterRoundsInEvery);
        if (HasFatalFailure()) return;
        menu = onShow<intro0>("intro0");
        ASSERT_NE(menu, nullptr) << "Duality's exit leads back to the menu";
        visitHamilton(menu);
        if (HasFatalFailure()) return;
        menu = onShow<intro0>("intro0");
        ASSERT_NE(menu, nullptr) << "the voyage's exit leads back to the menu";
        click(menu, "Command1");
        settle();
    }
};

TEST_F(SchoolMorning, EveryScreenFiveHundredTimesLeavesMemoryWhereItWas) {
    ScreenRegistry& registry = ScreenRegistry::instance();
    screens::show(QStringLiteral("Titlefrm"));
    const int titleLoads = registry.loadCount(QStringLiteral("Titlefrm"));

    round(0);
    ASSERT_FALSE(HasFatalFailure());
    const long residentAfterFirstRound = residentKb();
    const long heldAfterFirstRound = heldKb();
    for (int n = 1; n < kRounds && !HasFatalFailure(); ++n) {
        round(n);
        // The trend, for a log reader to tell a bounded cache from a leak.
        if (n % kReportEvery == 0)
            std::cout << "round " << n << ": resident " << residentKb() << " kB, held " << heldKb()
                      << " kB" << std::endl;
    }
    const long residentAfterMorning = residentKb();
    const long heldAfterMorning = heldKb();

    std::cout << "after the first round: resident " << residentAfterFirstRound << " kB, held "
              << heldAfterFirstRound << " kB; after the morning: resident " << residentAfterMorning
              << " kB, held " << heldAfterMorning << " kB" << std::endl;
    EXPECT_LE(heldAfterMorning - heldAfterFirstRound, kAllowedGrowthKb);

    // Every screen came and went through its buttons each round.
    EXPECT_EQ(registry.loadCount(QStringLiteral("Titlefrm")), titleLoads + kRounds);
    // The menu comes back after each activity as well.
    EXPECT_EQ(registry.loadCount(QStringLiteral("intro0")), 3 * kRounds);
    for (const char* name : {"duality", "hamilton", "notepad"})
        EXPECT_EQ(registry.loadCount(QString::fromLatin1(name)), kRounds) << name;
    EXPECT_TRUE(PictureFiles::reportedFailures().isEmpty())
        << PictureFiles::reportedFailures().join(QLatin1Char(' ')).toStdString();
}

}  // namespace
