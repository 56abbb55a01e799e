#include "tests/support/fingerandpen.h"

#ifdef QUORVANE_PEN_INPUT
#include <qpa/qwindowsysteminterface.h>
#include <qpa/qwindowsysteminterface_p.h>
#endif
#include <QCoreApplication>
#include <QPointingDevice>
#include <QTest>
#include <QWidget>
#include <QWindow>

namespace fingerandpen {
namespace {

QPointingDevice* finger() {
    static QPointingDevice* device = QTest::createTouchDevice();
    return device;
}

#ifdef QUORVANE_PEN_INPUT
const QPointingDevice* pen() {
    static const QPointingDevice* device = [] {
        auto* d = new QPointingDevice(
            QStringLiteral("test pen"), 4242, QInputDevice::DeviceType::Stylus,
            QPointingDevice::PointerType::Pen,
            QInputDevice::Capability::Position | QInputDevice::Capability::Pressure, 1, 2);
        QWindowSystemInterface::registerInputDevice(d);
        // As on X11 with XInput 2: the window system sends the pen alone and
        // Qt makes the mouse events of a pen no widget takes.
        QWindowSystemInterfacePrivate::TabletEvent::setPlatformSynthesizesMouse(false);
        return d;
    }();
    return device;
}

void penAt(QWidget* widget, QPoint at, Qt::MouseButtons buttons) {
    QWindow* window = widget->window()->windowHandle();
    const QPointF local = widget->mapTo(widget->window(), QPointF(at));
    QWindowSystemInterface::handleTabletEvent(window, pen(), local,
                                              widget->mapToGlobal(QPointF(at)), buttons,
                                              buttons ? 0.6 : 0.0, 0, 0, 0, 0, 0);
    QWindowSystemInterface::flushWindowSystemEvents();
    QCoreApplication::processEvents();
}
#else
void penAt(QWidget*, QPoint, Qt::MouseButtons) {}
#endif

}  // namespace

bool penReachable() {
#ifdef QUORVANE_PEN_INPUT
    return true;
#else
    return false;
#endif
}

void tap(QWidget* widget, QPoint at) { fingerStroke(widget, {at}); }

void fingerStroke(QWidget* widget, const QList<QPoint>& points) {
    if (points.isEmpty()) return;
    QTest::touchEvent(widget, finger()).press(0, points.constFirst(), widget);
    for (qsizetype i = 1; i < points.size(); ++i)
        QTest::touchEvent(widget, finger()).move(0, points[i], widget);
    QTest::touchEvent(widget, finger()).release(0, points.constLast(), widget);
    QCoreApplication::processEvents();
}

void penStroke(QWidget* widget, const QList<QPoint>& points) {
    if (points.isEmpty()) return;
    for (const QPoint& p : points) penAt(widget, p, Qt::LeftButton);
    penAt(widget, points.constLast(), Qt::NoButton);
}

}  // namespace fingerandpen
