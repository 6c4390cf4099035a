#include "cli/MenuCommand.h"

#include "camera/core/CameraFields.h"
#include "camera/core/CameraMessages.h"
#include "camera/core/CameraSettings.h"
#include "camera/core/ClockSnapshot.h"
#include "camera/core/MenuFile.h"
#include "cli/FileOutput.h"
#include "cli/KeysHelp.h"
#include "cli/PreparedFile.h"
#include "common/Models.h"
#include "common/Text.h"

namespace tov::cli {

std::string MenuKeysHelp() {
    return KeysHelp(
        CameraFieldTable(), [](const ModelInfo&) { return true; }, "");
}

std::optional<PreparedFile> PrepareMenuFile(const SettingTexts& texts, const AppState& state,
                                            const std::optional<std::string>& clockText,
                                            CliEnvironment& env, std::ostream& err) {
    const CameraSettingsResult settings =
        ApplyCameraSettings(state.modelIndex, texts, state.languageIndex);
    if (settings.error) {
        err << *settings.error << "\n";
        return std::nullopt;
    }
    const std::optional<LocalDateTime> now = clockText ? ParseClock(*clockText) : env.localTime();
    if (!now) {
        const std::string given = Quoted(clockText.value_or(""));
        const std::string years =
            std::to_string(kClockOptionFirstYear) + ".." + std::to_string(kClockOptionLastYear);
        err << "--clock: "
            << state.message(
                   {given + " 不是 \"YYYY-MM-DD HH:MM:SS\" 形式、年份在 " + years +
                        " 之间的有效时间",
                    given + " is not a valid \"YYYY-MM-DD HH:MM:SS\" time in the years " + years})
            << "\n";
        return std::nullopt;
    }
    ClockSnapshot clock = ReadClockSnapshot(*now);
    if (clock.year != now->year || clock.day != now->day) {
        // The file holds another date than the clock read: say which.
        const std::string held = ClockText(clock);
        const std::string range =
            std::to_string(kClockFirstYear) + ".." + std::to_string(kClockLastYear);
        err << "clock: "
            << state.message(
                   {"相机时钟的年份只能在 " + range + " 之间；设为 " + held,
                    "the camera's clock takes the years " + range + " only; it is set to " + held})
            << "\n";
    }
    const MenuRecord record = BuildMenuRecord(settings.settings, FamilyOf(state.modelIndex), clock,
                                              state.languageByte(), state.TvMode);
    return PreparedFile{kMenuFileName,
                        {record.begin(), record.end()},
                        false,
                        MenuConfirmation(ModelFor(state.modelIndex), false, state.languageIndex)};
}

int RunMenuCommand(const MenuOptions& options, CliEnvironment& env, std::ostream& out,
                   std::ostream& err) {
    const auto file =
        ReadSettingsFile(options.settings.settingsFile, "menu", StoredAppState(env), env, err);
    if (!file) {
        return kExitBadInput;
    }
    const auto state =
        ResolveFileCommandState(options.common, options.outDir, env, err, file->model);
    if (!state) {
        return kExitBadInput;
    }

    PreparedFile prepared{
        kMenuFileName,
        {},
        false,
        MenuConfirmation(ModelFor(state->modelIndex), true, state->languageIndex)};
    if (options.factory) {
        const MenuRecord record = FactoryMenuRecord();
        prepared.bytes.assign(record.begin(), record.end());
    } else {
        const auto start = StartingSettings(options.settings.update, file->texts, "menu",
                                            kMenuFileName, options.outDir, *state, env, err);
        if (!start) {
            return kExitBadInput;
        }
        const auto texts =
            CollectSettings(*start, options.settings.setters, *state, env.codec, err);
        if (!texts) {
            return kExitBadInput;
        }
        auto built = PrepareMenuFile(*texts, *state, options.clock, env, err);
        if (!built) {
            return kExitBadInput;
        }
        prepared = std::move(*built);
    }
    return WriteConfigFileStep(options.outDir, prepared.fileName, prepared.bytes,
                               prepared.confirmation, *state, env, options.common.dryRun, out, err,
                               FileWriteOptions(options.common, false));
}

}  // namespace tov::cli
