#include "controls/face_prerender.h"

#include <future>
#include <utility>
#include <vector>

#include "controls/bit_button.h"

namespace zhcalc::controls {

namespace {

struct Order {
    ButtonFace face;
    std::promise<QImage> picture;
};

void drawAll(std::stop_token stop, std::vector<Order>& orders) {
    for (Order& order : orders) {
        QImage picture;
        if (!stop.stop_requested()) {
            try {
                picture = drawButtonFace(order.face);
            } catch (...) {
                picture = {};  // the button draws it itself
            }
        }
        order.picture.set_value(std::move(picture));
    }
}

}  // namespace

FacePrerender::FacePrerender(const QList<BitButton*>& buttons) {
    std::vector<Order> orders;
    orders.reserve(static_cast<std::size_t>(buttons.size()));
    for (BitButton* button : buttons) {
        Order order{button->faceFor(button->isDown()), {}};
        button->offerPicture(order.face, order.picture.get_future().share());
        orders.push_back(std::move(order));
    }
    thread_ = std::jthread(
        [orders = std::move(orders)](std::stop_token stop) mutable { drawAll(stop, orders); });
}

FacePrerender::~FacePrerender() {
    thread_.request_stop();
}  // the jthread joins

}  // namespace zhcalc::controls
