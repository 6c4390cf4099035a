#include "cli/CliOptions.h"

#include "app/core/PreferenceStore.h"
#include "camera/core/ClockSnapshot.h"
#include "cli/ReadOnlyPreferenceBackend.h"
#include "common/LanguageRules.h"
#include "common/Models.h"
#include "common/Text.h"

#include <ctime>

namespace tov::cli {
namespace {

/// A whole text of decimal digits as a number within min..max.
std::optional<int> NumberIn(std::string_view text, int min, int max) {
    const auto value = AllDigits(text) ? ParseInt(text) : std::nullopt;
    if (!value || *value < min || *value > max) {
        return std::nullopt;
    }
    return value;
}

}  // namespace

std::string ModelChoices() {
    std::string text = "1.." + std::to_string(kModelCount);
    for (const ModelInfo& model : Models()) {
        text += ", " + std::string(model.name) + " (" + std::string(ShortModelName(model)) + ")";
    }
    return text;
}

std::string LanguageChoices() {
    std::string text = "1.." + std::to_string(kLanguageCount);
    for (const std::string_view entry : LanguageListEntries(false)) {
        text += ", " + std::string(entry);
    }
    return text;
}

std::optional<int> ParseModel(std::string_view text) {
    if (const auto number = NumberIn(text, 1, kModelCount)) {
        return number;
    }
    for (const ModelInfo& model : Models()) {
        if (SameIgnoringCase(text, model.name) || SameIgnoringCase(text, ShortModelName(model))) {
            return model.index;
        }
    }
    return std::nullopt;
}

std::optional<int> ParseLanguage(std::string_view text) {
    if (const auto number = NumberIn(text, 1, kLanguageCount)) {
        return number;
    }
    // The Chinese entry reads "中文" on a Chinese system and "Chinese" elsewhere: both count.
    for (const bool chineseSystem : {false, true}) {
        const auto entries = LanguageListEntries(chineseSystem);
        for (std::size_t i = 0; i < entries.size(); ++i) {
            if (SameIgnoringCase(text, entries[i])) {
                return static_cast<int>(i) + 1;
            }
        }
    }
    return std::nullopt;
}

std::optional<int> ParseTvMode(std::string_view text) {
    return NumberIn(text, 0, 255);
}

std::optional<LocalDateTime> ParseClock(std::string_view text) {
    // "YYYY-MM-DD HH:MM:SS": the separators at fixed places, digits everywhere else.
    constexpr std::string_view kShape = "0000-00-00 00:00:00";
    if (text.size() != kShape.size()) {
        return std::nullopt;
    }
    for (std::size_t i = 0; i < kShape.size(); ++i) {
        const bool digit = text[i] >= '0' && text[i] <= '9';
        if (kShape[i] == '0' ? !digit : text[i] != kShape[i]) {
            return std::nullopt;
        }
    }
    const auto field = [text](std::size_t at, std::size_t length) {
        return *NumberIn(text.substr(at, length), 0, 9999);
    };
    const LocalDateTime clock{field(0, 4),  field(5, 2),  field(8, 2),
                              field(11, 2), field(14, 2), field(17, 2)};
    if (clock.year < kClockOptionFirstYear || clock.year > kClockOptionLastYear ||
        !IsRealDate(clock.year, clock.month, clock.day) || clock.hour > 23 || clock.minute > 59 ||
        clock.second > 59) {
        return std::nullopt;
    }
    return clock;
}

std::optional<int> CheckedModel(std::string_view text, const AppState& state, std::ostream& err) {
    const auto model = ParseModel(text);
    if (!model) {
        err << "--model: "
            << state.message({Quoted(text) + " 不是可用的机器型号；可用：" + ModelChoices(),
                              Quoted(text) + " is not a model; allowed: " + ModelChoices()})
            << "\n";
    }
    return model;
}

std::optional<int> CheckedLanguage(std::string_view text, const AppState& state,
                                   std::ostream& err) {
    const auto language = ParseLanguage(text);
    if (!language) {
        err << "--language: "
            << state.message({Quoted(text) + " 不是可用的语言；可用：" + LanguageChoices(),
                              Quoted(text) + " is not a language; allowed: " + LanguageChoices()})
            << "\n";
    }
    return language;
}

std::optional<int> CheckedTvMode(std::string_view text, const AppState& state, std::ostream& err) {
    const auto tvMode = ParseTvMode(text);
    if (!tvMode) {
        err << "--tv-mode: "
            << state.message({Quoted(text) + " 不是 0 到 255 之间的整数",
                              Quoted(text) + " is not a number from 0 to 255"})
            << "\n";
    }
    return tvMode;
}

AppState StoredAppState(CliEnvironment& env) {
    ReadOnlyPreferenceBackend readOnly(env.preferences);
    PreferenceStore store(readOnly, env.systemLangId);
    AppState state;
    ApplyStartupLanguage(state, env.systemLangId, store.ReadLanguagePreference().value);
    state.modelIndex = store.ReadModelPreference().value;
    state.TvMode = store.ReadTvModePreference().value;
    return state;
}

std::optional<AppState> ResolveAppState(const CommonOptions& options, CliEnvironment& env,
                                        std::ostream& err) {
    AppState state = StoredAppState(env);
    // The window shows no selection for such a value and writes what it holds; a script gets
    // a refusal instead of a file for no model.
    const auto refuseStored = [&](std::string_view name, int value, std::string_view option,
                                  const std::string& choices) {
        const std::string stored = Quoted(name) + " " + std::to_string(value);
        const std::string where = Printable(env.preferences.Location());
        err << name << ": "
            << state.message({"存储的偏好设置 " + stored + "（保存在 " + where +
                                  "）不在列表中，无法为它写入文件；请用 " + std::string(option) +
                                  " 指定：" + choices,
                              "the stored preference " + stored + " (kept in " + where +
                                  ") is not in the list, and no form writes a file for it; give " +
                                  std::string(option) + " instead: " + choices})
            << "\n";
    };

    // The language comes first, so that the messages about the other options speak it.
    if (options.language) {
        const auto language = CheckedLanguage(*options.language, state, err);
        if (!language) {
            return std::nullopt;
        }
        ApplyStartupLanguage(state, env.systemLangId, *language);
    } else if (state.languageIndex < 1 || state.languageIndex > kLanguageCount) {
        refuseStored("language", state.languageIndex, "--language", LanguageChoices());
        return std::nullopt;
    }
    if (options.model) {
        const auto model = CheckedModel(*options.model, state, err);
        if (!model) {
            return std::nullopt;
        }
        state.modelIndex = *model;
    } else if (ModelFor(state.modelIndex).index == 0) {
        refuseStored("model", state.modelIndex, "--model", ModelChoices());
        return std::nullopt;
    }
    if (options.tvMode) {
        const auto tvMode = CheckedTvMode(*options.tvMode, state, err);
        if (!tvMode) {
            return std::nullopt;
        }
        state.TvMode = *tvMode;
    }
    return state;
}

std::optional<AppState> ResolveFileCommandState(const CommonOptions& options,
                                                const std::string& outDir, CliEnvironment& env,
                                                std::ostream& err,
                                                std::optional<int> profileModel) {
    CommonOptions given = options;
    if (!given.model && profileModel) {
        given.model = std::to_string(*profileModel);
    }
    auto state = ResolveAppState(given, env, err);
    if (state && outDir.empty()) {
        err << "--out: " << state->message({"需要一个文件夹", "a folder is needed"}) << "\n";
        return std::nullopt;
    }
    if (state && !given.model) {
        const std::string model = ModelDisplayName(state->modelIndex);
        const std::string where = Printable(env.preferences.Location());
        err << "model: "
            << state->message(
                   {"未指定 --model，使用存储的型号 " + model + "（保存在 " + where + "）",
                    "no --model given; using the stored model " + model + " (kept in " + where +
                        ")"})
            << "\n";
    }
    return state;
}

LocalDateTime ReadLocalClock() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
            local.tm_hour,        local.tm_min,     local.tm_sec};
}

}  // namespace tov::cli
