#pragma once

#include <QAccessibleWidget>

class QLineEdit;

// How assistive technology sees a one-line text box (the Duality answer box):
// its text with the caret and selection, editable, named, and labelled by the
// control that asks for it. Every request for a piece of the text (a
// character, a word, a sentence, a line) is answered at once at every offset,
// the two ends included, whatever the text: the box does not lean on Qt's own
// word finder, which on Qt 6.4 never returns for the word at the end.
class AccessibleTextBox : public QAccessibleWidget,
                          public QAccessibleTextInterface,
                          public QAccessibleEditableTextInterface {
public:
    explicit AccessibleTextBox(QLineEdit* box);

    void* interface_cast(QAccessible::InterfaceType t) override;
    QAccessible::State state() const override;
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text t, const QString& text) override;
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(
        QAccessible::Relation match = QAccessible::AllRelations) const override;

    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QString text(int startOffset, int endOffset) const override;
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                             int* startOffset, int* endOffset) const override;
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                            int* startOffset, int* endOffset) const override;
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                         int* endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

    void deleteText(int startOffset, int endOffset) override;
    void insertText(int offset, const QString& text) override;
    void replaceText(int startOffset, int endOffset, const QString& text) override;

    static QAccessibleInterface* factory(const QString& className, QObject* object);

    // The label that asks for the box's text: a screen reader names the box
    // by it, and reads it again whenever the box takes the focus.
    static void setLabel(QLineEdit* box, QWidget* label);
    // The box a label asks for, or none.
    static QLineEdit* labelledBox(const QWidget* label);

private:
    QLineEdit* box() const;
    // Which piece of the text, [start, end), a request at this offset means.
    enum class Piece { Before, At, After };
    QString piece(Piece which, int offset, QAccessible::TextBoundaryType boundaryType,
                  int* startOffset, int* endOffset) const;
};
