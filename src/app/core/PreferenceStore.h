#pragma once

#include "app/core/PreferenceBackend.h"
#include "common/AppState.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace tov {

/// A value read from the store: `found`, and the value (the default when not found).
struct PreferenceValue {
    bool found = false;
    int value = 0;
};

/// The four preferences "language", "model", "TvMode" and "Company". Reads keep only the
/// low 16 bits; failures are silent and give the defaults.
class PreferenceStore final {
public:
    PreferenceStore(PreferenceBackend& backend, std::uint16_t systemLangId)
        : m_backend(backend), m_systemLangId(systemLangId) {}

    PreferenceValue ReadLanguagePreference();
    bool WriteLanguagePreference(int code);
    PreferenceValue ReadModelPreference();
    bool WriteModelPreference(int model);
    PreferenceValue ReadTvModePreference();
    bool WriteTvModePreference(int value);
    bool CompanyPreferenceExists();
    bool WriteCompanyPreference();

    PreferenceBackend& backend() { return m_backend; }

private:
    PreferenceBackend& m_backend;
    std::uint16_t m_systemLangId;
};

/// The names of the stored numbers.
inline constexpr std::array<std::string_view, 3> kPreferenceNumbers = {"language", "model",
                                                                       "TvMode"};

inline constexpr std::string_view kCompanyText = "Tov Brenn Electronics Co., Ltd";

/// Start-up: reads the three numbers into `state` (the language before the Chinese rule is
/// applied) and writes each one that is missing with its default, as the first run needs.
void LoadPreferences(PreferenceStore& store, AppState& state);

}  // namespace tov
