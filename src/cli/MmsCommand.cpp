#include "cli/MmsCommand.h"

#include "cli/FileOutput.h"
#include "cli/KeysHelp.h"
#include "cli/PreparedFile.h"
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

std::optional<PreparedFile> PrepareMmsFile(const SettingTexts& texts, const AppState& state,
                                           std::ostream& err) {
    const MmsSettingsResult settings =
        ApplyMmsSettings(state.modelIndex, texts, state.languageIndex);
    if (settings.error) {
        err << *settings.error << "\n";
        return std::nullopt;
    }
    const ModelInfo& model = ModelFor(state.modelIndex);
    MmsFileOutcome file =
        GenerateMmsFile(settings.settings, model, state.languageByte(), state.TvMode);
    if (file.problem) {
        err << KeyMessage(file.problem->key, state.message(file.problem->message)) << "\n";
        return std::nullopt;
    }
    return PreparedFile{kMmsFileName, std::move(file.bytes), true,
                        MmsConfirmation(model, state.languageIndex)};
}

int RunMmsCommand(const MmsOptions& options, CliEnvironment& env, std::ostream& out,
                  std::ostream& err) {
    const auto file =
        ReadSettingsFile(options.settings.settingsFile, "mms", StoredAppState(env), env, err);
    if (!file) {
        return kExitBadInput;
    }
    const auto state =
        ResolveFileCommandState(options.common, options.outDir, env, err, file->model);
    if (!state) {
        return kExitBadInput;
    }
    const std::vector<std::string_view> secretKeys = SecretKeys(MmsFieldTable());
    // Before a password is asked for: a key set twice is refused whatever it holds.
    if (ReadsStandardInputTwice(options.settings, secretKeys, *state, err) ||
        RepeatedSetter(options.settings.setters, *state, err)) {
        return kExitBadInput;
    }
    const auto sources = ReadSecretSetters(options.settings, secretKeys, *state, env, err);
    if (!sources) {
        return kExitBadInput;
    }
    const auto start = StartingSettings(options.settings.update, file->texts, "mms", kMmsFileName,
                                        options.outDir, *state, env, err);
    if (!start) {
        return kExitBadInput;
    }
    const auto texts = CollectSettings(*start, sources->setters, *state, env.codec, err, secretKeys,
                                       AsciiOnlyKeys(MmsFieldTable()));
    if (!texts) {
        return kExitBadInput;
    }
    const auto prepared = PrepareMmsFile(*texts, *state, err);
    if (!prepared) {
        return kExitBadInput;
    }
    return WriteConfigFileStep(options.outDir, prepared->fileName, prepared->bytes,
                               prepared->confirmation, *state, env, options.common.dryRun, out, err,
                               FileWriteOptions(options.common, true));
}

}  // namespace tov::cli
