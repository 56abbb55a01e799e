#include "platform/accessibletextbox.h"

#include <QFontMetrics>
#include <QLineEdit>
#include <QPointer>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTextBoundaryFinder>

#include <vector>

namespace {

const char* const kLabelProperty = "accessibleLabel";
const char* const kBoxProperty = "accessibleLabelFor";

// The sibling named in the property, looked up afresh each time, so a
// control unloaded first is never reached.
QWidget* sibling(const QWidget* of, const char* property) {
    const QString name = of->property(property).toString();
    if (name.isEmpty() || !of->parentWidget()) return nullptr;
    return of->parentWidget()->findChild<QWidget*>(name, Qt::FindDirectChildrenOnly);
}

// The places where pieces of this kind begin and end, in order, from 0 to the
// length. The box holds one line, so a line, a paragraph or no boundary at
// all is the whole text. Each step of the finder must move forwards, so the
// walk ends after at most one step a character.
std::vector<int> boundaries(const QString& text, QAccessible::TextBoundaryType type) {
    const int length = static_cast<int>(text.size());
    std::vector<int> at{0};
    QTextBoundaryFinder::BoundaryType finderType;
    switch (type) {
        case QAccessible::CharBoundary:
            finderType = QTextBoundaryFinder::Grapheme;
            break;
        case QAccessible::WordBoundary:
            finderType = QTextBoundaryFinder::Word;
            break;
        case QAccessible::SentenceBoundary:
            finderType = QTextBoundaryFinder::Sentence;
            break;
        default:
            if (length > 0) at.push_back(length);
            return at;
    }
    if (length == 0) return at;
    QTextBoundaryFinder finder(finderType, text);
    finder.toStart();
    for (int steps = 0; steps <= length; ++steps) {
        const qsizetype next = finder.toNextBoundary();
        if (next <= at.back() || next > length) break;
        at.push_back(static_cast<int>(next));
    }
    if (at.back() != length) at.push_back(length);
    return at;
}

}  // namespace

AccessibleTextBox::AccessibleTextBox(QLineEdit* box)
    : QAccessibleWidget(box, QAccessible::EditableText) {}

QLineEdit* AccessibleTextBox::box() const { return static_cast<QLineEdit*>(widget()); }

void* AccessibleTextBox::interface_cast(QAccessible::InterfaceType t) {
    if (t == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    if (t == QAccessible::EditableTextInterface)
        return static_cast<QAccessibleEditableTextInterface*>(this);
    return QAccessibleWidget::interface_cast(t);
}

QAccessible::State AccessibleTextBox::state() const {
    QAccessible::State s = QAccessibleWidget::state();
    s.editable = !box()->isReadOnly();
    s.readOnly = box()->isReadOnly();
    s.selectableText = true;
    return s;
}

QString AccessibleTextBox::text(QAccessible::Text t) const {
    if (t == QAccessible::Value) return box()->text();
    if (t == QAccessible::Name && box()->accessibleName().isEmpty()) {
        if (QWidget* label = sibling(box(), kLabelProperty))
            if (QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(label))
                return iface->text(QAccessible::Name);
    }
    return QAccessibleWidget::text(t);
}

void AccessibleTextBox::setText(QAccessible::Text t, const QString& text) {
    if (t == QAccessible::Value && !box()->isReadOnly())
        box()->setText(text);
    else
        QAccessibleWidget::setText(t, text);
}

QList<QPair<QAccessibleInterface*, QAccessible::Relation>> AccessibleTextBox::relations(
    QAccessible::Relation match) const {
    auto related = QAccessibleWidget::relations(match);
    QWidget* label = sibling(box(), kLabelProperty);
    if (label && (match & QAccessible::Label)) {
        if (QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(label))
            related.append({iface, QAccessible::Label});
    }
    return related;
}

void AccessibleTextBox::selection(int selectionIndex, int* startOffset, int* endOffset) const {
    *startOffset = *endOffset = 0;
    if (selectionIndex != 0 || !box()->hasSelectedText()) return;
    *startOffset = box()->selectionStart();
    *endOffset = box()->selectionEnd();
}

int AccessibleTextBox::selectionCount() const { return box()->hasSelectedText() ? 1 : 0; }

void AccessibleTextBox::addSelection(int startOffset, int endOffset) {
    setSelection(0, startOffset, endOffset);
}

void AccessibleTextBox::removeSelection(int selectionIndex) {
    if (selectionIndex == 0) box()->deselect();
}

void AccessibleTextBox::setSelection(int selectionIndex, int startOffset, int endOffset) {
    if (selectionIndex != 0) return;
    const int length = characterCount();
    startOffset = qBound(0, startOffset, length);
    endOffset = qBound(0, endOffset, length);
    box()->setSelection(startOffset, endOffset - startOffset);
}

int AccessibleTextBox::cursorPosition() const { return box()->cursorPosition(); }

void AccessibleTextBox::setCursorPosition(int position) {
    box()->setCursorPosition(qBound(0, position, characterCount()));
}

QString AccessibleTextBox::text(int startOffset, int endOffset) const {
    const int length = characterCount();
    startOffset = qBound(0, startOffset, length);
    endOffset = qBound(startOffset, endOffset < 0 ? length : endOffset, length);
    return box()->text().mid(startOffset, endOffset - startOffset);
}

QString AccessibleTextBox::piece(Piece which, int offset,
                                 QAccessible::TextBoundaryType boundaryType, int* startOffset,
                                 int* endOffset) const {
    const QString all = box()->text();
    const int length = static_cast<int>(all.size());
    if (offset == -2) offset = cursorPosition();  // the caret, as the bridge asks for it
    *startOffset = *endOffset = -1;
    if (offset < 0 || offset > length) return QString();

    const std::vector<int> at = boundaries(all, boundaryType);
    const int last = static_cast<int>(at.size()) - 1;
    // The piece [at[i], at[i + 1]) holds the offset; at the very end it is
    // the last piece, except for a character: there is none past the end.
    int i = 0;
    while (i + 1 < last && at[i + 1] <= offset) ++i;
    if (offset == length && (boundaryType == QAccessible::CharBoundary || length == 0)) i = last;
    if (which == Piece::Before) --i;
    if (which == Piece::After) ++i;
    if (i < 0 || i >= last) {
        *startOffset = *endOffset = i < 0 ? 0 : length;
        return QString();
    }
    *startOffset = at[i];
    *endOffset = at[i + 1];
    return all.mid(at[i], at[i + 1] - at[i]);
}

QString AccessibleTextBox::textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                            int* startOffset, int* endOffset) const {
    return piece(Piece::Before, offset, boundaryType, startOffset, endOffset);
}

