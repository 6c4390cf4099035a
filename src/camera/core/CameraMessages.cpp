#include "camera/core/CameraMessages.h"

#include "common/AppState.h"

namespace tov {
namespace {

// Both follow "Tov " and the model number.
constexpr MessagePair kGenerated{"相机菜单设置文件已经生成", "Configuration file is generated"};
constexpr MessagePair kFactoryGenerated{"相机菜单出厂设置文件已经生成",
                                        "Camera menu factory settings file has been generated"};

}  // namespace

std::optional<std::string> MenuConfirmation(const ModelInfo& model, bool factory,
                                            int languageIndex) {
    if (!model.confirms) {
        return std::nullopt;
    }
    const std::string_view text =
        PickMessage(factory ? kFactoryGenerated : kGenerated, languageIndex);
    return "Tov " + std::string(model.number) + " " + std::string(text);
}

}  // namespace tov
