#include "jotter/notepad.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QPainter>

#include <cmath>

#include "jotter/core/consolepalette.h"
#include "jotter/core/padplace.h"
#include "jotter/core/swatchplaces.h"
#include "platform/commandbutton.h"
#include "platform/desktop.h"
#include "platform/frame.h"
#include "platform/screenregistry.h"
#include "platform/twips.h"

namespace {

const QString kTahoma = QStringLiteral("Tahoma");
constexpr double kButtonPoints = 12;
constexpr int kButtonHeight = 480;
constexpr int kSwatchSize = 240;

const QColor kExitFace(255, 224, 192);
const QColor kWriteFace(255, 255, 192);
const QColor kEraseFace(192, 192, 0);
const QColor kClearFace(255, 192, 128);
const QColor kFlipFace(128, 128, 255);

QColor toQColor(const Rgb& c) { return QColor(c.red, c.green, c.blue); }

SwatchPlaces::Place placeOf(const QWidget* w) {
    return {twips::left(w), twips::top(w), twips::width(w), twips::height(w)};
}

void place(QWidget* w, const SwatchPlaces::Place& p) {
    twips::setGeometry(w, p.left, p.top, p.width, p.height);
}

PadPlace::Rect availableArea() {
    const QRect a = desktop::availableTwips();
    return {a.x(), a.y(), a.width(), a.height()};
}

// The activity the pad is opened over: the largest other screen on show.
PadPlace::Rect activityArea(const Screen* pad) {
    PadPlace::Rect area{0, 0, desktop::widthTwips(), desktop::heightTwips()};
    long long largest = 0;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        const auto* s = qobject_cast<Screen*>(w);
        if (!s || s == pad || !s->isVisible()) continue;
        const long long size = 1LL * s->widthTwips() * s->heightTwips();
        if (size <= largest) continue;
        largest = size;
        area = {s->leftTwips(), s->topTwips(), s->widthTwips(), s->heightTwips()};
    }
    return area;
}

}  // namespace

Label* notepad::makeSwatch(Frame* frame, const QString& name, int left, int top) {
    auto* swatch = new Label(frame, name, 0);
    swatch->setOpaque(true);
    swatch->setCursor(Qt::PointingHandCursor);
    swatch->setKeyboardReachable();
    twips::setGeometry(swatch, left, top, kSwatchSize, kSwatchSize);
    return swatch;
}

