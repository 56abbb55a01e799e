// The pictures as the program will read them: every file it names, at its
// size, decodable, and animations that move on every frame and loop without
// a jump; and beside each, its sharper version for high-density screens.
#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cmath>
#include <ostream>
#include <set>
#include <string_view>
#include <utility>

#include "artwork/pictures/buttonface.h"
#include "artwork/pictures/dualpairanimation.h"
#include "artwork/pictures/hamiltoncircuits.h"
#include "artwork/pictures/picturecatalogue.h"
#include "artwork/pictures/voyageanimation.h"
#include "hamilton/core/dodecahedralgraph.h"
#include "language/core/languagechoice.h"
#include "module1/animationtable.h"
#include "module1/module1.h"
#include "module1/wordedfaces.h"
#include "tests/support/glyphcoverage.h"

namespace {

// The translations the build made, from which the button faces take their words.
QString translationsFolder() { return QStringLiteral(QUORVANE_TRANSLATIONS_FOLDER); }

// Runs the real generator into a fresh folder, for the named groups or all,
// with the build's translations.
class Generated {
public:
    explicit Generated(const QStringList& names = {}) {
        QProcess generator;
        generator.start(
            QStringLiteral(QUORVANE_ARTWORK_PROGRAM),
            QStringList{QStringLiteral("--translations"), translationsFolder(), dir_.path()} +
                names);
        // Every face in every language at three sizes takes a while on a busy
        // machine; the wait only guards against a generator that never ends.
        ok_ = generator.waitForFinished(600000) && generator.exitStatus() == QProcess::NormalExit &&
              generator.exitCode() == 0;
        if (!ok_) log_ = QString::fromLocal8Bit(generator.readAllStandardError());
    }
    bool ok() const { return ok_; }
    std::string log() const { return log_.toStdString(); }
    QString path(const QString& relative) const { return dir_.filePath(relative); }

private:
    QTemporaryDir dir_;
    bool ok_ = false;
    QString log_;
};

// Every animation the program reads, as it names them.
using SequenceFiles = AnimationTable::Sequence;
constexpr const auto& kSequences = AnimationTable::kAll;

QString latin1(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

QString frameFile(const SequenceFiles& s, int frame) {
    return latin1(s.folder) + QLatin1Char('/') + latin1(s.prefix) +
           QStringLiteral("%1.gif").arg(frame, 4, 10, QLatin1Char('0'));
}

QString framePath(const Generated& out, const SequenceFiles& s, int frame) {
    return out.path(frameFile(s, frame));
}

// Every single picture the program reads, at its size on a normal screen.
struct StillFile {
    const char* file;
    QSize size;
};

const StillFile kStills[] = {
    {"newrec0/newr0039.gif", {800, 600}},
    {"Images/logo2.jpg", {100, 139}},
    {"Images/exit.jpg", {119, 33}},
    {"Images/next.jpg", {119, 33}},
    {"Images/answer.jpg", {119, 33}},
    {"Images/check.jpg", {119, 33}},
    {"Images/jotter.jpg", {119, 33}},
    {"Images/scramble.jpg", {119, 33}},
    {"Images/fullscreen-cursor.png", {32, 32}},
};

// The desktop's icons, which come in sizes of their own and have no sharper
// versions.
const int kIconSizes[] = {32, 48, 64, 128, 256};

QString iconFile(int size) { return QStringLiteral("icons/quorvane-%1.png").arg(size); }

// English ("") and every language the build made a translation for.
QStringList faceLanguages() {
    QStringList languages{QString()};
    for (const QString& file : QDir(translationsFolder()).entryList(QDir::Files, QDir::Name)) {
        const std::string language = LanguageChoice::languageOfFile(file.toStdString());
        if (!language.empty()) languages << QString::fromStdString(language);
    }
    return languages;
}

// Every button face in every language: "Images/exit.jpg", "Images/exit.de.jpg", ...
QStringList languageFaceFiles() {
    QStringList files;
    for (const QString& language : faceLanguages())
        for (const auto& face : WordedFaces::kAll)
            files << QString::fromStdString(
                AnimationTable::languageName(face.file, language.toStdString()));
    return files;
}

// Mean absolute difference per colour channel, 0 to 255.
double step(const QImage& a, const QImage& b) {
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    double sum = 0;
    for (int r = 0; r < x.height(); ++r) {
        const QRgb* p = reinterpret_cast<const QRgb*>(x.constScanLine(r));
        const QRgb* q = reinterpret_cast<const QRgb*>(y.constScanLine(r));
        for (int c = 0; c < x.width(); ++c)
            sum += std::abs(qRed(p[c]) - qRed(q[c])) + std::abs(qGreen(p[c]) - qGreen(q[c])) +
                   std::abs(qBlue(p[c]) - qBlue(q[c]));
    }
    return sum / (3.0 * x.width() * x.height());
}

// The same measure over all four channels, premultiplied so that whatever
// colour a transparent pixel keeps does not count.
double difference(const QImage& a, const QImage& b) {
    const QImage x = a.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage y = b.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    double sum = 0;
    for (int r = 0; r < x.height(); ++r) {
        const QRgb* p = reinterpret_cast<const QRgb*>(x.constScanLine(r));
        const QRgb* q = reinterpret_cast<const QRgb*>(y.constScanLine(r));
        for (int c = 0; c < x.width(); ++c)
            sum += std::abs(qRed(p[c]) - qRed(q[c])) + std::abs(qGreen(p[c]) - qGreen(q[c])) +
                   std::abs(qBlue(p[c]) - qBlue(q[c])) + std::abs(qAlpha(p[c]) - qAlpha(q[c]));
    }
    return sum / (4.0 * x.width() * x.height());
}

// Neighbouring pixels, across and down, that differ by at least `least` in
// some channel: the crisp edges of a picture.
int edgeSteps(const QImage& image, int least) {
    const QImage x = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    auto apart = [least](QRgb a, QRgb b) {
        return std::abs(qRed(a) - qRed(b)) >= least || std::abs(qGreen(a) - qGreen(b)) >= least ||
               std::abs(qBlue(a) - qBlue(b)) >= least || std::abs(qAlpha(a) - qAlpha(b)) >= least;
    };
    int count = 0;
    for (int r = 0; r + 1 < x.height(); ++r) {
        const QRgb* p = reinterpret_cast<const QRgb*>(x.constScanLine(r));
        const QRgb* below = reinterpret_cast<const QRgb*>(x.constScanLine(r + 1));
        for (int c = 0; c + 1 < x.width(); ++c)
            count += apart(p[c], p[c + 1]) + apart(p[c], below[c]);
    }
    return count;
}

// The largest step between neighbouring pixels anywhere in a picture.
int largestStep(const QImage& image) {
    for (int least = 255; least > 0; --least)
        if (edgeSteps(image, least) > 0) return least;
    return 0;
}

// `scale` by `scale` blocks, on rows and columns that are multiples of it,
// whose pixels are not all alike: a picture copied up pixel for pixel has none.
int mixedBlocks(const QImage& image, int least, int scale) {
    const QImage x = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    auto apart = [least](QRgb a, QRgb b) {
        return std::abs(qRed(a) - qRed(b)) >= least || std::abs(qGreen(a) - qGreen(b)) >= least ||
               std::abs(qBlue(a) - qBlue(b)) >= least || std::abs(qAlpha(a) - qAlpha(b)) >= least;
    };
    int count = 0;
    for (int r = 0; r + scale <= x.height(); r += scale)
        for (int c = 0; c + scale <= x.width(); c += scale) {
            const QRgb corner = x.pixel(c, r);
            bool mixed = false;
            for (int dr = 0; dr < scale && !mixed; ++dr)
                for (int dc = 0; dc < scale && !mixed; ++dc)
                    mixed = apart(corner, x.pixel(c + dc, r + dr));
            count += mixed;
        }
    return count;
}

// WCAG's relative luminance and contrast ratio.
double luminance(QRgb c) {
    auto linear = [](int v) {
        const double s = v / 255.0;
        return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(qRed(c)) + 0.7152 * linear(qGreen(c)) + 0.0722 * linear(qBlue(c));
}
double contrast(QRgb a, QRgb b) {
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

class Sequence : public ::testing::TestWithParam<SequenceFiles> {};

std::string sequenceName(const ::testing::TestParamInfo<SequenceFiles>& info) {
    return std::string(info.param.folder);
}

}  // namespace

// Found by argument lookup beside the table's own type, so a failing case
// names its folder rather than printing bytes.
void PrintTo(const AnimationTable::Sequence& s, std::ostream* out) { *out << s.folder; }

// The whole set, drawn once for the tests that look across all of it.
class WholeSet : public ::testing::Test {
protected:
    static void SetUpTestSuite() { generated_ = new Generated; }
    static void TearDownTestSuite() {
        delete generated_;
        generated_ = nullptr;
    }
    static const Generated& generated() { return *generated_; }

private:
    static inline Generated* generated_ = nullptr;
};

TEST_F(WholeSet, GeneratorWritesEveryFileTheProgramReads) {
    const Generated& out = generated();
    ASSERT_TRUE(out.ok()) << out.log();
    for (const SequenceFiles& s : kSequences) {
        for (int f = 0; f < s.frames; ++f) {
            const QImage frame(framePath(out, s, f));
            ASSERT_FALSE(frame.isNull()) << framePath(out, s, f).toStdString();
            EXPECT_EQ(frame.size(), QSize(320, 240)) << framePath(out, s, f).toStdString();
        }
        EXPECT_FALSE(QFileInfo::exists(framePath(out, s, s.frames))) << s.folder;
    }
    for (const StillFile& still : kStills)
        EXPECT_EQ(QImage(out.path(QString::fromLatin1(still.file))).size(), still.size)
            << still.file;
    for (int size : kIconSizes)
        EXPECT_EQ(QImage(out.path(iconFile(size))).size(), QSize(size, size)) << size;
    // German, French and Spanish at least.
    EXPECT_GE(faceLanguages().size(), 4) << translationsFolder().toStdString();
    for (const QString& file : languageFaceFiles())
        EXPECT_EQ(QImage(out.path(file)).size(), QSize(119, 33)) << file.toStdString();
}

TEST_F(WholeSet, EveryPictureTheProgramReadsHasItsSharpVersionsAtEachScale) {
    const Generated& out = generated();
    ASSERT_TRUE(out.ok()) << out.log();
    for (int scale : PictureCatalogue::kSharpScales) {
        SCOPED_TRACE(scale);
        for (const SequenceFiles& s : kSequences) {
            for (int f = 0; f < s.frames; ++f) {
                const QString file = out.path(PictureCatalogue::sharpPath(frameFile(s, f), scale));
                EXPECT_EQ(QImage(file).size(), QSize(320, 240) * scale) << file.toStdString();
            }
            // The same number of frames, so every version's loop runs in step.
            EXPECT_FALSE(QFileInfo::exists(
                out.path(PictureCatalogue::sharpPath(frameFile(s, s.frames), scale))))
                << s.folder;
        }
        for (const StillFile& still : kStills) {
            const QString file =
                PictureCatalogue::sharpPath(QString::fromLatin1(still.file), scale);
            EXPECT_EQ(QImage(out.path(file)).size(), still.size * scale) << file.toStdString();
        }
        for (const QString& face : languageFaceFiles()) {
            const QString file = PictureCatalogue::sharpPath(face, scale);
            EXPECT_EQ(QImage(out.path(file)).size(), QSize(119, 33) * scale) << file.toStdString();
        }
        for (int size : kIconSizes)
            EXPECT_FALSE(
                QFileInfo::exists(out.path(PictureCatalogue::sharpPath(iconFile(size), scale))))
                << size;
    }
}

TEST_F(WholeSet, SharpVersionsLookLikeTheNormalOnesDrawnFiner) {
    // Mean difference per channel, 0 to 255, of a sharp version shrunk to the
    // normal size; JPEG buttons with small captions differ most.
    constexpr double kLooksAlike = 6.0;
    const Generated& out = generated();
    ASSERT_TRUE(out.ok()) << out.log();
    QStringList files;
    for (const StillFile& still : kStills) files << QString::fromLatin1(still.file);
    for (const SequenceFiles& s : kSequences)
        for (int f : {0, s.frames / 2, s.frames - 1}) files << frameFile(s, f);
    for (int scale : PictureCatalogue::kSharpScales)
        for (const QString& file : files) {
            const QImage normal(out.path(file));
            const QImage sharp(out.path(PictureCatalogue::sharpPath(file, scale)));
            ASSERT_EQ(sharp.size(), normal.size() * scale) << file.toStdString();
            const QImage shrunk =
                sharp.scaled(normal.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            const QImage blownUp =
                normal.scaled(sharp.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            const std::string name = file.toStdString() + " at " + std::to_string(scale);
            // Seen at the normal size, the sharp version is the same picture.
            EXPECT_LT(difference(shrunk, normal), kLooksAlike) << name;
            // Its edges are as crisp as the normal one's, where a smoothly blown-up
            // copy softens every one; and unlike a copy blown up pixel for pixel,
            // its edges fall between the normal picture's pixels too.
            const int crisp = largestStep(normal) * 3 / 5;
            EXPECT_GT(edgeSteps(sharp, crisp), 10 * std::max(5, edgeSteps(blownUp, crisp))) << name;
            EXPECT_GE(mixedBlocks(sharp, crisp, scale), 10) << name;
        }
}

// The screens write a frame's number after the sequence's name with their own
// least number of digits; every frame must still be the file drawn for it,
// and the sharp rule must treat the screens' backslashes as folders too.
TEST(Pictures, TheScreensNameEveryFrameTheGeneratorDraws) {
    for (const SequenceFiles& s : kSequences) {
        const std::string series = AnimationTable::seriesName(s);
        for (int f = 0; f < s.frames; ++f) {
            const std::string name = Module1::frameName(series, f, s.digits, ".gif");
            EXPECT_EQ(QString::fromStdString(name).replace(QLatin1Char('\\'), QLatin1Char('/')),
                      frameFile(s, f));
            for (int scale : AnimationTable::kSharpScales)
                EXPECT_EQ(QString::fromStdString(AnimationTable::sharpName(name, scale))
                              .replace(QLatin1Char('\\'), QLatin1Char('/')),
                          PictureCatalogue::sharpPath(frameFile(s, f), scale));
        }
    }
    EXPECT_EQ(AnimationTable::sharpName("run.d\\picture", 3), "run.d\\picture@3x");
}

TEST(Pictures, SharpVersionsAreNamedBesideTheNormalOnes) {
    const struct {
        const char* path;
        int scale;
        const char* sharp;
    } cases[] = {
        {"Images/exit.jpg", 2, "Images/exit@2x.jpg"},
        {"recip1/reci0000.gif", 3, "recip1/reci0000@3x.gif"},
        // A dot in a folder's name is not the start of a suffix.
        {"run.d/picture", 2, "run.d/picture@2x"},
        {"picture", 3, "picture@3x"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PictureCatalogue::sharpPath(QString::fromLatin1(c.path), c.scale),
                  QString::fromLatin1(c.sharp))
            << c.path;
}

// A display takes the finest version it would reduce rather than blow up,
// and falls back to coarser ones where that is missing.
TEST(Pictures, EachDisplayRatioReadsTheVersionsThatSuitIt) {
    using Scales = std::vector<int>;
    const struct {
        double ratio;
        Scales scales;
    } cases[] = {
        {0.6, {}},        {1.0, {}},     {1.25, {2}},   {1.8, {2}},    {2.0, {2}},
        {2.0000001, {2}}, {2.4, {3, 2}}, {3.0, {3, 2}}, {3.6, {3, 2}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(AnimationTable::sharpScalesFor(c.ratio), c.scales) << c.ratio;
}

// A face drawn for a language lies beside the English one, and its sharper
// version beside it in turn; the picture files know the worded faces by the
// screens' own spelling of their names.
TEST(Pictures, LanguageFacesAreNamedBesideTheEnglishOnes) {
    const struct {
        const char* name;
        const char* language;
        const char* named;
        const char* sharp;
    } cases[] = {
        {"Images/exit.jpg", "de", "Images/exit.de.jpg", "Images/exit.de@2x.jpg"},
        {"images\\check.jpg", "pt_BR", "images\\check.pt_BR.jpg", "images\\check.pt_BR@2x.jpg"},
        {"Images/exit.jpg", "", "Images/exit.jpg", "Images/exit@2x.jpg"},
        {"run.d/face.png", "fr", "run.d/face.fr.png", "run.d/face.fr@2x.png"},
    };
    for (const auto& c : cases) {
        const std::string named = AnimationTable::languageName(c.name, c.language);
        EXPECT_EQ(named, c.named) << c.name << " in " << c.language;
        EXPECT_EQ(AnimationTable::sharpName(named, 2), c.sharp) << c.name << " in " << c.language;
    }
    for (const char* name : {"Images\\exit.jpg", "images\\CHECK.JPG", "Images/scramble.jpg"})
        EXPECT_TRUE(WordedFaces::isWorded(name)) << name;
    for (const char* name : {"Images\\logo2.jpg", "recip1\\reci0000.gif", "exit.jpg",
                             "Images\\exit.jpg\\", "Images\\exit.de.jpg", ""})
        EXPECT_FALSE(WordedFaces::isWorded(name)) << name;
}

TEST(Pictures, GeneratorRefusesUnknownNamesAndMissingArguments) {
    QProcess generator;
    generator.start(QStringLiteral(QUORVANE_ARTWORK_PROGRAM),
                    {QDir::tempPath(), QStringLiteral("no-such-picture")});
    ASSERT_TRUE(generator.waitForFinished(60000));
    EXPECT_NE(generator.exitCode(), 0);
    generator.start(QStringLiteral(QUORVANE_ARTWORK_PROGRAM), QStringList{});
    ASSERT_TRUE(generator.waitForFinished(60000));
    EXPECT_NE(generator.exitCode(), 0);
}

TEST_P(Sequence, EveryFrameMovesAndTheLoopHasNoJump) {
    const SequenceFiles s = GetParam();
    const Generated out({latin1(s.folder)});
    ASSERT_TRUE(out.ok()) << out.log();
    std::vector<QImage> frames;
    for (int f = 0; f < s.frames; ++f) frames.emplace_back(framePath(out, s, f));
    double largest = 0;
    for (int f = 0; f + 1 < s.frames; ++f) {
        const double d = step(frames[f], frames[f + 1]);
        EXPECT_GT(d, 0.01) << "frames " << f << " and " << f + 1 << " look the same";
        largest = std::max(largest, d);
    }
    const double wrap = step(frames.back(), frames.front());
    EXPECT_GT(wrap, 0.01) << "the last frame repeats the first";
    // A pupil sees a jump at the seam when the step from the last frame to the
    // first looks more like a step across a missing frame than like any step
    // the loop takes. The colour reduction moves every step a little, and
    // differently with each version of the quantizer, so a seam as large as
    // the largest step can come out a hair larger: what counts is on which
    // side of halfway to a missed frame it lies.
    const int n = s.frames;
    const double missed = std::min(step(frames[n - 2], frames[0]), step(frames[n - 1], frames[1]));
    const double jump = (largest + std::max(largest, missed)) / 2;
    EXPECT_LE(wrap, jump) << "the loop jumps from the last frame to the first: " << wrap
                          << " against a largest step of " << largest << " and " << missed
                          << " across a missing frame";
}

INSTANTIATE_TEST_SUITE_P(Pictures, Sequence, ::testing::ValuesIn(kSequences), sequenceName);

TEST(Pictures, MenuEntriesReadAtLeastAsWellAsOnThePlainMenuColour) {
    const Generated out({QStringLiteral("menu")});
    ASSERT_TRUE(out.ok()) << out.log();
    const QImage menu = QImage(out.path(QStringLiteral("newrec0/newr0039.gif")))
                            .convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(menu.size(), QSize(800, 600));
    const QRgb yellow = qRgb(255, 255, 0), base = qRgb(49, 135, 215);
    // Where the menu writes yellow: the two columns of entries and the box.
    std::vector<QRect> text;
    for (int y : {168, 218, 268, 318, 368, 468}) {
        text.emplace_back(QPoint(32, y), QPoint(373, y + 32));
        text.emplace_back(QPoint(412, y), QPoint(753, y + 32));
    }
    text.emplace_back(QPoint(128, 8), QPoint(660, 68));  // the title
    const double wanted = contrast(yellow, base) - 0.05;
    for (const QRect& r : text)
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x) {
                const QRgb c = menu.pixel(x, y);
                ASSERT_GE(contrast(yellow, c), wanted) << "at " << x << "," << y;
            }
    // Something must be drawn there, or it is only a plain fill.
    int differing = 0;
    for (int y = 0; y < menu.height(); ++y)
        for (int x = 0; x < menu.width(); ++x) differing += menu.pixel(x, y) != base;
    EXPECT_GT(differing, menu.width() * menu.height() / 20);
}

TEST(Pictures, ButtonsLogoIconsAndCursorLookTheirPart) {
    const Generated out({QStringLiteral("buttons"), QStringLiteral("logo"), QStringLiteral("icons"),
                         QStringLiteral("cursor")});
    ASSERT_TRUE(out.ok()) << out.log();
    const QRgb window = qRgb(40, 66, 156);
    std::vector<QImage> buttons;
    for (const char* name : {"exit", "next", "answer", "check", "jotter", "scramble"}) {
        const QImage button = QImage(out.path(QStringLiteral("Images/") +
                                              QString::fromLatin1(name) + QStringLiteral(".jpg")))
                                  .convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(button.size(), QSize(119, 33)) << name;
        // The corner blends into the window; the caption is light on blue. The
        // exit shows on the menu's lighter blue too, so its plate fills the
        // picture: its corner is the plate's own edge, as the middle of its top is.
        if (std::string_view(name) == "exit")
            EXPECT_LT(contrast(button.pixel(0, 0), button.pixel(59, 0)), 1.15) << name;
        else
            EXPECT_LT(contrast(button.pixel(0, 0), window), 1.15) << name;
        int light = 0;
        for (int y = 8; y < 25; ++y)
            for (int x = 10; x < 109; ++x) light += luminance(button.pixel(x, y)) > 0.7;
        EXPECT_GT(light, 40) << name << " has no legible caption";
        for (const QImage& other : buttons) EXPECT_GT(step(button, other), 1.0) << name;
        buttons.push_back(button);
    }

    const QImage logo(out.path(QStringLiteral("Images/logo2.jpg")));
    EXPECT_GT(logo.height(), logo.width());

    for (int size : {32, 48, 64, 128, 256}) {
        const QImage icon = QImage(out.path(QStringLiteral("icons/quorvane-%1.png").arg(size)))
                                .convertToFormat(QImage::Format_ARGB32);
        EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0) << size;
        EXPECT_EQ(qAlpha(icon.pixel(size / 2, size / 2)), 255) << size;
    }

    // The finger's tip is the topmost part of the hand, at the hot spot.
    const QImage cursor = QImage(out.path(QStringLiteral("Images/fullscreen-cursor.png")))
                              .convertToFormat(QImage::Format_ARGB32);
    ASSERT_TRUE(cursor.hasAlphaChannel());
    EXPECT_GT(qAlpha(cursor.pixel(12, 1)), 200);
    for (int x = 0; x < 32; ++x) EXPECT_LT(qAlpha(cursor.pixel(x, 0)), 100) << x;
    int opaque = 0, clear = 0;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            const int a = qAlpha(cursor.pixel(x, y));
            opaque += a == 255;
            clear += a == 0;
            if (y == 1 && a > 128) {
                EXPECT_NEAR(x, 12, 2);
            }
        }
    EXPECT_GT(opaque, 150);
    EXPECT_GT(clear, 300);
}

// The edge a face is drawn with, as the generator gives it to the file.
ButtonFace::Edge edgeOf(const QString& path) {
    const QString stem = path.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
    for (const auto& face : WordedFaces::kAll) {
        if (QString::fromLatin1(face.file.data(), face.file.size())
                .section(QLatin1Char('.'), 0, 0) == stem)
            return face.onEveryBackground ? ButtonFace::Edge::Square : ButtonFace::Edge::Rounded;
    }
    return ButtonFace::Edge::Rounded;
}

// Each word sits inside its face with room to spare, at the face's own font
// size and at both scales: a word too long for it is caught here, not shrunk.
TEST(Pictures, EveryButtonWordFitsItsFaceInEveryLanguage) {
    const PictureCatalogue catalogue(translationsFolder());
    const QSize size(119, 33);
    const int fullSize = ButtonFace::captionFont(QString(), size).pixelSize();
    QStringList drawn;
    for (const auto& still : catalogue.stills()) {
        if (still.caption.isEmpty()) continue;
        drawn << still.path;
        const std::string name =
            still.path.toStdString() + " \"" + still.caption.toStdString() + '"';
        EXPECT_EQ(ButtonFace::captionFont(still.caption, size).pixelSize(), fullSize)
            << name << " is too long for its face";
        EXPECT_EQ(missingGlyphs(ButtonFace::captionFont(still.caption, size), still.caption), 0)
            << name << " has characters no installed font draws";
        for (int scale : {1, 2}) {
            // The word is what differs from the bare face.
            const QImage face = still.draw(scale);
            const QImage bare = ButtonFace::draw(QString(), size, scale, edgeOf(still.path));
            ASSERT_EQ(face.size(), size * scale) << name;
            QRect ink;
            for (int y = 0; y < face.height(); ++y)
                for (int x = 0; x < face.width(); ++x)
                    if (face.pixel(x, y) != bare.pixel(x, y)) ink |= QRect(x, y, 1, 1);
            const QRect room =
                QRect(QPoint(), face.size()).adjusted(6 * scale, 4 * scale, -6 * scale, -4 * scale);
            EXPECT_TRUE(room.contains(ink))
                << name << " at " << scale << "x: ink from " << ink.left() << "," << ink.top()
                << " to " << ink.right() << "," << ink.bottom();
            EXPECT_GT(ink.width(), 10 * scale) << name;
        }
    }
    EXPECT_EQ(drawn, languageFaceFiles());
    // The translations reached the faces: no language keeps every English word.
    auto captionOf = [&](const std::string& path) {
        for (const auto& still : catalogue.stills())
            if (still.path.toStdString() == path) return still.caption;
        return QString();
    };
    for (const QString& language : faceLanguages().mid(1)) {
        int translated = 0;
        for (const auto& face : WordedFaces::kAll)
            translated += captionOf(AnimationTable::languageName(
                              face.file, language.toStdString())) != QString::fromLatin1(face.word);
        EXPECT_GT(translated, 0) << language.toStdString();
    }
}

// Arabic letters take their joined forms on the faces: the word drawn as it
// is differs from the same letters kept apart by zero-width non-joiners, which
// a face drawn glyph by glyph, or in a font without Arabic's joining rules,
// would not.
TEST(Pictures, ArabicWordsOnTheFacesAreJoined) {
    if (!faceLanguages().contains(QStringLiteral("ar")))
        GTEST_SKIP() << "no Arabic translation built";
    const PictureCatalogue catalogue(translationsFolder());
    int arabic = 0;
    for (const auto& still : catalogue.stills()) {
        const QString& word = still.caption;
        if (!std::any_of(word.begin(), word.end(),
                         [](QChar c) { return c.script() == QChar::Script_Arabic; }))
            continue;
        ++arabic;
        QString apart;
        for (QChar c : word) apart += QString(c) + QChar(0x200C);
        EXPECT_NE(still.draw(1), ButtonFace::draw(apart, {119, 33}, 1))
            << still.path.toStdString() << " is drawn with its letters unjoined";
    }
    EXPECT_EQ(arabic, static_cast<int>(WordedFaces::kAll.size()));
}

TEST(Voyage, TheTravellerWalksPartOfATrueCircuitAndTheLoopRestartsCalmly) {
    const VoyageAnimation voyage(VoyageAnimation::Setup{});
    const auto& route = voyage.route();
    const auto& solid = voyage.solid();
    ASSERT_GE(route.size(), 6u);
    ASSERT_LT(route.size(), 20u) << "the whole answer is given away";
    for (size_t i = 0; i + 1 < route.size(); ++i)
        EXPECT_NE(solid.edgeBetween(route[i], route[i + 1]), -1) << "leaves the roads at " << i;
    EXPECT_EQ(std::set<int>(route.begin(), route.end()).size(), route.size());

    // The dodecahedron has 30 circuits, each met once in each direction.
    const auto circuits = HamiltonCircuits::from(solid, route.front());
    EXPECT_EQ(circuits.size(), 60u);
    const bool extends = std::any_of(circuits.begin(), circuits.end(), [&](const auto& c) {
        return std::equal(route.begin(), route.end(), c.begin());
    });
    EXPECT_TRUE(extends) << "the journey cannot be finished as a circuit";

    // The journey reaches its last city, then fades before the loop restarts.
    const int last = voyage.frameCount() - 1;
    EXPECT_DOUBLE_EQ(voyage.progressAt(0), 0.0);
    double furthest = 0;
    for (int f = 0; f <= last; ++f) {
        EXPECT_GE(voyage.progressAt(f), f ? voyage.progressAt(f - 1) : 0.0);
        furthest = std::max(furthest, voyage.progressAt(f));
    }
    EXPECT_DOUBLE_EQ(furthest, route.size() - 1.0);
    EXPECT_LT(voyage.presenceAt(last), 0.1);
    EXPECT_LT(voyage.presenceAt(0), 0.5);
}

TEST(Voyage, OpensOntoTheBoardAsTheScreenDrawsItAndWalksHalfOfTheFirstAnswer) {
    const VoyageAnimation voyage(VoyageAnimation::Setup{});
    const auto& flat = voyage.flattening();
    const auto& solid = voyage.solid();

    // Every road of the solid is an edge of the board.
    std::set<std::pair<int, int>> board;
    for (int k = 0; k < DodecahedralGraph::kEdges; ++k) {
        const auto e = DodecahedralGraph::edge(k);
        board.insert(std::minmax(e.from, e.to));
    }
    for (const auto& e : solid.edges())
        EXPECT_TRUE(board.count(std::minmax(flat.drawingVertex(e.from), flat.drawingVertex(e.to))))
            << e.from << "-" << e.to;

    // The first ten cities of the stored answer r = 0, as the Answer button
    // marks it.
    const std::vector<int> firstHalf = {0, 4, 3, 2, 1, 6, 7, 8, 9, 10};
    std::vector<int> walked;
    for (int v : voyage.route()) walked.push_back(flat.drawingVertex(v));
    EXPECT_EQ(walked, firstHalf);

    // While it lies flat, every city stands still at the board's place for it,
    // scaled into the picture about the middle of the rings; the top corner
    // is vertex 3.
    EXPECT_EQ(voyage.boardPoint(3), QPointF(160, 124 - 2250 * 0.05));
    int flatFrames = 0;
    for (int f = 0; f < voyage.frameCount(); ++f) {
        if (voyage.stageAt(f) != VoyageAnimation::Stage::Walking) continue;
        ++flatFrames;
        const auto cities = voyage.citiesAt(f);
        for (int v = 0; v < solid.vertexCount(); ++v)
            ASSERT_EQ(cities[v], voyage.boardPoint(flat.drawingVertex(v))) << "frame " << f;
    }
    EXPECT_GE(flatFrames, 40);
}

TEST(Voyage, OnTheFlatBoardOnlyTheTravellerAndItsTrailChange) {
    const VoyageAnimation voyage(VoyageAnimation::Setup{});
    std::vector<QPointF> route;
    for (int v : voyage.route())
        route.push_back(voyage.boardPoint(voyage.flattening().drawingVertex(v)));
    auto nearRoute = [&](QPointF p) {
        for (size_t i = 0; i + 1 < route.size(); ++i) {
            const QPointF d = route[i + 1] - route[i];
            const double t = std::clamp(
                QPointF::dotProduct(p - route[i], d) / QPointF::dotProduct(d, d), 0.0, 1.0);
            const QPointF gap = p - (route[i] + d * t);
            if (std::hypot(gap.x(), gap.y()) < 9.0) return true;
        }
        return false;
    };
    int previous = -1;
    QImage before;
    for (int f = 0; f < voyage.frameCount(); ++f) {
        if (voyage.stageAt(f) != VoyageAnimation::Stage::Walking) continue;
        const QImage now = voyage.frame(f);
        if (previous == f - 1)
            for (int y = 0; y < now.height(); ++y)
                for (int x = 0; x < now.width(); ++x)
                    if (now.pixel(x, y) != before.pixel(x, y)) {
                        ASSERT_TRUE(nearRoute(QPointF(x + 0.5, y + 0.5)))
                            << "frame " << f << " changes at " << x << "," << y;
                    }
        before = now;
        previous = f;
    }
}

TEST(DualPair, GrowingDualRestsOnTheFaceCentresAtEachEndOfTheLoop) {
    DualPairAnimation::Setup setup;
    setup.solid = geometry::PlatonicSolid::Tetrahedron;
    setup.growToCrossing = true;
    setup.frames = 40;
    const DualPairAnimation pair(setup);
    double largest = 0;
    for (int f = 0; f < setup.frames; ++f) largest = std::max(largest, pair.growthAt(f));
    EXPECT_DOUBLE_EQ(largest, 1.0) << "never reaches the crossing";
    for (int f : {0, 1, 2, setup.frames - 2, setup.frames - 1})
        EXPECT_DOUBLE_EQ(pair.growthAt(f), 0.0) << "frame " << f;
}
