#include "displayscale.h"

#include <QtGui/private/qhighdpiscaling_p.h>
#include <qpa/qplatformscreen.h>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include "core/screenfit.h"
#include "twips.h"

namespace displayscale {
namespace {

struct State {
    bool presentation = false;
    double factor = 1.0;
};

State& state() {
    static State s;
    return s;
}

ScreenFit::Area area(const QRect& r) { return {r.x(), r.y(), r.width(), r.height()}; }

// The factor QT_SCALE_FACTOR asked for, which the one chosen here replaces.
double asked() {
    bool ok = false;
    const double f = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&ok);
    return ok && f > 0 ? f : 1.0;
}

}  // namespace

void choose(QSize logical, bool presentation) {
    state().presentation = presentation;
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen || !screen->handle() || logical.isEmpty()) return;
    // The platform's own geometry is in device pixels, whatever factor Qt has.
    const QPlatformScreen* device = screen->handle();
    const double current = QHighDpiScaling::factor(screen);
    const double width = logical.width() * current;
    const double height = logical.height() * current;
    const double change =
        presentation
            ? ScreenFit::filling(area(device->geometry()), logical.width(), logical.height()) /
                  current
            : ScreenFit::fitting(area(device->geometry()), area(device->availableGeometry()), width,
                                 height);
    if (qFuzzyCompare(change, 1.0)) return;
    state().factor = current * change;
    // Qt draws nothing smaller than its device pixel ratio of 1, so a smaller
    // window is drawn in smaller pixels: more twips to each.
    if (state().factor < 1) {
        if (!qFuzzyCompare(current, 1.0)) QHighDpiScaling::setGlobalFactor(asked() / current);
        twips::setShrink(state().factor);
        return;
    }
    QHighDpiScaling::setGlobalFactor(asked() * change);
}

bool presentation() { return state().presentation; }

double factor() { return state().factor; }

void showBackdrop(const QColor& colour) {
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    // Below every screen, never focused and never hit, so a press beside the
    // window cannot raise it over the program.
    static QWidget* backdrop = nullptr;
    if (!backdrop) {
        backdrop = new QWidget(nullptr,
                               Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnBottomHint |
                                   Qt::WindowDoesNotAcceptFocus | Qt::WindowTransparentForInput);
        backdrop->setObjectName(QStringLiteral("backdrop"));
        backdrop->setAttribute(Qt::WA_ShowWithoutActivating);
    }
    QPalette p = backdrop->palette();
    p.setColor(QPalette::Window, colour);
    backdrop->setPalette(p);
    backdrop->setAutoFillBackground(true);
    backdrop->setGeometry(screen->geometry());
    backdrop->show();
}

}  // namespace displayscale
