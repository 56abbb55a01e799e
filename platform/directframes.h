#pragma once

#include <QImage>
#include <QObject>

#include <memory>

#include "platform/serverframes.h"

class QWidget;

// The X-server path of a picture element that shows one frame after another
// of the same size, as an animation does: the element is given a window of
// its own and each new frame is put there by ServerFrames instead of being
// repainted. Whatever the window may have lost (an exposure, a new
// background) is painted afresh by the element.
class DirectFrames : public QObject {
    Q_OBJECT

public:
    DirectFrames(QWidget* box, ServerFrames::Painter paint);
    ~DirectFrames() override;

    // The element's picture went from `previous` to `next`; `bothCover` when
    // each fills the whole element. True when `next` is now on the window;
    // false when the element must repaint.
    bool show(const QImage& previous, const QImage& next, bool bothCover);
    // The element painted `picture` itself.
    void painted(const QImage& picture);
    // What the window shows no longer holds: the next frame is repainted.
    void invalidate();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool coveredBySibling() const;
    void takeWindow();

    QWidget* m_box;
    ServerFrames::Painter m_paint;
    std::unique_ptr<ServerFrames> m_server;
    // The picture the window shows, and whether a repaint is still to come.
    qint64 m_onScreen = 0;
    bool m_repaintPending = true;
};
