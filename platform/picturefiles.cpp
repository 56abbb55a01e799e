#include "platform/picturefiles.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>
#include <QScreen>
#include <QSet>

#include <algorithm>
#include <cstdio>

#include "module1/animationtable.h"
#include "module1/wordedfaces.h"

namespace {

QStringList& customFolders() {
    static QStringList folders;
    return folders;
}

QStringList& failures() {
    static QStringList names;
    return names;
}

QString& faceLanguage() {
    static QString language;
    return language;
}

// One path component matched without regard to case; an exact match wins.
QString matchEntry(const QDir& dir, const QString& part, bool wantDir) {
    QString exact = dir.filePath(part);
    const QFileInfo exactInfo(exact);
    if (exactInfo.exists() && exactInfo.isDir() == wantDir) return exact;
    const QDir::Filters filter =
        (wantDir ? QDir::Dirs : QDir::Files) | QDir::NoDotAndDotDot | QDir::Hidden;
    for (const QString& entry : dir.entryList(filter)) {
        if (entry.compare(part, Qt::CaseInsensitive) == 0) return dir.filePath(entry);
    }
    return {};
}

QString resolveIn(const QString& folder, const QStringList& parts) {
    QString current = folder;
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const bool last = i == parts.size() - 1;
        current = matchEntry(QDir(current), parts[i], !last);
        if (current.isEmpty()) return {};
    }
    return current;
}

}  // namespace

QStringList PictureFiles::searchFolders() {
    if (!customFolders().isEmpty()) return customFolders();
    QStringList folders{QDir::currentPath()};
    if (QCoreApplication::instance()) {
        const QString appDir = QCoreApplication::applicationDirPath();
        folders << appDir << QDir::cleanPath(appDir + QStringLiteral("/../share/quorvane"));
    }
    folders.removeDuplicates();
    return folders;
}

void PictureFiles::setSearchFolders(const QStringList& folders) { customFolders() = folders; }

QString PictureFiles::resolve(const QString& name) {
    QStringList parts = QString(name)
                            .replace(QLatin1Char('\\'), QLatin1Char('/'))
                            .split(QLatin1Char('/'), Qt::SkipEmptyParts);
    parts.removeAll(QStringLiteral("."));
    if (parts.isEmpty() || parts.contains(QStringLiteral(".."))) return {};
    for (const QString& folder : searchFolders()) {
        QString found = resolveIn(folder, parts);
        if (!found.isEmpty()) return found;
    }
    return {};
}

namespace {

// "recip1\reci0000.gif" at 2 -> "recip1\reci0000@2x.gif"
QString sharpName(const QString& name, int scale) {
    return QString::fromStdString(AnimationTable::sharpName(name.toStdString(), scale));
}

// The name a picture was read under, kept in the picture itself so that its
// copies carry it too.
const QString kNameKey = QStringLiteral("quorvane-name");

// "Images\exit.jpg" -> "Images\exit.de.jpg"
QString languageName(const QString& name, const QString& language) {
    return QString::fromStdString(
        AnimationTable::languageName(name.toStdString(), language.toStdString()));
}

// Qt's readers decode the first part of a cut-off GIF or JPEG without an
// error, so a file must also end the way its format ends: a GIF with its
// trailer byte, a JPEG with its end-of-image marker, a PNG with its IEND chunk.
bool endsWhole(const QByteArray& bytes, const QByteArray& format) {
    if (format == "gif") return bytes.endsWith('\x3b');
    if (format == "jpeg") {
        // Some writers pad after the marker; a few bytes of it are allowed.
        return bytes.right(16).contains(QByteArray("\xff\xd9", 2));
    }
    if (format == "png") return bytes.endsWith(QByteArray("IEND\xae\x42\x60\x82", 8));
    return true;
}

QImage readFile(const QString& path, QString* why) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (why) *why = file.errorString();
        return {};
    }
    // Decoded from memory rather than from the named file: given a file named
    // @2x or @3x, Qt's reader sets the picture's ratio while its decoder still
    // holds the picture, which copies every pixel of it once more (17 MB for
    // the menu's background on a 4K board). The ratio is set by the caller,
    // once the reader has let go.
    QByteArray bytes = file.readAll();
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    const QByteArray format = reader.format();
    QImage image = reader.read();
    if (image.isNull()) {
        if (why) *why = reader.errorString();
        return {};
    }
    if (!endsWhole(bytes, format)) {
        if (why) *why = QCoreApplication::translate("PictureFiles", "the file is cut off");
        return {};
    }
    return image;
}

}  // namespace

namespace {

// The most device pixels to a logical pixel on any screen, as it is now: the
// application's own figure is kept from before a change of scale.
double densestRatio() {
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) return 1.0;
    double ratio = 1.0;
    for (const QScreen* screen : QGuiApplication::screens())
        ratio = std::max(ratio, screen->devicePixelRatio());
    return ratio;
}

// A version of a picture that may be missing or damaged without a word said.
QImage readQuietly(const QString& name, qreal ratio) {
    const QString path = PictureFiles::resolve(name);
    if (path.isEmpty()) return {};
    QImage image = readFile(path, nullptr);
    if (!image.isNull()) image.setDevicePixelRatio(ratio);
    return image;
}

}  // namespace

QImage PictureFiles::load(const QString& name) {
    QImage image = read(name);
    if (!image.isNull()) image.setText(kNameKey, name);
    return image;
}

QImage PictureFiles::reload(const QImage& picture) {
    const QString name = picture.text(kNameKey);
    if (name.isEmpty()) return picture;
    const QImage again = load(name);
    return again.isNull() ? picture : again;
}

QImage PictureFiles::read(const QString& name) {
    // The pupil's language's face comes before the English one, and on a
    // high-density screen or a projected board a picture drawn finer before
    // the normal one; it covers the same logical area, only sharper. The word
    // matters more than the sharpness.
    const std::vector<int> scales = AnimationTable::sharpScalesFor(densestRatio());
    QStringList versions;
    if (!faceLanguage().isEmpty() && WordedFaces::isWorded(name.toStdString()))
        versions << languageName(name, faceLanguage());
    versions << name;
    for (const QString& version : versions) {
        for (int scale : scales) {
            QImage image = readQuietly(sharpName(version, scale), scale);
            if (!image.isNull()) return image;
        }
        if (version != name) {
            QImage image = readQuietly(version, 1.0);
            if (!image.isNull()) return image;
        }
    }
    const QString path = resolve(name);
    QImage image;
    QString why = QCoreApplication::translate("PictureFiles", "not found");
    if (!path.isEmpty()) image = readFile(path, &why);
    if (image.isNull() && !failures().contains(name)) {
        failures() << name;
        //: A line on the terminal: %1 is the picture's name, %2 why it could not be read.
        const QString line =
            QCoreApplication::translate("PictureFiles", "cannot read picture %1 (%2)");
        std::fprintf(stderr, "quorvane: %s\n", qPrintable(line.arg(name, why)));
        std::fflush(stderr);
    }
    return image;
}

void PictureFiles::setLanguage(const QString& language) { faceLanguage() = language; }
QString PictureFiles::language() { return faceLanguage(); }

QStringList PictureFiles::reportedFailures() { return failures(); }
void PictureFiles::clearReportedFailures() { failures().clear(); }
