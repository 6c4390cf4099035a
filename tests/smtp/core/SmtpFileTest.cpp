#include "smtp/core/SmtpFile.h"

#include "common/Checksum.h"
#include "common/Models.h"
#include "smtp/core/GprsCatalogue.h"

#include <gtest/gtest.h>

#include <map>

namespace tov {
namespace {

using Bytes = std::vector<std::uint8_t>;

// A stored file whose text records are all empty: the stored header bytes 0..8 as given, 0xFF
// to 49 and the plain bytes 50..59; then ten empty records; then the trailer with CRC + 15.
Bytes EmptyTextsImage(const Bytes& storedHead) {
    Bytes bytes = storedHead;
    bytes.resize(50, 0xFF);
    bytes.insert(bytes.end(), {0, 0, 0, 0, 0, 1, 0, 0, 0x0D, 0x0A});
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

Bytes Head(const Record60& header) {
    return {header.begin(), header.begin() + 10};
}

TEST(SmtpFile, DefaultImagesOfBothFamilies) {
    // The opening forms in English; stored, 0x01 reads EF, 0x02 DF, 0x19 (25, Off) 6E.
    EXPECT_EQ(BuildSmtpFile(OpeningSmtpSettings(Family::Second), Family::Second, kEnglish),
              EmptyTextsImage({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xDF, 0xEF, 0x6E, 0xEF}));
    EXPECT_EQ(BuildSmtpFile(OpeningSmtpSettings(Family::First), Family::First, kEnglish),
              EmptyTextsImage({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xDF, 0xEF, 0xEF, 0x6E}));
}

TEST(SmtpFile, HeaderAndRecordsOfBothModes) {
    const SmtpSettings manual = Busy(kSmtpManual);
    const RecordFileBody records = BuildSmtpRecords(manual, Family::Second, kJapanese);
    EXPECT_EQ(Head(records[0]), (Bytes{0, 0, 0x80, 5, 7, 10, 2, 13, 1, 0}));
    EXPECT_EQ(records[0][55], 0);
    const std::string texts[] = {
        manual.apn,  manual.account,       manual.gprsPassword,   manual.smtpServer,
        manual.port, manual.senderEmail,   manual.senderPassword, manual.phoneNumber,
        "trail.cam", manual.recipientEmail};
    for (std::size_t r = 1; r <= 10; ++r) {
        EXPECT_EQ(records[r], MakeTextRecord(texts[r - 1])) << r;
    }
    // Manual's 0x80 is stored as 0xF7.
    EXPECT_EQ(BuildSmtpFile(manual, Family::Second, kJapanese)[2], 0xF7);

    // Auto with country 3 and operator 5; the first family puts the interval at byte 8.
    SmtpSettings automatic = Busy(kSmtpAuto);
    automatic.countryIndex = 3;
    automatic.operatorIndex = 5;
    automatic.maxImages = 7;
    const Record60 header = BuildSmtpRecords(automatic, Family::First, kEnglish)[0];
    EXPECT_EQ(Head(header), (Bytes{0, 5, 3, 0, 7, 2, 1, 1, 13, 0}));
    EXPECT_EQ(header[55], 1);
}

TEST(SmtpFile, SenderUserNameIsTheAddressBeforeItsFirstAt) {
    for (const auto& [address, user] :
         std::map<std::string, std::string>{{"abc@x.y", "abc"},
                                            {"@x.y", ""},
                                            {"no-at.example", "no-at.example"},
                                            {"a@b@c", "a"}}) {
        SmtpSettings s = OpeningSmtpSettings(Family::Second);
        s.senderEmail = address;
        EXPECT_EQ(BuildSmtpRecords(s, Family::Second, kEnglish)[9], MakeTextRecord(user));
    }
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
    EXPECT_EQ(WithGprsPreset(Busy(kSmtpManual)).apn, "internet.example");
}

std::map<std::string, std::string> Meanings(const FileReport& report) {
    std::map<std::string, std::string> meanings;
    for (const FieldSection& section : report.sections) {
        for (const DecodedField& field : section.fields) {
            meanings[field.name] = field.meaning + (field.bytes.empty() ? " (no bytes)" : "");
        }
    }
    return meanings;
}

TEST(SmtpFile, DecoderReadsEveryFieldAndNamesOddValues) {
    for (const int model : {3, 4}) {
        const Family family = FamilyOf(model);
        const FileReport report =
            DecodeSmtpFile(BuildSmtpFile(Busy(kSmtpManual), family, kEnglish), model, false);
        EXPECT_FALSE(report.damaged());
        EXPECT_TRUE(report.notes.empty()) << report.notes.front();
        auto meanings = Meanings(report);
        EXPECT_EQ(meanings["mode"], "Manual");
        EXPECT_EQ(meanings["country"], "Other (Manual)");
        EXPECT_EQ(meanings["smsRemoteHours"], "13");
        EXPECT_EQ(meanings["senderPassword"], "(6 bytes, hidden) (no bytes)");
        EXPECT_EQ(meanings["gprsPassword"], "(9 bytes, hidden) (no bytes)");
        EXPECT_EQ(meanings["senderUserName"], "\"trail.cam\"");
        EXPECT_EQ(meanings.count("smtpStatus"), family == Family::Second ? 1U : 0U);
    }

    Bytes bytes = BuildSmtpFile(WithGprsPreset(Busy(kSmtpAuto)), Family::Second, kEnglish);
    // Without a model both families' readings: the first reads the second's SMTP status and
    // interval as its constant 1s.
    EXPECT_EQ(DecodeSmtpFile(bytes, std::nullopt, true).notes,
              (std::vector<std::string>{
                  "byte 6 (constant, first family): 02 is not a value the forms write",
                  "byte 7 (constant, first family): 0D is not a value the forms write"}));
    bytes[55] = 7;  // neither Auto nor Manual; plain, so the check fails too
    const FileReport odd = DecodeSmtpFile(bytes, 4, false);
    EXPECT_EQ(odd.problems.size(), 1U);
    EXPECT_EQ(odd.notes.front(), "byte 55 (mode): 07 is not a value the forms write");
    bytes.resize(700);
    EXPECT_EQ(DecodeSmtpFile(bytes, 4, false).problems,
              std::vector<std::string>{"size is 700 bytes, expected 720"});
}

}  // namespace
}  // namespace tov
