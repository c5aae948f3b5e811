#pragma once
// The sixteen decorative fills. Each is a tiled (or, for two, size-scaled) picture
// made only of the three fill colours.

#include <QString>
#include <vector>

#include "controls/fills.h"

namespace zhcalc::controls {

struct PatternFill {
    QString name;
    FillProcedure draw;
    bool sizeDependent;
};

const std::vector<PatternFill>& patternFills();

}  // namespace zhcalc::controls
