#include "controls/face_prerender.h"

#include <chrono>
#include <future>
#include <utility>
#include <vector>

#include "controls/bit_button.h"

namespace zhcalc::controls {

namespace {

struct Order {
    ButtonFace face;
    std::promise<QImage> picture;
    QImage base;
};

// Whether to go on: the text may be drawn once `textReady` is, unless stopped first.
bool waitForText(std::stop_token stop, const std::shared_future<void>& textReady) {
    using namespace std::chrono_literals;
    if (!textReady.valid()) return !stop.stop_requested();
    while (textReady.wait_for(2ms) != std::future_status::ready)
        if (stop.stop_requested()) return false;
    return !stop.stop_requested();
}

void drawAll(std::stop_token stop, std::vector<Order>& orders,
             const std::shared_future<void>& textReady) {
    std::size_t done = 0;
    try {
        for (Order& order : orders) {
            if (stop.stop_requested()) break;
            order.base = drawFaceBase(order.face);
        }
        if (waitForText(stop, textReady)) {
            for (; done < orders.size() && !stop.stop_requested(); ++done) {
                Order& order = orders[done];
                drawGlyphAndCaption(order.base, order.face);
                order.picture.set_value(std::exchange(order.base, {}));
            }
        }
    } catch (...) {
        // What is left the buttons draw themselves.
    }
    for (; done < orders.size(); ++done)
        orders[done].picture.set_value({});  // null: not drawn
}

}  // namespace

FacePrerender::FacePrerender(const QList<BitButton*>& buttons, std::shared_future<void> textReady) {
    std::vector<Order> orders;
    orders.reserve(static_cast<std::size_t>(buttons.size()));
    for (BitButton* button : buttons) {
        Order order{button->faceFor(button->isDown()), {}, {}};
        button->offerPicture(order.face, order.picture.get_future().share());
        orders.push_back(std::move(order));
    }
    thread_ = std::jthread([orders = std::move(orders), textReady = std::move(textReady)](
                               std::stop_token stop) mutable { drawAll(stop, orders, textReady); });
}

FacePrerender::~FacePrerender() {
    thread_.request_stop();
}  // the jthread joins

}  // namespace zhcalc::controls
