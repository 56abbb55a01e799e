#include "platform/desktop.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>

#include <cmath>

#include "platform/twips.h"

namespace desktop {
namespace {

QSize& override() {
    static QSize size;
    return size;
}

QRect& availableOverride() {
    static QRect area;
    return area;
}

QSize pixels() {
    if (!override().isEmpty()) return override();
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().size() : QSize(800, 600);
}

}  // namespace

int widthTwips() { return static_cast<int>(std::lround(pixels().width() * twips::perPixel())); }
int heightTwips() { return static_cast<int>(std::lround(pixels().height() * twips::perPixel())); }
void setSizeOverride(QSize size) { override() = size; }

QRect availableTwips() {
    QRect area = availableOverride();
    if (area.isEmpty()) {
        const QScreen* screen = QGuiApplication::primaryScreen();
        area = !override().isEmpty() || !screen ? QRect(QPoint(0, 0), pixels())
                                                : screen->availableGeometry();
    }
    const auto t = [](int px) { return static_cast<int>(std::lround(twips::fromPixels(px))); };
    return {t(area.x()), t(area.y()), t(area.width()), t(area.height())};
}

void setAvailableOverride(QRect area) { availableOverride() = area; }

void setBusyPointer(bool busy) {
    if (busy)
        QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    else
        while (QGuiApplication::overrideCursor()) QGuiApplication::restoreOverrideCursor();
}

bool isBusyPointer() { return QGuiApplication::overrideCursor() != nullptr; }

}  // namespace desktop
