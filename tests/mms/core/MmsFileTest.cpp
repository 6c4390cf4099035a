#include "mms/core/MmsFile.h"
#include "common/Checksum.h"
#include "mms/core/MmsCatalogue.h"
#include "mms/core/MmsRules.h"
#include "support/FromHex.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tov {
namespace {

using Bytes = std::vector<std::uint8_t>;

void Append(Bytes& bytes, std::initializer_list<std::uint8_t> more) {
    bytes.insert(bytes.end(), more);
}
void Append(Bytes& bytes, std::uint8_t byte, std::size_t count) {
    bytes.insert(bytes.end(), count, byte);
}

MmsSettings ManualSettings() {
    MmsSettings s = OpeningMmsSettings(4);
    s.mode = kMmsManual;
    s.url = "http://mms.example.com/servlets/mms";
    s.apn = "mms.example";
    s.gateway = "10.0.0.172";
    s.port = "8080";
    s.phone1 = "13800138000";
    return s;
}

TEST(MmsFileTest, OpeningSecondFamilyFileIsTheDocumentedImage) {
    Bytes expected;
    // Header: VGA, "VGA" + 1, English, SMS Remote Control off, then 1 in byte 55 (Auto).
    Append(expected, {0xEF, 0xDF, 0xFF, 0xFF, 0xFF, 0xDF, 0xFF, 0xFF, 0xFF, 0xFF, 0x6E});
    Append(expected, 0xFF, 39);
    Append(expected, {0x00, 0x00, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x0D, 0x0A});
    for (int text = 0; text < 10; ++text) {  // empty text records
        Append(expected, 0xFF, 50);
        Append(expected, 0x00, 8);
        Append(expected, {0x0D, 0x0A});
    }
    const std::uint16_t crc = Crc16Xmodem(expected);
    Append(expected, 0x00, 56);
    Append(expected, {static_cast<std::uint8_t>(crc & 0xFF), static_cast<std::uint8_t>(crc >> 8),
                      0x0D, 0x0A});

    EXPECT_EQ(BuildMmsFile(OpeningMmsSettings(4), ModelFor(4), kEnglish, 0), expected);
}

// Busy settings: every field away from its opening value, each header byte its own value. The
// two-entry fields cannot all differ in one header, so Auto (A) and Manual (B) give the mode,
// the bearer and the phone format three different pairs of values: 1 0, 0 1 and 1 1.
MmsSettings Busy(int mode, int mmsSend) {
    MmsSettings s = OpeningMmsSettings(4);
    s.mode = mode;
    s.mmsSend = mmsSend;
    s.bearer = mode == kMmsManual ? 1 : 0;
    s.pictureLimit = 57;
    s.phoneFormat = kInternational;
    s.countryIndex = 33;
    s.operatorIndex = mode == kMmsManual ? 0 : 8;
    s.smsRemoteHours = 17;
    s.url = "http://mms.busy.example/m";
    s.apn = "apn.busy";
    s.gateway = "10.11.12.13";
    s.port = "8799";
    s.phone1 = "+8613912345678";
    s.email = "cam@busy.example";
    s.account = "busy-acct";
    s.mmsPassword = "pw-7";
    s.phone2 = "+4915112345";
    s.phone3 = "p3@busy.example";
    return s;
}

// Records 1..10 of the busy settings as stored, in the order url, apn, gateway, port, phone1,
// email, account, password, phone2, phone3: complement with nibbles swapped in 0..49, the length
// at 57.
const Bytes kBusyTexts = FromHex(
    {"79 B8 B8 F8 5C 0D 0D 29 29 C8 1D D9 A8 C8 68 1D A9 78 E9 29 F8 39 A9 0D 29 FF FF FF FF FF",
     "FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF 00 00 00 00 00 00 00 19 0D 0A",
     "E9 F8 19 1D D9 A8 C8 68 FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF",
     "FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF 00 00 00 00 00 00 00 08 0D 0A",
     "EC FC 1D EC EC 1D EC DC 1D EC CC FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF",
     "FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF 00 00 00 00 00 00 00 0B 0D 0A",
     "7C 8C 6C 6C FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF",
     "FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF 00 00 00 00 00 00 00 04 0D 0A",
     "4D 7C 9C EC CC 6C EC DC CC BC AC 9C 8C 7C FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF",
     "FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF 00 00 00 00 00 00 00 0E 0D 0A",
     "C9 E9 29 FB D9 A8 C8 68 1D A9 78 E9 29 F8 39 A9 FF FF FF FF FF FF FF FF FF FF FF FF FF FF",
     "FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF 00 00 00 00 00 00 00 10 0D 0A",
     "D9 A8 C8 68 2D E9 C9 C9 B8 FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF",
     "FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF 00 00 00 00 00 00 00 09 0D 0A",
     "F8 88 2D 8C FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF",
     "FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF 00 00 00 00 00 00 00 04 0D 0A",
     "4D BC 6C EC AC EC EC DC CC BC AC FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF",
     "FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF 00 00 00 00 00 00 00 0B 0D 0A",
     "F8 CC FB D9 A8 C8 68 1D A9 78 E9 29 F8 39 A9 FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF",
     "FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF 00 00 00 00 00 00 00 0F 0D 0A"});

// Auto, Cesky, TV mode 0x11C: the whole file of each family, written out from the layout.
TEST(MmsFileTest, BusyImagesOfBothFamilies) {
    struct Case {
        int model;
        int mmsSend;  // "SMS": position 2 of the 9030MG's list, 3 of the 2740MG's
        Bytes header;
        Bytes trailer;  // CRC of the stored records plus 18 for International
    };
    const Case cases[] = {
        {4, 2,
         FromHex({"DF CF FF AF 8F 6F 3E EF ED 7F EE FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF "
                  "FF FF FF FF",
                  "FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF 00 00 00 00 00 01 "
                  "00 00 0D 0A"}),
         FromHex({"00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 "
                  "00 00 00 00",
                  "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 "
                  "09 A6 0D 0A"})},
        {3, 3,
         FromHex({"CF BF FF AF 8F 6F 3E EF ED 7F EE FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF "
                  "FF FF FF FF",
                  "FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF 00 00 00 00 00 01 "
                  "00 00 0D 0A"}),
         FromHex({"00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 "
                  "00 00 00 00",
                  "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 "
                  "75 A7 0D 0A"})},
    };
    // Manual, "VGA", CSD, operator 0: the plain header, 0x80 in place of the country, 0 at 55.
    const Bytes manualHeader = FromHex({"01 02 01 05 07 09 1C 01 80 00 11 00 00 00 00 00 00 00 00 "
                                        "00 00 00 00 00 00 00 00 00 00 00",
                                        "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 "
                                        "00 00 00 00 00 00 00 00 00 0D 0A"});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.model);
        Bytes expected = c.header;
        expected.insert(expected.end(), kBusyTexts.begin(), kBusyTexts.end());
        expected.insert(expected.end(), c.trailer.begin(), c.trailer.end());
        EXPECT_EQ(BuildMmsFile(Busy(kMmsAuto, c.mmsSend), ModelFor(c.model), kCesky, 0x11C),
                  expected);
        const Record60 header =
            BuildMmsRecords(Busy(kMmsManual, 1), ModelFor(c.model), kCesky, 0x11C)[0];
        EXPECT_EQ(Bytes(header.begin(), header.end()), manualHeader);
    }
}

