#include "camera/core/CameraChoices.h"

#include "camera/core/CameraTexts.h"
#include "common/Models.h"

#include <algorithm>
#include <array>
#include <span>

namespace tov {
namespace {

constexpr std::array<std::string_view, kSerialAlphabet.size()> MakeSerialChars() {
    std::array<std::string_view, kSerialAlphabet.size()> chars{};
    for (std::size_t i = 0; i < chars.size(); ++i) {
        chars[i] = kSerialAlphabet.substr(i, 1);
    }
    return chars;
}

constexpr std::array<std::string_view, kSerialAlphabet.size()> kSerialChars = MakeSerialChars();

std::vector<std::string_view> ListOf(std::span<const std::string_view> entries) {
    return {entries.begin(), entries.end()};
}

}  // namespace

std::vector<std::string_view> CameraChoices(int list, int modelIndex, int languageIndex) {
    const ModelInfo& model = ModelFor(modelIndex);
    const CameraChoiceTexts& texts = CameraTextsFor(model.family, languageIndex).choices;
    const std::vector<std::string_view> onOff = {texts.on, texts.off};
    const std::vector<std::string_view> offOn = {texts.off, texts.on};

    switch (list) {
    case kCameraModeList: {
        const std::array modes = {texts.cameraMode0, texts.cameraMode1, texts.cameraMode2};
        const auto count = std::min(modes.size(), static_cast<std::size_t>(model.cameraModeCount));
        return ListOf(std::span(modes).first(count));
    }
    case kImageSizeList:
        return ListOf(model.imageSizes);
    case kVideoSizeList:
        return ListOf(model.videoSizes);
    case kPictureCountList:
        return {texts.pictureCount0, texts.pictureCount1, texts.pictureCount2};
    case kSenseLevelList:
        return {texts.senseNormal, texts.senseHigh, texts.senseLow, texts.senseOff};
    case kIntervalUnitList:
        return {texts.seconds, texts.minutes};
    case kDateFormatList:
        return {texts.dateYmd, texts.dateMdy, texts.dateDmy};
    case kSerialCharList:
        return ListOf(kSerialChars);
    // The camera reads index 0 as On for these two.
    case kTimeStampList:
    case kTimeLapseList:
        return onOff;
    case kBeepSoundList:
    case kSdCycleList:
        return model.family == Family::Second ? offOn : std::vector<std::string_view>{};
    case kSidePirList:
    case kTimer1List:
    case kTimer2List:
    case kSerialOnList:
        return offOn;
    default:
        return {};
    }
}

}  // namespace tov
