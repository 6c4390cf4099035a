#include "camera/core/CameraChoices.h"
#include "camera/core/CameraFields.h"
#include "camera/core/MenuFile.h"
#include "common/DecodedMeanings.h"
#include "common/LayoutDescriber.h"
#include "common/Models.h"
#include "common/Text.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace tov {
namespace {

// The bytes the two families read differently.
constexpr std::pair<int, int> kFamilyBytes = kMenuFamilyBytes;

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

/// "56..57": bytes `offset` and on, as the messages name them.
std::string Span(std::size_t offset, std::size_t length) {
    return std::to_string(offset) + ".." + std::to_string(offset + length - 1);
}

ClockSnapshot StoredClock(std::span<const std::uint8_t> b) {
    return {kClockFirstYear + b[0], b[1], b[2], b[3], b[4], b[5]};
}

ClockSnapshot StoredClock(const MenuRecord& record) {
    const ByteRow& row = RowOf(kMenuRows, ByteRole::Clock);
    return StoredClock(std::span(record).subspan(static_cast<std::size_t>(row.offset), 6));
}

Meaning ClockMeaning(const ClockSnapshot& clock) {
    const bool expected = clock.year <= kClockLastYear &&
                          IsRealDate(clock.year, clock.month, clock.day) && clock.hour <= 23 &&
                          clock.minute <= 59 && clock.second <= 59;
    return {ClockText(clock), expected};
}

/// The fields and rows of the family from the family bytes on (or below them), in file order.
std::vector<DecodedField> FamilyFields(const MenuRecord& record, Family family, int modelIndex,
                                       bool allModels, bool familyBytes) {
    const CameraMenuSettings decoded = ReadMenuSettings(record, family);
    const ChoiceMeaningFn meaning = [&](int list, int value) {
        return allModels ? MeaningForEveryModel([&](const ModelInfo& model) {
            return ChoiceMeaning(list, model.index, value);
        })
                         : ChoiceMeaning(list, modelIndex, value);
    };
    const RowMeaningFn clock = [](const ByteRow& row, std::span<const std::uint8_t> bytes) {
        return row.role == ByteRole::Clock ? std::optional(ClockMeaning(StoredClock(bytes)))
                                           : std::nullopt;
    };
    return DescribeLayout(CameraFieldTable(), kMenuRows, family, std::span(&record, 1), decoded,
                          meaning, clock, familyBytes ? LayoutPart::Family : LayoutPart::Common);
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
        const auto end = static_cast<std::size_t>(RowOf(kMenuRows, ByteRole::LineEnd).offset);
        report.problems.push_back("line end at bytes " + Span(end, 2) + " is " + Hex2(record[end]) +
                                  " " + Hex2(record[end + 1]) + ", expected 0D 0A");
    }
    report.storedChecksum = ReadChecksum(record, kMenuChecksumOffset);
    report.computedChecksum = MenuChecksum(record);
    report.checksumOk = report.storedChecksum == report.computedChecksum;
    if (!report.checksumOk) {
        report.problems.push_back("checksum at bytes " + Span(kMenuChecksumOffset, 2) + " is " +
                                  Hex4(report.storedChecksum) + ", the content gives " +
                                  Hex4(report.computedChecksum));
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
        const ByteRow& row = RowOf(kMenuRows, ByteRole::Clock);
        report.problems.push_back(
            "clock at bytes " +
            Span(static_cast<std::size_t>(row.offset), static_cast<std::size_t>(row.length)) +
            " holds the date " + ClockText(clock).substr(0, 10) + ", which does not exist");
    }

    std::vector<DecodedField> common = FamilyFields(
        record, Family::First, modelIndex.value_or(kFirstFamilyModel), !modelIndex, false);
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
        NoteUnexpected(fields, modelIndex ? "" : (first ? ", first family" : ", second family"),
                       report.notes);
        const std::string title = "bytes " + std::to_string(kFamilyBytes.first) + ".." +
                                  std::to_string(kFamilyBytes.second) + ", " +
                                  std::string(first ? "first" : "second") + " family (" +
                                  FamilyModelNames(each) + ")";
        report.sections.push_back(
            {first ? "firstFamily" : "secondFamily", title, std::move(fields)});
    }
    NoteReservedBytes(record, ReservedRanges(kMenuRows, 0), report.notes);
    return report;
}

}  // namespace tov
