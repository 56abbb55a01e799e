#include "platform/application.h"

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QPixmapCache>
#include <QStyleFactory>

#include "platform/accessiblecontainer.h"
#include "platform/accessiblelabel.h"
#include "platform/accessibletextbox.h"
#include "platform/picturefiles.h"
#include "platform/screenregistry.h"

namespace application {
namespace {

std::function<void()>& endHandler() {
    static std::function<void()> h;
    return h;
}

}  // namespace

void initialise(QApplication& app) {
    if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"))) app.setStyle(fusion);
    QAccessible::installFactory(&AccessibleLabel::factory);
    QAccessible::installFactory(&AccessibleContainer::factory);
    QAccessible::installFactory(&AccessibleTextBox::factory);
    // The style keeps pictures of buttons per palette, and every coloured
    // button brings a palette of its own; a small cache keeps a morning of
    // opening and closing screens from growing the program.
    QPixmapCache::setCacheLimit(1024);
    app.setApplicationName(QStringLiteral("quorvane"));
    QIcon icon;
    // The window's own icon; the larger sizes are for the desktop's menus,
    // which take them from the icon theme, and would only slow the start.
    for (int size : {32, 48}) {
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
