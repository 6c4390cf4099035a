#include "common/DecodedMeanings.h"
#include "common/LayoutDescriber.h"
#include "common/Models.h"
#include "common/Text.h"
#include "smtp/core/SmtpChoices.h"
#include "smtp/core/SmtpFields.h"
#include "smtp/core/SmtpFile.h"
#include "smtp/core/SmtpLayout.h"

#include <algorithm>

namespace tov {
namespace {

// Header bytes that the families read differently.
constexpr std::pair<int, int> kFamilyBytes = FamilyBytes(SmtpFieldTable(), kSmtpRows);
constexpr const ByteRow& kManualMark = RowOf(kSmtpRows, ByteRole::ManualMark);
constexpr const ByteRow& kCheck = RowOf(kSmtpRows, ByteRole::Check);

/// What a list position means for the form that wrote `decoded`.
Meaning ChoiceMeaning(Family family, const SmtpSettings& decoded, int list, int value) {
    if (list == kSmtpCountryList && decoded.mode == kSmtpManual) {
        // Manual writes no country but its own mark.
        return value == kManualMark.value
                   ? Meaning{std::string(kSmtpOtherEntry) + " (Manual)", true}
                   : Meaning{"not the Manual mark 0x80", false};
    }
    const std::vector<std::string_view> entries = SmtpChoices(list, family, kEnglish, decoded);
    if (value >= 0 && value < static_cast<int>(entries.size())) {
        return {std::string(entries[static_cast<std::size_t>(value)]), true};
    }
    return {"not in the list", false};
}

std::vector<DecodedField> Describe(const RecordFileBody& plain, Family family, bool showSecrets) {
    const SmtpSettings decoded = ReadSmtpSettings(plain, family);
    return DescribeFields(
        SmtpFieldTable(), family, std::span(plain), decoded,
        [&](int list, int value) { return ChoiceMeaning(family, decoded, list, value); },
        showSecrets);
}

bool InFamilyBytes(const DecodedField& field) {
    return field.offset >= static_cast<std::size_t>(kFamilyBytes.first) &&
           field.offset <= static_cast<std::size_t>(kFamilyBytes.second);
}

/// The rows of the family, the sender's user name read against the decoded address.
std::vector<DecodedField> Rows(const RecordFileBody& plain, Family family) {
    const std::string senderEmail = ReadSmtpSettings(plain, family).senderEmail;
    const RowMeaningFn userName = [&](const ByteRow& row, std::span<const std::uint8_t> bytes) {
        if (row.role != ByteRole::UserName) {
            return std::optional<Meaning>();
        }
        const auto length = static_cast<std::size_t>(bytes[kRecordLengthOffset]);
        const std::string stored(
            bytes.begin(),
            bytes.begin() + static_cast<std::ptrdiff_t>(std::min(length, kRecordLengthOffset)));
        const bool agrees = stored == SenderUserName(senderEmail);
        return std::optional(Meaning{
            Quoted(stored) + (agrees ? "" : ", not the sender's address before \"@\""), agrees});
    };
    return DescribeRows(kSmtpRows, family, std::span(plain), userName);
}

/// The fields every family reads alike: header bytes 1..5 and 55, and the text records.
std::vector<DecodedField> CommonFields(const RecordFileBody& plain, Family family,
                                       bool showSecrets) {
    std::vector<DecodedField> fields;
    for (DecodedField& field : Describe(plain, family, showSecrets)) {
        if (!InFamilyBytes(field)) {
            fields.push_back(std::move(field));
        }
    }
    for (DecodedField& field : Rows(plain, family)) {
        if (!InFamilyBytes(field)) {
            fields.push_back(std::move(field));
        }
    }
    SortByOffset(fields);
    return fields;
}

/// The header bytes that the families read differently, as the family reads them.
std::vector<DecodedField> FamilyFields(const RecordFileBody& plain, Family family) {
    std::vector<DecodedField> fields;
    for (DecodedField& field : Describe(plain, family, false)) {
        if (InFamilyBytes(field)) {
            fields.push_back(std::move(field));
        }
    }
    for (DecodedField& field : Rows(plain, family)) {
        if (InFamilyBytes(field)) {
            fields.push_back(std::move(field));
        }
    }
    SortByOffset(fields);
    return fields;
}

std::string FamilyTitle(Family family) {
    return "bytes " + std::to_string(kFamilyBytes.first) + ".." +
           std::to_string(kFamilyBytes.second) + ", " +
           (family == Family::First ? "first" : "second") + " family (" +
           FamilyModelNames(family, true) + ")";
}

}  // namespace

FileReport DecodeSmtpFile(std::span<const std::uint8_t> bytes, std::optional<int> modelIndex,
                          bool showSecrets) {
    FileReport report;
    if (!CheckFileSize(bytes.size(), kRecordFileSize, report)) {
        return report;
    }
    const RecordFileReading reading = ReadRecordFile(bytes.first(kRecordFileSize));
    CheckRecordFileFrame(reading, static_cast<std::uint16_t>(kCheck.value),
                         "plus " + std::to_string(kCheck.value), report);
    report.contents = "GPRS and e-mail settings (bytes 0..49 of each record shown unscrambled)";

    // A known model reads its own family's bytes; an unknown one both families' readings, and
    // the texts are held to the larger limits, which no form exceeds.
    const Family modelFamily = modelIndex ? FamilyOf(*modelIndex) : Family::Second;
    std::vector<DecodedField> common = CommonFields(reading.plain, modelFamily, showSecrets);
    NoteUnexpected(common, "", report.notes);
    report.sections.push_back({"fields", "", std::move(common)});

    for (const Family each : {Family::First, Family::Second}) {
        if (modelIndex && modelFamily != each) {
            continue;
        }
        const bool first = each == Family::First;
        std::vector<DecodedField> fields = FamilyFields(reading.plain, each);
        NoteUnexpected(fields, modelIndex ? "" : (first ? ", first family" : ", second family"),
                       report.notes);
        report.sections.push_back(
            {first ? "firstFamily" : "secondFamily", FamilyTitle(each), std::move(fields)});
    }

    NoteReservedBytes(reading.plain[kSmtpHeaderRecord], ReservedRanges(kSmtpRows, 0), report.notes);
    return report;
}

}  // namespace tov
