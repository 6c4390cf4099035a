#include "smtp/core/GprsCatalogue.h"

#include "common/OperatorCatalogue.h"

namespace tov {
namespace {

// Generated at build time from data/gprs-operators.csv.
constexpr OperatorRow<GprsPreset> kGprsOperators[] = {
#include "GprsOperators.inc"
};

constexpr OperatorCatalogue<GprsPreset> kCatalogue{kGprsOperators};

}  // namespace

int GprsCountryCount() {
    return kCatalogue.CountryCount();
}

std::string_view GprsCountryName(int country) {
    return kCatalogue.CountryName(country, false);
}

std::string_view GprsCountryEnglishName(int country) {
    return kCatalogue.CountryEnglishName(country);
}

std::string_view GprsPresetPlaceholder(int country, int op) {
    return kCatalogue.Placeholder(country, op);
}

int GprsOperatorCount(int country) {
    return kCatalogue.OperatorCount(country);
}

std::string_view GprsOperatorName(int country, int op) {
    return kCatalogue.OperatorName(country, op, false);
}

const GprsPreset* LookupGprsPreset(int country, int op) {
    return kCatalogue.FindPreset(country, op);
}

}  // namespace tov
