#include "camera/core/CameraChoices.h"
#include "camera/core/CameraFields.h"
#include "camera/core/MenuFile.h"
#include "common/DecodedMeanings.h"
#include "common/Models.h"
#include "common/Text.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace tov {
namespace {

// menu.dat's own parts beside the fields: bytes 0..30 lie alike in both families, 31..37
// differ; the first family leaves 36..37 reserved, and both leave 38..55 at 0.
constexpr std::size_t kFamilyBytesOffset = 31;
constexpr std::array<std::pair<std::size_t, std::size_t>, 2> kReserved = {{{38, 50}, {50, 56}}};

// Models whose lists stand for each family when the model is not known.
constexpr int kFirstFamilyModel = 1;
constexpr int kSecondFamilyModel = 2;

Meaning ChoiceMeaning(int list, int modelIndex, int value) {
    const auto entries = CameraChoices(list, modelIndex, kEnglish);
    if (value >= 0 && value < static_cast<int>(entries.size())) {
        return {std::string(entries[static_cast<std::size_t>(value)]), true};
    }
    // A model without image sizes writes the missing selection as 0xFF.
    if (list == kImageSizeList && value == 0xFF && entries.empty()) {
        return {"no selection", true};
    }
    return {"not in the list", false};
}

DecodedField Part(const MenuRecord& record, std::size_t offset, std::size_t length,
                  std::string name, Meaning meaning) {
    return {
        offset,
        length,
        std::move(name),
        std::vector<std::uint8_t>(record.begin() + static_cast<std::ptrdiff_t>(offset),
                                  record.begin() + static_cast<std::ptrdiff_t>(offset + length)),
        std::move(meaning.text),
        meaning.expected};
}

ClockSnapshot StoredClock(const MenuRecord& record) {
    const auto* b = record.data() + kMenuClockOffset;
    return {kClockFirstYear + b[0], b[1], b[2], b[3], b[4], b[5]};
}

Meaning ClockMeaning(const MenuRecord& record) {
    const ClockSnapshot clock = StoredClock(record);
    const bool expected = clock.year <= kClockLastYear &&
                          IsRealDate(clock.year, clock.month, clock.day) && clock.hour <= 23 &&
                          clock.minute <= 59 && clock.second <= 59;
    return {ClockText(clock), expected};
}

/// The fields of the family from `first` on (or below it), in file order.
std::vector<DecodedField> FamilyFields(const MenuRecord& record, Family family, int modelIndex,
                                       bool allModels, bool familyBytes) {
    const CameraMenuSettings decoded = ReadMenuSettings(record, family);
    const ChoiceMeaningFn meaning = [&](int list, int value) {
        return allModels ? MeaningForEveryModel([&](const ModelInfo& model) {
            return ChoiceMeaning(list, model.index, value);
        })
                         : ChoiceMeaning(list, modelIndex, value);
    };
    std::vector<DecodedField> fields;
    for (DecodedField& field :
         DescribeFields(CameraFieldTable(), family, std::span(&record, 1), decoded, meaning)) {
        if ((field.offset >= kFamilyBytesOffset) == familyBytes) {
            fields.push_back(std::move(field));
        }
    }
    return fields;
}

}  // namespace

FileReport DecodeMenuFile(std::span<const std::uint8_t> bytes, std::optional<int> modelIndex) {
    FileReport report;
    report.size = bytes.size();
    report.expectedSize = kRecordSize;
    report.sizeOk = bytes.size() == kRecordSize;
    if (!report.sizeOk) {
        report.problems.push_back("size is " + std::to_string(bytes.size()) + " bytes, expected " +
                                  std::to_string(kRecordSize));
    }
    if (bytes.size() < kRecordSize) {
        return report;
    }

    MenuRecord record{};
    std::copy_n(bytes.begin(), kRecordSize, record.begin());
    report.lineEndOk = HasLineEnd(record);
    if (!report.lineEndOk) {
        report.problems.push_back("line end at bytes 58..59 is " + Hex2(record[58]) + " " +
                                  Hex2(record[59]) + ", expected 0D 0A");
    }
    report.storedChecksum = ReadChecksum(record, kMenuChecksumOffset);
    report.computedChecksum = MenuChecksum(record);
    report.checksumOk = report.storedChecksum == report.computedChecksum;
    if (!report.checksumOk) {
        report.problems.push_back("checksum at bytes 56..57 is " + Hex4(report.storedChecksum) +
                                  ", the content gives " + Hex4(report.computedChecksum));
    }

    report.factory = report.sizeOk && record == FactoryMenuRecord();
    report.contents = report.factory ? "factory settings" : "camera settings";
    if (report.factory) {
        return report;
    }

    // Bytes 0..30 read the same in both families; only their choice lists depend on the model.
    // The camera sets its clock from these bytes: a date that does not exist is damage, not
    // merely a value no form writes.
    if (const ClockSnapshot clock = StoredClock(record);
        !IsRealDate(clock.year, clock.month, clock.day)) {
        report.problems.push_back("clock at bytes 14..19 holds the date " +
                                  ClockText(clock).substr(0, 10) + ", which does not exist");
    }

    std::vector<DecodedField> common = FamilyFields(
        record, Family::First, modelIndex.value_or(kFirstFamilyModel), !modelIndex, false);
    common.push_back(Part(record, kMenuClockOffset, 6, "clock", ClockMeaning(record)));
    common.push_back(Part(record, kMenuLanguageOffset, 1, "language",
                          LanguageByteMeaning(record[kMenuLanguageOffset])));
    common.push_back(Part(record, kMenuTvModeOffset, 1, "tvMode",
                          {std::to_string(record[kMenuTvModeOffset]), true}));
    SortByOffset(common);
    NoteUnexpected(common, "", report.notes);
    report.sections.push_back({"fields", "", std::move(common)});

    // A known model reads its own family's bytes; an unknown one both families' readings.
    const Family modelFamily = FamilyOf(modelIndex.value_or(kFirstFamilyModel));
    for (const Family each : {Family::First, Family::Second}) {
        if (modelIndex && modelFamily != each) {
            continue;
        }
        const bool first = each == Family::First;
        const int model = modelIndex.value_or(first ? kFirstFamilyModel : kSecondFamilyModel);
        std::vector<DecodedField> fields = FamilyFields(record, each, model, false, true);
        if (first) {
            // The first family's timer 2 ends at 35; 36..37 are reserved.
            const bool zero = record[36] == 0 && record[37] == 0;
            fields.push_back(
                Part(record, 36, 2, "reserved", {zero ? "reserved, 0" : "reserved, not 0", zero}));
        }
        SortByOffset(fields);
        NoteUnexpected(fields, modelIndex ? "" : (first ? ", first family" : ", second family"),
                       report.notes);
        const std::string title = "bytes 31..37, " + std::string(first ? "first" : "second") +
                                  " family (" + FamilyModelNames(each) + ")";
        report.sections.push_back(
            {first ? "firstFamily" : "secondFamily", title, std::move(fields)});
    }
    for (const auto& [begin, end] : kReserved) {
        if (std::any_of(record.begin() + static_cast<std::ptrdiff_t>(begin),
                        record.begin() + static_cast<std::ptrdiff_t>(end),
                        [](std::uint8_t b) { return b != 0; })) {
            report.notes.push_back("bytes " + std::to_string(begin) + ".." +
                                   std::to_string(end - 1) + " are reserved but not 0");
        }
    }
    return report;
}

}  // namespace tov
