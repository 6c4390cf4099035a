#include "mms/core/MmsFile.h"

#include "mms/core/MmsCatalogue.h"
#include "mms/core/MmsChoices.h"
#include "mms/core/MmsFields.h"
#include "mms/core/MmsLayout.h"
#include "mms/core/MmsRules.h"

namespace tov {
namespace {

std::size_t OffsetOf(ByteRole role) {
    return static_cast<std::size_t>(RowOf(kMmsRows, role).offset);
}

constexpr MessagePair kPlaceholderPreset{
    "此运营商的预设没有可用的彩信数据；请选择手动模式（Manual）并输入运营商的接入数据",
    "this operator's preset holds no working MMS data; choose MMS Mode Manual and type the "
    "operator's access data"};

}  // namespace

RecordFileBody BuildMmsRecords(const MmsSettings& settings, const ModelInfo& model,
                               int languageByte, int tvMode) {
    RecordFileBody body;
    body.fill(BlankRecord());
    PlaceFields(MmsFieldTable(), model.family, settings, std::span(body));
    Record60& header = body[0];
    header[OffsetOf(ByteRole::SendCode)] = LowByte(MmsSendCode(model, settings.mmsSend));
    header[OffsetOf(ByteRole::Language)] = LowByte(languageByte);
    header[OffsetOf(ByteRole::TvMode)] = LowByte(tvMode);
    // Manual mode has no country list: the camera takes 0x80 as "typed access data".
    if (settings.mode == kMmsManual) {
        const ByteRow& mark = RowOf(kMmsRows, ByteRole::ManualMark);
        header[static_cast<std::size_t>(mark.offset)] = LowByte(mark.value);
    }
    return body;
}

std::vector<std::uint8_t> BuildMmsFile(const MmsSettings& settings, const ModelInfo& model,
                                       int languageByte, int tvMode) {
    const auto addend = static_cast<std::uint16_t>(
        settings.phoneFormat == kInternational ? RowOf(kMmsRows, ByteRole::Check).value : 0);
    return BuildRecordFile(BuildMmsRecords(settings, model, languageByte, tvMode), addend);
}

MmsFileOutcome GenerateMmsFile(const MmsSettings& settings, const ModelInfo& model,
                               int languageByte, int tvMode) {
    if (auto problem = CheckMmsRecipients(settings, MmsSmsChosen(model, settings.mmsSend))) {
        return {{}, problem};
    }
    MmsSettings written = settings;
    if (written.mode == kMmsAuto &&
        !LoadMmsPreset(written, settings.countryIndex, settings.operatorIndex)) {
        return {{}, MmsProblem{"operator", {"运营商错误", "Operator Error"}}};
    }
    // A catalogue row without real data would write a file the camera cannot use.
    if (written.mode == kMmsAuto &&
        !MmsPresetPlaceholder(settings.countryIndex, settings.operatorIndex).empty()) {
        return {{}, MmsProblem{"operator", kPlaceholderPreset}};
    }
    if (auto problem = CheckMmsRemoteControl(written)) {
        return {{}, problem};
    }
    return {BuildMmsFile(written, model, languageByte, tvMode), std::nullopt};
}

MmsSettings ReadMmsSettings(const RecordFileBody& plain, Family family) {
    MmsSettings settings;
    ApplyOpening(MmsFieldTable(), family, settings, [](int) { return 1; });
    ReadFields(MmsFieldTable(), family, std::span(plain), settings);
    return settings;
}

}  // namespace tov
