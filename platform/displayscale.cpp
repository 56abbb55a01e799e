#include "platform/displayscale.h"

#include <QtGui/private/qhighdpiscaling_p.h>
#include <qpa/qplatformscreen.h>
#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QWidget>

#include <functional>

#include "platform/core/screenfit.h"
#include "platform/desktop.h"
#include "platform/screen.h"
#include "platform/twips.h"

namespace displayscale {
namespace {

struct State {
    bool presentation = false;
    double factor = 1.0;
    QSize logical;
    double startFactor = 1.0;  // Qt's factor before choose()
    QColor backdropColour;
    QWidget* backdrop = nullptr;
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

// The factor for a window of `logical` pixels on `device`, where Qt's own
// factor before any choice was `start`: filling the whole screen in
// presentation mode, otherwise fitting the available area at no more than
// `start`.
double wanted(const QPlatformScreen* device, QSize logical, double start, bool presentation) {
    if (presentation)
        return ScreenFit::filling(area(device->geometry()), logical.width(), logical.height());
    return start * ScreenFit::fitting(area(device->geometry()), area(device->availableGeometry()),
                                      logical.width() * start, logical.height() * start);
}

}  // namespace

void choose(QSize logical, bool presentation) {
    state().presentation = presentation;
    state().logical = logical;
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen || !screen->handle() || logical.isEmpty()) return;
    // The platform's own geometry is in device pixels, whatever factor Qt has.
    const QPlatformScreen* device = screen->handle();
    const double current = QHighDpiScaling::factor(screen);
    state().startFactor = state().factor = current;
    const double change = wanted(device, logical, current, presentation) / current;
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
    state().backdropColour = colour;
    // Below every screen, never focused and never hit, so a press beside the
    // window cannot raise it over the program.
    QWidget*& backdrop = state().backdrop;
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

namespace {

// F11 wherever the key goes.
class ToggleKey : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (key->key() == Qt::Key_F11 && !key->isAutoRepeat() && toggle()) return true;
        }
        return QObject::eventFilter(watched, event);
    }
};

// Qt warns that the factor is meant to be set before any window exists; here
// every window is placed and sized again right after.
void quietly(const std::function<void()>& change) {
    static QtMessageHandler previous = nullptr;
    previous = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext& context, const QString& message) {
            if (!message.startsWith(QLatin1String("QHighDpiScaling")))
                previous(type, context, message);
        });
    change();
    qInstallMessageHandler(previous);
}

}  // namespace

void installToggleKey(const QColor& backdrop) {
    state().backdropColour = backdrop;
    static ToggleKey* filter = nullptr;
    if (filter || !qApp) return;
    filter = new ToggleKey;
    filter->setParent(qApp);
    qApp->installEventFilter(filter);
}

bool toggle() {
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen || !screen->handle() || state().logical.isEmpty() || twips::shrink() < 1)
        return false;
    const QPlatformScreen* device = screen->handle();
    const bool presentation = !state().presentation;
    const double target = wanted(device, state().logical, state().startFactor, presentation);
    if (target < 1) return false;
    const double oldWidth = desktop::widthTwips(), oldHeight = desktop::heightTwips();
    QList<Screen*> screens;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* s = qobject_cast<Screen*>(w)) screens << s;
    }
    quietly([&] { QHighDpiScaling::setGlobalFactor(asked() * target / state().startFactor); });
    state().factor = target;
    state().presentation = presentation;
    const QSizeF before(oldWidth, oldHeight), after(desktop::widthTwips(), desktop::heightTwips());
    if (presentation)
        showBackdrop(state().backdropColour);
    else if (state().backdrop)
        state().backdrop->hide();
    for (Screen* s : screens) s->followDesktop(before, after, presentation);
    return true;
}

}  // namespace displayscale
