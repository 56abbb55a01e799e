#include "platform/label.h"

#include <QFocusEvent>
#include <QMetaMethod>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

#include "platform/accessiblelabel.h"
#include "platform/fonts.h"
#include "platform/keys.h"
#include "platform/twips.h"

Label::Label(QWidget* parent, const QString& name, int index) : QWidget(parent) {
    setObjectName(name);
    if (index >= 0) setProperty("controlIndex", index);
    setMouseTracking(true);
    setAttribute(Qt::WA_NoMousePropagation);
}

void Label::setCaption(const QString& caption) {
    // Announced even when unchanged: a second "Wrong, Try Again" is news too.
    m_caption = caption;
    update();
    AccessibleLabel::captionChanged(this);
}

void Label::setForeColour(const QColor& colour) {
    m_fore = colour;
    update();
}

void Label::setBackColour(const QColor& colour) {
    m_back = colour;
    update();
}

void Label::setOpaque(bool opaque) {
    if (opaque == m_opaque) return;
    m_opaque = opaque;
    update();
}

void Label::setAlignment(Qt::Alignment alignment) {
    m_alignment = alignment;
    update();
}

void Label::setWordWrap(bool wrap) {
    m_wrap = wrap;
    update();
}

void Label::setFontPoints(const QString& family, double points, bool bold) {
    fonts::apply(this, family, points, bold);
    update();
}

int Label::index() const {
    const QVariant v = property("controlIndex");
    return v.isValid() ? v.toInt() : -1;
}

Label* Label::copyAs(int newIndex) const {
    auto* copy = new Label(parentWidget(), objectName(), newIndex);
    copy->setFont(font());
    fonts::copyPoints(this, copy);
    copy->m_caption = m_caption;
    copy->m_fore = m_fore;
    copy->m_back = m_back;
    copy->m_opaque = m_opaque;
    copy->m_wrap = m_wrap;
    copy->m_alignment = m_alignment;
    copy->setEnabled(isEnabled());
    copy->m_focusLook = m_focusLook;
    copy->setFocusPolicy(focusPolicy());
    copy->setCursor(cursor());
    twips::setGeometry(copy, twips::left(this), twips::top(this), twips::width(this),
                       twips::height(this));
    copy->hide();
    return copy;
}

bool Label::isClickable() const {
    static const QMetaMethod clickedSignal = QMetaMethod::fromSignal(&Label::clicked);
    return isSignalConnected(clickedSignal);
}

void Label::setKeyboardReachable(FocusLook look) {
    m_focusLook = look;
    setFocusPolicy(Qt::TabFocus);
}

void Label::click() {
    if (isEnabled() && isVisible()) Q_EMIT clicked();
}

void Label::keyPressEvent(QKeyEvent* event) {
    if (keys::isPress(event)) {
        if (!event->isAutoRepeat()) click();
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void Label::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    // The window getting the focus back, or a press, says nothing of the keyboard.
    const Qt::FocusReason reason = event->reason();
    if (reason != Qt::TabFocusReason && reason != Qt::BacktabFocusReason &&
        reason != Qt::ShortcutFocusReason)
        return;
    showKeyboardFocus();
}

void Label::showKeyboardFocus() {
    m_keyboardFocus = true;
    Q_EMIT keyboardFocused();
    if (m_focusLook == FocusLook::Highlight) setOpaque(true);
    update();
}

void Label::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    // The window losing the focus keeps the mark for when it comes back.
    if (event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason)
        return;
    if (!m_keyboardFocus) return;
    m_keyboardFocus = false;
    if (m_focusLook == FocusLook::Highlight) setOpaque(false);
    update();
}

int Label::textFlags() const {
    int flags = static_cast<int>(m_alignment);
    if (m_wrap) flags |= Qt::TextWordWrap;
    return flags;
}

bool Label::captionFits() const {
    // Nothing is drawn for an empty caption, whatever the height of the
    // font's line (the Jotter's swatches are shorter than one).
    if (m_caption.isEmpty()) return true;
    const QRect box = rect();
    const QRect needed = fontMetrics().boundingRect(box, textFlags(), m_caption);
    return box.contains(needed.translated(0, inkDrop()));
}

int Label::inkDrop() const {
    if (m_caption.isEmpty()) return 0;
    const QFontMetrics metrics = fontMetrics();
    const QRect laid = metrics.boundingRect(rect(), textFlags(), m_caption);
    // The highest ink of any letter, as if all stood on the first line.
    const int inkTop = laid.top() + metrics.ascent() + metrics.tightBoundingRect(m_caption).top();
    return std::max(0, -inkTop);
}

void Label::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (m_opaque) painter.fillRect(rect(), m_back);
    painter.setFont(font());
    const QRect area = rect().translated(0, inkDrop());
    if (isEnabled()) {
        painter.setPen(m_fore);
        painter.drawText(area, textFlags(), m_caption);
    } else {
        // Greyed out and engraved, the usual look of a control that cannot be
        // used: a white copy one device pixel down and right, at any scale and
        // on any screen. Any further and the copy parts from the grey: the
        // text looks doubled.
        const qreal onePixel = 1.0 / devicePixelRatioF();
        painter.setPen(QColor(255, 255, 255));
        painter.drawText(QRectF(area).translated(onePixel, onePixel), textFlags(), m_caption);
        painter.setPen(QColor(128, 128, 128));
        painter.drawText(area, textFlags(), m_caption);
    }
    if (m_keyboardFocus && m_focusLook == FocusLook::Frame && hasFocus()) {
        // Black and white together, so the frame shows on any colour, swatches
        // included; drawn as designed, at the scale.
        const double scale = twips::scale();
        painter.scale(scale, scale);
        const QRect designed =
            QRect(QPoint(0, 0), (QSizeF(size()) / scale).toSize()).adjusted(1, 1, -2, -2);
        painter.setPen(QPen(Qt::black, 1));
        painter.drawRect(designed);
        painter.setPen(QPen(Qt::white, 1, Qt::DotLine));
        painter.drawRect(designed);
    }
}

void Label::mousePressEvent(QMouseEvent* event) {
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void Label::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = m_pressed && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    m_pressed = false;
    event->accept();
    if (click) Q_EMIT clicked();
}

void Label::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    Q_EMIT pointerMoved(event->buttons(), twips::pointFromPixels(event->position()));
}

void Label::changeEvent(QEvent* event) {
    if (event->type() == QEvent::EnabledChange) {
        // A disabled label lets the mouse through to whatever lies beneath it.
        setAttribute(Qt::WA_NoMousePropagation, isEnabled());
        update();
    }
    QWidget::changeEvent(event);
}
