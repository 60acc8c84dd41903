#include "sim/velt1_parameters.h"

#include <cstring>

namespace sim {

namespace {

// The limits are the device's own; the dead times after an edge start at 20 µs.
constexpr Velt1Parameter kParameters[] = {
    {"M1", &Programm::pruefspannungsquelle, WireForm::Whole, 1, 33, 1},
    {"V1", &Programm::pruefspannung, WireForm::OneDecimal, 1, 33, 2},
    {"Z1", &Programm::anzahlzaehne, WireForm::Whole, 1, 125, 60},
    {"M2", &Programm::sensorkanaele, WireForm::Whole, 1, 33, 2},
    {"L1", &Programm::toleranzhigh, WireForm::OneDecimal, 0, 33, 1},
    {"L2", &Programm::toleranzlow, WireForm::OneDecimal, 0, 33, 1},
    {"L3", &Programm::toleranzphase, WireForm::Whole, 0, 180, 10},
    {"V2", &Programm::schwellwertsteigendeflanke, WireForm::Whole, 1, 99, 50},
    {"V3", &Programm::schwellwertfallendeflanke, WireForm::Whole, 1, 99, 50},
    {"T1", &Programm::totzeitvorsteigend, WireForm::Whole, 1, 999, 1},
    {"T2", &Programm::totzeitnachsteigend, WireForm::Whole, 20, 999, 20},
    {"T3", &Programm::totzeitvorfallend, WireForm::Whole, 1, 999, 1},
    {"T4", &Programm::totzeitnachfallend, WireForm::Whole, 20, 999, 20},
};

}  // namespace

const Velt1Parameter* FindVelt1Parameter(std::string_view code) {
  for (const auto& parameter : kParameters) {
    if (code == parameter.code) return &parameter;
  }
  return nullptr;
}

Programm DefaultParameterSet() {
  Programm set{};
  std::memset(&set, 0, sizeof set);
  for (const auto& parameter : kParameters) set.*parameter.field = parameter.fresh;
  return set;
}

}  // namespace sim
