#include "platform/serverframes.h"

#include <QtGui/qguiapplication_platform.h>
#include <QGuiApplication>
#include <QPainter>
#include <QWidget>
#include <QWindow>

#include <xcb/xcb.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace {

xcb_connection_t* x11() {
    if (!qGuiApp || QCoreApplication::closingDown() ||
        QGuiApplication::platformName() != QLatin1String("xcb"))
        return nullptr;
    auto* native = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return native ? native->connection() : nullptr;
}

// Whether the window's pixels are 32-bit words 0x..RRGGBB in this machine's
// byte order, so that a QImage::Format_RGB32 row can be sent as it is.
bool takesRgb32(xcb_connection_t* c, xcb_visualid_t visual, std::uint8_t depth) {
    const xcb_setup_t* setup = xcb_get_setup(c);
    const bool hostLsbFirst = Q_BYTE_ORDER == Q_LITTLE_ENDIAN;
    if ((setup->image_byte_order == XCB_IMAGE_ORDER_LSB_FIRST) != hostLsbFirst) return false;
    bool wordPerPixel = false;
    for (auto f = xcb_setup_pixmap_formats_iterator(setup); f.rem; xcb_format_next(&f))
        if (f.data->depth == depth) wordPerPixel = f.data->bits_per_pixel == 32;
    if (!wordPerPixel) return false;
    for (auto s = xcb_setup_roots_iterator(setup); s.rem; xcb_screen_next(&s)) {
        for (auto d = xcb_screen_allowed_depths_iterator(s.data); d.rem; xcb_depth_next(&d)) {
            if (d.data->depth != depth) continue;
            for (auto v = xcb_depth_visuals_iterator(d.data); v.rem; xcb_visualtype_next(&v)) {
                if (v.data->visual_id != visual) continue;
                return v.data->_class == XCB_VISUAL_CLASS_TRUE_COLOR &&
                       v.data->red_mask == 0xff0000 && v.data->green_mask == 0xff00 &&
                       v.data->blue_mask == 0xff;
            }
        }
    }
    return false;
}

// The smallest rectangle outside which two images of one size and format are equal.
QRect difference(const QImage& a, const QImage& b) {
    const int width = a.width();
    int left = width, right = -1, top = -1, bottom = -1;
    for (int y = 0; y < a.height(); ++y) {
        const auto* ra = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const auto* rb = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        if (std::memcmp(ra, rb, static_cast<std::size_t>(width) * sizeof(QRgb)) == 0) continue;
        if (top < 0) top = y;
        bottom = y;
        int x = 0;
        while (ra[x] == rb[x]) ++x;
        left = std::min(left, x);
        x = width - 1;
        while (ra[x] == rb[x]) --x;
        right = std::max(right, x);
    }
    if (top < 0) return {};
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

}  // namespace

ServerFrames::ServerFrames(QWidget* box, Painter paint) : m_box(box), m_paint(std::move(paint)) {}

ServerFrames::~ServerFrames() {
    clear();
    if (xcb_connection_t* c = x11(); c && m_gc) xcb_free_gc(c, m_gc);
}

bool ServerFrames::available() { return x11() != nullptr; }

void ServerFrames::release(const Patch& patch) {
    if (!patch.pixmap) return;
    if (xcb_connection_t* c = x11()) xcb_free_pixmap(c, patch.pixmap);
    m_bytes -= static_cast<std::int64_t>(patch.rect.width()) * patch.rect.height() * 4;
}

void ServerFrames::clear() {
    for (const Patch& patch : std::as_const(m_patches)) release(patch);
    m_patches.clear();
    m_bytes = 0;
    m_lastDevice = QImage();
    m_lastKey = 0;
}

bool ServerFrames::prepareWindow() {
    xcb_connection_t* c = x11();
    const auto window = static_cast<xcb_window_t>(m_box->internalWinId());
    if (!c || !window) return false;
    if (window == m_window) return m_gc != 0;
    // A new window (the first, or one made afresh): its depth and visual decide.
    clear();
    if (m_gc) xcb_free_gc(c, m_gc);
    m_gc = 0;
    m_window = window;
    const auto geometryCookie = xcb_get_geometry(c, window);
    const auto attributesCookie = xcb_get_window_attributes(c, window);
    xcb_get_geometry_reply_t* geometry = xcb_get_geometry_reply(c, geometryCookie, nullptr);
    xcb_get_window_attributes_reply_t* attributes =
        xcb_get_window_attributes_reply(c, attributesCookie, nullptr);
    const bool usable =
        geometry && attributes && takesRgb32(c, attributes->visual, geometry->depth);
    if (geometry) m_depth = geometry->depth;
    std::free(geometry);
    std::free(attributes);
    if (!usable) return false;
    m_gc = xcb_generate_id(c);
    const std::uint32_t noExposures = 0;
    xcb_create_gc(c, m_gc, window, XCB_GC_GRAPHICS_EXPOSURES, &noExposures);
    return true;
}

