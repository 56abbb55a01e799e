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

Q_SIGNALS:
    void clicked();
    void pointerMoved(Qt::MouseButtons buttons, QPointF twips);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    int textFlags() const;

    QString m_caption;
    QColor m_fore = Qt::black;
    QColor m_back = Qt::white;
    bool m_opaque = false;
    bool m_wrap = false;
    bool m_pressed = false;
    Qt::Alignment m_alignment = Qt::AlignLeft | Qt::AlignTop;
};
