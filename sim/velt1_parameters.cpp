#include "sim/velt1_parameters.h"

#include <cstring>
#include <iterator>

namespace sim {

namespace {

// The limits are the device's own; the dead times after an edge start at 20 µs.
constexpr Velt1Parameter kParameters[] = {
    {"M1", &Programm::pruefspannungsquelle, WireForm::Whole, 1, 33},
    {"V1", &Programm::pruefspannung, WireForm::OneDecimal, 1, 33},
    {"Z1", &Programm::anzahlzaehne, WireForm::Whole, 1, 125},
    {"M2", &Programm::sensorkanaele, WireForm::Whole, 1, 33},
    {"L1", &Programm::toleranzhigh, WireForm::OneDecimal, 0, 33},
    {"L2", &Programm::toleranzlow, WireForm::OneDecimal, 0, 33},
    {"L3", &Programm::toleranzphase, WireForm::Whole, 0, 180},
    {"V2", &Programm::schwellwertsteigendeflanke, WireForm::Whole, 1, 99},
    {"V3", &Programm::schwellwertfallendeflanke, WireForm::Whole, 1, 99},
    {"T1", &Programm::totzeitvorsteigend, WireForm::Whole, 1, 999},
    {"T2", &Programm::totzeitnachsteigend, WireForm::Whole, 20, 999},
    {"T3", &Programm::totzeitvorfallend, WireForm::Whole, 1, 999},
    {"T4", &Programm::totzeitnachfallend, WireForm::Whole, 20, 999},
};

}  // namespace

const Velt1Parameter* FindVelt1Parameter(std::string_view code) {
  for (const auto& parameter : kParameters) {
    if (code == parameter.code) return &parameter;
  }
  return nullptr;
}

const Velt1Parameter* Velt1Parameters(int& count) {
  count = static_cast<int>(std::size(kParameters));
  return kParameters;
}

Programm DefaultParameterSet() {
  Programm set{};
  std::memset(&set, 0, sizeof set);
  set.pruefspannungsquelle = 1;
  set.pruefspannung = 2;
  set.anzahlzaehne = 60;
  set.sensorkanaele = 2;
  set.toleranzhigh = 1;
  set.toleranzlow = 1;
  set.toleranzphase = 10;
  set.schwellwertsteigendeflanke = 50;
  set.schwellwertfallendeflanke = 50;
  set.totzeitvorsteigend = 1;
  set.totzeitnachsteigend = 20;
  set.totzeitvorfallend = 1;
  set.totzeitnachfallend = 20;
  return set;
}

}  // namespace sim
