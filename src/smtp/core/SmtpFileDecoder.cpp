#include "common/DecodedMeanings.h"
#include "common/Models.h"
#include "common/Text.h"
#include "smtp/core/SmtpChoices.h"
#include "smtp/core/SmtpFields.h"
#include "smtp/core/SmtpFile.h"

#include <algorithm>

namespace tov {
namespace {

// smtp.dat's header beside its fields: byte 0 and 9..54 are reserved, 56..57 too.
constexpr std::array<std::pair<std::size_t, std::size_t>, 3> kReserved = {
    {{0, 1}, {9, 55}, {56, 58}}};
constexpr std::size_t kFamilyBytes = 3;

/// What a list position means for the form that wrote `decoded`.
Meaning ChoiceMeaning(Family family, const SmtpSettings& decoded, int list, int value) {
    if (list == kSmtpCountryList && decoded.mode == kSmtpManual) {
        // Manual writes no country but its own mark.
        return value == kSmtpManualCountry
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
    return field.offset >= kSmtpFamilyBytesOffset &&
           field.offset < kSmtpFamilyBytesOffset + kFamilyBytes;
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
    const Record60& header = plain[kSmtpHeaderRecord];
    fields.push_back(RecordPart(header, kSmtpHeaderRecord, kSmtpLanguageOffset, 1, "language",
                                LanguageByteMeaning(header[kSmtpLanguageOffset])));
    const Record60& userName = plain[kSenderUserNameRecord];
    const std::string senderEmail = ReadSmtpSettings(plain, family).senderEmail;
    const std::string stored = RecordText(userName);
    fields.push_back(
        RecordPart(userName, kSenderUserNameRecord, 0, kRecordLengthOffset + 1, "senderUserName",
                   {QuotedBytes(stored) + (stored == SenderUserName(senderEmail)
                                               ? ""
                                               : ", not the sender's address before \"@\""),
                    stored == SenderUserName(senderEmail)}));
    SortByOffset(fields);
    return fields;
}

/// Header bytes 6..8 as the family reads them.
std::vector<DecodedField> FamilyFields(const RecordFileBody& plain, Family family) {
    std::vector<DecodedField> fields;
    for (DecodedField& field : Describe(plain, family, false)) {
        if (InFamilyBytes(field)) {
            fields.push_back(std::move(field));
        }
    }
    const Record60& header = plain[kSmtpHeaderRecord];
    for (std::size_t i = 0; i < kFamilyBytes; ++i) {
        if (kSmtpConstantOnes[family][i]) {
            const std::size_t offset = kSmtpFamilyBytesOffset + i;
            const bool one = header[offset] == 1;
            fields.push_back(RecordPart(header, kSmtpHeaderRecord, offset, 1, "constant",
                                        {one ? "1" : "not 1", one}));
        }
    }
    SortByOffset(fields);
    return fields;
}

std::string FamilyTitle(Family family) {
    return std::string("bytes 6..8, ") + (family == Family::First ? "first" : "second") +
           " family (" + FamilyModelNames(family, true) + ")";
}

}  // namespace

FileReport DecodeSmtpFile(std::span<const std::uint8_t> bytes, std::optional<int> modelIndex,
                          bool showSecrets) {
    FileReport report;
    if (!CheckFileSize(bytes.size(), kRecordFileSize, report)) {
        return report;
    }
    const RecordFileReading reading = ReadRecordFile(bytes.first(kRecordFileSize));
    CheckRecordFileFrame(reading, kSmtpCheckAddend, "plus 15", report);
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

    NoteReservedBytes(reading.plain[kSmtpHeaderRecord], kReserved, report.notes);
    return report;
}

}  // namespace tov
