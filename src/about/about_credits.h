#pragma once
// What the about window's scroller says, and how.

#include "about/credit_sections.h"

namespace zhcalc::about {

// The address shown after "пишите письма"; the calculator window's mail label
// uses the same one.
inline constexpr const char* kContactAddress = "zhcalc@zhcalc.example.org";

// Arial, 19 pixels high (14 points at 96 dpi): blue for the body, red for headers.
CreditFont aboutBodyFont();
CreditFont aboutHeaderFont();

// Replaces the collection's content with the about window's five sections.
void fillAboutCredits(CreditSections& sections);

}  // namespace zhcalc::about
