#include "cli/PrefsCommand.h"

#include "app/core/PreferenceStore.h"
#include "cli/ReadOnlyPreferenceBackend.h"
#include "common/FieldMessages.h"
#include "common/LanguageRules.h"
#include "common/Models.h"
#include "common/Text.h"

namespace tov::cli {
namespace {

/// ", not stored: the default" when the value is missing from the store.
std::string StoredNote(PreferenceBackend& store, std::string_view name) {
    return store.ReadNumber(name) ? "" : "; not stored, the default";
}

std::string LanguageLine(PreferenceStore& store, std::uint16_t systemLangId) {
    const int code = store.ReadLanguagePreference().value;
    AppState state;
    ApplyStartupLanguage(state, systemLangId, code);
    std::string text = "language: " + std::to_string(code) + " (";
    if (code >= 1 && code <= kLanguageCount) {
        text += LanguageListEntries(state.systemIsChinese == 1)[static_cast<std::size_t>(code - 1)];
        if (state.languageIndex != code) {
            text += "; English texts on this system";
        }
    } else {
        text += "not in the language list; English texts";
    }
    return text + StoredNote(store.backend(), "language") + ")";
}

std::string ModelLine(PreferenceStore& store) {
    const int model = store.ReadModelPreference().value;
    std::string text = "model: " + std::to_string(model) + " (";
    if (const ModelInfo& info = ModelFor(model); info.index != 0) {
        text += info.name;
    } else {
        text += "not in the model list; the first family's forms";
    }
    return text + StoredNote(store.backend(), "model") + ")";
}

std::string TvModeLine(PreferenceStore& store) {
    const PreferenceValue tvMode = store.ReadTvModePreference();
    std::string text = "TvMode: " + std::to_string(tvMode.value);
    if (!tvMode.found) {
        text += " (not stored, the default)";
    } else if (tvMode.value > 0xFF) {
        text += " (the files carry its low byte, " + std::to_string(tvMode.value & 0xFF) + ")";
    }
    return text;
}

}  // namespace

int RunPrefsCommand(const PrefsOptions& options, CliEnvironment& env, std::ostream& out,
                    std::ostream& err) {
    const AppState state = StoredAppState(env);
    ReadOnlyPreferenceBackend readOnly(env.preferences);
    if (options.tvMode) {
        const auto tvMode = CheckedTvMode(*options.tvMode, state, err);
        if (!tvMode) {
            return kExitBadInput;
        }
        // The store keeps its previous values when a write fails, if it had any.
        const WriteResult failed{
            false,
            std::string(state.message({"偏好设置无法写入", "the preferences cannot be written"})),
            readOnly.OpenKey()};
        PreferenceStore writable(env.preferences, env.systemLangId);
        if (!writable.WriteTvModePreference(*tvMode)) {
            err << WriteFailureMessage(env.preferences.Location(), failed, state.languageIndex)
                << "\n";
            return kExitWriteFailed;
        }
    }

    PreferenceStore store(readOnly, env.systemLangId);
    const std::string condition = readOnly.Condition();
    out << LanguageLine(store, env.systemLangId) << "\n"
        << ModelLine(store) << "\n"
        << TvModeLine(store) << "\n"
        << "kept in: " << Printable(readOnly.Location())
        << (condition.empty() ? "" : " (" + condition + ")") << "\n";
    return kExitOk;
}

}  // namespace tov::cli
