#include "application.h"

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QIcon>
#include <QStyleFactory>

#include "accessiblelabel.h"
#include "picturefiles.h"
#include "screenregistry.h"

namespace application {
namespace {

std::function<void()>& endHandler() {
    static std::function<void()> h;
    return h;
}

// The screens are designed in Tahoma, Times New Roman and Arial. fontconfig
// maps the last two to the metric-compatible Liberation fonts; Tahoma's free
// look-alike ships in a folder fontconfig does not scan, so it is added here.
void addTahoma() {
    const char* const files[] = {"/usr/share/wine/fonts/tahoma.ttf",
                                 "/usr/share/wine/fonts/tahomabd.ttf"};
    for (const char* file : files) {
        if (QFile::exists(QString::fromLatin1(file)))
            QFontDatabase::addApplicationFont(QString::fromLatin1(file));
    }
}

}  // namespace

void initialise(QApplication& app) {
    if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"))) app.setStyle(fusion);
    addTahoma();
    QAccessible::installFactory(&AccessibleLabel::factory);
    app.setApplicationName(QStringLiteral("quorvane"));
    QIcon icon;
    for (int size : {32, 48, 64, 128, 256}) {
        const QString file =
            PictureFiles::resolve(QStringLiteral("icons\\quorvane-%1.png").arg(size));
        if (!file.isEmpty()) icon.addFile(file, QSize(size, size));
    }
    if (!icon.isNull()) app.setWindowIcon(icon);
}

void end() {
    ScreenRegistry::instance().unloadAll();
    if (endHandler()) {
        endHandler()();
        return;
    }
    QCoreApplication::exit(0);
}

void setEndHandler(std::function<void()> handler) { endHandler() = std::move(handler); }

}  // namespace application