notepad::notepad() : Screen(QStringLiteral("notepad")) {
    //: The scribbling pad's window.
    setWindowTitle(tr("Jotter"));
    // Above every other window from the start, wherever the pupil works.
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setClientSizeTwips(PadLayout::kClientWidth, PadLayout::kClientHeight);

    m_frameLandscape = new Frame(this, QStringLiteral("Frame_landscape"));
    twips::setGeometry(m_frameLandscape, 0, 2910, 9920, 750);
    m_framePortrait = new Frame(this, QStringLiteral("Frame_portrait"));
    twips::setGeometry(m_framePortrait, 3165, 0, 1035, 5250);
    m_framePortrait->hide();

    Frame* wide = m_frameLandscape;
    Frame* tall = m_framePortrait;
    //: Closes the Jotter.
    const QString exit = tr("Exit");
    //: Back to the pen after erasing.
    const QString write = tr("Write");
    //: Turns the pen into a wide eraser.
    const QString erase = tr("Erase");
    //: Wipes the whole drawing.
    const QString clear = tr("Clear");
    //: Turns the wide pad upright (a narrow button).
    const QString toPortrait = tr("Flip", "to portrait");
    //: Turns the upright pad wide again.
    const QString toLandscape = tr("Flip", "to landscape");
    // Each button with its place and the handler it leads to.
    struct Button {
        Frame* frame;
        QString name;
        QString caption;
        int left, top, width;
        QColor face;
        void (notepad::*onClick)();
    };
    const Button buttons[] = {
        {wide, QStringLiteral("Command1"), exit, 60, 180, 930, kExitFace, &notepad::exitClick},
        {wide, QStringLiteral("Command2"), write, 1120, 180, 930, kWriteFace, &notepad::writeClick},
        {wide, QStringLiteral("Command5"), erase, 2180, 180, 930, kEraseFace, &notepad::eraseClick},
        {wide, QStringLiteral("Command6"), clear, 3240, 180, 930, kClearFace, &notepad::clearClick},
        {wide, QStringLiteral("Command3"), toPortrait, 4305, 180, 585, kFlipFace,
         &notepad::flipToPortrait},
        {tall, QStringLiteral("Command9"), exit, 60, 180, 930, kExitFace, &notepad::exitClick},
        {tall, QStringLiteral("Command10"), write, 60, 705, 930, kWriteFace, &notepad::writeClick},
        {tall, QStringLiteral("Command8"), erase, 60, 1230, 930, kEraseFace, &notepad::eraseClick},
        {tall, QStringLiteral("Command7"), clear, 60, 1755, 930, kClearFace, &notepad::clearClick},
        {tall, QStringLiteral("Command4"), toLandscape, 60, 2280, 930, kFlipFace,
         &notepad::flipToLandscape},
    };
    for (const Button& b : buttons) {
        auto* button = new CommandButton(b.frame, b.name, b.caption);
        button->setFaceColour(b.face);
        button->setFontPoints(kTahoma, kButtonPoints);
        twips::setGeometry(button, b.left, b.top, b.width, kButtonHeight);
        connect(button, &QPushButton::clicked, this, b.onClick);
    }

    m_wideSwatches = ControlArray<Label>(makeSwatch(wide, QStringLiteral("Label1"), 5010, 285));
    m_tallSwatches = ControlArray<Label>(makeSwatch(tall, QStringLiteral("Label11"), 180, 2820));

    connect(this, &Screen::surfacePressed, this,
            [this](Qt::MouseButton, Qt::KeyboardModifiers, QPointF twips) { padPressed(twips); });
    connect(this, &Screen::surfaceMoved, this,
            [this](Qt::MouseButtons buttons, Qt::KeyboardModifiers, QPointF twips) {
                padMoved(buttons, twips);
            });
}

void notepad::onLoad() {
    const QColor padColour = toQColor(JotterPen::kEraseColour);
    setBackColour(padColour);
    m_framePortrait->setBackColour(padColour);
    m_frameLandscape->setBackColour(padColour);

    // Beside the activity where the desktop has room, else over its upper
    // part, where it covers the least of the quiz; inside the panels either way.
    const PadPlace::Corner corner =
        PadPlace::first(availableArea(), activityArea(this), PadLayout::kLandscapeOuterWidth,
                        PadLayout::kLandscapeOuterHeight);
    setLeftTwips(corner.left);
    setTopTwips(corner.top);

    for (int i = 0; i < ConsolePalette::kCount; ++i) {
        for (ControlArray<Label>* swatches : {&m_wideSwatches, &m_tallSwatches}) {
            Label* swatch = swatches->load(i);
            swatch->setBackColour(toQColor(ConsolePalette::colour(i)));
            swatch->setAccessibleName(
                QCoreApplication::translate("ConsolePalette", ConsolePalette::name(i)));
            connect(swatch, &Label::clicked, this, [this, swatch] { swatchClick(swatch); });
        }
    }
    const SwatchPlaces::Place wideFirst = placeOf(m_wideSwatches(0));
    const SwatchPlaces::Place tallFirst = placeOf(m_tallSwatches(0));
    for (int i = 1; i < ConsolePalette::kCount; ++i) {
        place(m_wideSwatches(i), SwatchPlaces::landscape(i, wideFirst));
        place(m_tallSwatches(i), SwatchPlaces::portrait(i, tallFirst));
        m_wideSwatches(i)->show();
        m_tallSwatches(i)->show();
    }
    m_pen = JotterPen();
    wipeDrawing();
}

QImage notepad::blankDrawing(QSize logical) const {
    // Kept at the screen's own pixel density, so strokes stay sharp on a
    // high-density screen; painters on it still work in logical pixels.
    const qreal ratio = devicePixelRatioF();
    QImage drawing((QSizeF(logical) * ratio).toSize(), QImage::Format_RGB32);
    drawing.setDevicePixelRatio(ratio);
    drawing.fill(backColour());
    return drawing;
}

