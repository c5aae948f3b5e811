#pragma once
// The outline bookkeeping of a drawn button: the region of each state, kept for the
// size it was made for, and what the window's mask was last cut to. Plain values:
// the button makes the regions and cuts the mask, this only remembers.

#include <QRegion>
#include <QSize>
#include <array>
#include <optional>

namespace zhcalc::controls {

class ButtonRegions {
  public:
    // The region kept for a state at `size`; nothing when none was kept for that size.
    std::optional<QRegion> kept(bool down, QSize size) const;
    // Keeps `region` (nothing: none) for a state at `size`; what was kept for another
    // size goes, since a hidden button hears of a resize only when shown.
    void keep(bool down, QSize size, std::optional<QRegion> region);
    // Drops what was kept for both states.
    void forget() { kept_ = {}; }

    // The mask is to be cut again before it is read (it lags behind the properties
    // or the size); true until the first cut.
    bool maskIsStale() const { return stale_; }
    void markMaskStale() { stale_ = true; }
    // Whether the mask was last cut for state `down`, and for `size`.
    bool maskShows(bool down) const { return cut_ && cut_->down == down; }
    bool maskFits(QSize size) const { return cut_ && cut_->size == size; }
    // The mask is now cut to `region`, for state `down` at `size`. Returns the region it
    // was cut to before, nothing before the first cut.
    std::optional<QRegion> recordCut(const QRegion& region, bool down, QSize size);

  private:
    struct Kept {
        QSize size;
        std::array<std::optional<QRegion>, 2> regions;  // up, down
    };
    struct Cut {
        QRegion region;
        bool down;
        QSize size;
    };

    Kept kept_;
    std::optional<Cut> cut_;
    bool stale_ = true;
};

}  // namespace zhcalc::controls