QImage ServerFrames::render(const QImage& picture) const {
    QImage device(m_deviceSize, QImage::Format_RGB32);
    device.setDevicePixelRatio(m_box->devicePixelRatioF());
    device.fill(Qt::black);
    QPainter painter(&device);
    m_paint(painter, picture);
    return device;
}

bool ServerFrames::upload(const QImage& device, const QRect& rect, Patch& patch) {
    xcb_connection_t* c = x11();
    const auto pixmap = static_cast<xcb_pixmap_t>(xcb_generate_id(c));
    const auto width = static_cast<std::uint16_t>(rect.width());
    const auto height = static_cast<std::uint16_t>(rect.height());
    // Checked, so that a server short of memory leaves the pair to be repainted.
    if (xcb_generic_error_t* error = xcb_request_check(
            c, xcb_create_pixmap_checked(c, m_depth, pixmap, m_window, width, height))) {
        std::free(error);
        return false;
    }
    const QImage part = device.copy(rect);
    const auto stride = static_cast<std::uint32_t>(part.bytesPerLine());
    const std::uint32_t maxBytes =
        xcb_get_maximum_request_length(c) * 4 - sizeof(xcb_put_image_request_t);
    const int rowsPerRequest = std::max<int>(1, static_cast<int>(maxBytes / stride));
    for (int y = 0; y < height; y += rowsPerRequest) {
        const int rows = std::min(rowsPerRequest, height - y);
        xcb_put_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, pixmap, m_gc, width,
                      static_cast<std::uint16_t>(rows), 0, static_cast<std::int16_t>(y), 0, m_depth,
                      stride * static_cast<std::uint32_t>(rows), part.constScanLine(y));
    }
    patch.pixmap = pixmap;
    m_bytes += static_cast<std::int64_t>(width) * height * 4;
    return true;
}

bool ServerFrames::makeRoom() {
    if (m_bytes < kBudget) return true;
    for (auto it = m_patches.begin(); it != m_patches.end();) {
        if (m_steps - it->lastUse > kStaleSteps) {
            release(*it);
            it = m_patches.erase(it);
        } else {
            ++it;
        }
    }
    return m_bytes < kBudget;
}

bool ServerFrames::step(const QImage& previous, const QImage& next) {
    if (previous.isNull() || next.isNull() || previous.size() != next.size() ||
        previous.devicePixelRatio() != next.devicePixelRatio())
        return false;
    const QWindow* window = m_box->windowHandle();
    if (!m_box->isVisible() || !window || !window->isExposed() || !prepareWindow()) return false;
    const QSize deviceSize = (QSizeF(m_box->size()) * m_box->devicePixelRatioF()).toSize();
    if (deviceSize != m_deviceSize) {
        clear();
        m_deviceSize = deviceSize;
    }
    ++m_steps;
    const std::pair key(previous.cacheKey(), next.cacheKey());
    auto kept = m_patches.find(key);
    if (kept == m_patches.end()) {
        if (!makeRoom()) return false;
        const QImage before = m_lastKey == previous.cacheKey() ? m_lastDevice : render(previous);
        QImage after = render(next);
        Patch patch;
        patch.rect = difference(before, after);
        if (!patch.rect.isEmpty() && !upload(after, patch.rect, patch)) return false;
        m_lastDevice = std::move(after);
        m_lastKey = next.cacheKey();
        kept = m_patches.insert(key, patch);
    }
    kept->lastUse = m_steps;
    if (kept->pixmap) {
        xcb_connection_t* c = x11();
        const QRect& r = kept->rect;
        xcb_copy_area(c, kept->pixmap, m_window, m_gc, 0, 0, static_cast<std::int16_t>(r.x()),
                      static_cast<std::int16_t>(r.y()), static_cast<std::uint16_t>(r.width()),
                      static_cast<std::uint16_t>(r.height()));
        xcb_flush(c);
    }
    return true;
}
