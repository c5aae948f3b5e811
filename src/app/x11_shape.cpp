#include "app/x11_shape.h"

#include <xcb/shape.h>
#include <xcb/xcb.h>

#include <QGuiApplication>
#include <QWindow>
#include <vector>

namespace zhcalc {
namespace {

xcb_connection_t* connection() {
    const auto* x11 = qGuiApp != nullptr
                          ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>()
                          : nullptr;
    return x11 != nullptr ? x11->connection() : nullptr;
}

// The native window of `window`, or 0 where there is none to shape.
xcb_window_t shapeableWindow(const QWindow& window) {
    if (!x11ShapesAvailable() || window.handle() == nullptr) return 0;
    return static_cast<xcb_window_t>(window.winId());
}

}  // namespace

bool x11ShapesAvailable() {
    xcb_connection_t* conn = connection();
    if (conn == nullptr) return false;
    const xcb_query_extension_reply_t* shape = xcb_get_extension_data(conn, &xcb_shape_id);
    return shape != nullptr && shape->present != 0;
}

void setX11WindowShape(QWindow& window, const QRegion& visible) {
    const xcb_window_t id = shapeableWindow(window);
    if (id == 0) return;
    std::vector<xcb_rectangle_t> rects;
    rects.reserve(static_cast<std::size_t>(visible.rectCount()));
    for (const QRect& r : visible) {
        rects.push_back({static_cast<int16_t>(r.x()), static_cast<int16_t>(r.y()),
                         static_cast<uint16_t>(r.width()), static_cast<uint16_t>(r.height())});
    }
    xcb_shape_rectangles(connection(), XCB_SHAPE_SO_SET, XCB_SHAPE_SK_BOUNDING,
                         XCB_CLIP_ORDERING_UNSORTED, id, 0, 0, static_cast<uint32_t>(rects.size()),
                         rects.data());
    xcb_flush(connection());
}

void clearX11WindowShape(QWindow& window) {
    const xcb_window_t id = shapeableWindow(window);
    if (id == 0) return;
    xcb_shape_mask(connection(), XCB_SHAPE_SO_SET, XCB_SHAPE_SK_BOUNDING, id, 0, 0, XCB_NONE);
    xcb_flush(connection());
}

}  // namespace zhcalc
