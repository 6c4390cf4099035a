#include "cli/MenuCommand.h"

#include "camera/core/CameraFields.h"
#include "camera/core/CameraMessages.h"
#include "camera/core/CameraSettings.h"
#include "camera/core/ClockSnapshot.h"
#include "camera/core/MenuFile.h"
#include "cli/FileOutput.h"
#include "cli/KeysHelp.h"
#include "common/Models.h"
#include "common/Text.h"

namespace tov::cli {

std::string MenuKeysHelp() {
    return KeysHelp(
        CameraFieldTable(), [](const ModelInfo&) { return true; }, "");
}

int RunMenuCommand(const MenuOptions& options, CliEnvironment& env, std::ostream& out,
                   std::ostream& err) {
    const auto state = ResolveFileCommandState(options.common, options.outDir, env, err);
    if (!state) {
        return kExitBadInput;
    }

    MenuRecord record;
    if (options.factory) {
        record = FactoryMenuRecord();
    } else {
        const auto texts = CollectSettings(options.settings, *state, env.codec, err);
        if (!texts) {
            return kExitBadInput;
        }
        const CameraSettingsResult settings =
            ApplyCameraSettings(state->modelIndex, *texts, state->languageIndex);
        if (settings.error) {
            err << *settings.error << "\n";
            return kExitBadInput;
        }
        const std::optional<LocalDateTime> now =
            options.clock ? ParseClock(*options.clock) : env.localTime();
        if (!now) {
            const std::string given = Quoted(options.clock.value_or(""));
            const std::string years =
                std::to_string(kClockOptionFirstYear) + ".." + std::to_string(kClockOptionLastYear);
            err << "--clock: "
                << state->message(
                       {given + " 不是 \"YYYY-MM-DD HH:MM:SS\" 形式、年份在 " + years +
                            " 之间的有效时间",
                        given + " is not a valid \"YYYY-MM-DD HH:MM:SS\" time in the years " +
                            years})
                << "\n";
            return kExitBadInput;
        }
        ClockSnapshot clock = ReadClockSnapshot(*now);
        if (clock.year != now->year || clock.day != now->day) {
            // The file holds another date than the clock read: say which.
            const std::string held = ClockText(clock);
            const std::string range =
                std::to_string(kClockFirstYear) + ".." + std::to_string(kClockLastYear);
            err << "clock: "
                << state->message({"相机时钟的年份只能在 " + range + " 之间；设为 " + held,
                                   "the camera's clock takes the years " + range +
                                       " only; it is set to " + held})
                << "\n";
        }
        record = BuildMenuRecord(settings.settings, FamilyOf(state->modelIndex), clock,
                                 state->languageByte(), state->TvMode);
    }

    return WriteConfigFileStep(
        options.outDir, kMenuFileName, record,
        MenuConfirmation(ModelFor(state->modelIndex), options.factory, state->languageIndex),
        *state, env, options.common.dryRun, out, err, FileWriteOptions(options.common, false));
}

}  // namespace tov::cli
