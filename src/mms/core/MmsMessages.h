#pragma once

#include "common/AppState.h"
#include "common/Models.h"

#include <optional>
#include <string>

namespace tov {

/// What choosing International tells the user.
inline constexpr MessagePair kInternationalNotice{
    "手机号码将不能在相机设置菜单显示",
    "Phone number will not be displayed in the camera setup menu"};

/// The confirmation after setup.dat was written, in Chinese when `languageIndex` is 1; no value
/// for a model that does not confirm.
std::optional<std::string> MmsConfirmation(const ModelInfo& model, int languageIndex);

}  // namespace tov
