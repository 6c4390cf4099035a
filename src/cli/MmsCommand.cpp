#include "cli/MmsCommand.h"

#include "cli/FileOutput.h"
#include "cli/KeysHelp.h"
#include "common/Models.h"
#include "mms/core/MmsFields.h"
#include "mms/core/MmsFile.h"
#include "mms/core/MmsMessages.h"
#include "mms/core/MmsRules.h"

namespace tov::cli {

std::string MmsKeysHelp() {
    std::vector<std::string_view> access(kMmsAccessKeys.begin(), kMmsAccessKeys.end());
    access.push_back("bearer CSD");
    return KeysHelp(
        MmsFieldTable(), [](const ModelInfo&) { return true; },
        "country and operator: Auto mode only, see `tovbrenn-cli operators mms`; " +
            JoinedNames(access) + ": Manual mode only");
}

int RunMmsCommand(const MmsOptions& options, CliEnvironment& env, std::ostream& out,
                  std::ostream& err) {
    const auto state = ResolveFileCommandState(options.common, options.outDir, env, err);
    if (!state) {
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
                               MmsConfirmation(model, state->languageIndex), *state, env,
                               options.common.dryRun, out, err);
}

}  // namespace tov::cli
