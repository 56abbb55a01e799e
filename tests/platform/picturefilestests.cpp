// Picture names as the screens write them, with backslashes and in any case,
// must reach the files on a case-sensitive file system.
#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "platform/picturefiles.h"
#include "platform/twips.h"
#include "tests/support/fixturepictures.h"

namespace {

class PictureFilesTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(first.isValid() && second.isValid());
        PictureFiles::clearReportedFailures();
        PictureFiles::setSearchFolders({first.path(), second.path()});
    }
    void TearDown() override { PictureFiles::setSearchFolders({}); }
    QTemporaryDir first, second;
};

TEST_F(PictureFilesTest, BackslashNamesInEitherCaseReachOneFolder) {
    ASSERT_TRUE(
        fixtures::writeJpeg(first.filePath(QStringLiteral("Images/exit.jpg")), 10, 10, Qt::red));
    ASSERT_TRUE(
        fixtures::writeJpeg(first.filePath(QStringLiteral("Images/check.jpg")), 10, 10, Qt::red));
    ASSERT_TRUE(fixtures::writeGif(first.filePath(QStringLiteral("recip1/reci0007.gif")), 4, 4, 7));

    EXPECT_EQ(PictureFiles::resolve(QStringLiteral("Images\\exit.jpg")),
              first.filePath(QStringLiteral("Images/exit.jpg")));
    EXPECT_EQ(PictureFiles::resolve(QStringLiteral("images\\check.jpg")),
              first.filePath(QStringLiteral("Images/check.jpg")));
    EXPECT_EQ(PictureFiles::resolve(QStringLiteral("IMAGES\\EXIT.JPG")),
              first.filePath(QStringLiteral("Images/exit.jpg")));
    EXPECT_EQ(fixtures::frameOf(PictureFiles::load(QStringLiteral("RECIP1\\Reci0007.GIF"))), 7);
    EXPECT_TRUE(PictureFiles::reportedFailures().isEmpty());
}

TEST_F(PictureFilesTest, EarlierFoldersWinAndLaterOnesFillIn) {
    ASSERT_TRUE(fixtures::writeGif(first.filePath(QStringLiteral("dualsm/dual0000.gif")), 4, 4, 1));
    ASSERT_TRUE(
        fixtures::writeGif(second.filePath(QStringLiteral("dualsm/dual0000.gif")), 4, 4, 2));
    ASSERT_TRUE(
        fixtures::writeGif(second.filePath(QStringLiteral("dualsm/dual0001.gif")), 4, 4, 3));
    EXPECT_EQ(fixtures::frameOf(PictureFiles::load(QStringLiteral("dualsm\\dual0000.gif"))), 1);
    EXPECT_EQ(fixtures::frameOf(PictureFiles::load(QStringLiteral("dualsm\\dual0001.gif"))), 3);
}

TEST_F(PictureFilesTest, CutOffFilesAreRefusedThoughTheirFirstPartWouldDecode) {
    ASSERT_TRUE(
        fixtures::writeGif(first.filePath(QStringLiteral("recip1/reci0001.gif")), 64, 48, 1));
    ASSERT_TRUE(
        fixtures::writeJpeg(first.filePath(QStringLiteral("Images/exit.jpg")), 119, 33, Qt::blue));
    for (const char* file : {"recip1/reci0001.gif", "Images/exit.jpg"}) {
        QFile f(first.filePath(QString::fromLatin1(file)));
        ASSERT_TRUE(f.resize(f.size() - 1)) << file;
    }
    EXPECT_TRUE(PictureFiles::load(QStringLiteral("recip1\\reci0001.gif")).isNull());
    EXPECT_TRUE(PictureFiles::load(QStringLiteral("Images\\exit.jpg")).isNull());
    EXPECT_EQ(PictureFiles::reportedFailures().size(), 2);
}

TEST_F(PictureFilesTest, MissingDamagedAndEscapingNamesGiveNoPictureAndOneReportEach) {
    QDir(first.path()).mkpath(QStringLiteral("Images"));
    QFile damaged(first.filePath(QStringLiteral("Images/next.jpg")));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write("not a picture at all");
    damaged.close();

    const QString names[] = {QStringLiteral("Images\\nothere.jpg"),
                             QStringLiteral("Images\\next.jpg"),
                             QStringLiteral("..\\..\\etc\\passwd"), QString()};
    for (const QString& name : names) {
        EXPECT_TRUE(PictureFiles::load(name).isNull()) << name.toStdString();
        EXPECT_TRUE(PictureFiles::load(name).isNull()) << name.toStdString();
    }
    EXPECT_EQ(PictureFiles::reportedFailures().size(), 4)
        << "each name reported once, however often it fails";
}

