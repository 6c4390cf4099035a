#include "cli/MmsCommand.h"

#include "cli/FileOutput.h"
#include "common/Models.h"
#include "mms/core/MmsFields.h"
#include "mms/core/MmsFile.h"
#include "mms/core/MmsMessages.h"
#include "mms/core/MmsRules.h"

namespace tov::cli {

std::string MmsKeysHelp() {
    std::string keys;
    for (const std::string_view key : SettingKeys(MmsFieldTable(), Family::First)) {
        keys += (keys.empty() ? "" : ", ") + std::string(key);
    }
    std::string access;
    for (const std::string_view key : kMmsAccessKeys) {
        access += (access.empty() ? "" : ", ") + std::string(key);
    }
    return "Keys: " + keys + " (country and operator: Auto mode only, see `tovbrenn-cli " +
           "operators mms`; " + access + " and bearer CSD: Manual mode only)";
}

int RunMmsCommand(const MmsOptions& options, CliEnvironment& env, std::ostream& out,
                  std::ostream& err) {
    const auto state = ResolveAppState(options.common, env, err);
    if (!state) {
        return kExitBadInput;
    }
    if (options.outDir.empty()) {
        err << "--out: " << state->message({"需要一个文件夹", "a folder is needed"}) << "\n";
        return kExitBadInput;
    }
    const auto texts = CollectSettings(options.settings, *state, env.codec, err);
    if (!texts) {
        return kExitBadInput;
    }
    const MmsSettingsResult settings =
        ApplyMmsSettings(state->modelIndex, *texts, state->languageIndex);
    if (settings.error) {
        err << *settings.error << "\n";
        return kExitBadInput;
    }
    const ModelInfo& model = ModelFor(state->modelIndex);
    const MmsFileOutcome file =
        GenerateMmsFile(settings.settings, model, state->languageByte(), state->TvMode);
    if (file.problem) {
        err << KeyMessage(file.problem->key, state->message(file.problem->message)) << "\n";
        return kExitBadInput;
    }
    return WriteConfigFileStep(options.outDir, kMmsFileName, file.bytes,
                               MmsConfirmation(model, state->languageIndex), *state, out, err);
}

}  // namespace tov::cli
