#pragma once
// The credits scroller as a screen reader sees it: one static text holding all the
// credits, headers and lines in order. Scrolling changes nothing it reads, so it
// announces nothing while it moves.

#include <QString>

namespace zhcalc::about {

class CreditSections;

// Every header and body line, one per line, sections in order.
QString creditsText(const CreditSections& sections);

// Makes Qt ask here for the scroller's interface; calling it again does nothing.
void installCreditsAccessible();

}  // namespace zhcalc::about
