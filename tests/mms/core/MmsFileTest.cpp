#include "mms/core/MmsFile.h"
#include "common/Checksum.h"
#include "mms/core/MmsCatalogue.h"
#include "mms/core/MmsRules.h"

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

TEST(MmsFileTest, ManualHeaderCarriesEveryChoice) {
    MmsSettings s = ManualSettings();
    s.bearer = 1;
    s.pictureLimit = 57;
    s.phoneFormat = kInternational;
    s.smsRemoteHours = 4;
    Record60 expected = BlankRecord();
    for (const auto& [offset, value] : std::vector<std::pair<std::size_t, std::uint8_t>>{{0, 1},
                                                                                         {1, 2},
                                                                                         {2, 1},
                                                                                         {3, 5},
                                                                                         {4, 7},
                                                                                         {5, 10},
                                                                                         {6, 0xFF},
                                                                                         {7, 1},
                                                                                         {8, 0x80},
                                                                                         {9, 0},
                                                                                         {10, 4},
                                                                                         {55, 0}}) {
        expected[offset] = value;
    }
    EXPECT_EQ(BuildMmsRecords(s, ModelFor(2), kJapanese, 0x1FF)[0], expected);
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
        if (crc < 0x10000 - kInternationalCheckAddend) {
            continue;
        }
        EXPECT_EQ(static_cast<int>(ReadRecordFile(bytes).storedCheck),
                  crc + kInternationalCheckAddend - 0x10000);

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
