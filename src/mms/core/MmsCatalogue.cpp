#include "mms/core/MmsCatalogue.h"

#include "common/OperatorCatalogue.h"

namespace tov {
namespace {

// Generated at build time from data/mms-operators.csv.
constexpr OperatorRow<MmsPreset> kMmsOperators[] = {
#include "MmsOperators.inc"
};

constexpr OperatorCatalogue<MmsPreset> kCatalogue{kMmsOperators};

}  // namespace

int MmsCountryCount() {
    return kCatalogue.CountryCount();
}

std::string_view MmsCountryName(int country, bool chinese) {
    return kCatalogue.CountryName(country, chinese);
}

std::string_view MmsCountryEnglishName(int country) {
    return kCatalogue.CountryEnglishName(country);
}

std::string_view MmsPresetPlaceholder(int country, int op) {
    return kCatalogue.Placeholder(country, op);
}

int MmsOperatorCount(int country) {
    return kCatalogue.OperatorCount(country);
}

std::string_view MmsOperatorName(int country, int op, bool chinese) {
    return kCatalogue.OperatorName(country, op, chinese);
}

const MmsPreset* FindMmsPreset(int country, int op) {
    return kCatalogue.FindPreset(country, op);
}

}  // namespace tov
