// Every picture file the program reads, in turn missing, cut off halfway or
// overwritten with noise, in a private stand-in for the run folder: the program
// tours every screen as a pupil would and each control still does its job,
// and standard error names the damaged file exactly once.
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <iterator>
#include <ostream>
#include <random>

#include "app/intro0.h"
#include "app/titlefrm.h"
#include "duality/core/answercheck.h"
#include "duality/core/questionbank.h"
#include "duality/duality.h"
#include "hamilton/hamilton.h"
#include "mediapanel/mediapanel.h"
#include "module1/module1.h"
#include "platform/desktop.h"
#include "platform/frameplayer.h"
#include "platform/imagebox.h"
#include "platform/label.h"
#include "platform/picturebutton.h"
#include "platform/picturefiles.h"
#include "platform/random.h"
#include "platform/screenregistry.h"
#include "program/everyscreen.h"
#include "tests/damaged/stderrcapture.h"
#include "tests/support/programtest.h"

namespace {

// The later frame damaged in each sequence; every screen's tour runs past it.
constexpr int kLaterFrame = 3;
constexpr int kTicksPastLaterFrame = kLaterFrame + 2;
constexpr int kFirstDualQuestion = 2;  // dualsm; then tetrahedron (newrsm), octahedron (recip1)
constexpr int kQuestionsToured[] = {kFirstDualQuestion, 0, 1};

struct PictureCase {
    const char* name;
    const char* file;         // in the run folder
    const char* programName;  // as the program asks for it
    int reports;              // lines naming it on standard error
};

const PictureCase kPictures[] = {
    {"ExitFace", "Images/exit.jpg", "Images\\exit.jpg", 1},
    {"NextFace", "Images/next.jpg", "Images\\next.jpg", 1},
    {"AnswerFace", "Images/answer.jpg", "Images\\answer.jpg", 1},
    {"CheckFace", "Images/check.jpg", "images\\check.jpg", 1},
    {"JotterFace", "Images/jotter.jpg", "images\\jotter.jpg", 1},
    // No screen has a scramble button, so nothing reads it and nothing is said.
    {"ScrambleFaceNeverRead", "Images/scramble.jpg", "images\\scramble.jpg", 0},
    {"FullScreenPointer", "Images/fullscreen-cursor.png", "Images\\fullscreen-cursor.png", 1},
    {"MenuLogo", "Images/logo2.jpg", "Images\\logo2.jpg", 1},
    {"MenuBackground", "newrec0/newr0039.gif", "newrec0\\newr0039.gif", 1},
    {"TitleAndOctahedronFirstFrame", "recip1/reci0000.gif", "recip1\\reci0000.gif", 1},
    {"TitleAndOctahedronLaterFrame", "recip1/reci0003.gif", "recip1\\reci0003.gif", 1},
    {"TetrahedronFirstFrame", "newrsm/newr0000.gif", "newrsm\\newr0000.gif", 1},
    {"TetrahedronLaterFrame", "newrsm/newr0003.gif", "newrsm\\newr0003.gif", 1},
    {"DualPairFirstFrame", "dualsm/dual0000.gif", "dualsm\\dual0000.gif", 1},
    {"DualPairLaterFrame", "dualsm/dual0003.gif", "dualsm\\dual0003.gif", 1},
    {"ClueFirstFrame", "voyvivsm/voyv0000.gif", "voyvivsm\\voyv0000.gif", 1},
    {"ClueLaterFrame", "voyvivsm/voyv0003.gif", "voyvivsm\\voyv0003.gif", 1},
};

enum class Damage { Missing, TruncatedToHalf, RandomBytes };

void PrintTo(const PictureCase& c, std::ostream* os) { *os << c.file; }

const char* damageName(Damage d) {
    switch (d) {
        case Damage::Missing:
            return "Missing";
        case Damage::TruncatedToHalf:
            return "TruncatedToHalf";
        case Damage::RandomBytes:
            return "RandomBytes";
    }
    return "";
}

void PrintTo(Damage d, std::ostream* os) { *os << damageName(d); }

// The run folder's picture folders as links in a folder of the test's own,
// except the folder of the file to damage, whose files are linked one by one.
// Cheap to make, and safe: the damaged picture is always a new file in place
// of its link, never a write through it.
bool linkRunFolder(const QString& to, const QString& damagedFile) {
    const QDir run(QStringLiteral(QUORVANE_RUN_FOLDER));
    const QString damagedFolder = QFileInfo(damagedFile).path();
    for (const QString& folder : run.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString target = to + QLatin1Char('/') + folder;
        if (folder != damagedFolder) {
            if (!QFile::link(run.filePath(folder), target)) return false;
            continue;
        }
        if (!QDir().mkpath(target)) return false;
        const QDir source(run.filePath(folder));
        for (const QString& file : source.entryList(QDir::Files)) {
            if (!QFile::link(source.filePath(file), target + QLatin1Char('/') + file)) return false;
        }
    }
    return true;
}

bool damage(const QString& path, Damage how) {
    QFile original(path);
    if (!original.open(QIODevice::ReadOnly)) return false;
    QByteArray bytes = original.readAll();
    original.close();
    if (!QFile::remove(path)) return false;
    if (how == Damage::Missing) return true;
    if (how == Damage::TruncatedToHalf) {
        bytes.truncate(bytes.size() / 2);
    } else {
        std::mt19937 noise(static_cast<unsigned>(qHash(path)));
        for (char& b : bytes) b = static_cast<char>(noise());
    }
    QFile damaged(path);
    return damaged.open(QIODevice::WriteOnly) && damaged.write(bytes) == bytes.size();
}

class DamagedPicture : public ProgramTest,
                       public ::testing::WithParamInterface<std::tuple<PictureCase, Damage>> {
protected:
    static void SetUpTestSuite() { registerEveryScreen(); }

    void SetUp() override {
        ProgramTest::SetUp();
        ASSERT_TRUE(m_run.isValid());
        ASSERT_TRUE(linkRunFolder(m_run.path(), QString::fromLatin1(std::get<0>(GetParam()).file)));
        PictureFiles::setSearchFolders({m_run.path()});
        desktop::setSizeOverride(QSize(1024, 768));
        m_questionDrawn = 0;
        Random::setSource([this] {
            return (static_cast<float>(kQuestionsToured[m_questionDrawn]) + 0.5f) /
                   QuestionBank::kCount;
        });
    }

    // Stops a screen's own timers so that only the test moves its animation.
    template <class S>
    static S* opened(const char* name) {
        auto* screen = qobject_cast<S*>(ScreenRegistry::instance().find(QString::fromLatin1(name)));
        if (screen) screen->stopTimers();
        return screen;
    }

    void tourTitle() {
        auto* title = qobject_cast<Titlefrm*>(screens::show(QStringLiteral("Titlefrm")));
        ASSERT_NE(title, nullptr);
        title->stopTimers();
        for (int i = 0; i < kTicksPastLaterFrame; ++i) title->timer1Tick();
        EXPECT_EQ(title->player()->framenum(), kTicksPastLaterFrame);
        EXPECT_FALSE(title->control<ImageBox>(QStringLiteral("Picture1"))->picture().isNull());
        click(title, "Command1");
        EXPECT_NE(opened<intro0>("intro0"), nullptr) << "OK leads to the menu";
        EXPECT_FALSE(ScreenRegistry::instance().isLoaded(QStringLiteral("Titlefrm")));
    }

    void tourQuestion(duality* screen) {
        for (int i = 0; i < kTicksPastLaterFrame; ++i) screen->timer1Tick();
        EXPECT_FALSE(screen->Image2()->picture().isNull()) << "an animation frame is on show";

        screen->Text1()->setFocus();
        QTest::keyClicks(screen->Text1(), QString::number(Module1::dualanswer));
        click(screen, "Cmdcheckit");
        EXPECT_EQ(screen->Label4()->caption(), QString::fromUtf8(AnswerCheck::kRightText));

        MediaPanel* panel = screen->MMControl1();
        click(panel->pauseButton());
        const FramePlayer* player = screen->player();
        const int before = player->framenum().value_or(0);
        click(panel->stepButton());
        EXPECT_EQ(player->framenum(), (before + 1) % player->sequence().framecount)
            << "Step moves on a frame";
        click(panel->backButton());
        EXPECT_EQ(player->framenum(), before) << "Back goes back a frame";
    }

    void tourDuality(intro0* menu) {
        click(menu->Label5(0));
        auto* screen = opened<duality>("duality");
        ASSERT_NE(screen, nullptr) << "the menu opens Duality";
        for (std::size_t q = 0; q < std::size(kQuestionsToured); ++q) {
            if (q > 0) {
                m_questionDrawn = static_cast<int>(q);
                click(screen, "cmdgo");
                screen->stopTimers();
            }
            EXPECT_EQ(Module1::lastquestion, kQuestionsToured[q]);
            tourQuestion(screen);
        }
        click(screen, "cmdsoln");
        EXPECT_EQ(screen->Label4()->caption(),
                  QString::fromStdString(AnswerCheck::answerText(Module1::dualanswer)));
        click(screen, "cmdjotter");
        EXPECT_TRUE(ScreenRegistry::instance().isLoaded(QStringLiteral("notepad")));
        click(screen, "cmdexit");
        EXPECT_FALSE(ScreenRegistry::instance().isLoaded(QStringLiteral("notepad")));
        EXPECT_FALSE(ScreenRegistry::instance().isLoaded(QStringLiteral("duality")));
    }

    void tourHamilton(intro0* menu) {
        click(menu->Label5(2));
        auto* screen = opened<hamilton>("hamilton");
        ASSERT_NE(screen, nullptr) << "the menu opens the voyage";
        click(screen, "Label2");
        auto* clue = screen->control<ImageBox>(QStringLiteral("Image2"));
        EXPECT_TRUE(clue->isVisible()) << "the clue shows";
        for (int i = 0; i < kTicksPastLaterFrame; ++i) screen->timer1Tick();
        EXPECT_FALSE(clue->picture().isNull());

        const QPoint edge(qRound(screen->midx()[0] / 15), qRound(screen->midy()[0] / 15));
        QTest::mouseClick(screen->windowHandle(), Qt::LeftButton, {}, edge);
        EXPECT_NE(screen->edgestate()[0], 0) << "a press marks the edge under it";
        click(screen, "Cmdcheckit");
        EXPECT_TRUE(screen->Label4()->isVisible()) << "the check gives its verdict";
        screen->stopTimers();

        auto* panel = screen->findChild<MediaPanel*>(QStringLiteral("MMControl1"));
        click(panel->pauseButton());
        const int before = screen->player()->framenum().value_or(0);
        click(panel->stepButton());
        EXPECT_EQ(screen->player()->framenum(), before + 1);
        click(screen, "cmdexit");
        EXPECT_FALSE(ScreenRegistry::instance().isLoaded(QStringLiteral("hamilton")));
    }

    void tourTheProgram() {
        tourTitle();
        if (testing::Test::HasFatalFailure()) return;
        intro0* menu = opened<intro0>("intro0");
        ASSERT_NE(menu, nullptr);
        tourDuality(menu);
        menu = opened<intro0>("intro0");
        ASSERT_NE(menu, nullptr) << "Duality's exit leads back to the menu";
        tourHamilton(menu);
        menu = opened<intro0>("intro0");
        ASSERT_NE(menu, nullptr) << "the voyage's exit leads back to the menu";
        click(menu, "Command1");
        auto* title = opened<Titlefrm>("Titlefrm");
        ASSERT_NE(title, nullptr) << "the menu's exit leads back to the title";
        EXPECT_EQ(title->control<QAbstractButton>(QStringLiteral("Command1"))->text(),
                  QStringLiteral("Cancel"));
    }

    QTemporaryDir m_run;
    int m_questionDrawn = 0;
};

TEST_P(DamagedPicture, ProgramCarriesOnAndNamesTheFileOnce) {
    const auto& [picture, how] = GetParam();
    ASSERT_TRUE(damage(m_run.filePath(QString::fromLatin1(picture.file)), how));

    StderrCapture capture;
    tourTheProgram();
    const QStringList lines = capture.finish();

    const QString name = QString::fromLatin1(picture.programName);
    const QStringList naming = lines.filter(name, Qt::CaseInsensitive);
    ASSERT_EQ(naming.size(), picture.reports) << lines.join(QLatin1Char('\n')).toStdString();
    if (picture.reports > 0) {
        EXPECT_TRUE(naming.first().startsWith(QStringLiteral("quorvane: cannot read picture ") +
                                              name + QStringLiteral(" (")))
            << naming.first().toStdString();
    }
    const QStringList expected = picture.reports > 0 ? QStringList{name} : QStringList{};
    EXPECT_EQ(PictureFiles::reportedFailures(), expected) << "no other picture is reported";
}

INSTANTIATE_TEST_SUITE_P(EveryPictureRead, DamagedPicture,
                         ::testing::Combine(::testing::ValuesIn(kPictures),
                                            ::testing::Values(Damage::Missing,
                                                              Damage::TruncatedToHalf,
                                                              Damage::RandomBytes)),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).name) +
                                    damageName(std::get<1>(info.param));
                         });

}  // namespace
