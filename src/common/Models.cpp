#include "common/Models.h"

#include <array>

namespace tov {
namespace {

constexpr std::array<std::string_view, 3> kImageSizes9030 = {"12MP", "5MP", "2MP"};
constexpr std::array<std::string_view, 3> kVideoSizes9030 = {"1440x1080", "1280x720", "640x480"};
constexpr std::array<std::string_view, 3> kImageSizes2740 = {"5MP", "12MP", "1.3MP"};
constexpr std::array<std::string_view, 2> kVideoSizes2740 = {"640x480", "320x240"};
constexpr std::array<std::string_view, 3> kImageSizes2760 = {"12MP", "5MP", "1.3MP"};
constexpr std::array<std::string_view, 3> kVideoSizes2760 = {"1280x720", "640x480", "320x240"};

constexpr std::string_view kNamePrefix = "Tov ";

constexpr std::array<ModelInfo, kModelCount> kModels = {{
    {1, "Tov 2740M", "2740", Family::First, false, true, kImageSizes2740, kVideoSizes2740, 3, true},
    {2, "Tov 9030M", "9030", Family::Second, false, true, kImageSizes9030, kVideoSizes9030, 3,
     false},
    {3, "Tov 2740MG", "2740", Family::First, true, true, kImageSizes2740, kVideoSizes2740, 3, true},
    {4, "Tov 9030MG", "9030", Family::Second, true, true, kImageSizes9030, kVideoSizes9030, 3,
     false},
    {5, "Tov 2760MG", "2760", Family::First, true, true, kImageSizes2760, kVideoSizes2760, 3,
     false},
}};

// A stored model index outside the list still opens the first family's forms, reduced.
constexpr ModelInfo kUnlisted{0, "",  "2740", Family::First, true, false, {}, kVideoSizes2740,
                              2, true};

}  // namespace

std::span<const ModelInfo> Models() {
    return kModels;
}

const ModelInfo& ModelFor(int modelIndex) {
    if (modelIndex < 1 || modelIndex > kModelCount) {
        return kUnlisted;
    }
    return kModels[static_cast<std::size_t>(modelIndex - 1)];
}

Family FamilyOf(int modelIndex) {
    return ModelFor(modelIndex).family;
}

std::string FormTitle(const ModelInfo& model) {
    return "Tov Brenn " + std::string(model.number);
}

std::string_view ShortModelName(const ModelInfo& model) {
    return model.name.substr(std::min(model.name.size(), kNamePrefix.size()));
}

std::string ModelDisplayName(int modelIndex) {
    const ModelInfo& model = ModelFor(modelIndex);
    if (model.index == 0) {
        return "model " + std::to_string(modelIndex);
    }
    return std::string(model.name);
}

}  // namespace tov