// A button face in the pupil's language comes first; the English one stands
// in, without a word said, when it is missing or damaged. English pupils and
// pictures without words never look for one.
TEST_F(PictureFilesTest, ButtonFacesComeInThePupilsLanguageAndFallBackToEnglish) {
    enum Face { Present, Missing, Damaged };
    const struct {
        const char* what;
        const char* language;
        const char* name;  // as the screens write it
        const char* english;
        const char* translated;
        Face face;
        bool wantTranslated;
    } cases[] = {
        {"German", "de", "Images\\exit.jpg", "Images/exit.jpg", "Images/exit.de.jpg", Present,
         true},
        {"any case", "de", "IMAGES\\Check.JPG", "Images/check.jpg", "Images/check.de.jpg", Present,
         true},
        {"missing", "de", "Images\\next.jpg", "Images/next.jpg", "Images/next.de.jpg", Missing,
         false},
        {"damaged", "de", "Images\\next.jpg", "Images/next.jpg", "Images/next.de.jpg", Damaged,
         false},
        {"English pupil", "", "Images\\exit.jpg", "Images/exit.jpg", "Images/exit.de.jpg", Present,
         false},
        {"another language's", "fr", "Images\\exit.jpg", "Images/exit.jpg", "Images/exit.de.jpg",
         Present, false},
        {"no word on it", "de", "Images\\logo2.jpg", "Images/logo2.jpg", "Images/logo2.de.jpg",
         Present, false},
    };
    for (const auto& c : cases) {
        QTemporaryDir folder;
        PictureFiles::setSearchFolders({folder.path()});
        PictureFiles::setLanguage(QString::fromLatin1(c.language));
        ASSERT_TRUE(
            fixtures::writeJpeg(folder.filePath(QString::fromLatin1(c.english)), 8, 8, Qt::red));
        const QString translated = folder.filePath(QString::fromLatin1(c.translated));
        if (c.face == Present) {
            ASSERT_TRUE(fixtures::writeJpeg(translated, 8, 8, Qt::blue));
        } else if (c.face == Damaged) {
            QFile damaged(translated);
            ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
            damaged.write("not a picture at all");
        }
        const QImage picture = PictureFiles::load(QString::fromLatin1(c.name));
        ASSERT_FALSE(picture.isNull()) << c.what;
        const QColor shown = picture.pixelColor(4, 4);
        EXPECT_EQ(shown.blue() > shown.red(), c.wantTranslated) << c.what;
        EXPECT_TRUE(PictureFiles::reportedFailures().isEmpty()) << c.what;
    }
    PictureFiles::setLanguage({});
}

// A screen at any scale (the twips scale times the display's own ratio)
// takes the finest version it would reduce rather than blow up, a coarser one
// where that is missing, and every version covers the same designed area; a
// picture read again follows the scale it has now.
TEST_F(PictureFilesTest, EachRatioReadsTheVersionThatSuitsItAndReadsItAgainWhenItChanges) {
    const QString name = QStringLiteral("recip1\\reci0000.gif");
    const QString onlyTwice = QStringLiteral("recip1\\reci0001.gif");
    const struct {
        const char* file;
        int scale;
    } files[] = {{"reci0000.gif", 1},
                 {"reci0000@2x.gif", 2},
                 {"reci0000@3x.gif", 3},
                 {"reci0001.gif", 1},
                 {"reci0001@2x.gif", 2}};
    for (const auto& f : files)
        ASSERT_TRUE(fixtures::writeGif(first.filePath(QStringLiteral("recip1/") + f.file),
                                       4 * f.scale, 3 * f.scale, f.scale));
    const struct {
        double ratio;
        const QString& name;
        int version;
    } cases[] = {{1.0, name, 1}, {1.8, name, 2},      {2.0, name, 2},     {2.4, name, 3},
                 {3.6, name, 3}, {3.0, onlyTwice, 2}, {1.0, onlyTwice, 1}};
    for (const auto& c : cases) {
        twips::setScale(c.ratio);
        const QImage picture = PictureFiles::load(c.name);
        EXPECT_EQ(fixtures::frameOf(picture), c.version) << c.ratio;
        EXPECT_EQ(picture.devicePixelRatio(), c.version) << c.ratio;
        EXPECT_EQ(picture.deviceIndependentSize(), QSizeF(4, 3)) << c.ratio;
    }
    twips::setScale(1.0);
    const QImage atOne = PictureFiles::load(name);
    const QImage drawn(4, 3, QImage::Format_RGB32);
    twips::setScale(3.0);
    EXPECT_EQ(fixtures::frameOf(PictureFiles::reload(atOne)), 3);
    EXPECT_EQ(fixtures::frameOf(PictureFiles::reload(atOne.copy())), 3) << "copies keep the name";
    EXPECT_EQ(PictureFiles::reload(drawn).cacheKey(), drawn.cacheKey()) << "read from no file";
    QFile::remove(first.filePath(QStringLiteral("recip1/reci0000@3x.gif")));
    QFile::remove(first.filePath(QStringLiteral("recip1/reci0000@2x.gif")));
    QFile::remove(first.filePath(QStringLiteral("recip1/reci0000.gif")));
    EXPECT_EQ(PictureFiles::reload(atOne).cacheKey(), atOne.cacheKey()) << "gone: kept as it was";
    twips::setScale(1.0);
}

}  // namespace
