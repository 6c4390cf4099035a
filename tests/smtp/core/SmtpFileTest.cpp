#include "smtp/core/SmtpFile.h"

#include "common/Checksum.h"
#include "common/Models.h"
#include "smtp/core/GprsCatalogue.h"
#include "smtp/core/SmtpFields.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <span>
#include <tuple>

namespace tov {
namespace {

using Bytes = std::vector<std::uint8_t>;

// A stored file whose text records are all empty: the stored header bytes 0..9 as given, 0xFF
// to 49 and the plain bytes 50..59; then ten empty records; then the trailer with CRC + 15.
Bytes EmptyTextsImage(const Bytes& storedHead, std::uint8_t byte55) {
    Bytes bytes = storedHead;
    bytes.resize(50, 0xFF);
    bytes.insert(bytes.end(), {0, 0, 0, 0, 0, byte55, 0, 0, 0x0D, 0x0A});
    for (int r = 1; r <= 10; ++r) {
        bytes.insert(bytes.end(), 50, 0xFF);
        bytes.insert(bytes.end(), {0, 0, 0, 0, 0, 0, 0, 0, 0x0D, 0x0A});
    }
    const auto check = static_cast<std::uint16_t>(Crc16Xmodem(bytes) + 15);
    bytes.insert(bytes.end(), 56, 0x00);
    bytes.insert(bytes.end(), {static_cast<std::uint8_t>(check & 0xFF),
                               static_cast<std::uint8_t>(check >> 8), 0x0D, 0x0A});
    return bytes;
}

// Every field away from its opening value, each text different, so that two fields changing
// places change the bytes.
SmtpSettings Busy(int mode) {
    SmtpSettings s = OpeningSmtpSettings(Family::Second);
    s.mode = mode;
    s.maxImages = 57;
    s.smtpStatus = 2;
    s.smsRemoteHours = 13;
    s.apn = "internet.example";
    s.account = "gprs-user";
    s.gprsPassword = "gprs-pass";
    s.smtpServer = "smtp.example.com";
    s.port = "587";
    s.senderEmail = "trail.cam@example.com";
    s.senderPassword = "s3cret";
    s.recipientEmail = "owner@example.org";
    s.phoneNumber = "+4912345678";
    return s;
}

TEST(SmtpFile, DefaultImagesOfBothFamilies) {
    // The opening form in English; stored, 0x01 reads EF, 0x02 DF, 0x19 (25, Off) 6E.
    const Bytes second = {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xDF, 0xEF, 0x6E, 0xEF};
    const Bytes first = {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xDF, 0xEF, 0xEF, 0x6E};
    EXPECT_EQ(BuildSmtpFile(OpeningSmtpSettings(Family::Second), Family::Second, kEnglish),
              EmptyTextsImage(second, 1));
    EXPECT_EQ(BuildSmtpFile(OpeningSmtpSettings(Family::First), Family::First, kEnglish),
              EmptyTextsImage(first, 1));
}

TEST(SmtpFile, HeaderAndRecordsOfBothModes) {
    SmtpSettings manual = Busy(kSmtpManual);
    const RecordFileBody records = BuildSmtpRecords(manual, Family::Second, kJapanese);
    const Record60& header = records[0];
    const Bytes head(header.begin(), header.begin() + 10);
    EXPECT_EQ(head, (Bytes{0, 0, 0x80, 5, 7, 10, 2, 13, 1, 0}));
    EXPECT_EQ(header[55], 0);

    const std::pair<int, std::string> texts[] = {{1, manual.apn},
                                                 {2, manual.account},
                                                 {3, manual.gprsPassword},
                                                 {4, manual.smtpServer},
                                                 {5, manual.port},
                                                 {6, manual.senderEmail},
                                                 {7, manual.senderPassword},
                                                 {8, manual.phoneNumber},
                                                 {9, "trail.cam"},
                                                 {10, manual.recipientEmail}};
    for (const auto& [record, text] : texts) {
        EXPECT_EQ(records[static_cast<std::size_t>(record)], MakeTextRecord(text)) << record;
    }
    // Manual's 0x80 is stored as 0xF7; byte 55 stays plain.
    const Bytes stored = BuildSmtpFile(manual, Family::Second, kJapanese);
    EXPECT_EQ(stored[2], 0xF7);
    EXPECT_EQ(stored[55], 0);

    // Auto with country 3 and operator 5; the first family puts the interval at byte 8.
    SmtpSettings automatic = WithGprsPreset(Busy(kSmtpAuto));
    automatic.countryIndex = 3;
    automatic.operatorIndex = 5;
    const Record60 autoHeader = BuildSmtpRecords(automatic, Family::First, kEnglish)[0];
    EXPECT_EQ(Bytes(autoHeader.begin(), autoHeader.begin() + 10),
              (Bytes{0, 5, 3, 5, 7, 2, 1, 1, 13, 0}));
    EXPECT_EQ(autoHeader[55], 1);
}

TEST(SmtpFile, MaxImagesAsTwoDigits) {
    for (const auto& [value, tens, units] : {std::tuple{0, 0, 0}, {7, 0, 7}, {99, 9, 9}}) {
        SmtpSettings s = OpeningSmtpSettings(Family::First);
        s.maxImages = value;
        const Record60 header = BuildSmtpRecords(s, Family::First, kEnglish)[0];
        EXPECT_EQ(header[3], tens) << value;
        EXPECT_EQ(header[4], units) << value;
    }
}

TEST(SmtpFile, SenderUserNameIsTheAddressBeforeItsFirstAt) {
    const std::pair<std::string, std::string> cases[] = {
        {"abc@x.y", "abc"}, {"@x.y", ""}, {"no-at.example", "no-at.example"}, {"a@b@c.d", "a"}};
    for (const auto& [address, user] : cases) {
        SmtpSettings s = OpeningSmtpSettings(Family::Second);
        s.senderEmail = address;
        const Record60 record = BuildSmtpRecords(s, Family::Second, kEnglish)[9];
        EXPECT_EQ(record, MakeTextRecord(user)) << address;
        EXPECT_EQ(record[57], user.size()) << address;
    }
}

TEST(SmtpFile, CheckIsTheCrcPlus15WrappingAround) {
    // Header bytes 1 and 2 (operator, country) run through every pair of values: exactly one
    // gives a CRC of 0xFFF5, whose check wraps around to 0x0004.
    SmtpSettings s = OpeningSmtpSettings(Family::Second);
    for (int a = 0; a < 256; ++a) {
        for (int b = 0; b < 256; ++b) {
            s.operatorIndex = a;
            s.countryIndex = b;
            const Bytes bytes = BuildSmtpFile(s, Family::Second, kEnglish);
            if (Crc16Xmodem(std::span(bytes).first(660)) == 0xFFF5) {
                EXPECT_EQ(bytes[716], 0x04);
                EXPECT_EQ(bytes[717], 0x00);
                return;
            }
        }
    }
    FAIL() << "no header checks to 0xFFF5";
}

TEST(SmtpFile, AutoWritesTheChosenOperatorsPreset) {
    SmtpSettings s = Busy(kSmtpAuto);
    s.countryIndex = 3;
    s.operatorIndex = 7;  // United Kingdom, ASDA Mobile
    const GprsPreset& preset = *LookupGprsPreset(3, 7);
    const SmtpSettings written = WithGprsPreset(s);
    EXPECT_EQ(written.apn, preset.apn);
    EXPECT_EQ(written.account, preset.account);
    EXPECT_EQ(written.gprsPassword, preset.password);
    // Manual keeps what was typed.
    EXPECT_EQ(WithGprsPreset(Busy(kSmtpManual)).apn, "internet.example");
}

TEST(SmtpFile, DecoderReadsBackEveryField) {
    for (const int model : {3, 4}) {
        const Family family = FamilyOf(model);
        const SmtpSettings manual = Busy(kSmtpManual);
        const Bytes bytes = BuildSmtpFile(manual, family, kEnglish);
        const SmtpSettings read = ReadSmtpSettings(ReadRecordFile(bytes).plain, family);
        EXPECT_EQ(read.senderEmail, manual.senderEmail);
        EXPECT_EQ(read.phoneNumber, manual.phoneNumber);
        EXPECT_EQ(read.smsRemoteHours, 13);
        EXPECT_EQ(read.mode, kSmtpManual);

        const FileReport report = DecodeSmtpFile(bytes, model, false);
        EXPECT_FALSE(report.damaged()) << model;
        EXPECT_TRUE(report.notes.empty()) << report.notes.front();
        std::map<std::string, std::string> meanings;
        for (const FieldSection& section : report.sections) {
            for (const DecodedField& field : section.fields) {
                meanings[field.name] = field.meaning;
                if (field.name == "senderPassword") {
                    EXPECT_TRUE(field.bytes.empty());
                }
            }
        }
        EXPECT_EQ(meanings["mode"], "Manual");
        EXPECT_EQ(meanings["country"], "Other (Manual)");
        EXPECT_EQ(meanings["senderPassword"], "(6 bytes, hidden)");
        EXPECT_EQ(meanings["gprsPassword"], "(9 bytes, hidden)");
        EXPECT_EQ(meanings["senderUserName"], "\"trail.cam\"");
        EXPECT_EQ(meanings["smsRemoteHours"], "13");
        EXPECT_EQ(meanings.count("smtpStatus"), family == Family::Second ? 1U : 0U);
    }
}

TEST(SmtpFile, DecoderNamesDamageAndOddValues) {
    SmtpSettings s = WithGprsPreset(Busy(kSmtpAuto));
    Bytes bytes = BuildSmtpFile(s, Family::Second, kEnglish);
    const FileReport sound = DecodeSmtpFile(bytes, std::nullopt, true);
    EXPECT_FALSE(sound.damaged());
    ASSERT_EQ(sound.sections.size(), 3U);
    // Without a model the first family reads the second family's bytes 6 and 7 (SMTP status,
    // SMS interval) as its constant 1s.
    EXPECT_EQ(sound.notes,
              (std::vector<std::string>{
                  "byte 6 (constant, first family): 02 is not a value the forms write",
                  "byte 7 (constant, first family): 0D is not a value the forms write"}));

    bytes[55] = 7;  // neither Auto nor Manual; plain in the file, so the check fails too
    const FileReport odd = DecodeSmtpFile(bytes, 4, false);
    EXPECT_FALSE(odd.checksumOk);
    EXPECT_EQ(odd.problems.size(), 1U);
    EXPECT_NE(std::find_if(
                  odd.notes.begin(), odd.notes.end(),
                  [](const std::string& note) { return note.find("(mode)") != std::string::npos; }),
              odd.notes.end());

    bytes.resize(700);
    EXPECT_EQ(DecodeSmtpFile(bytes, 4, false).problems,
              std::vector<std::string>{"size is 700 bytes, expected 720"});
}

}  // namespace
}  // namespace tov
