#include "common/FieldDescription.h"
#include "common/LanguageRules.h"
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

DecodedField Part(const Record60& record, std::size_t recordIndex, std::size_t offset,
                  std::size_t length, std::string name, Meaning meaning) {
    return {
        recordIndex * kRecordSize + offset,
        length,
        std::move(name),
        std::vector<std::uint8_t>(record.begin() + static_cast<std::ptrdiff_t>(offset),
                                  record.begin() + static_cast<std::ptrdiff_t>(offset + length)),
        std::move(meaning.text),
        meaning.expected};
}

Meaning LanguageMeaning(int value) {
    if (value < 1 || value > kLanguageCount) {
        return {"not a language code", false};
    }
    return {std::string(LanguageListEntries(false)[static_cast<std::size_t>(value - 1)]), true};
}

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

void SortByOffset(std::vector<DecodedField>& fields) {
    std::stable_sort(fields.begin(), fields.end(),
                     [](const auto& a, const auto& b) { return a.offset < b.offset; });
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
    fields.push_back(Part(header, kSmtpHeaderRecord, kSmtpLanguageOffset, 1, "language",
                          LanguageMeaning(header[kSmtpLanguageOffset])));
    const Record60& userName = plain[kSenderUserNameRecord];
    const std::string senderEmail = ReadSmtpSettings(plain, family).senderEmail;
    const std::string stored = RecordText(userName);
    fields.push_back(Part(userName, kSenderUserNameRecord, 0, kRecordLengthOffset + 1,
                          "senderUserName",
                          {Quoted(stored) + (stored == SenderUserName(senderEmail)
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
            fields.push_back(
                Part(header, kSmtpHeaderRecord, offset, 1, "constant", {one ? "1" : "not 1", one}));
        }
    }
    SortByOffset(fields);
    return fields;
}

std::string FamilyTitle(Family family) {
    std::string title =
        "bytes 6..8, " + std::string(family == Family::First ? "first" : "second") + " family (";
    bool first = true;
    for (const ModelInfo& model : Models()) {
        if (model.family == family && model.hasEmailForm) {
            title += (first ? "" : ", ") + std::string(model.name);
            first = false;
        }
    }
    return title + ")";
}

void CheckFrame(const RecordFileReading& reading, FileReport& report) {
    report.lineEndOk = reading.badLineEnds.empty();
    for (const int record : reading.badLineEnds) {
        const std::size_t end = static_cast<std::size_t>(record) * kRecordSize + kLineEndOffset;
        report.problems.push_back("line end of record " + std::to_string(record) + " at bytes " +
                                  std::to_string(end) + ".." + std::to_string(end + 1) +
                                  " is not 0D 0A");
    }
    report.storedChecksum = reading.storedCheck;
    report.computedChecksum = static_cast<std::uint16_t>(reading.crc + kSmtpCheckAddend);
    report.checksumOk = report.storedChecksum == report.computedChecksum;
    if (!report.checksumOk) {
        const std::size_t at = kRecordFileBodyRecords * kRecordSize + kRecordFileCheckOffset;
        report.problems.push_back("check at bytes " + std::to_string(at) + ".." +
                                  std::to_string(at + 1) + " is " + Hex4(report.storedChecksum) +
                                  ", the records give " + Hex4(report.computedChecksum) + " (CRC " +
                                  Hex4(reading.crc) + " plus 15)");
    }
    if (!reading.trailerZero) {
        report.notes.push_back("trailer bytes 660..715 are not 0");
    }
}

}  // namespace

FileReport DecodeSmtpFile(std::span<const std::uint8_t> bytes, std::optional<int> modelIndex,
                          bool showSecrets) {
    FileReport report;
    report.size = bytes.size();
    report.expectedSize = kRecordFileSize;
    report.sizeOk = bytes.size() == kRecordFileSize;
    if (!report.sizeOk) {
        report.problems.push_back("size is " + std::to_string(bytes.size()) + " bytes, expected " +
                                  std::to_string(kRecordFileSize));
    }
    if (bytes.size() < kRecordFileSize) {
        return report;
    }
    const RecordFileReading reading = ReadRecordFile(bytes.first(kRecordFileSize));
    CheckFrame(reading, report);
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

    const Record60& header = reading.plain[kSmtpHeaderRecord];
    for (const auto& [begin, end] : kReserved) {
        if (std::any_of(header.begin() + static_cast<std::ptrdiff_t>(begin),
                        header.begin() + static_cast<std::ptrdiff_t>(end),
                        [](std::uint8_t b) { return b != 0; })) {
            const std::string where = end - begin == 1 ? "header byte " + std::to_string(begin)
                                                       : "header bytes " + std::to_string(begin) +
                                                             ".." + std::to_string(end - 1);
            report.notes.push_back(where + " reserved but not 0");
        }
    }
    return report;
}

}  // namespace tov
