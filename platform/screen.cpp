#include "platform/screen.h"

#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <cmath>

#include "platform/displayscale.h"
#include "platform/fonts.h"
#include "platform/imagebox.h"
#include "platform/linecontrol.h"
#include "platform/picturebutton.h"
#include "platform/picturefiles.h"
#include "platform/twips.h"

namespace {
// Every screen has a fixed size, so its frame offers no maximize button.
constexpr Qt::WindowFlags kFramed = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                    Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                                    Qt::WindowCloseButtonHint;
}  // namespace

Screen::Screen(const QString& name, QWidget* parent) : QWidget(parent, kFramed) {
    setObjectName(name);
    setAttribute(Qt::WA_DeleteOnClose, false);
    setMouseTracking(true);
    setAutoFillBackground(true);
    setBackColour(palette().color(QPalette::Window));
}

Screen::~Screen() = default;

QWidget* Screen::control(const QString& name, int index) const {
    const QList<QWidget*> children = findChildren<QWidget*>();
    for (QWidget* child : children) {
        if (child->objectName().compare(name, Qt::CaseInsensitive) != 0) continue;
        const QVariant element = child->property("controlIndex");
        if (index < 0 ? (!element.isValid() || element.toInt() == 0) : element.toInt() == index)
            return child;
    }
    return nullptr;
}

QSize Screen::frameExtra() const {
    if (!isVisible() || windowFlags().testFlag(Qt::FramelessWindowHint)) return {0, 0};
    const QSize extra = frameGeometry().size() - geometry().size();
    return {std::max(0, extra.width()), std::max(0, extra.height())};
}

int Screen::widthTwips() const {
    if (m_outerWidth >= 0) return m_outerWidth;
    return static_cast<int>(std::lround((width() + frameExtra().width()) * twips::perPixel()));
}

int Screen::heightTwips() const {
    if (m_outerHeight >= 0) return m_outerHeight;
    return static_cast<int>(std::lround((height() + frameExtra().height()) * twips::perPixel()));
}

void Screen::setLeftTwips(double left) {
    m_left = static_cast<int>(std::lround(left));
    move(twips::toPixels(m_left), y());
}

void Screen::setTopTwips(double top) {
    m_top = static_cast<int>(std::lround(top));
    move(x(), twips::toPixels(m_top));
}

void Screen::setOuterSizeTwips(int width, int height) {
    // In presentation mode the main screens fill their place on the board
    // edge to edge; a title bar would only take room from them.
    // A frameless window takes no title or buttons, or Qt would restore its frame.
    // The Jotter, kept above the rest, keeps its frame.
    if (displayscale::presentation() && !isVisible() && !keptOnTop())
        setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    m_outerWidth = width;
    m_outerHeight = height;
    applyGeometry();
}

bool Screen::keptOnTop() const { return windowFlags().testFlag(Qt::WindowStaysOnTopHint); }

void Screen::followDesktop(QSizeF before, QSizeF after, bool presentation) {
    const bool shown = isVisible();
    // The desktop's twips changed by as much as each pixel's, so the screen's
    // outer height in twips as it stood is known from its pixels.
    const double wasPerPixel =
        twips::perPixel() * (after.height() > 0 ? before.height() / after.height() : 1.0);
    const double height =
        m_outerHeight >= 0 ? m_outerHeight : (this->height() + frameExtra().height()) * wasPerPixel;
    // Centred screens stay centred; one at the top edge (the Jotter) stays there.
    const bool centred = std::abs(m_top - (before.height() - height) / 2) <= 2 * twips::kPerPixel;
    if (m_outerWidth >= 0 && !keptOnTop())
        setWindowFlags(presentation ? Qt::Window | Qt::FramelessWindowHint : kFramed);
    m_knownFrame = {-1, -1};
    m_placeWhenFramed = true;
    m_left = static_cast<int>(std::lround(m_left + (after.width() - before.width()) / 2));
    if (centred) m_top = static_cast<int>(std::lround((after.height() - height) / 2));
    // Every control, font and size takes its twips at the new scale.
    twips::placeAgain(this);
    fonts::sizeAgain(this);
    if (m_outerWidth < 0 && m_clientTwips.isValid())
        setFixedSize(twips::toPixels(m_clientTwips.width()),
                     twips::toPixels(m_clientTwips.height()));
    move(twips::toPixels(m_left), twips::toPixels(m_top));
    applyGeometry();
    if (shown) show();
    // A window that has just lost its frame is placed by its inner area, which
    // is now all of it.
    if (windowFlags().testFlag(Qt::FramelessWindowHint) && windowHandle())
        windowHandle()->setPosition(twips::toPixels(m_left), twips::toPixels(m_top));
    readPicturesAgain();
    onScaleChanged();
}

void Screen::readPicturesAgain() {
    // Pictures read for the old scale would be blown up or reduced on every
    // paint; the kept frames are read afresh as the animations reach them.
    m_frames.clear();
    m_frameBytes = 0;
    m_background = PictureFiles::reload(m_background);
    for (auto* box : findChildren<ImageBox*>())
        box->setPicture(PictureFiles::reload(box->picture()));
    for (auto* button : findChildren<PictureButton*>())
        button->setPicture(PictureFiles::reload(button->picture()));
    update();
}

