#pragma once
// The conversion component: a value in one unit, its result in another,
// recalculated whenever an input property changes.

#include <string>

#include "about/conversion.h"
#include "engine/number.h"

namespace zhcalc::about {

class BaseConvertor {
  public:
    virtual ~BaseConvertor() = default;

    Number valueIn() const { return valueIn_; }
    // Recalculates only when the value compares unequal to the stored one; a
    // failed recalculation keeps the new value and the old result, and rethrows.
    void setValueIn(Number value);

    // The result of the last successful recalculation.
    Number valueOut() const { return valueOut_; }

    std::string version() const { return "2.3"; }

    virtual void recalculate() {}

  protected:
    BaseConvertor() = default;
    BaseConvertor(const BaseConvertor&) = default;
    BaseConvertor& operator=(const BaseConvertor&) = default;

    void storeValueIn(Number value) { valueIn_ = value; }
    void storeValueOut(Number value) { valueOut_ = value; }

  private:
    Number valueIn_ = 0;
    Number valueOut_ = 0;
};

class TempConvertor : public BaseConvertor {
  public:
    TempType tempUnitsIn() const { return unitsIn_; }
    TempType tempUnitsOut() const { return unitsOut_; }
    // Each recalculates only when the unit changes.
    void setTempUnitsIn(TempType units);
    void setTempUnitsOut(TempType units);

    // Stores the value and both units together and recalculates once, whatever
    // was stored before, so the result depends only on these three. Throws what
    // the conversion throws; the stored inputs keep their new values.
    Number convert(Number value, TempType from, TempType to);

    void recalculate() override;

  private:
    TempType unitsIn_ = TempType::ttFahrenheit;
    TempType unitsOut_ = TempType::ttFahrenheit;
};

// The component as the about window loads it: -273.16 degrees Celsius, output in
// Fahrenheit, so its result is -459.688.
TempConvertor makeLoadedTempConvertor();

}  // namespace zhcalc::about
