#include "cli/MmsCommand.h"

#include "cli/FileOutput.h"
#include "cli/KeysHelp.h"
#include "cli/SecretInput.h"
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
                   JoinedNames(access) + ": Manual mode only") +
           SecretKeysHelp(SecretKeys(MmsFieldTable()));
}

int RunMmsCommand(const MmsOptions& options, CliEnvironment& env, std::ostream& out,
                  std::ostream& err) {
    const auto state = ResolveFileCommandState(options.common, options.outDir, env, err);
    if (!state) {
        return kExitBadInput;
    }
    const std::vector<std::string_view> secretKeys = SecretKeys(MmsFieldTable());
    const auto sources = ReadSecretSetters(options.settings, secretKeys, *state, env, err);
    if (!sources) {
        return kExitBadInput;
    }
    const auto texts = CollectSettings(*sources, *state, env.codec, err, secretKeys);
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
    return WriteConfigFileStep(
        options.outDir, kMmsFileName, file.bytes, MmsConfirmation(model, state->languageIndex),
        *state, env, options.common.dryRun, out, err, FileWriteOptions(options.common, true));
}

}  // namespace tov::cli
