#pragma once

#include "app/AppState.h"

#include <span>
#include <string_view>

namespace tov {

/// What a camera form shows and does differently per model: data, not code.
struct CameraModelInfo {
    Family family;
    std::string_view modelNumber;                  ///< "9030", "2740" or "2760": title and messages
    std::span<const std::string_view> imageSizes;  ///< list entries in order; may be empty
    std::span<const std::string_view> videoSizes;
    int cameraModeCount;  ///< 3, or 2 for a first-family model index outside 1, 3, 5
    bool confirms;        ///< whether a written file is confirmed by a message
};

/// The data for the camera form that `modelIndex` opens (family rule of the main window).
/// A first-family index other than 1, 3, 5 gets two camera modes, no image sizes, the video
/// sizes of models 1 and 3 and no confirmation.
const CameraModelInfo& CameraModelInfoFor(int modelIndex);

/// The window title: "Tov Brenn " and the model number.
std::string CameraFormTitle(const CameraModelInfo& info);

}  // namespace tov
