// What the screens do over and over while a class watches: one animation tick
// (read a GIF, decode it, show it) on each animated screen, one press on the
// Hamilton graph, and one load and unload of each screen. The screens are the
// program's own, loaded through the registry on the offscreen platform, and
// the pictures are the ones the build generated into the run folder.
//
// Usage: screen_bench [benchmark options] [PICTURE_FOLDER]
#include <QAccessible>
#include <QApplication>
#include <QImageReader>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include <string>
#include <vector>

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>

#include "app/appscreens.h"
#include "app/titlefrm.h"
#include "bench/giflibdecoder.h"
#include "duality/core/answerreader.h"
#include "duality/duality.h"
#include "hamilton/hamilton.h"
#include "mediapanel/mediapanel.h"
#include "module1/animationtable.h"
#include "module1/module1.h"
#include "platform/application.h"
#include "platform/frameplayer.h"
#include "platform/imagebox.h"
#include "platform/label.h"
#include "platform/picturefiles.h"
#include "platform/random.h"
#include "platform/screenregistry.h"
#include "program/everyscreen.h"

namespace {

constexpr int kTwipsPerPixel = 15;
constexpr int kQuestionCount = 11;
// A last question that none of the benchmarked ones equals, so the bank's
// "never the same question twice" rule does not move the choice.
constexpr int kUnbenchmarkedQuestion = 10;

// Loads and shows a screen, lets it paint once, and stops its animation timer
// so that only the benchmark advances the frames.
template <class T>
T* shownScreen(const QString& name) {
    auto* screen = qobject_cast<T*>(screens::show(name));
    if (!screen) return nullptr;
    if (auto* timer1 = screen->template findChild<QTimer*>(QStringLiteral("Timer1")))
        timer1->stop();
    QCoreApplication::processEvents();
    return screen;
}

void unloadScreen(const QString& name) {
    screens::unload(name);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The frames of the longest animation: that many ticks bring every screen's
// loop round at least once.
constexpr int kLongestLoop = [] {
    int frames = 0;
    for (const auto& sequence : AnimationTable::kAll) frames = std::max(frames, sequence.frames);
    return frames;
}();

// A whole loop before timing, so that every frame has been read and kept: the
// tick of every loop after the first, whatever number of ticks is timed. (The
// first loop is timed on its own, hamilton/firstLoop.)
template <class Tick>
void wholeLoop(Tick tick) {
    for (int i = 0; i < kLongestLoop; ++i) tick();
}

// Without the real pictures a tick would time a failed file search instead.
bool picturesMissing(benchmark::State& state) {
    if (PictureFiles::reportedFailures().isEmpty()) return false;
    const std::string missing =
        PictureFiles::reportedFailures().join(QLatin1Char(' ')).toStdString();
    state.SkipWithError(("pictures missing: " + missing).c_str());
    return true;
}

// state.range(0): 1 when the new frame is also painted, as the pupil sees it.
void titlefrmTick(benchmark::State& state) {
    auto* title = shownScreen<Titlefrm>(QStringLiteral("Titlefrm"));
    QWidget* picture1 = title->control(QStringLiteral("Picture1"));
    const bool paint = state.range(0) != 0;
    wholeLoop([&] { title->timer1Tick(); });
    for (auto _ : state) {
        title->timer1Tick();
        if (paint) picture1->repaint();
    }
    picturesMissing(state);
    unloadScreen(QStringLiteral("Titlefrm"));
}

// What a tick would cost if the frames were decoded once and kept: only
// handing the picture over and painting it. The frames are read before timing.
// state.range(0): 0 keeps them as Qt's reader gives them (32 bits a pixel,
// 300 KB a frame), 1 as giflib gives them (8-bit indexed, a quarter of that).
void titlefrmShowDecodedFrame(benchmark::State& state) {
    auto* title = shownScreen<Titlefrm>(QStringLiteral("Titlefrm"));
    auto* picture1 = title->control<ImageBox>(QStringLiteral("Picture1"));
    const bool indexed = state.range(0) != 0;
    std::vector<QImage> frames;
    qint64 bytes = 0;
    for (int n = 0; n < Titlefrm::kFrames; ++n) {
        const QString name =
            QString::fromStdString(Module1::frameName("recip1\\reci00", n, 2, ".gif"));
        frames.push_back(indexed ? GiflibDecoder::read(PictureFiles::resolve(name))
                                 : PictureFiles::load(name));
        bytes += frames.back().sizeInBytes();
    }
    std::size_t n = 0;
    for (auto _ : state) {
        n = (n + 1) % frames.size();
        picture1->setPicture(frames[n]);
        picture1->repaint();
    }
    state.SetLabel(std::to_string(bytes / frames.size() / 1024) + " KB a frame");
    picturesMissing(state);
    unloadScreen(QStringLiteral("Titlefrm"));
}

// state.range(0): the question, which decides the sequence; state.range(1): paint or not.
void dualityTick(benchmark::State& state) {
    const int question = static_cast<int>(state.range(0));
    Module1::lastquestion = kUnbenchmarkedQuestion;
    Random::setSource(
        [question] { return (static_cast<float>(question) + 0.5f) / kQuestionCount; });
    auto* screen = shownScreen<duality>(QStringLiteral("duality"));
    Random::setSource({});
    state.SetLabel(screen->player()->sequence().smallseq);
    QWidget* image2 = screen->Image2();
    const bool paint = state.range(1) != 0;
    wholeLoop([&] { screen->timer1Tick(); });
    for (auto _ : state) {
        screen->timer1Tick();
        if (paint) image2->repaint();
    }
    picturesMissing(state);
    unloadScreen(QStringLiteral("duality"));
}

// The clue is revealed first, so its frames are on show and not only read.
void hamiltonTick(benchmark::State& state) {
    auto* screen = shownScreen<hamilton>(QStringLiteral("hamilton"));
    screen->label2Click();
    QWidget* image2 = screen->control(QStringLiteral("Image2"));
    const bool paint = state.range(0) != 0;
    wholeLoop([&] { screen->timer1Tick(); });
    for (auto _ : state) {
        screen->timer1Tick();
        if (paint) image2->repaint();
    }
    picturesMissing(state);
    unloadScreen(QStringLiteral("hamilton"));
}

// The clue's first loop after it is revealed, painted: every frame read from
// its file, decoded and kept as the animation reaches it. Per loop.
void hamiltonFirstLoop(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        auto* screen = shownScreen<hamilton>(QStringLiteral("hamilton"));
        screen->label2Click();
        QWidget* image2 = screen->control(QStringLiteral("Image2"));
        state.ResumeTiming();
        for (int i = 0; i < AnimationTable::kVoyage.frames; ++i) {
            screen->timer1Tick();
            image2->repaint();
        }
        state.PauseTiming();
        const bool missing = picturesMissing(state);
        unloadScreen(QStringLiteral("hamilton"));
        state.ResumeTiming();
        if (missing) break;
    }
}

// A real click at the pixel of each edge's midpoint in turn: Qt finds the
// widget under it, the screen tests all thirty edges, flips the one hit, and
// the whole window is painted again at once.
void hamiltonPress(benchmark::State& state) {
    auto* screen = shownScreen<hamilton>(QStringLiteral("hamilton"));
    int edge = 0;
    int flips = 0;
    for (auto _ : state) {
        const int before = screen->edgestate()[edge];
        const QPoint at(qRound(screen->midx()[edge] / kTwipsPerPixel),
                        qRound(screen->midy()[edge] / kTwipsPerPixel));
        QTest::mouseClick(screen, Qt::LeftButton, {}, at);
        screen->repaint();
        if (screen->edgestate()[edge] != before) ++flips;
        edge = (edge + 1) % 30;
    }
    if (flips != state.iterations()) state.SkipWithError("a press missed its edge");
    unloadScreen(QStringLiteral("hamilton"));
}

// A press on the media panel's Step button, paused as a pupil must be to
// step: Qt delivers the click, the panel moves the frame on and the picture
// is painted at once. state.range(0): 0 on the Duality screen, 1 on the
// Hamilton clue.
void mediaPanelStep(benchmark::State& state) {
    const bool clue = state.range(0) != 0;
    const QString name = clue ? QStringLiteral("hamilton") : QStringLiteral("duality");
    Module1::lastquestion = kUnbenchmarkedQuestion;
    Random::setSource([] { return 0.5f / kQuestionCount; });
    auto* screen = shownScreen<Screen>(name);
    Random::setSource({});
    if (clue) qobject_cast<hamilton*>(screen)->label2Click();
    auto* panel = screen->control<MediaPanel>(QStringLiteral("MMControl1"));
    QWidget* image2 = screen->control(QStringLiteral("Image2"));
    QTest::mouseClick(panel->pauseButton(), Qt::LeftButton);
    const qint64 before = qobject_cast<ImageBox*>(image2)->picture().cacheKey();
    QTest::mouseClick(panel->stepButton(), Qt::LeftButton);
    if (qobject_cast<ImageBox*>(image2)->picture().cacheKey() == before)
        state.SkipWithError("Step did not move the frame");
    for (auto _ : state) {
        QTest::mouseClick(panel->stepButton(), Qt::LeftButton);
        image2->repaint();
    }
    picturesMissing(state);
    unloadScreen(name);
}

// The keyboard's answers to the same: Space on the focused edge toggles it as
// a press at its midpoint does, and an arrow moves the focus (and its mark)
// to the nearest edge that way. Each key goes through Qt to the focused
// edge and the window is painted again, as for the press.
// state.range(0): 0 toggles, 1 moves.
void hamiltonKey(benchmark::State& state) {
    auto* screen = shownScreen<hamilton>(QStringLiteral("hamilton"));
    const bool move = state.range(0) != 0;
    const Qt::Key keys[] = {Qt::Key_Up, Qt::Key_Right, Qt::Key_Down, Qt::Key_Left};
    int flips = 0;
    std::size_t n = 0;
    for (auto _ : state) {
        QWidget* focused = QApplication::focusWidget();
        const auto before = screen->edgestate();
        QTest::keyClick(focused, move ? keys[n++ % 4] : Qt::Key_Space);
        screen->repaint();
        if (screen->edgestate() != before) ++flips;
    }
    if ((flips == state.iterations()) == move)
        state.SkipWithError("a key did not do what it should");
    unloadScreen(QStringLiteral("hamilton"));
}

// What a screen reader asks of the answer box after a key: the character and
// the word at the caret and at the end, and the ones before the caret, each
// answered by the box's own accessible interface. Returns the characters given.
qsizetype askAsAScreenReader(QAccessibleTextInterface* text) {
    int start = 0;
    int end = 0;
    qsizetype answered = 0;
    for (auto type : {QAccessible::CharBoundary, QAccessible::WordBoundary}) {
        answered += text->textAtOffset(-2, type, &start, &end).size();
        answered += text->textAtOffset(text->characterCount(), type, &start, &end).size();
        answered += text->textBeforeOffset(-2, type, &start, &end).size();
    }
    return answered;
}

// A digit typed into the answer box and taken out again, the box painted,
// and with state.range(0) 1 the screen reader's requests after it.
void dualityAnswerKey(benchmark::State& state) {
    auto* screen = shownScreen<duality>(QStringLiteral("duality"));
    QLineEdit* box = screen->Text1();
    QTest::keyClicks(box, QStringLiteral("12 faces"));
    QAccessibleTextInterface* text = QAccessible::queryAccessibleInterface(box)->textInterface();
    const bool asked = state.range(0) != 0;
    qsizetype answered = 0;
    for (auto _ : state) {
        QTest::keyClick(box, Qt::Key_6);
        QTest::keyClick(box, Qt::Key_Backspace);
        if (asked) answered += askAsAScreenReader(text);
        box->repaint();
    }
    benchmark::DoNotOptimize(answered);
    unloadScreen(QStringLiteral("duality"));
}

// The screen reader's requests alone, on "12 faces" with the caret at its end.
void dualityScreenReaderRequests(benchmark::State& state) {
    auto* screen = shownScreen<duality>(QStringLiteral("duality"));
    QTest::keyClicks(screen->Text1(), QStringLiteral("12 faces"));
    QAccessibleTextInterface* text =
        QAccessible::queryAccessibleInterface(screen->Text1())->textInterface();
    qsizetype answered = 0;
    for (auto _ : state) answered += askAsAScreenReader(text);
    benchmark::DoNotOptimize(answered);
    unloadScreen(QStringLiteral("duality"));
}

// The rule alone, without Qt delivering the press or painting: the thirty
// edges tested and the one hit recoloured and restacked.
void hamiltonSurfacePress(benchmark::State& state) {
    auto* screen = shownScreen<hamilton>(QStringLiteral("hamilton"));
    int edge = 0;
    for (auto _ : state) {
        screen->surfacePress(QPointF(screen->midx()[edge], screen->midy()[edge]));
        edge = (edge + 1) % 30;
    }
    unloadScreen(QStringLiteral("hamilton"));
}

// A check of a full circuit, the most a check ever has to look at.
void hamiltonCheck(benchmark::State& state) {
    auto* screen = shownScreen<hamilton>(QStringLiteral("hamilton"));
    screen->cmdsolnClick();
    for (auto _ : state) screen->cmdcheckitClick();
    if (screen->Label4()->caption().isEmpty()) state.SkipWithError("the check gave no verdict");
    unloadScreen(QStringLiteral("hamilton"));
}

// Reading a typed answer must stay linear however much is pasted into the
// box: the characters read a second are reported and should not fall as the
// text grows.
// state.range(0): characters.
void readAnswer(benchmark::State& state, std::string (*make)(std::size_t)) {
    const std::string text = make(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(AnswerReader::leadingNumber(text));
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(text.size()));
}

std::string digits(std::size_t n) { return std::string(n, '7'); }
std::string blanksThenSix(std::size_t n) { return std::string(n, ' ') + "6"; }
std::string zerosAfterPoint(std::size_t n) { return "0." + std::string(n, '0') + "6"; }
std::string hexDigits(std::size_t n) { return "&H" + std::string(n, 'F'); }
std::string oneThenLetters(std::size_t n) { return "1" + std::string(n, 'x'); }

// A tick is mostly the decoding of one GIF frame. The title's frame 1 read by
// Qt's reader, as the program reads it, and by giflib for comparison; both
// must give the same pixels or the comparison means nothing.
const char* const kSampleFrame = "recip1\\reci0001.gif";

void decodeWithQt(benchmark::State& state) {
    const QString path = PictureFiles::resolve(QString::fromLatin1(kSampleFrame));
    for (auto _ : state) {
        QImageReader reader(path);
        benchmark::DoNotOptimize(reader.read());
    }
    if (path.isEmpty() || QImageReader(path).read().isNull())
        state.SkipWithError("no sample frame");
}

void decodeWithGiflib(benchmark::State& state) {
    const QString path = PictureFiles::resolve(QString::fromLatin1(kSampleFrame));
    for (auto _ : state) benchmark::DoNotOptimize(GiflibDecoder::read(path));
    const QImage ours = GiflibDecoder::read(path).convertToFormat(QImage::Format_ARGB32);
    const QImage qts = QImageReader(path).read().convertToFormat(QImage::Format_ARGB32);
    if (ours.isNull() || ours != qts) state.SkipWithError("giflib and Qt read different pixels");
}

// Resident memory of this process in KB.
long residentKb() {
    long pages = 0;
    long resident = 0;
    if (std::FILE* statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2) resident = 0;
        std::fclose(statm);
    }
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

// Going back and forth between screens all morning must cost the same each
// time and leave nothing behind: the label gives how much resident memory
// grew a hundred loads, after a first round that fills Qt's own caches.
void loadAndUnload(benchmark::State& state, const QString& name) {
    constexpr int kWarmUpLoads = 20;
    for (int i = 0; i < kWarmUpLoads; ++i) {
        screens::show(name);
        QCoreApplication::processEvents();
        unloadScreen(name);
    }
    const long before = residentKb();
    for (auto _ : state) {
        screens::show(name);
        QCoreApplication::processEvents();
        unloadScreen(name);
    }
    const long grown = residentKb() - before;
    state.SetLabel("RSS " + std::to_string(grown * 100 / std::max<long>(1, state.iterations())) +
                   " KB per 100 loads");
    picturesMissing(state);
}

void registerBenchmarks() {
    benchmark::RegisterBenchmark("Titlefrm/timer1Tick", titlefrmTick)
        ->ArgName("paint")
        ->Arg(0)
        ->Arg(1)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("Titlefrm/showDecodedFrame", titlefrmShowDecodedFrame)
        ->ArgName("indexed")
        ->Arg(0)
        ->Arg(1)
        ->Unit(benchmark::kMicrosecond);
    // Questions 0, 1 and 2 play the three different sequences of the quiz.
    benchmark::RegisterBenchmark("duality/timer1Tick", dualityTick)
        ->ArgNames({"question", "paint"})
        ->ArgsProduct({{0, 1, 2}, {0, 1}})
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("hamilton/timer1Tick", hamiltonTick)
        ->ArgName("paint")
        ->Arg(0)
        ->Arg(1)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("hamilton/firstLoop", hamiltonFirstLoop)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("hamilton/pressAndRepaint", hamiltonPress)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("hamilton/keyAndRepaint", hamiltonKey)
        ->ArgName("move")
        ->Arg(0)
        ->Arg(1)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("mediapanel/stepAndRepaint", mediaPanelStep)
        ->ArgName("clue")
        ->Arg(0)
        ->Arg(1)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("duality/answerKeyAndRepaint", dualityAnswerKey)
        ->ArgName("screenReader")
        ->Arg(0)
        ->Arg(1)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("duality/screenReaderRequests", dualityScreenReaderRequests)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("hamilton/surfacePress", hamiltonSurfacePress)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("hamilton/cmdcheckitClick", hamiltonCheck)
        ->Unit(benchmark::kMicrosecond);
    const struct {
        const char* name;
        std::string (*make)(std::size_t);
    } answers[] = {{"digits", digits},
                   {"blanksThenSix", blanksThenSix},
                   {"zerosAfterPoint", zerosAfterPoint},
                   {"hexDigits", hexDigits},
                   {"oneThenLetters", oneThenLetters}};
    for (const auto& answer : answers) {
        benchmark::RegisterBenchmark((std::string("duality/leadingNumber/") + answer.name).c_str(),
                                     readAnswer, answer.make)
            ->ArgName("chars")
            ->Arg(1'000'000)
            ->Arg(10'000'000)
            ->Arg(40'000'000)
            ->Unit(benchmark::kMillisecond);
    }
    benchmark::RegisterBenchmark("frameDecode/QImageReader", decodeWithQt)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("frameDecode/giflib", decodeWithGiflib)
        ->Unit(benchmark::kMicrosecond);
    for (const char* name : {"Titlefrm", "intro0", "duality", "hamilton", "notepad"}) {
        benchmark::RegisterBenchmark((std::string(name) + "/loadShowUnload").c_str(), loadAndUnload,
                                     QString::fromLatin1(name))
            ->Unit(benchmark::kMillisecond);
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    application::initialise(app);
    // "Exit" on the title screen must not end the benchmark.
    application::setEndHandler([] {});
    registerEveryScreen();

    benchmark::Initialize(&argc, argv);
    const QString folder =
        argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(QUORVANE_PICTURE_FOLDER);
    PictureFiles::setSearchFolders({folder});

    registerBenchmarks();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
