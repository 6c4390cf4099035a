#include "smtp/core/SmtpMessages.h"

#include <vector>

namespace tov {
namespace {

/// "MG" of "Tov 2740MG": what follows the model number in the name.
std::string_view NameSuffix(const ModelInfo& model) {
    const std::string_view name = ShortModelName(model);
    return name.substr(std::min(name.size(), model.number.size()));
}

/// The models with the e-mail form as one phrase: "MG" when they share a suffix no other model
/// has, else their names.
std::string EmailModelsPhrase(bool& bySuffix) {
    std::vector<const ModelInfo*> withForm;
    for (const ModelInfo& model : Models()) {
        if (model.hasEmailForm) {
            withForm.push_back(&model);
        }
    }
    const std::string_view suffix = withForm.empty() ? "" : NameSuffix(*withForm.front());
    bySuffix = !suffix.empty();
    for (const ModelInfo& model : Models()) {
        bySuffix = bySuffix && (NameSuffix(model) == suffix) == model.hasEmailForm;
    }
    if (bySuffix) {
        return std::string(suffix);
    }
    std::string names;
    for (std::size_t i = 0; i < withForm.size(); ++i) {
        names += (i == 0 ? "" : (i + 1 == withForm.size() ? " and " : ", ")) +
                 std::string(withForm[i]->name);
    }
    return names;
}

}  // namespace

std::string SmtpConfirmation(const ModelInfo& model, int languageIndex) {
    const std::string number(model.number);
    return std::string(
        PickMessage({"Tov " + number + " SMTP配置文件已生成",
                     "Tov " + number + " SMTP configuration file has been generated"},
                    languageIndex));
}

std::string NoEmailFormMessage(const ModelInfo& model, int languageIndex) {
    bool bySuffix = false;
    const std::string models = EmailModelsPhrase(bySuffix);
    const std::string name(model.name);
    if (bySuffix) {
        return std::string(
            PickMessage({name + " 没有电子邮件设置；" + models + " 型号才有",
                         name + " has no e-mail settings; the " + models + " models have"},
                        languageIndex));
    }
    return std::string(PickMessage({name + " 没有电子邮件设置；" + models + " 才有",
                                    name + " has no e-mail settings; the " + models + " have"},
                                   languageIndex));
}

}  // namespace tov
