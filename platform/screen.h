#pragma once

#include <QColor>
#include <QHash>
#include <QImage>
#include <QSizeF>
#include <QWidget>

#include <memory>
#include <vector>

class ImageBox;

class LineControl;

// One top-level window of the program with its controls and handlers. A
// screen is created by the ScreenRegistry the first time anything touches it,
// which runs onLoad(); it is destroyed by unloading. Its geometry is in twips:
// Left and Top place the outer frame on the desktop, Width and Height are the
// outer size.
class Screen : public QWidget {
    Q_OBJECT

public:
    explicit Screen(const QString& name, QWidget* parent = nullptr);
    ~Screen() override;

    // The load handler, run once right after the screen is created.
    virtual void onLoad() {}

    // A child control by name, ignoring case; nullptr when the screen has none.
    // For a control array, index picks the element.
    QWidget* control(const QString& name, int index = -1) const;
    template <class T>
    T* control(const QString& name, int index = -1) const {
        return qobject_cast<T*>(control(name, index));
    }

    // Outer geometry in twips.
    int leftTwips() const { return m_left; }
    int topTwips() const { return m_top; }
    int widthTwips() const;
    int heightTwips() const;
    void setLeftTwips(double left);
    void setTopTwips(double top);
    void setOuterSizeTwips(int width, int height);
    // Designed inner size; the outer size then follows from the frame.
    void setClientSizeTwips(int width, int height);

    // Presentation mode switched at run time: the twips scale changed, and
    // the desktop grew or shrank from `before` to `after` twips. The screen
    // keeps its place by the desktop's rules (centred, or at the top edge),
    // and a screen of the standard outer size goes frameless in presentation
    // mode or takes its frame back. Its controls take their twips and fonts
    // again at the new scale, and its pictures are read again in the versions
    // that suit it.
    void followDesktop(QSizeF before, QSizeF after, bool presentation);

    QColor backColour() const { return m_backColour; }
    void setBackColour(const QColor& colour);
    // A picture drawn unscaled from the top-left corner of the inner area.
    void setBackgroundPicture(const QImage& picture);
    const QImage& backgroundPicture() const { return m_background; }

    // Line controls, drawn on the surface in stacking order (last on top).
    LineControl* addLine(const QString& name, int index = 0);
    LineControl* line(const QString& name, int index = 0) const;
    const std::vector<LineControl*>& lineStack() const { return m_lineStack; }
    void moveLine(LineControl* line, bool toFront);

    // A frame of one of the screen's animations. Each frame is read from disk
    // the first time it is shown and then kept, in 256 colours, for as long
    // as the screen is loaded.
    QImage loadFrame(const QString& name);

    // Tab visits these controls in this order; the last leads back to the first.
    static void setTabChain(const QList<QWidget*>& chain);

    // Shows the animation frame `name` in `box`, read through the screen the
    // box stands on so that screen keeps it (or straight from its file when
    // the box is on no screen). A frame that cannot be read leaves the last
    // one on show; returns whether this one is shown.
    static bool showFrame(ImageBox* box, const QString& name);

    // Stops every timer the screen owns; the registry calls it on unload.
    void stopTimers();

Q_SIGNALS:
    // A mouse button went down on the surface itself (not on a control).
    void surfacePressed(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPointF twips);
    // The pointer moved over the surface itself, with the buttons held.
    void surfaceMoved(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, QPointF twips);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    // The window manager has put a frame round the shown window, or changed
    // it; the outer size is now known.
    virtual void onFramed() {}
    // Draws on the surface above the background picture and below the lines.
    virtual void paintSurface(class QPainter&) {}
    // The twips scale has changed and the controls have followed it; what the
    // screen drew or chose for the old scale follows it here.
    virtual void onScaleChanged() {}

private:
    void applyGeometry();
    // After a change of scale: every picture in the version that suits it.
    void readPicturesAgain();
    bool keptOnTop() const;
    QSize frameExtra() const;
    void checkFrame();

    int m_left = 0;
    int m_top = 0;
    int m_outerWidth = -1;
    int m_outerHeight = -1;
    QSize m_clientTwips;             // the designed inner size, where that was given
    QSize m_knownFrame{0, 0};        // the frame the window was last placed and sized for
    bool m_placeWhenFramed = false;  // placed again once its new frame is known
    QColor m_backColour;
    QImage m_background;
    std::vector<std::unique_ptr<LineControl>> m_lines;
    std::vector<LineControl*> m_lineStack;
    QHash<QString, QImage> m_frames;
    qsizetype m_frameBytes = 0;
};
