#include "camera/CameraModelInfo.h"

#include <array>
#include <string>

namespace tov {
namespace {

constexpr std::array<std::string_view, 3> kImageSizes9030 = {"12MP", "5MP", "2MP"};
constexpr std::array<std::string_view, 3> kVideoSizes9030 = {"1440x1080", "1280x720", "640x480"};
constexpr std::array<std::string_view, 3> kImageSizes2740 = {"5MP", "12MP", "1.3MP"};
constexpr std::array<std::string_view, 2> kVideoSizes2740 = {"640x480", "320x240"};
constexpr std::array<std::string_view, 3> kImageSizes2760 = {"12MP", "5MP", "1.3MP"};
constexpr std::array<std::string_view, 3> kVideoSizes2760 = {"1280x720", "640x480", "320x240"};

constexpr CameraModelInfo kModel9030{Family::Second,  "9030", kImageSizes9030,
                                     kVideoSizes9030, 3,      true};
constexpr CameraModelInfo kModel2740{Family::First,   "2740", kImageSizes2740,
                                     kVideoSizes2740, 3,      true};
constexpr CameraModelInfo kModel2760{Family::First,   "2760", kImageSizes2760,
                                     kVideoSizes2760, 3,      true};
// A stored model index outside the list still opens the first family's form, reduced.
constexpr CameraModelInfo kModelUnknown{Family::First, "2740", {}, kVideoSizes2740, 2, false};

}  // namespace

const CameraModelInfo& CameraModelInfoFor(int modelIndex) {
    if (FamilyOf(modelIndex) == Family::Second) {
        return kModel9030;
    }
    switch (modelIndex) {
    case 1:
    case 3:
        return kModel2740;
    case 5:
        return kModel2760;
    default:
        return kModelUnknown;
    }
}

std::string CameraFormTitle(const CameraModelInfo& info) {
    return "Tov Brenn " + std::string(info.modelNumber);
}

}  // namespace tov
