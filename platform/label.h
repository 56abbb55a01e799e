#pragma once

#include <QColor>
#include <QWidget>

// A caption on a screen: text in a font and colour on a transparent or opaque
// background, aligned and optionally word-wrapped; drawn greyed out when
// disabled. A visible, enabled label takes the mouse presses and moves over it,
// so they never fall through to the screen beneath.
class Label : public QWidget {
    Q_OBJECT

public:
    explicit Label(QWidget* parent = nullptr, const QString& name = {}, int index = -1);

    QString caption() const { return m_caption; }
    void setCaption(const QString& caption);
    QColor foreColour() const { return m_fore; }
    void setForeColour(const QColor& colour);
    QColor backColour() const { return m_back; }
    void setBackColour(const QColor& colour);
    bool isOpaque() const { return m_opaque; }
    void setOpaque(bool opaque);
    void setAlignment(Qt::Alignment alignment);
    Qt::Alignment alignment() const { return m_alignment; }
    void setWordWrap(bool wrap);
    bool wordWrap() const { return m_wrap; }
    // Font by family and size in points.
    void setFontPoints(const QString& family, double points, bool bold = false);
    // Index in its control array, or -1 when the label stands alone.
    int index() const;

    // A new label with this one's size, font, colours and caption, hidden.
    Label* copyAs(int index) const;

    // Whether pressing the label does something (anyone listens to clicked).
    bool isClickable() const;

    // Whether the whole caption fits the label's box in its font.
    bool captionFits() const;
    // How far the caption is drawn lower than its font's lines would put it,
    // so that letters rising above the font's own line (Arabic drawn by a
    // fallback font under Tahoma's lines) are not cut off at the top of the
    // box. 0 for letters that stay within the line, as English ones do.
    int inkDrop() const;

    // How a label that Tab reaches shows that it has the focus: a dotted
    // frame, or its highlight (the opaque background the pointer gives a topic).
    enum class FocusLook { Frame, Highlight };
    // Lets Tab reach the label; Space or Enter then clicks it. The focus is
    // shown only when it came from the keyboard.
    void setKeyboardReachable(FocusLook look = FocusLook::Frame);
    bool showsKeyboardFocus() const { return m_keyboardFocus; }
    // Shows the focus as Tab would, on a label that took the focus otherwise.
    void showKeyboardFocus();

    // What a press and release on it does, for the keyboard and assistive technology.
    void click();

Q_SIGNALS:
    void clicked();
    void pointerMoved(Qt::MouseButtons buttons, QPointF twips);
    // The keyboard brought the focus here.
    void keyboardFocused();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    int textFlags() const;

    QString m_caption;
    QColor m_fore = Qt::black;
    QColor m_back = Qt::white;
    bool m_opaque = false;
    bool m_wrap = false;
    bool m_pressed = false;
    bool m_keyboardFocus = false;
    FocusLook m_focusLook = FocusLook::Frame;
    Qt::Alignment m_alignment = Qt::AlignLeft | Qt::AlignTop;
};
