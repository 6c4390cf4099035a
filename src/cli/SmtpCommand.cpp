#include "cli/SmtpCommand.h"

#include "cli/FileOutput.h"
#include "cli/KeysHelp.h"
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

int RunSmtpCommand(const SmtpOptions& options, CliEnvironment& env, std::ostream& out,
                   std::ostream& err) {
    const auto state = ResolveFileCommandState(options.common, options.outDir, env, err);
    if (!state) {
        return kExitBadInput;
    }
    const ModelInfo& model = ModelFor(state->modelIndex);
    if (!model.hasEmailForm) {
        err << "--model: " << NoEmailFormMessage(model, state->languageIndex) << "\n";
        return kExitBadInput;
    }

    const std::vector<std::string_view> secretKeys = SecretKeys(SmtpFieldTable());
    const auto sources = ReadSecretSetters(options.settings, secretKeys, *state, env, err);
    if (!sources) {
        return kExitBadInput;
    }
    const auto texts = CollectSettings(*sources, *state, env.codec, err, secretKeys);
    if (!texts) {
        return kExitBadInput;
    }
    const SmtpSettingsResult settings =
        ApplySmtpSettings(state->modelIndex, *texts, state->languageIndex);
    if (settings.error) {
        err << *settings.error << "\n";
        return kExitBadInput;
    }
    return WriteConfigFileStep(
        options.outDir, kSmtpFileName,
        BuildSmtpFile(settings.settings, model.family, state->languageByte()),
        SmtpConfirmation(model, state->languageIndex), *state, env, options.common.dryRun, out, err,
        FileWriteOptions(options.common, true));
}

}  // namespace tov::cli
