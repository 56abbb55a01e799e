#include "picturefiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QSet>

#include <cstdio>

namespace {

QStringList& customFolders() {
    static QStringList folders;
    return folders;
}

QStringList& failures() {
    static QStringList names;
    return names;
}

// One path component matched without regard to case; an exact match wins.
QString matchEntry(const QDir& dir, const QString& part, bool wantDir) {
    const QString exact = dir.filePath(part);
    const QFileInfo exactInfo(exact);
    if (exactInfo.exists() && exactInfo.isDir() == wantDir) return exact;
    const QDir::Filters filter = (wantDir ? QDir::Dirs : QDir::Files) | QDir::NoDotAndDotDot | QDir::Hidden;
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
    QStringList parts = QString(name).replace(QLatin1Char('\\'), QLatin1Char('/')).split(QLatin1Char('/'), Qt::SkipEmptyParts);
    parts.removeAll(QStringLiteral("."));
    if (parts.isEmpty() || parts.contains(QStringLiteral(".."))) return {};
    for (const QString& folder : searchFolders()) {
        const QString found = resolveIn(folder, parts);
        if (!found.isEmpty()) return found;
    }
    return {};
}

QImage PictureFiles::load(const QString& name) {
    const QString path = resolve(name);
    QImage image;
    QString why = QStringLiteral("not found");
    if (!path.isEmpty()) {
        QImageReader reader(path);
        reader.setDecideFormatFromContent(true);
        image = reader.read();
        if (image.isNull()) why = reader.errorString();
    }
    if (image.isNull() && !failures().contains(name)) {
        failures() << name;
        std::fprintf(stderr, "quorvane: cannot read picture %s (%s)\n", qPrintable(name), qPrintable(why));
        std::fflush(stderr);
    }
    return image;
}

QStringList PictureFiles::reportedFailures() { return failures(); }
void PictureFiles::clearReportedFailures() { failures().clear(); }