void Screen::setClientSizeTwips(int width, int height) {
    m_outerWidth = m_outerHeight = -1;
    m_clientTwips = QSize(width, height);
    setFixedSize(twips::toPixels(width), twips::toPixels(height));
}

void Screen::applyGeometry() {
    if (m_outerWidth < 0) return;
    const QSize extra = frameExtra();
    setFixedSize(std::max(1, twips::toPixels(m_outerWidth) - extra.width()),
                 std::max(1, twips::toPixels(m_outerHeight) - extra.height()));
}

void Screen::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    move(twips::toPixels(m_left), twips::toPixels(m_top));
    applyGeometry();
    // A window manager reports its frame only once the window is mapped; the
    // move that framing causes usually tells first.
    QTimer::singleShot(50, this, [this] { checkFrame(); });
}

void Screen::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    checkFrame();
}

void Screen::checkFrame() {
    if (!isVisible()) return;
    const QSize extra = frameExtra();
    if (extra == m_knownFrame) return;
    m_knownFrame = extra;
    applyGeometry();
    if (m_placeWhenFramed) {
        m_placeWhenFramed = false;
        move(twips::toPixels(m_left), twips::toPixels(m_top));
    }
    onFramed();
}

void Screen::setBackColour(const QColor& colour) {
    m_backColour = colour;
    QPalette p = palette();
    p.setColor(QPalette::Window, colour);
    setPalette(p);
}

void Screen::setBackgroundPicture(const QImage& picture) {
    m_background = picture;
    update();
}

LineControl* Screen::addLine(const QString& name, int index) {
    m_lines.push_back(std::make_unique<LineControl>(this, name, index));
    m_lineStack.push_back(m_lines.back().get());
    update();
    return m_lines.back().get();
}

LineControl* Screen::line(const QString& name, int index) const {
    for (const auto& l : m_lines) {
        if (l->index() == index && l->name().compare(name, Qt::CaseInsensitive) == 0)
            return l.get();
    }
    return nullptr;
}

void Screen::moveLine(LineControl* line, bool toFront) {
    auto it = std::find(m_lineStack.begin(), m_lineStack.end(), line);
    if (it == m_lineStack.end()) return;
    m_lineStack.erase(it);
    if (toFront)
        m_lineStack.push_back(line);
    else
        m_lineStack.insert(m_lineStack.begin(), line);
    update();
}

namespace {
// Enough for every frame of the longest animation at twice the size, and at
// three times where the frames are read that fine; past it frames are simply
// read each time again.
qsizetype frameBudget(qreal ratio) {
    constexpr qsizetype kAtTwice = 40 * 1024 * 1024;
    return ratio <= 2 ? kAtTwice : static_cast<qsizetype>(kAtTwice * ratio * ratio / 4);
}
}  // namespace

QImage Screen::loadFrame(const QString& name) {
    // Decoding a GIF twenty or forty times a second would keep a classroom
    // machine busy for nothing while the animation only repeats itself.
    const auto kept = m_frames.constFind(name);
    if (kept != m_frames.constEnd()) return *kept;
    QImage frame = PictureFiles::load(name);
    if (frame.isNull() || m_frameBytes >= frameBudget(frame.devicePixelRatio())) return frame;
    // GIF frames have at most 256 colours, so this keeps them exactly in a
    // quarter of the memory.
    QImage compact =
        frame.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither | Qt::AvoidDither);
    compact.setDevicePixelRatio(frame.devicePixelRatio());
    m_frameBytes += compact.sizeInBytes();
    m_frames.insert(name, compact);
    return compact;
}

void Screen::setTabChain(const QList<QWidget*>& chain) {
    for (qsizetype i = 1; i < chain.size(); ++i) setTabOrder(chain[i - 1], chain[i]);
}

bool Screen::showFrame(ImageBox* box, const QString& name) {
    auto* screen = qobject_cast<Screen*>(box->window());
    const QImage frame = screen ? screen->loadFrame(name) : PictureFiles::load(name);
    if (frame.isNull()) return false;
    box->setPicture(frame);
    return true;
}

void Screen::stopTimers() {
    for (QTimer* timer : findChildren<QTimer*>()) timer->stop();
}

void Screen::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (!m_background.isNull()) PictureFiles::draw(painter, QPointF(0, 0), m_background);
    paintSurface(painter);
    painter.setRenderHint(QPainter::Antialiasing);
    for (const LineControl* l : m_lineStack) {
        if (!l->isVisible()) continue;
        QPen pen(l->colour(), twips::scaled(l->widthPixels()), Qt::SolidLine, Qt::RoundCap);
        painter.setPen(pen);
        painter.drawLine(l->pixelLine());
    }
}

void Screen::mousePressEvent(QMouseEvent* event) {
    Q_EMIT surfacePressed(event->button(), event->modifiers(),
                          twips::pointFromPixels(event->position()));
    event->accept();
}

void Screen::mouseMoveEvent(QMouseEvent* event) {
    Q_EMIT surfaceMoved(event->buttons(), event->modifiers(),
                        twips::pointFromPixels(event->position()));
    event->accept();
}
