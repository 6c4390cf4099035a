#include "camera/core/CameraSettings.h"

#include "camera/core/CameraChoices.h"
#include "camera/core/CameraFields.h"
#include "common/Models.h"

namespace tov {
namespace {

constexpr int kUnitMinutes = 1;

auto ListSizes(int modelIndex) {
    return [modelIndex](int list) {
        return static_cast<int>(CameraChoices(list, modelIndex, kEnglish).size());
    };
}

}  // namespace

CameraMenuSettings OpeningCameraSettings(int modelIndex) {
    CameraMenuSettings settings;
    ApplyOpening(CameraFieldTable(), FamilyOf(modelIndex), settings, ListSizes(modelIndex));
    return settings;
}

void ApplyCameraDefault(CameraMenuSettings& settings, int modelIndex) {
    ApplyDefaultReset(CameraFieldTable(), FamilyOf(modelIndex), settings, ListSizes(modelIndex));
}

bool CorrectAfterEdit(CameraMenuSettings& settings, FieldKey key) {
    const Field<CameraMenuSettings>* field = FindField(CameraFieldTable(), key.name());
    if (field == nullptr) {
        return false;
    }
    if (CorrectOutOfBounds(*field, settings)) {
        return true;
    }
    return key == CameraKey("intervalValue") && CorrectAfterUnitChange(settings);
}

bool CorrectAfterUnitChange(CameraMenuSettings& settings) {
    if (settings.intervalUnit == kUnitMinutes && settings.intervalValue == 0) {
        settings.intervalValue = 1;
        return true;
    }
    return false;
}

CameraSettingsResult ApplyCameraSettings(int modelIndex, const SettingTexts& texts,
                                         int languageIndex) {
    CameraSettingsResult result{OpeningCameraSettings(modelIndex), std::nullopt};
    const SettingContext context{ModelDisplayName(modelIndex), languageIndex,
                                 [modelIndex](int list) {
                                     return CameraChoices(list, modelIndex, kEnglish);
                                 }};
    result.error = ApplySettingTexts(CameraFieldTable(), FamilyOf(modelIndex), texts,
                                     result.settings, context);
    if (result.error) {
        return result;
    }
    // The form turns an interval of 0 into 1 as soon as the unit is Min.
    CameraMenuSettings corrected = result.settings;
    if (CorrectAfterUnitChange(corrected)) {
        const std::string unit(context.entries(kIntervalUnitList)[kUnitMinutes]);
        result.error = KeyMessage(
            "intervalValue",
            PickMessage({"单位为 " + unit + " 时不允许 0（表格会改为 1）",
                         "0 is not allowed with the unit " + unit + " (the form makes it 1)"},
                        languageIndex));
    }
    return result;
}

}  // namespace tov
