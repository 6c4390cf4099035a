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
                   : Meaning{"not the Manual mark 0x" +
                                 Hex2(static_cast<unsigned>(kManualMark.value)),
                             false};
    }
    const std::vector<std::string_view> entries = SmtpChoices(list, family, kEnglish, decoded);
    if (value >= 0 && value < static_cast<int>(entries.size())) {
        return {std::string(entries[static_cast<std::size_t>(value)]), true};
    }
    return {"not in the list", false};
}

/// The part of the layout as the family reads it, the sender's user name read against the
/// decoded address.
std::vector<DecodedField> Describe(const RecordFileBody& plain, Family family, LayoutPart part,
                                   bool showSecrets) {
    const SmtpSettings decoded = ReadSmtpSettings(plain, family);
    const RowMeaningFn userName = [&](const ByteRow& row, std::span<const std::uint8_t> bytes) {
        if (row.role != ByteRole::UserName) {
            return std::optional<Meaning>();
        }
        const auto length = static_cast<std::size_t>(bytes[kRecordLengthOffset]);
        const std::string stored(
            bytes.begin(),
            bytes.begin() + static_cast<std::ptrdiff_t>(std::min(length, kRecordLengthOffset)));
        const bool agrees = stored == SenderUserName(decoded.senderEmail);
        return std::optional(
            Meaning{QuotedBytes(stored) + (agrees ? "" : ", not the sender's address before \"@\""),
                    agrees});
    };
    return DescribeLayout(
        SmtpFieldTable(), kSmtpRows, family, std::span(plain), decoded,
        [&](int list, int value) { return ChoiceMeaning(family, decoded, list, value); }, userName,
        part, showSecrets);
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
    std::vector<DecodedField> common =
        Describe(reading.plain, modelFamily, LayoutPart::Common, showSecrets);
    NoteUnexpected(common, "", report.notes);
    report.sections.push_back({"fields", "", std::move(common)});

    for (const Family each : {Family::First, Family::Second}) {
        if (modelIndex && modelFamily != each) {
            continue;
        }
        const bool first = each == Family::First;
        std::vector<DecodedField> fields = Describe(reading.plain, each, LayoutPart::Family, false);
        NoteUnexpected(fields, modelIndex ? "" : (first ? ", first family" : ", second family"),
                       report.notes);
        report.sections.push_back(
            {first ? "firstFamily" : "secondFamily", FamilyTitle(each), std::move(fields)});
    }

    NoteReservedBytes(reading.plain[kSmtpHeaderRecord], ReservedRanges(kSmtpRows, 0), report.notes);
    return report;
}

}  // namespace tov
