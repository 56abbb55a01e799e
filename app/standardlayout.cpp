#include "app/standardlayout.h"

#include <QColor>
#include <QCoreApplication>

#include "platform/desktop.h"
#include "platform/imagebox.h"
#include "platform/picturebutton.h"
#include "platform/picturefiles.h"
#include "platform/screen.h"
#include "platform/screenregistry.h"
#include "platform/twips.h"

namespace {

constexpr int kOuterWidth = 12000;
constexpr int kOuterHeight = 9000;
constexpr int kButtonWidth = 1785;
constexpr int kButtonHeight = 495;
constexpr int kColumnLeft = 10050;
constexpr int kBottomTop = 7950;
constexpr int kExitLeft = 90;

struct ButtonImage {
    const char* control;
    const char* file;
    const char* spokenName;  // what the button does, for assistive technology
};

// Three of these file names spell the folder "Images" and three "images"; the
// picture files find both in the one folder, whatever the case.
constexpr ButtonImage kButtonImages[] = {
    {"cmdexit", "Images\\exit.jpg", QT_TRANSLATE_NOOP("standardlayout", "Exit")},
    {"cmdgo", "Images\\next.jpg", QT_TRANSLATE_NOOP("standardlayout", "Next question")},
    {"cmdsoln", "Images\\answer.jpg", QT_TRANSLATE_NOOP("standardlayout", "Show the answer")},
    {"Cmdcheckit", "images\\check.jpg", QT_TRANSLATE_NOOP("standardlayout", "Check")},
    {"cmdjotter", "images\\jotter.jpg", QT_TRANSLATE_NOOP("standardlayout", "Jotter")},
    {"cmdscramble", "images\\scramble.jpg", QT_TRANSLATE_NOOP("standardlayout", "Scramble")},
};

void setTabStopOff(QWidget* w) {
    if (auto* button = qobject_cast<PictureButton*>(w))
        button->setTabStop(false);
    else
        w->setFocusPolicy(Qt::ClickFocus);
}

void setBackColour(QWidget* w, const QColor& colour) {
    if (auto* box = qobject_cast<ImageBox*>(w)) {
        box->setBackColour(colour);
        return;
    }
    QPalette p = w->palette();
    p.setColor(QPalette::Window, colour);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

}  // namespace

QSize standardOuterSizePixels() {
    return {twips::toPixels(kOuterWidth), twips::toPixels(kOuterHeight)};
}

QColor standardBackColour() { return {40, 66, 156}; }

void standardlayout(Screen& screen) {
    screen.setBackColour(standardBackColour());
    if (QWidget* picture = screen.control(QStringLiteral("Picture1")))
        setBackColour(picture, QColor(49, 135, 214));
    screen.setOuterSizeTwips(kOuterWidth, kOuterHeight);

    const double w = desktop::widthTwips();
    const double h = desktop::heightTwips();
    desktop::setBusyPointer(true);
    // Never clamped: on a small desktop the screen overhangs on every side.
    screen.setTopTwips(h / 2 - screen.heightTwips() / 2.0);
    screen.setLeftTwips(w / 2 - screen.widthTwips() / 2.0);
    desktop::setBusyPointer(false);

    for (const ButtonImage& b : kButtonImages) {
        auto* button = screen.control<PictureButton>(QString::fromLatin1(b.control));
        if (!button) continue;
        button->setAccessibleName(QCoreApplication::translate("standardlayout", b.spokenName));
        const QImage picture = PictureFiles::load(QString::fromLatin1(b.file));
        if (!picture.isNull()) button->setPicture(picture);
    }

    // One assignment at a time, in this order: each stacked button takes its
    // Top from the one below it as that one stands at that moment.
    QWidget* go = screen.control(QStringLiteral("cmdgo"));
    QWidget* jotter = screen.control(QStringLiteral("cmdjotter"));
    QWidget* soln = screen.control(QStringLiteral("cmdsoln"));
    QWidget* check = screen.control(QStringLiteral("Cmdcheckit"));
    QWidget* exit = screen.control(QStringLiteral("cmdexit"));
    if (go) {
        twips::setTop(go, kBottomTop);
        twips::setWidth(go, kButtonWidth);
        twips::setLeft(go, kColumnLeft);
        twips::setHeight(go, kButtonHeight);
        setTabStopOff(go);
    }
    if (jotter) {
        twips::setLeft(jotter, kColumnLeft);
        twips::setHeight(jotter, kButtonHeight);
        if (go) twips::setTop(jotter, twips::top(go) - twips::height(jotter));
        twips::setWidth(jotter, kButtonWidth);
        setTabStopOff(jotter);
    }
    if (soln) {
        twips::setHeight(soln, kButtonHeight);
        if (jotter) twips::setTop(soln, twips::top(jotter) - twips::height(soln));
        twips::setWidth(soln, kButtonWidth);
        twips::setLeft(soln, kColumnLeft);
        setTabStopOff(soln);
    }
    if (check) {
        twips::setHeight(check, kButtonHeight);
        twips::setLeft(check, kColumnLeft);
        if (soln) twips::setTop(check, twips::top(soln) - twips::height(check));
        twips::setWidth(check, kButtonWidth);
        setTabStopOff(check);
    }
    if (exit) {
        twips::setTop(exit, kBottomTop);
        twips::setWidth(exit, kButtonWidth);
        twips::setLeft(exit, kExitLeft);
        twips::setHeight(exit, kButtonHeight);
        setTabStopOff(exit);
    }
}

void exitToMenu(const Screen& activity) {
    screens::unload(QStringLiteral("notepad"));
    screens::show(QStringLiteral("intro0"));
    screens::unload(activity.objectName());
}
