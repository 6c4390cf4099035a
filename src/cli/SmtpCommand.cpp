#include "cli/SmtpCommand.h"

#include "cli/FileOutput.h"
#include "cli/KeysHelp.h"
#include "cli/PreparedFile.h"
#include "cli/SecretInput.h"
#include "common/Models.h"
#include "smtp/core/SmtpFields.h"
#include "smtp/core/SmtpFile.h"
#include "smtp/core/SmtpMessages.h"

namespace tov::cli {

std::string SmtpKeysHelp() {
    return KeysHelp(
               SmtpFieldTable(), [](const ModelInfo& model) { return model.hasEmailForm; },
               "country and operator in Auto mode, apn, account and gprsPassword in Manual "
               "mode") +
           SecretKeysHelp(SecretKeys(SmtpFieldTable()));
}

std::optional<PreparedFile> PrepareSmtpFile(const SettingTexts& texts, const AppState& state,
                                            std::ostream& err) {
    const ModelInfo& model = ModelFor(state.modelIndex);
    if (!model.hasEmailForm) {
        err << "--model: " << NoEmailFormMessage(model, state.languageIndex) << "\n";
        return std::nullopt;
    }
    const SmtpSettingsResult settings =
        ApplySmtpSettings(state.modelIndex, texts, state.languageIndex);
    if (settings.error) {
        err << *settings.error << "\n";
        return std::nullopt;
    }
    return PreparedFile{kSmtpFileName,
                        BuildSmtpFile(settings.settings, model.family, state.languageByte()), true,
                        SmtpConfirmation(model, state.languageIndex)};
}

int RunSmtpCommand(const SmtpOptions& options, CliEnvironment& env, std::ostream& out,
                   std::ostream& err) {
    const auto file =
        ReadSettingsFile(options.settings.settingsFile, "smtp", StoredAppState(env), env, err);
    if (!file) {
        return kExitBadInput;
    }
    const auto state =
        ResolveFileCommandState(options.common, options.outDir, env, err, file->model);
    if (!state) {
        return kExitBadInput;
    }
    const ModelInfo& model = ModelFor(state->modelIndex);
    if (!model.hasEmailForm) {
        err << "--model: " << NoEmailFormMessage(model, state->languageIndex) << "\n";
        return kExitBadInput;
    }

    const std::vector<std::string_view> secretKeys = SecretKeys(SmtpFieldTable());
    // Before a password is asked for: a key set twice is refused whatever it holds.
    if (ReadsStandardInputTwice(options.settings, secretKeys, *state, err) ||
        RepeatedSetter(options.settings.setters, *state, err)) {
        return kExitBadInput;
    }
    const auto sources = ReadSecretSetters(options.settings, secretKeys, *state, env, err);
    if (!sources) {
        return kExitBadInput;
    }
    const auto start = StartingSettings(options.settings.update, file->texts, "smtp", kSmtpFileName,
                                        options.outDir, *state, env, err);
    if (!start) {
        return kExitBadInput;
    }
    const auto texts = CollectSettings(*start, sources->setters, *state, env.codec, err, secretKeys,
                                       AsciiOnlyKeys(SmtpFieldTable()));
    if (!texts) {
        return kExitBadInput;
    }
    const auto prepared = PrepareSmtpFile(*texts, *state, err);
    if (!prepared) {
        return kExitBadInput;
    }
    return WriteConfigFileStep(options.outDir, prepared->fileName, prepared->bytes,
                               prepared->confirmation, *state, env, options.common.dryRun, out, err,
                               FileWriteOptions(options.common, true));
}

}  // namespace tov::cli
