#include "common/DecodedMeanings.h"
#include "common/LayoutDescriber.h"
#include "common/Text.h"
#include "mms/core/MmsCatalogue.h"
#include "mms/core/MmsChoices.h"
#include "mms/core/MmsFields.h"
#include "mms/core/MmsFile.h"
#include "mms/core/MmsLayout.h"

#include <algorithm>

namespace tov {
namespace {

constexpr std::size_t kPhoneFormatOffset =
    FieldOffset(MmsFieldTable(), "phoneFormat", Family::First);
constexpr const ByteRow& kManualMark = RowOf(kMmsRows, ByteRole::ManualMark);
constexpr const ByteRow& kSendCode = RowOf(kMmsRows, ByteRole::SendCode);
constexpr const ByteRow& kCheck = RowOf(kMmsRows, ByteRole::Check);

constexpr std::string_view kNotInList = "not in the list";

DecodedField Part(const Record60& header, std::size_t offset, std::string name, Meaning meaning) {
    return RecordPart(header, 0, offset, 1, std::move(name), std::move(meaning));
}

Meaning EntryMeaning(const std::vector<std::string_view>& entries, int value) {
    if (value >= 0 && value < static_cast<int>(entries.size())) {
        return {std::string(entries[static_cast<std::size_t>(value)]), true};
    }
    return {std::string(kNotInList), false};
}

/// What a choice of the header means to `model` (null: to every model).
Meaning ChoiceMeaning(int list, int value, const MmsSettings& decoded, const ModelInfo* model) {
    const bool manual = decoded.mode == kMmsManual;
    switch (list) {
    case kMmsSendList:
        if (model == nullptr) {
            return MeaningForEveryModel(
                [&](const ModelInfo& each) { return ChoiceMeaning(list, value, decoded, &each); });
        }
        return EntryMeaning(MmsChoices(list, *model, kEnglish, kMmsAuto, 0), value);
    case kMmsCountryList:
        if (value == kManualMark.value) {
            return {"none (typed access data)", manual};
        }
        return {std::string(value < MmsCountryCount() ? MmsCountryName(value, false) : kNotInList),
                !manual && value < MmsCountryCount()};
    case kMmsOperatorList:
        if (manual) {
            return {value == 0 ? "none (typed access data)" : std::string(kNotInList), value == 0};
        }
        return EntryMeaning(MmsChoices(list, ModelFor(1), kEnglish, kMmsAuto, decoded.countryIndex),
                            value);
    case kMmsRemoteList:
        if (value >= 0 && value < kSmsRemoteOff) {
            return {std::to_string(value) + " hours", true};
        }
        return {value == kSmsRemoteOff ? "Off" : std::string(kNotInList), value == kSmsRemoteOff};
    case kMmsBearerList:
        // Auto mode offers "APN" only.
        return EntryMeaning(
            MmsChoices(list, ModelFor(1), kEnglish, manual ? kMmsManual : kMmsAuto, 0), value);
    default:
        return EntryMeaning(MmsChoices(list, ModelFor(1), kEnglish, kMmsAuto, 0), value);
    }
}

/// Header byte 0 as the family's cameras read it; expected when it agrees with MMS Send in
/// byte 1 for a model of the family (or for the given model).
DecodedField SendCodeField(const Record60& header, Family family, const ModelInfo* given,
                           int mmsSend) {
    const int code = header[static_cast<std::size_t>(kSendCode.offset)];
    std::vector<const ModelInfo*> models;
    for (const ModelInfo& model : Models()) {
        if (given == nullptr ? model.family == family : model.index == given->index) {
            models.push_back(&model);
        }
    }
    if (models.empty()) {
        models.push_back(given);  // a model outside the list reads as the first family
    }
    Meaning meaning{std::string(kNotInList), false};
    for (const ModelInfo* model : models) {
        const std::string_view word = MmsSendCodeMeaning(*model, code);
        const bool agrees = MmsSendCode(*model, mmsSend) == code;
        if (!word.empty() && (agrees || meaning.text == kNotInList)) {
            meaning = {std::string(word), agrees};
        }
        if (agrees && !word.empty()) {
            break;
        }
    }
    return Part(header, static_cast<std::size_t>(kSendCode.offset), std::string(kSendCode.name),
                std::move(meaning));
}

std::vector<DecodedField> HeaderFields(const RecordFileBody& plain, const MmsSettings& decoded,
                                       const ModelInfo* model) {
    const Family family = model != nullptr ? model->family : Family::First;
    const ChoiceMeaningFn meaning = [&](int list, int value) {
        return ChoiceMeaning(list, value, decoded, model);
    };
    // The send code is read per family, and the texts, in sections of their own.
    const RowMeaningFn notHere = [](const ByteRow& row, std::span<const std::uint8_t>) {
        return row.role == ByteRole::SendCode ? std::optional(Meaning{}) : std::nullopt;
    };
    std::vector<DecodedField> fields;
    for (DecodedField& field : DescribeLayout(MmsFieldTable(), kMmsRows, family, std::span(plain),
                                              decoded, meaning, notHere, LayoutPart::Common)) {
        if (field.offset < kRecordSize && field.name != kSendCode.name) {
            fields.push_back(std::move(field));
        }
    }
    SortByOffset(fields);
    return fields;
}

// A text is reported at its record's length byte, which tells how much of the record's
// bytes 0..56 the text takes; the text itself is the meaning.
std::vector<DecodedField> TextFields(const RecordFileBody& plain, const MmsSettings& decoded,
                                     bool showSecrets, std::vector<std::string>& notes) {
    std::vector<DecodedField> fields;
    for (const Field<MmsSettings>& field : kMmsFields) {
        if (field.kind != FieldKind::Text) {
            continue;
        }
        const auto record = static_cast<std::size_t>(field.place.first.record);
        const Record60& bytes = plain[record];
        const std::string& text = decoded.*field.text;
        const bool hidden = IsHiddenSecret(field.secret, showSecrets);
        DecodedField out;
        out.offset = record * kRecordSize + kRecordLengthOffset;
        out.name = std::string(field.key);
        out.bytes = {bytes[kRecordLengthOffset]};
        if (hidden) {
            MaskSecretBytes(out);
        }
        Meaning meaning = TextMeaning(text, hidden, field.max);
        out.meaning = std::move(meaning.text);
        out.expected = meaning.expected;
        fields.push_back(std::move(out));
        if (std::any_of(bytes.begin() + static_cast<std::ptrdiff_t>(text.size()),
                        bytes.begin() + kRecordLengthOffset,
                        [](std::uint8_t b) { return b != 0; })) {
            notes.push_back("record " + std::to_string(record) + " (" + std::string(field.key) +
                            ") has bytes other than 0 after its text");
        }
    }
    NoteUnexpected(fields, "", notes);
    return fields;
}

/// "text records 1..10 (text at bytes 0..56 of the record, its length at 57)", from the table.
std::string TextsTitle() {
    auto first = static_cast<int>(kRecordFileBodyRecords);
    int last = 0;
    for (const Field<MmsSettings>& field : kMmsFields) {
        if (field.place.first.coding == Coding::TextRecord) {
            first = std::min(first, field.place.first.record);
            last = std::max(last, field.place.first.record);
        }
    }
    const std::string length = std::to_string(kRecordLengthOffset);
    return "text records " + std::to_string(first) + ".." + std::to_string(last) +
           " (text at bytes 0.." + std::to_string(kRecordLengthOffset - 1) +
           " of the record, its length at " + length + ")";
}

}  // namespace

FileReport DecodeMmsFile(std::span<const std::uint8_t> bytes, std::optional<int> modelIndex,
                         bool showSecrets) {
    FileReport report;
    if (!CheckFileSize(bytes.size(), kRecordFileSize, report)) {
        return report;
    }
    const RecordFileReading reading = ReadRecordFile(bytes.first(kRecordFileSize));
    const Record60& header = reading.plain[0];
    // International numbers add 18 to the check; Domestic ones nothing.
    const bool international = header[kPhoneFormatOffset] == kInternational;
    CheckRecordFileFrame(reading, international ? static_cast<std::uint16_t>(kCheck.value) : 0,
                         international
                             ? "plus " + std::to_string(kCheck.value) + " for International"
                             : "for Domestic",
                         report);
    report.contents = "MMS settings";

    // The fields lie alike in both families; only byte 0 and the MMS Send list differ.
    const ModelInfo* model = modelIndex ? &ModelFor(*modelIndex) : nullptr;
    const MmsSettings decoded = ReadMmsSettings(reading.plain, Family::First);
    std::vector<DecodedField> fields = HeaderFields(reading.plain, decoded, model);
    NoteUnexpected(fields, "", report.notes);
    report.sections.push_back({"fields", "", std::move(fields)});

    for (const Family family : {Family::First, Family::Second}) {
        if (model != nullptr && model->family != family) {
            continue;
        }
        const bool first = family == Family::First;
        std::vector<DecodedField> code = {SendCodeField(header, family, model, decoded.mmsSend)};
        NoteUnexpected(code, model ? "" : (first ? ", first family" : ", second family"),
                       report.notes);
        report.sections.push_back(
            {first ? "firstFamily" : "secondFamily",
             "byte " + std::to_string(kSendCode.offset) + ", the MMS Send code of the " +
                 std::string(first ? "first" : "second") + " family (" +
                 (model ? std::string(model->name) : FamilyModelNames(family)) + ")",
             std::move(code)});
    }
    report.sections.push_back(
        {"texts", TextsTitle(), TextFields(reading.plain, decoded, showSecrets, report.notes)});

    NoteReservedBytes(header, ReservedRanges(kMmsRows, 0), report.notes);
    return report;
}

}  // namespace tov
