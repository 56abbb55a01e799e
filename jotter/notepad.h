#pragma once

#include <QImage>
#include <QPointF>

#include "jotter/core/jotterpen.h"
#include "jotter/core/padlayout.h"
#include "platform/controlarray.h"
#include "platform/label.h"
#include "platform/screen.h"

class CommandButton;
class Frame;

// The Jotter: a small pad that floats above every other window, for
// free-hand drawing in sixteen colours with an eraser, a wipe and a flip
// between a wide and a tall layout. The drawing is kept in an image of the
// window's own, so it survives being covered by other windows.
class notepad : public Screen {
    Q_OBJECT

public:
    notepad();

    void onLoad() override;

    const JotterPen& pen() const { return m_pen; }
    PadLayout::Orientation orientation() const { return m_orientation; }
    // The drawing, one pixel a screen pixel, from the pad's top-left corner.
    const QImage& drawing() const { return m_drawing; }
    // Where the next line starts, in twips.
    QPointF currentPoint() const { return m_currentPoint; }

    Label* Label1(int i) const { return m_wideSwatches(i); }
    Label* Label11(int i) const { return m_tallSwatches(i); }
    Frame* Frame_landscape() const { return m_frameLandscape; }
    Frame* Frame_portrait() const { return m_framePortrait; }

    void writeClick();
    void eraseClick();
    void clearClick();
    void swatchClick(Label* swatch);
    // "Flip" in the landscape frame (Command3): wipes the drawing and turns
    // the pad to portrait, showing the portrait frame of controls instead.
    void flipToPortrait();
    // "Flip" in the portrait frame (Command4): wipes the drawing and turns
    // the pad back to landscape, showing the landscape frame again.
    void flipToLandscape();
    void exitClick();

protected:
    void paintSurface(QPainter& painter) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    Label* makeSwatch(Frame* frame, const QString& name, int left, int top);
    void padPressed(QPointF twips);
    void padMoved(Qt::MouseButtons buttons, QPointF twips);
    void wipeDrawing();
    // After a flip: the pad moves only as far as it must to stay on the
    // desktop's available area, its buttons first.
    void keepInside();
    QImage blankDrawing(QSize logical) const;

    JotterPen m_pen;
    PadLayout::Orientation m_orientation = PadLayout::Orientation::Landscape;
    QImage m_drawing;
    QPointF m_currentPoint;
    Frame* m_frameLandscape;
    Frame* m_framePortrait;
    ControlArray<Label> m_wideSwatches;
    ControlArray<Label> m_tallSwatches;
};
