#pragma once

#include "app/AppState.h"

#include <array>
#include <string_view>

namespace tov {

/// The camera form's label and button texts in one language. An empty text leaves the
/// template's English text in place (most languages keep "Hour", "Min", "Sec" and the second
/// timer row's "Start:" and "Stop:"; only Japanese replaces them).
struct CameraLabelTexts {
    std::string_view mode;         // 1004
    std::string_view imageSize;    // 1005
    std::string_view videoSize;    // 1006
    std::string_view pictureNo;    // 1007
    std::string_view timeStamp;    // 1011
    std::string_view senseLevel;   // 1010
    std::string_view sidePir;      // 1012
    std::string_view videoLength;  // 1008
    std::string_view interval;     // 1009
    std::string_view setClock;     // 1018
    std::string_view timer;        // 1019
    std::string_view timer2;       // 1041 (first family) / 1047 (second family)
    std::string_view serialNo;     // 1021
    std::string_view timeLapse;    // 1020
    std::string_view start;        // 1059
    std::string_view stop;         // 1060
    std::string_view generate;     // 1
    std::string_view defaults;     // 1062
    std::string_view exit;         // 2
    std::string_view dateFormat;   // 1043
    std::string_view getTime;      // 1031
    // Japanese only; empty elsewhere.
    std::string_view start2;  // 1061
    std::string_view stop2;   // 1063
    std::string_view hour;    // 1118..1121, 1126
    std::string_view minute;  // 1122..1125, 1127
    std::string_view second;  // 1128
};

/// The camera form's choice texts in one language. Image sizes, video sizes and the serial
/// characters are the same in every language and are not here.
struct CameraChoiceTexts {
    std::array<std::string_view, 3> cameraModes;
    std::array<std::string_view, 3> pictureNumbers;
    std::string_view on;
    std::string_view off;
    std::array<std::string_view, 4> senseLevels;
    std::array<std::string_view, 2> intervalUnits;
    std::array<std::string_view, 3> dateFormats;
    std::string_view select;  // caption of the Select button (1057)
};

struct CameraTextTable {
    CameraLabelTexts labels;
    CameraChoiceTexts choices;
};

/// The table a camera form of `family` uses for `languageIndex`: its own for 1..10; for 11
/// (Lithuanian) its own in the first family and English in the second; English for 2 and any
/// value outside 1..11. The Slovensko interval units differ per family.
const CameraTextTable& CameraTextsFor(Family family, int languageIndex);

}  // namespace tov
