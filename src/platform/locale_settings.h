#pragma once
// The desktop's locale settings ("LANG=ru_RU.UTF-8", "LC_NUMERIC=de_DE.UTF-8", as the
// system's locale service lists them) turned into the decimal separator they give.
// Nothing here touches the process's own C locale.

#include <optional>
#include <string>
#include <vector>

#include "engine/decimal_separator.h"

namespace zhcalc::platform {

// The locale whose number conventions apply once the settings are `settings`, in a
// process whose environment has LC_ALL = `environmentLcAll` (nullptr or "" when unset):
// that LC_ALL, since the user forced it for this session; else the settings' LC_NUMERIC;
// else their LANG. Entries that are not "NAME=value" with a value are ignored. Nothing
// when none applies: the environment's own reading stands then.
std::optional<std::string> numericLocaleName(const std::vector<std::string>& settings,
                                             const char* environmentLcAll);

// The decimal separator of the locale `name` as one Windows-1251 character ("." when
// the locale gives none or one without a Windows-1251 code). Nothing when the locale
// is not installed on this machine.
std::optional<DecimalSeparator> namedLocaleDecimalSeparator(const std::string& name);

// The decimal separator of the locale the environment names (LC_ALL, LC_NUMERIC, LANG),
// read as setlocale(LC_ALL, "") would take it but without setting the process's locale,
// so it is safe while other threads run: "." when the environment names a locale this
// machine lacks.
DecimalSeparator localeDecimalSeparator();

}  // namespace zhcalc::platform
