#include "mms/core/MmsMessages.h"

namespace tov {
namespace {

// Both follow "Tov " and the model number.
constexpr MessagePair kGenerated{"MMS配置文件已生成",
                                 "MMS configuration file (URL|APN|Gateway|Port ...) has been "
                                 "generated"};

}  // namespace

std::optional<std::string> MmsConfirmation(const ModelInfo& model, int languageIndex) {
    if (!model.confirms) {
        return std::nullopt;
    }
    const std::string_view text = PickMessage(kGenerated, languageIndex);
    return "Tov " + std::string(model.number) + " " + std::string(text);
}

}  // namespace tov
