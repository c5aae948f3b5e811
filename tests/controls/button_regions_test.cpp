// The outline bookkeeping of a drawn button: regions kept per state and size, and the
// record of the mask's last cut.
#include "controls/button_regions.h"

#include <gtest/gtest.h>

namespace zhcalc::controls {
namespace {

const QSize kSize(40, 20);
const QRegion kUp(0, 0, 10, 10);
const QRegion kDown(1, 1, 10, 10);

TEST(ButtonRegions, KeepsEachStatesRegionForOneSize) {
    ButtonRegions regions;
    EXPECT_FALSE(regions.kept(false, kSize));
    regions.keep(false, kSize, kUp);
    regions.keep(true, kSize, kDown);
    EXPECT_EQ(regions.kept(false, kSize), kUp);
    EXPECT_EQ(regions.kept(true, kSize), kDown);
    // Asking at another size finds nothing and drops nothing.
    EXPECT_FALSE(regions.kept(false, QSize(41, 20)));
    EXPECT_EQ(regions.kept(true, kSize), kDown);
    // Keeping at another size drops both states of the old one.
    regions.keep(false, QSize(41, 20), kDown);
    EXPECT_EQ(regions.kept(false, QSize(41, 20)), kDown);
    EXPECT_FALSE(regions.kept(true, QSize(41, 20)));
    EXPECT_FALSE(regions.kept(true, kSize));
    // "Nothing" is kept as nothing; forgetting drops both states.
    regions.keep(true, QSize(41, 20), std::nullopt);
    EXPECT_FALSE(regions.kept(true, QSize(41, 20)));
    regions.forget();
    EXPECT_FALSE(regions.kept(false, QSize(41, 20)));
}

TEST(ButtonRegions, TheMaskIsStaleUntilCutAndRemembersItsCut) {
    ButtonRegions regions;
    EXPECT_TRUE(regions.maskIsStale());
    EXPECT_FALSE(regions.maskShows(false));
    EXPECT_FALSE(regions.maskShows(true));
    EXPECT_FALSE(regions.maskFits(kSize));

    EXPECT_EQ(regions.recordCut(kUp, false, kSize), std::nullopt);
    EXPECT_FALSE(regions.maskIsStale());
    EXPECT_TRUE(regions.maskShows(false));
    EXPECT_FALSE(regions.maskShows(true));
    EXPECT_TRUE(regions.maskFits(kSize));
    EXPECT_FALSE(regions.maskFits(QSize(41, 20)));

    // Marking it stale keeps the last cut, which the next cut reports.
    regions.markMaskStale();
    EXPECT_TRUE(regions.maskIsStale());
    EXPECT_TRUE(regions.maskShows(false));
    EXPECT_EQ(regions.recordCut(kDown, true, QSize(41, 20)), kUp);
    EXPECT_FALSE(regions.maskIsStale());
    EXPECT_TRUE(regions.maskShows(true));
    EXPECT_TRUE(regions.maskFits(QSize(41, 20)));
    // Cutting does not touch the regions kept.
    EXPECT_FALSE(regions.kept(true, QSize(41, 20)));
}

}  // namespace
}  // namespace zhcalc::controls
