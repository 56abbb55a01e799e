#include "language/programlanguage.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <cstdio>
#include <memory>

#include "language/core/languagechoice.h"
#include "platform/picturefiles.h"

namespace programlanguage {
namespace {

// Qt reads the direction of the whole program from this text of the installed
// translations: Arabic and Hebrew give "RTL", and every screen then reads from
// right to left. Named here so that the translators' tool keeps it in each
// translation.
//: RTL for a language written from right to left (Arabic, Hebrew), LTR for any other: Qt turns
//: every screen to match.
[[maybe_unused]] constexpr const char* kLayoutDirection =
    QT_TRANSLATE_NOOP("QGuiApplication", "QT_LAYOUT_DIRECTION");

std::unique_ptr<QTranslator>& ownTranslator() {
    static std::unique_ptr<QTranslator> t;
    return t;
}

std::unique_ptr<QTranslator>& qtTranslator() {
    static std::unique_ptr<QTranslator> t;
    return t;
}

QStringList translationFolders() {
    QStringList folders;
    for (const QString& folder : PictureFiles::searchFolders())
        folders << QDir(folder).filePath(QStringLiteral("translations"));
    return folders;
}

QString fileFor(const QString& language) {
    for (const QString& folder : translationFolders()) {
        QString path = QDir(folder).filePath(
            QString::fromStdString(LanguageChoice::translationFile(language.toStdString())));
        if (QFile::exists(path)) return path;
    }
    return {};
}

void installQtOwn(const QString& language) {
    // Qt's own texts (the answer box's menu, for one) follow where Debian has them.
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QStringLiteral("qtbase_") + language,
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return;
    QCoreApplication::installTranslator(translator.get());
    qtTranslator() = std::move(translator);
}

}  // namespace

QStringList available() {
    QStringList languages;
    for (const QString& folder : translationFolders()) {
        for (const QString& file : QDir(folder).entryList(QDir::Files)) {
            const std::string language = LanguageChoice::languageOfFile(file.toStdString());
            if (!language.empty()) languages << QString::fromStdString(language);
        }
    }
    languages.removeDuplicates();
    return languages;
}

QString chosen(const QStringList& preferred) {
    std::vector<std::string> wanted;
    for (const QString& tag : preferred) wanted.push_back(tag.toStdString());
    std::vector<std::string> spoken;
    for (const QString& language : available()) spoken.push_back(language.toStdString());
    return QString::fromStdString(LanguageChoice::choose(wanted, spoken));
}

bool installFile(const QString& path) {
    uninstall();
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(path) || translator->isEmpty()) {
        std::fprintf(stderr, "quorvane: cannot read translation %s\n", qPrintable(path));
        std::fflush(stderr);
        return false;
    }
    QCoreApplication::installTranslator(translator.get());
    ownTranslator() = std::move(translator);
    return true;
}

bool installLanguage(const QString& language) {
    const QString file = fileFor(language);
    if (file.isEmpty() || !installFile(file)) return false;
    installQtOwn(language);
    PictureFiles::setLanguage(language);
    return true;
}

QString install() {
    QString language = chosen(QLocale::system().uiLanguages());
    if (language.isEmpty() || !installLanguage(language)) return {};
    return language;
}

void uninstall() {
    PictureFiles::setLanguage({});
    for (auto* t : {&ownTranslator(), &qtTranslator()}) {
        if (*t) QCoreApplication::removeTranslator(t->get());
        t->reset();
    }
}

}  // namespace programlanguage
