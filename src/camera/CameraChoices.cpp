#include "camera/CameraChoices.h"

#include "camera/CameraModelInfo.h"
#include "camera/CameraTexts.h"

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

std::vector<std::string_view> CameraChoices(CameraList list, int modelIndex, int languageIndex) {
    const CameraModelInfo& info = CameraModelInfoFor(modelIndex);
    const CameraChoiceTexts& texts = CameraTextsFor(info.family, languageIndex).choices;
    const std::vector<std::string_view> onOff = {texts.on, texts.off};
    const std::vector<std::string_view> offOn = {texts.off, texts.on};

    switch (list) {
    case CameraList::CameraMode: {
        const std::size_t count =
            std::min(texts.cameraModes.size(), static_cast<std::size_t>(info.cameraModeCount));
        return ListOf(std::span(texts.cameraModes).first(count));
    }
    case CameraList::ImageSize:
        return ListOf(info.imageSizes);
    case CameraList::VideoSize:
        return ListOf(info.videoSizes);
    case CameraList::PictureCount:
        return ListOf(texts.pictureNumbers);
    case CameraList::SenseLevel:
        return ListOf(texts.senseLevels);
    case CameraList::IntervalUnit:
        return ListOf(texts.intervalUnits);
    case CameraList::DateFormat:
        return ListOf(texts.dateFormats);
    case CameraList::SerialChar:
        return ListOf(kSerialChars);
    // The camera reads index 0 as On for these two.
    case CameraList::TimeStamp:
    case CameraList::TimeLapse:
        return onOff;
    case CameraList::BeepSound:
    case CameraList::SdCycle:
        return info.family == Family::Second ? offOn : std::vector<std::string_view>{};
    case CameraList::SidePir:
    case CameraList::Timer1:
    case CameraList::Timer2:
    case CameraList::SerialOn:
        return offOn;
    }
    return {};
}

}  // namespace tov
