#include "controls/button_regions.h"

#include <utility>

namespace zhcalc::controls {

std::optional<QRegion> ButtonRegions::kept(bool down, QSize size) const {
    if (kept_.size != size) return std::nullopt;
    return kept_.regions[down ? 1 : 0];
}

void ButtonRegions::keep(bool down, QSize size, std::optional<QRegion> region) {
    if (kept_.size != size) kept_ = {size, {}};
    kept_.regions[down ? 1 : 0] = std::move(region);
}

std::optional<QRegion> ButtonRegions::recordCut(const QRegion& region, bool down, QSize size) {
    std::optional<QRegion> before;
    if (cut_) before = std::move(cut_->region);
    cut_ = Cut{region, down, size};
    stale_ = false;
    return before;
}

}  // namespace zhcalc::controls
