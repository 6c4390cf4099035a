#include "smtp/core/SmtpFile.h"

#include "common/Checksum.h"
#include "common/Models.h"
#include "smtp/core/GprsCatalogue.h"
#include "support/FromHex.h"

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
    s.smsRemoteHours = 17;
    s.apn = "gprs.busy";
    s.account = "gprs-acct";
    s.gprsPassword = "gprs-pw";
    s.smtpServer = "smtp.busy.example";
    s.port = "465";
    s.senderEmail = "sender@busy.example";
    s.senderPassword = "mail-pw";
    s.recipientEmail = "owner@busy.example";
    s.phoneNumber = "+491701234567";
    return s;
}

TEST(SmtpFile, DefaultImagesOfBothFamilies) {
    // The opening forms in English; stored, 0x01 reads EF, 0x02 DF, 0x19 (25, Off) 6E.
    EXPECT_EQ(BuildSmtpFile(OpeningSmtpSettings(Family::Second), Family::Second, kEnglish),
              EmptyTextsImage({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xDF, 0xEF, 0x6E, 0xEF}));
    EXPECT_EQ(BuildSmtpFile(OpeningSmtpSettings(Family::First), Family::First, kEnglish),
              EmptyTextsImage({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xDF, 0xEF, 0xEF, 0x6E}));
}

// Records 1..10 of the busy settings in Auto, stored: apn, account, GPRS password, server,
// port, sender, sender password, phone number, the sender's user name ("sender"), recipient.
const Bytes kBusyTexts = FromHex(
    {"89 F8 D8 C8 1D D9 A8 C8 68 FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF",
     "FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF 00 00 00 00 00 00 00 09 0D 0A",
     "89 F8 D8 C8 2D E9 C9 C9 B8 FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF",
     "FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF 00 00 00 00 00 00 00 09 0D 0A",
     "89 F8 D8 C8 2D F8 88 FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF",
     "FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF 00 00 00 00 00 00 00 07 0D 0A",
     "C8 29 B8 F8 1D D9 A8 C8 68 1D A9 78 E9 29 F8 39 A9 FF FF FF FF FF FF FF FF FF FF FF FF FF",
     "FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF 00 00 00 00 00 00 00 11 0D 0A",
     "BC 9C AC FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF",
     "FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF 00 00 00 00 00 00 00 03 0D 0A",
     "C8 A9 19 B9 A9 D8 FB D9 A8 C8 68 1D A9 78 E9 29 F8 39 A9 FF FF FF FF FF FF FF FF FF FF FF",
     "FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF 00 00 00 00 00 00 00 13 0D 0A",
     "29 E9 69 39 2D F8 88 FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF",
     "FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF 00 00 00 00 00 00 00 07 0D 0A",
     "4D BC 6C EC 8C FC EC DC CC BC AC 9C 8C FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF",
     "FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF 00 00 00 00 00 00 00 0D 0D 0A",
     "C8 A9 19 B9 A9 D8 FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF",
     "FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF 00 00 00 00 00 00 00 06 0D 0A",
     "09 88 19 A9 D8 FB D9 A8 C8 68 1D A9 78 E9 29 F8 39 A9 FF FF FF FF FF FF FF FF FF FF FF FF",
     "FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF 00 00 00 00 00 00 00 12 0D 0A"});

// Busy in Auto with country 33, operator 4, Cesky: the whole file of each family, written out
// from the layout; the families differ in header bytes 6..8 and so in the check. Manual
// (operator 0, SMTP status Off, 3 hours) writes 0x80 for the country and 0 at 55.
TEST(SmtpFile, BusyImagesOfBothFamilies) {
    struct Case {
        Family family;
        Bytes header;
        Bytes trailer;
        Bytes manualHeader;  // plain
    };
    const Case cases[] = {
        {Family::Second,
         FromHex({"FF BF ED AF 8F 6F DF EE EF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF "
                  "FF FF FF FF",
                  "FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF 00 00 00 00 00 01 "
                  "00 00 0D 0A"}),
         FromHex({"00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 "
                  "00 00 00 00",
                  "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 "
                  "6A 2E 0D 0A"}),
         FromHex({"00 00 80 05 07 09 00 03 01 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 "
                  "00 00 00 00",
                  "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 "
                  "00 00 0D 0A"})},
        {Family::First,
         FromHex({"FF BF ED AF 8F 6F EF EF EE FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF "
                  "FF FF FF FF",
                  "FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF 00 00 00 00 00 01 "
                  "00 00 0D 0A"}),
         FromHex({"00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 "
                  "00 00 00 00",
                  "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 "
                  "DD E2 0D 0A"}),
         FromHex({"00 00 80 05 07 09 01 01 03 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 "
                  "00 00 00 00",
                  "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 "
                  "00 00 0D 0A"})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.family == Family::First ? "first" : "second");
        SmtpSettings automatic = Busy(kSmtpAuto);
        automatic.countryIndex = 33;
        automatic.operatorIndex = 4;
        Bytes expected = c.header;
        expected.insert(expected.end(), kBusyTexts.begin(), kBusyTexts.end());
        expected.insert(expected.end(), c.trailer.begin(), c.trailer.end());
        EXPECT_EQ(BuildSmtpFile(automatic, c.family, kCesky), expected);

        SmtpSettings manual = automatic;
        manual.mode = kSmtpManual;
        manual.operatorIndex = 0;
        manual.smtpStatus = 0;
        manual.smsRemoteHours = 3;
        const Record60 header = BuildSmtpRecords(manual, c.family, kCesky)[0];
        EXPECT_EQ(Bytes(header.begin(), header.end()), c.manualHeader);
    }
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
    EXPECT_EQ(WithGprsPreset(Busy(kSmtpManual)).apn, "gprs.busy");
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
        EXPECT_EQ(meanings["smsRemoteHours"], "17");
        EXPECT_EQ(meanings["senderPassword"], "(7 bytes, hidden) (no bytes)");
        EXPECT_EQ(meanings["gprsPassword"], "(7 bytes, hidden) (no bytes)");
        EXPECT_EQ(meanings["senderUserName"], "\"sender\"");
        EXPECT_EQ(meanings.count("smtpStatus"), family == Family::Second ? 1U : 0U);
    }

    Bytes bytes = BuildSmtpFile(WithGprsPreset(Busy(kSmtpAuto)), Family::Second, kEnglish);
    // Without a model both families' readings: the first reads the second's SMTP status and
    // interval as its constant 1s.
    EXPECT_EQ(DecodeSmtpFile(bytes, std::nullopt, true).notes,
              (std::vector<std::string>{
                  "byte 6 (constant, first family): 02 is not a value the forms write",
                  "byte 7 (constant, first family): 11 is not a value the forms write"}));
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
