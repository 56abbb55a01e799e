#include "platform/displayscale.h"

#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <cmath>

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
    QColor backdropColour;
    QWidget* backdrop = nullptr;
    QFont applicationFont;  // as Qt chose it, before any scale
    bool fontKept = false;
};

State& state() {
    static State s;
    return s;
}

ScreenFit::Area area(const QRect& r) { return {r.x(), r.y(), r.width(), r.height()}; }

// The scale for a window of `logical` pixels on `screen`: filling the whole
// screen in presentation mode, otherwise fitting the available area at no
// more than 1. The screen's geometry is in Qt's pixels, of which a
// high-density screen has fewer than device pixels; its own ratio comes on
// top of the scale.
double wanted(const QScreen* screen, QSize logical, bool presentation) {
    if (presentation)
        return ScreenFit::filling(area(screen->geometry()), logical.width(), logical.height());
    return ScreenFit::fitting(area(screen->geometry()), area(screen->availableGeometry()),
                              logical.width(), logical.height());
}

// Every screen takes its twips at the new scale; what Qt draws in its own
// font (tooltips, a button's caption in place of its picture) grows and
// shrinks with them.
void setScale(double factor) {
    State& s = state();
    s.factor = factor;
    twips::setScale(factor);
    if (!qobject_cast<QApplication*>(QCoreApplication::instance())) return;
    if (!s.fontKept) {
        s.applicationFont = QApplication::font();
        s.fontKept = true;
    }
    QFont font = s.applicationFont;
    if (font.pixelSize() > 0)
        font.setPixelSize(std::max(1, static_cast<int>(std::lround(font.pixelSize() * factor))));
    else
        font.setPointSizeF(font.pointSizeF() * factor);
    QApplication::setFont(font);
}

}  // namespace

void choose(QSize logical, bool presentation) {
    state().presentation = presentation;
    state().logical = logical;
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen || logical.isEmpty()) return;
    const double factor = wanted(screen, logical, presentation);
    if (!qFuzzyCompare(factor, twips::scale())) setScale(factor);
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
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen || state().logical.isEmpty() || twips::scale() < 1) return false;
    const bool presentation = !state().presentation;
    const double target = wanted(screen, state().logical, presentation);
    if (target < 1) return false;
    const double oldWidth = desktop::widthTwips(), oldHeight = desktop::heightTwips();
    QList<Screen*> screens;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* s = qobject_cast<Screen*>(w)) screens << s;
    }
    setScale(target);
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
