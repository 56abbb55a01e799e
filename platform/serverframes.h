#pragma once

#include <QHash>
#include <QImage>
#include <QRect>

#include <cstdint>
#include <functional>
#include <utility>

class QWidget;

// The frames of one picture element, kept in the X server. For each pair of
// frames shown one after the other it keeps, as a server pixmap, only the
// rectangle in which the second differs from the first, so that a step of an
// animation is a single copy request: no painting, no pixels sent, no wait
// for the server. Only on an X11 display whose pixels are 32-bit words of
// red, green and blue; elsewhere it declines and the element repaints.
class ServerFrames {
public:
    // Paints a picture into the element's whole area, as the element itself would.
    using Painter = std::function<void(class QPainter&, const QImage&)>;

    ServerFrames(QWidget* box, Painter paint);
    ~ServerFrames();
    ServerFrames(const ServerFrames&) = delete;
    ServerFrames& operator=(const ServerFrames&) = delete;

    // Whether this display can take frames at all.
    static bool available();

    // Puts `next` on the element's window where `previous` is shown. False
    // when it cannot, and the element must be repainted instead.
    bool step(const QImage& previous, const QImage& next);
    // Forgets every kept pixmap.
    void clear();

    // Server memory held, in bytes, and the limit past which pairs are repainted.
    std::int64_t bytes() const { return m_bytes; }
    static constexpr std::int64_t kBudget = 24 * 1024 * 1024;

private:
    struct Patch {
        std::uint32_t pixmap = 0;  // none when the two frames are alike
        QRect rect;
        std::uint64_t lastUse = 0;
    };
    bool makeRoom();
    void release(const Patch& patch);
    bool prepareWindow();
    QImage render(const QImage& picture) const;
    bool upload(const QImage& device, const QRect& rect, Patch& patch);

    QWidget* m_box;
    Painter m_paint;
    std::uint32_t m_window = 0;
    std::uint32_t m_gc = 0;
    std::uint8_t m_depth = 0;
    QSize m_deviceSize;
    QHash<std::pair<qint64, qint64>, Patch> m_patches;
    // Steps taken; a pair unused for kStaleSteps (a jump from one sequence
    // to another, say) gives way when the budget is spent. An animation uses
    // each of its pairs once a loop.
    std::uint64_t m_steps = 0;
    static constexpr std::uint64_t kStaleSteps = 1000;
    std::int64_t m_bytes = 0;
    // The last frame drawn for the server, at the window's size, with the key
    // of the picture it came from: the next pair only draws its second frame.
    QImage m_lastDevice;
    qint64 m_lastKey = 0;
};
