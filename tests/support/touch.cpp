#include "tests/support/touch.h"

#include <QApplication>
#include <QPointingDevice>
#include <QTabletEvent>
#include <QTest>
#include <QWidget>

namespace touch {
namespace {

QPointingDevice* touchScreen() {
    static QPointingDevice* device = QTest::createTouchDevice();
    return device;
}

// Owned by the application, which goes before the program's static objects do.
const QPointingDevice* pen() {
    static const QPointingDevice* device =
        new QPointingDevice(QStringLiteral("test pen"), 4242, QInputDevice::DeviceType::Stylus,
                            QPointingDevice::PointerType::Pen,
                            QInputDevice::Capability::Position | QInputDevice::Capability::Pressure,
                            1, 2, QString(), QPointingDeviceUniqueId(), qApp);
    return device;
}

}  // namespace

void tap(QWidget* widget, QPoint at) { stroke(widget, {at}); }

void stroke(QWidget* widget, const QList<QPoint>& points) {
    if (points.isEmpty()) return;
    QTest::touchEvent(widget, touchScreen()).press(0, points.constFirst(), widget);
    for (qsizetype i = 1; i < points.size(); ++i)
        QTest::touchEvent(widget, touchScreen()).move(0, points[i], widget);
    QTest::touchEvent(widget, touchScreen()).release(0, points.constLast(), widget);
    QCoreApplication::processEvents();
}

bool penPressTaken(QWidget* widget, QPoint at) {
    QWidget* target = widget->childAt(at);
    if (!target) target = widget;
    const QPointF local = target->mapFrom(widget, QPointF(at));
    QTabletEvent press(QEvent::TabletPress, pen(), local, widget->mapToGlobal(QPointF(at)), 0.6, 0,
                       0, 0, 0, 0, Qt::NoModifier, Qt::LeftButton, Qt::LeftButton);
    QApplication::sendEvent(target, &press);
    return press.isAccepted();
}

}  // namespace touch
