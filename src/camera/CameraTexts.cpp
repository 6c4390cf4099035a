#include "camera/CameraTexts.h"

namespace tov {
namespace {

constexpr CameraTextTable kEnglishTexts{
    {"Mode",       "Image Size",
     "Video Size", "Picture No.",
     "Time Stamp", "Sense Level",
     "Side PIR",   "Video Length",
     "Interval",   "Set Clock",
     "Timer",      "Timer2",
     "Serial No.", "Time Lapse",
     "Start:",     "Stop:",
     "Generate",   "Default",
     "Exit",       "Date Format",
     "Get Time",   "",
     "",           "",
     "",           ""},
    {{"Camera", "Video", "Camera+Video"},
     {"01 Photo", "02 Photo", "03 Photo"},
     "On",
     "Off",
     {"Normal", "High", "Low", "Off"},
     {"Sec", "Min"},
     {"YYMMDD", "MMDDYY", "DDMMYY"},
     "Select"},
};

}  // namespace

const CameraTextTable& CameraTextsFor(Family, int) {
    return kEnglishTexts;
}

}  // namespace tov