QString AccessibleTextBox::textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                           int* startOffset, int* endOffset) const {
    return piece(Piece::After, offset, boundaryType, startOffset, endOffset);
}

QString AccessibleTextBox::textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                        int* startOffset, int* endOffset) const {
    return piece(Piece::At, offset, boundaryType, startOffset, endOffset);
}

int AccessibleTextBox::characterCount() const { return static_cast<int>(box()->text().size()); }

QRect AccessibleTextBox::characterRect(int offset) const {
    // Where the box draws the character: its text is laid out in one run
    // inside the frame, placed by the box's alignment.
    const QString all = box()->displayText();
    if (offset < 0 || offset >= all.size()) return QRect();
    QStyleOptionFrame option;
    option.initFrom(box());
    const QRect inside =
        box()->style()->subElementRect(QStyle::SE_LineEditContents, &option, box());
    const QFontMetrics metrics = box()->fontMetrics();
    const int width = metrics.horizontalAdvance(all);
    int left = inside.left();
    if (box()->alignment() & Qt::AlignHCenter) left += (inside.width() - width) / 2;
    if (box()->alignment() & Qt::AlignRight) left = inside.right() - width;
    const int x = left + metrics.horizontalAdvance(all.left(offset));
    const int w = metrics.horizontalAdvance(all.mid(offset, 1));
    const QRect local(x, inside.top() + (inside.height() - metrics.height()) / 2, w,
                      metrics.height());
    return QRect(box()->mapToGlobal(local.topLeft()), local.size());
}

int AccessibleTextBox::offsetAtPoint(const QPoint& point) const {
    const QPoint local = box()->mapFromGlobal(point);
    if (!box()->rect().contains(local)) return -1;
    return box()->cursorPositionAt(local);
}

void AccessibleTextBox::scrollToSubstring(int startIndex, int) { setCursorPosition(startIndex); }

QString AccessibleTextBox::attributes(int offset, int* startOffset, int* endOffset) const {
    // One run of one font: the whole text shares its attributes.
    const int length = characterCount();
    *startOffset = *endOffset = -1;
    if (offset == -2) offset = cursorPosition();
    if (offset < 0 || offset > length) return QString();
    *startOffset = 0;
    *endOffset = length;
    return QString();
}

void AccessibleTextBox::deleteText(int startOffset, int endOffset) {
    replaceText(startOffset, endOffset, QString());
}

void AccessibleTextBox::insertText(int offset, const QString& text) {
    replaceText(offset, offset, text);
}

void AccessibleTextBox::replaceText(int startOffset, int endOffset, const QString& text) {
    if (box()->isReadOnly()) return;
    const int length = characterCount();
    startOffset = qBound(0, startOffset, length);
    endOffset = qBound(startOffset, endOffset, length);
    QString all = box()->text();
    all.replace(startOffset, endOffset - startOffset, text);
    box()->setText(all);
    box()->setCursorPosition(
        qMin(static_cast<int>(all.size()), startOffset + static_cast<int>(text.size())));
}

QAccessibleInterface* AccessibleTextBox::factory(const QString& className, QObject* object) {
    if (className != QLatin1String("QLineEdit") || !object || !object->isWidgetType())
        return nullptr;
    // A box that hides what is typed keeps Qt's own interface, which hides it too.
    auto* box = static_cast<QLineEdit*>(object);
    return box->echoMode() == QLineEdit::Normal ? new AccessibleTextBox(box) : nullptr;
}

void AccessibleTextBox::setLabel(QLineEdit* box, QWidget* label) {
    box->setProperty(kLabelProperty, label->objectName());
    label->setProperty(kBoxProperty, box->objectName());
}

QLineEdit* AccessibleTextBox::labelledBox(const QWidget* label) {
    return qobject_cast<QLineEdit*>(sibling(label, kBoxProperty));
}
