// Loading a translation: found beside the pictures, and a file that cannot be
// read leaves every text in English without ending the program.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "language/programlanguage.h"
#include "platform/picturefiles.h"
#include "tests/support/qstringprinter.h"

namespace {

const QString kBuilt = QStringLiteral(QUORVANE_RUN_DIR "/translations/quorvane_de.qm");

QString verdict() { return QCoreApplication::translate("Verdict", "Wrong, Try Again"); }

class ProgramLanguage : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        QDir(folder.path()).mkpath(QStringLiteral("translations"));
        PictureFiles::setSearchFolders({folder.path()});
    }
    void TearDown() override {
        programlanguage::uninstall();
        PictureFiles::setSearchFolders({});
    }
    QString place(const QString& file, const QByteArray& content) {
        const QString path = folder.filePath(QStringLiteral("translations/") + file);
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(content);
        return path;
    }
    static QByteArray built() {
        QFile f(kBuilt);
        EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << kBuilt.toStdString();
        return f.readAll();
    }
    QTemporaryDir folder;
};

TEST_F(ProgramLanguage, TranslationsFoundBesideThePicturesChooseByPreference) {
    place(QStringLiteral("quorvane_de.qm"), built());
    place(QStringLiteral("quorvane_fr.qm"), built());
    place(QStringLiteral("notes.txt"), "not a translation");
    QStringList found = programlanguage::available();
    found.sort();
    EXPECT_EQ(found, QStringList({QStringLiteral("de"), QStringLiteral("fr")}));
    EXPECT_EQ(programlanguage::chosen({QStringLiteral("it-IT"), QStringLiteral("fr-CH")}),
              QStringLiteral("fr"));
    EXPECT_EQ(programlanguage::chosen({QStringLiteral("es-ES")}), QString());
}

TEST_F(ProgramLanguage, GermanSpeaksGermanAndUninstallBringsEnglishBack) {
    ASSERT_TRUE(programlanguage::installFile(place(QStringLiteral("quorvane_de.qm"), built())));
    EXPECT_EQ(verdict(), QStringLiteral("Falsch, nochmal!"));
    programlanguage::uninstall();
    EXPECT_EQ(verdict(), QStringLiteral("Wrong, Try Again"));
}

TEST_F(ProgramLanguage, DamagedFileLeavesEnglish) {
    const QByteArray good = built();
    const struct {
        const char* name;
        QByteArray content;
    } damages[] = {
        {"empty", QByteArray()},
        {"not a translation", QByteArray("<TS version=\"2.1\" language=\"de\"></TS>")},
        {"only its first bytes", good.left(20)},
        {"cut off halfway", good.left(good.size() / 2)},
        {"random bytes", QByteArray(4096, '\xa5')},
    };
    for (const auto& damage : damages) {
        SCOPED_TRACE(damage.name);
        programlanguage::installFile(place(QStringLiteral("quorvane_de.qm"), damage.content));
        EXPECT_EQ(verdict(), QStringLiteral("Wrong, Try Again"));
        programlanguage::uninstall();
    }
}

TEST_F(ProgramLanguage, MissingFileLeavesEnglish) {
    EXPECT_FALSE(programlanguage::installFile(folder.filePath(QStringLiteral("none.qm"))));
    EXPECT_EQ(verdict(), QStringLiteral("Wrong, Try Again"));
}

// The button faces follow the language the texts speak, and English with them.
TEST_F(ProgramLanguage, ButtonFacesFollowTheInstalledLanguage) {
    const struct {
        const char* name;
        QByteArray content;
        const char* faces;
    } cases[] = {{"German", built(), "de"}, {"damaged", QByteArray("qm?"), ""}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        place(QStringLiteral("quorvane_de.qm"), c.content);
        EXPECT_EQ(programlanguage::installLanguage(QStringLiteral("de")), *c.faces != '\0');
        EXPECT_EQ(PictureFiles::language(), QString::fromLatin1(c.faces));
        programlanguage::uninstall();
        EXPECT_EQ(PictureFiles::language(), QString());
    }
}

}  // namespace
