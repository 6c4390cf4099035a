#pragma once

#include "common/AppState.h"

#include <span>
#include <string_view>

namespace tov {

/// The camera form's label and button texts in one language, by name. A language that leaves
/// a text out shows the English one: every language but Japanese keeps "Hour", "Min", "Sec"
/// and the second timer row's "Start:" and "Stop:".
struct CameraLabelTexts {
    std::string_view mode{};
    std::string_view imageSize{};
    std::string_view videoSize{};
    std::string_view pictureNo{};
    std::string_view timeStamp{};
    std::string_view senseLevel{};
    std::string_view sidePir{};
    std::string_view videoLength{};
    std::string_view interval{};
    std::string_view setClock{};
    std::string_view timer{};
    std::string_view timer2{};
    std::string_view serialNo{};
    std::string_view timeLapse{};
    std::string_view start{};  ///< first timer row
    std::string_view stop{};
    std::string_view generate{};
    std::string_view defaults{};
    std::string_view exit{};
    std::string_view dateFormat{};
    std::string_view getTime{};
    std::string_view start2{};  ///< second timer row
    std::string_view stop2{};
    std::string_view hour{};  ///< captions over the time fields
    std::string_view minute{};
    std::string_view second{};
};

/// The camera form's choice texts in one language. Image sizes, video sizes and the serial
/// characters are the same in every language and are not here.
struct CameraChoiceTexts {
    std::string_view cameraMode0{};
    std::string_view cameraMode1{};
    std::string_view cameraMode2{};
    std::string_view pictureCount0{};
    std::string_view pictureCount1{};
    std::string_view pictureCount2{};
    std::string_view on{};
    std::string_view off{};
    std::string_view senseNormal{};
    std::string_view senseHigh{};
    std::string_view senseLow{};
    std::string_view senseOff{};  ///< the sense level list's own off entry
    std::string_view seconds{};
    std::string_view minutes{};
    std::string_view dateYmd{};
    std::string_view dateMdy{};
    std::string_view dateDmy{};
    std::string_view select{};  ///< caption of the Select button
};

struct CameraTextTable {
    CameraLabelTexts labels;
    CameraChoiceTexts choices;
};

/// Every text of the two structures, for walking a table.
std::span<std::string_view CameraLabelTexts::* const> AllLabelTexts();
std::span<std::string_view CameraChoiceTexts::* const> AllChoiceTexts();

/// The texts a camera form of `family` shows for `languageIndex`: its own for 1..10; for 11
/// (Lithuanian) its own in the first family and English in the second; English for 2 and any
/// value outside 1..11. The Slovensko interval units differ per family. Texts a language
/// leaves out are the English ones, unless `englishWhereMissing` is false.
CameraTextTable CameraTextsFor(Family family, int languageIndex, bool englishWhereMissing = true);

}  // namespace tov