TEST(MmsFileTest, SendCodeFollowsTheFamilyAndModel) {
    struct Case {
        int model;
        int mmsSend;
        std::uint8_t code;  // byte 0
    };
    const Case cases[] = {
        {5, 2, 3},  // 2760MG "SMS": its list has no QVGA
        {3, 3, 3},  // 2740MG "SMS"
        {3, 2, 2},  // 2740MG "QVGA"
        {4, 2, 2},  // 9030MG "SMS": the list position
        {1, 0, 0},
    };
    for (const Case& c : cases) {
        MmsSettings s = OpeningMmsSettings(c.model);
        s.mmsSend = c.mmsSend;
        const Record60 header = BuildMmsRecords(s, ModelFor(c.model), kEnglish, 0)[0];
        EXPECT_EQ(header[0], c.code) << "model " << c.model << ", position " << c.mmsSend;
        EXPECT_EQ(header[1], c.mmsSend + 1) << "model " << c.model;
    }
}

TEST(MmsFileTest, FiftyByteUrlFillsTheScrambledPart) {
    MmsSettings s = ManualSettings();
    s.url = std::string(50, 'u');
    const Bytes bytes = BuildMmsFile(s, ModelFor(1), kEnglish, 0);
    const Bytes record(bytes.begin() + 60, bytes.begin() + 120);
    Bytes expected(50, 0xA8);  // 'u' 0x75: complement 0x8A, nibbles swapped
    Append(expected, {0, 0, 0, 0, 0, 0, 0, 0x32, 0x0D, 0x0A});
    EXPECT_EQ(record, expected);
}

