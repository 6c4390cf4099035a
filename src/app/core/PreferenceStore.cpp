#include "app/core/PreferenceStore.h"

#include "common/LanguageRules.h"

namespace tov {
namespace {

constexpr std::string_view kLanguage = kPreferenceNumbers[0];
constexpr std::string_view kModel = kPreferenceNumbers[1];
constexpr std::string_view kTvMode = kPreferenceNumbers[2];
constexpr std::string_view kCompany = "Company";

int Low16(std::uint32_t value) {
    return static_cast<int>(value & 0xFFFFU);
}

std::uint32_t AsStored(int value) {
    return static_cast<std::uint32_t>(value) & 0xFFFFU;
}

}  // namespace

PreferenceValue PreferenceStore::ReadLanguagePreference() {
    if (!m_backend.OpenKey()) {
        // The key is created for the writes that follow; the language is not there yet.
        m_backend.CreateKey();
        return {false, DefaultLanguageCode(m_systemLangId)};
    }
    const auto stored = m_backend.ReadNumber(kLanguage);
    if (!stored) {
        return {true, DefaultLanguageCode(m_systemLangId)};
    }
    return {true, Low16(*stored)};
}

bool PreferenceStore::WriteLanguagePreference(int code) {
    return m_backend.WriteNumber(kLanguage, AsStored(code));
}

PreferenceValue PreferenceStore::ReadModelPreference() {
    if (!m_backend.OpenKey()) {
        return {false, 1};
    }
    const auto stored = m_backend.ReadNumber(kModel);
    return stored ? PreferenceValue{true, Low16(*stored)} : PreferenceValue{false, 1};
}

bool PreferenceStore::WriteModelPreference(int model) {
    return m_backend.WriteNumber(kModel, AsStored(model));
}

PreferenceValue PreferenceStore::ReadTvModePreference() {
    if (!m_backend.OpenKey()) {
        return {false, 0};
    }
    const auto stored = m_backend.ReadNumber(kTvMode);
    return stored ? PreferenceValue{true, Low16(*stored)} : PreferenceValue{false, 0};
}

bool PreferenceStore::WriteTvModePreference(int value) {
    return m_backend.WriteNumber(kTvMode, AsStored(value));
}

bool PreferenceStore::CompanyPreferenceExists() {
    return m_backend.OpenKey() && m_backend.HasText(kCompany);
}

bool PreferenceStore::WriteCompanyPreference() {
    return m_backend.WriteText(kCompany, kCompanyText);
}

void LoadPreferences(PreferenceStore& store, AppState& state) {
    const PreferenceValue language = store.ReadLanguagePreference();
    if (!language.found) {
        store.WriteLanguagePreference(language.value);
    }
    state.languageIndex = language.value;

    const PreferenceValue model = store.ReadModelPreference();
    if (!model.found) {
        store.WriteModelPreference(1);
    }
    state.modelIndex = model.value;

    const PreferenceValue tvMode = store.ReadTvModePreference();
    if (!tvMode.found) {
        store.WriteTvModePreference(0);
    }
    state.TvMode = tvMode.value;

    if (!store.CompanyPreferenceExists()) {
        store.WriteCompanyPreference();
    }
}

}  // namespace tov
