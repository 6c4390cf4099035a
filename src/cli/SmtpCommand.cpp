#include "cli/SmtpCommand.h"

#include "cli/FileOutput.h"
#include "cli/SecretInput.h"
#include "common/Models.h"
#include "smtp/core/SmtpFields.h"
#include "smtp/core/SmtpFile.h"
#include "smtp/core/SmtpMessages.h"

namespace tov::cli {

std::string SmtpKeysHelp() {
    std::string keys;
    std::string secondOnly;
    for (const Field<SmtpSettings>& field : kSmtpFields) {
        if (IsSettingKey(field, Family::First) || IsSettingKey(field, Family::Second)) {
            keys += (keys.empty() ? "" : ", ") + std::string(field.key);
        }
        if (!field.present.first && field.present.second) {
            secondOnly += (secondOnly.empty() ? "" : " and ") + std::string(field.key);
        }
    }
    std::string secondModels;
    for (const ModelInfo& model : Models()) {
        if (model.family == Family::Second && model.hasEmailForm) {
            secondModels += (secondModels.empty() ? "" : " and ") + std::string(model.name);
        }
    }
    return "Keys: " + keys + " (" + secondOnly + ": " + secondModels +
           " only; country and operator in Auto mode, apn, account and gprsPassword in Manual "
           "mode). --set senderPassword=- reads the password from standard input.";
}

int RunSmtpCommand(const SmtpOptions& options, CliEnvironment& env, std::ostream& out,
                   std::ostream& err) {
    const auto state = ResolveAppState(options.common, env, err);
    if (!state) {
        return kExitBadInput;
    }
    if (options.outDir.empty()) {
        err << "--out: " << state->message({"需要一个文件夹", "a folder is needed"}) << "\n";
        return kExitBadInput;
    }
    const ModelInfo& model = ModelFor(state->modelIndex);
    if (!model.hasEmailForm) {
        err << "--model: " << NoEmailFormMessage(model, state->languageIndex) << "\n";
        return kExitBadInput;
    }

    std::vector<std::string_view> secretKeys;
    for (const Field<SmtpSettings>& field : kSmtpFields) {
        if (field.secret) {
            secretKeys.push_back(field.key);
        }
    }
    const auto sources = ReadSecretSetters(options.settings, secretKeys, *state, env, err);
    if (!sources) {
        return kExitBadInput;
    }
    const auto texts = CollectSettings(*sources, *state, env.codec, err);
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
        SmtpConfirmation(model, state->languageIndex), *state, out, err);
}

}  // namespace tov::cli