TEST(MmsFileTest, InternationalAddsEighteenToTheCheckWithWrapAround) {
    // Look for Phone No digits whose stored image has a CRC that wraps when 18 is added.
    MmsSettings s = ManualSettings();
    s.phoneFormat = kInternational;
    for (int n = 0; n < 1'000'000; ++n) {
        s.phone1 = "+86" + std::to_string(13800000000LL + n);
        const Bytes bytes = BuildMmsFile(s, ModelFor(4), kEnglish, 0);
        const std::uint16_t crc = Crc16Xmodem(std::span(bytes).first(660));
        if (crc < 0x10000 - 18) {
            continue;
        }
        EXPECT_EQ(static_cast<int>(ReadRecordFile(bytes).storedCheck), crc + 18 - 0x10000);

        s.phoneFormat = kDomestic;
        const Bytes domestic = BuildMmsFile(s, ModelFor(4), kEnglish, 0);
        EXPECT_EQ(ReadRecordFile(domestic).storedCheck, ReadRecordFile(domestic).crc);
        return;
    }
    FAIL() << "no number gave a CRC that wraps";
}

TEST(MmsFileTest, PresetReplacesTheAccessTextsWhole) {
    MmsSettings s = ManualSettings();
    ASSERT_TRUE(LoadMmsPreset(s, 2, 1));  // Deutschland, T-Mobile
    const MmsPreset& p = *FindMmsPreset(2, 1);
    EXPECT_EQ(
        (std::vector<std::string_view>{s.url, s.apn, s.gateway, s.port, s.account, s.mmsPassword}),
        (std::vector<std::string_view>{p.url, p.apn, p.gateway, p.port, p.account, p.password}));
    EXPECT_EQ(std::make_pair(s.countryIndex, s.operatorIndex), std::make_pair(2, 1));
    EXPECT_FALSE(LoadMmsPreset(s, 13, 1));  // Romania lists one operator
    EXPECT_EQ(s.countryIndex, 2);
}

std::string MeaningOf(const FileReport& report, std::string_view name) {
    for (const FieldSection& section : report.sections) {
        for (const DecodedField& field : section.fields) {
            if (field.name == name) {
                return field.meaning;
            }
        }
    }
    return "(missing)";
}

// inspect's round trip of every key is in the command line's tests; here what only the decoder
// sees: bytes outside ASCII, secrets, the readings of byte 0, damage.
TEST(MmsFileTest, DecoderReadsBytesSecretsFamiliesAndDamage) {
    MmsSettings s = ManualSettings();
    s.mmsSend = 2;  // "SMS" of the 2760MG, "QVGA" of the 2740 models
    s.mmsPassword = "secret";
    s.email = "\xC4\xE3@example.com";  // GBK bytes stay bytes
    const std::vector<std::uint8_t> bytes = BuildMmsFile(s, ModelFor(5), kDeutsch, 3);
    const FileReport report = DecodeMmsFile(bytes, 5, false);
    EXPECT_FALSE(report.damaged());
    EXPECT_TRUE(report.notes.empty());
    EXPECT_EQ(MeaningOf(report, "sendCode"), "SMS");
    EXPECT_EQ(MeaningOf(report, "email"), "\"\\xC4\\xE3@example.com\"");
    EXPECT_EQ(MeaningOf(report, "mmsPassword"), "(6 bytes, hidden)");
    EXPECT_EQ(MeaningOf(DecodeMmsFile(bytes, 5, true), "mmsPassword"), "\"secret\"");

    const FileReport unknown = DecodeMmsFile(bytes, std::nullopt, false);
    EXPECT_EQ(unknown.sections.size(), 4U);  // the header, byte 0 per family, the texts
    EXPECT_EQ(MeaningOf(unknown, "mmsSend"),
              "QVGA (Tov 2740M, Tov 2740MG); SMS (Tov 9030M, Tov 9030MG, Tov 2760MG)");
    // The 2740MG writes 2 in byte 0 for its position 2: this file's 3 is not what it writes.
    EXPECT_EQ(DecodeMmsFile(bytes, 3, false).notes.size(), 1U);

    std::vector<std::uint8_t> changed = bytes;
    changed[61] ^= 0x01;
    EXPECT_FALSE(DecodeMmsFile(changed, 5, false).checksumOk);
    changed = bytes;
    changed[119] = 0x00;  // record 1's line end
    EXPECT_FALSE(DecodeMmsFile(changed, 5, false).lineEndOk);
    changed.pop_back();
    EXPECT_EQ(DecodeMmsFile(changed, 5, false).problems,
              std::vector<std::string>{"size is 719 bytes, expected 720"});
}

}  // namespace
}  // namespace tov