void notepad::wipeDrawing() {
    const QSize size =
        this->size().expandedTo(m_drawing.deviceIndependentSize().toSize()).expandedTo(QSize(1, 1));
    m_drawing = blankDrawing(size);
    update();
}

void notepad::resizeEvent(QResizeEvent* event) {
    Screen::resizeEvent(event);
    const QSize drawn = m_drawing.deviceIndependentSize().toSize();
    if (size().width() <= drawn.width() && size().height() <= drawn.height()) return;
    // Growing keeps what is drawn; the new strip is bare pad.
    QImage grown = blankDrawing(size().expandedTo(drawn));
    if (!m_drawing.isNull()) QPainter(&grown).drawImage(0, 0, m_drawing);
    m_drawing = grown;
}

void notepad::paintSurface(QPainter& painter) { painter.drawImage(0, 0, m_drawing); }

void notepad::padPressed(QPointF twips) { m_currentPoint = twips; }

void notepad::padMoved(Qt::MouseButtons buttons, QPointF twips) {
    if (buttons != Qt::LeftButton) return;
    QPainter painter(&m_drawing);
    painter.setPen(
        QPen(toQColor(m_pen.colour()), m_pen.width(), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const QPointF from(twips::toPixelsF(m_currentPoint.x()), twips::toPixelsF(m_currentPoint.y()));
    const QPointF to(twips::toPixelsF(twips.x()), twips::toPixelsF(twips.y()));
    painter.drawLine(from, to);
    m_currentPoint = twips;
    update();
}

void notepad::writeClick() { m_pen.write(); }

void notepad::eraseClick() { m_pen.erase(); }

void notepad::clearClick() {
    wipeDrawing();
    setBackColour(toQColor(JotterPen::kEraseColour));
    m_pen.clear();
    m_currentPoint = QPointF();
}

void notepad::swatchClick(Label* swatch) {
    const QColor c = swatch->backColour();
    m_pen.pickSwatch(Rgb{c.red(), c.green(), c.blue()});
}

// The window takes the portrait size, and the portrait frame, placed by the
// new width, replaces the landscape one. The next line starts afresh.
void notepad::flipToPortrait() {
    wipeDrawing();
    m_currentPoint = QPointF();
    setOuterSizeTwips(PadLayout::kPortraitOuterWidth, PadLayout::kPortraitOuterHeight);
    keepInside();
    twips::setLeft(m_framePortrait,
                   PadLayout::portraitFrameLeft(widthTwips(), twips::width(m_framePortrait)));
    m_frameLandscape->hide();
    m_framePortrait->show();
    m_orientation = PadLayout::Orientation::Portrait;
}

// The window takes the landscape size again and the landscape frame comes
// back where it always stands. The next line starts afresh.
void notepad::flipToLandscape() {
    wipeDrawing();
    m_currentPoint = QPointF();
    setOuterSizeTwips(PadLayout::kLandscapeOuterWidth, PadLayout::kLandscapeOuterHeight);
    keepInside();
    m_frameLandscape->show();
    m_framePortrait->hide();
    m_orientation = PadLayout::Orientation::Landscape;
}

void notepad::keepInside() {
    // Where the pupil has dragged the pad, if anywhere; else where it was put.
    const PadPlace::Corner now =
        isVisible() ? PadPlace::Corner{static_cast<int>(std::lround(twips::fromPixels(x()))),
                                       static_cast<int>(std::lround(twips::fromPixels(y())))}
                    : PadPlace::Corner{leftTwips(), topTwips()};
    const PadPlace::Corner corner =
        PadPlace::inside(availableArea(), now, widthTwips(), heightTwips());
    if (corner == now) return;
    setLeftTwips(corner.left);
    setTopTwips(corner.top);
}

void notepad::exitClick() { screens::unload(objectName()); }

void notepad::keyPressEvent(QKeyEvent* event) {
    // Escape puts the pad away, as its Exit buttons do.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();
        exitClick();
        return;
    }
    Screen::keyPressEvent(event);
}

void notepad::closeEvent(QCloseEvent* event) {
    // Closing from the title bar is the same as Exit: the pad and its drawing go.
    event->ignore();
    exitClick();
}
