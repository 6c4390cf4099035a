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

TEST(MmsFileTest, GenerateWritesThePresetInAutoAndChecksFirst) {
    MmsSettings s = OpeningMmsSettings(1);
    s.phone1 = "07700900123";
    s.countryIndex = 3;   // United Kingdom
    s.operatorIndex = 4;  // "3"
    const MmsFileOutcome outcome = GenerateMmsFile(s, ModelFor(1), kEnglish, 0);
    ASSERT_FALSE(outcome.problem);
    MmsSettings expected = s;
    ASSERT_TRUE(LoadMmsPreset(expected, 3, 4));
    EXPECT_EQ(expected.port, "8799");
    EXPECT_EQ(outcome.bytes, BuildMmsFile(expected, ModelFor(1), kEnglish, 0));
    EXPECT_TRUE(s.url.empty());

    s.phone1.clear();
    EXPECT_EQ(GenerateMmsFile(s, ModelFor(1), kEnglish, 0).problem->message.english,
              "Phone & Email Error(0)");
    s.mmsSend = 3;  // SMS: no recipient is needed, but SMS Remote Control needs Phone No
    s.smsRemoteHours = 2;
    const MmsFileOutcome remote = GenerateMmsFile(s, ModelFor(1), kEnglish, 0);
    EXPECT_TRUE(remote.bytes.empty());
    EXPECT_EQ(remote.problem->key, "phone1");
}

TEST(MmsFileTest, PresetCopiesTheWholeRowOrNothing) {
    MmsSettings s = ManualSettings();
    s.account = "left over";
    ASSERT_TRUE(LoadMmsPreset(s, 0, 1));
    const MmsPreset& p = *FindMmsPreset(0, 1);
    EXPECT_EQ(std::vector<std::string>({s.url, s.apn, s.gateway, s.port, s.account, s.mmsPassword}),
              std::vector<std::string>({std::string(p.url), std::string(p.apn),
                                        std::string(p.gateway), std::string(p.port),
                                        std::string(p.account), std::string(p.password)}));
    EXPECT_EQ(s.operatorIndex, 1);
    EXPECT_FALSE(LoadMmsPreset(s, 13, 1));  // Romania lists one operator
    EXPECT_EQ(s.countryIndex, 0);
}

FileReport Decoded(const MmsSettings& s, int model, std::optional<int> givenModel,
                   bool showSecrets = false) {
    return DecodeMmsFile(BuildMmsFile(s, ModelFor(model), kDeutsch, 3), givenModel, showSecrets);
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

TEST(MmsFileTest, DecoderReadsBackWhatTheBuilderWrites) {
    MmsSettings s = ManualSettings();
    s.mmsSend = 2;
    s.phoneFormat = kInternational;
    s.mmsPassword = "secret";
    s.email = "\xC4\xE3@example.com";  // GBK bytes stay bytes
    const FileReport report = Decoded(s, 5, 5);
    EXPECT_FALSE(report.damaged()) << report.problems.front();
    EXPECT_TRUE(report.notes.empty()) << report.notes.front();
    const std::pair<std::string_view, std::string> meanings[] = {
        {"mode", "Manual"},
        {"mmsSend", "SMS"},
        {"sendCode", "SMS"},
        {"country", "none (typed access data)"},
        {"smsRemoteHours", "Off"},
        {"language", "Deutsch"},
        {"tvMode", "3"},
        {"url", "\"http://mms.example.com/servlets/mms\""},
        {"email", "\"\\xC4\\xE3@example.com\""},
        {"mmsPassword", "(6 bytes, hidden)"},
    };
    for (const auto& [name, meaning] : meanings) {
        EXPECT_EQ(MeaningOf(report, name), meaning) << name;
    }
    EXPECT_EQ(MeaningOf(Decoded(s, 5, 5, true), "mmsPassword"), "\"secret\"");

    // Without a model both families read byte 0; byte 1 is read for every model.
    const FileReport unknown = Decoded(s, 5, std::nullopt);
    EXPECT_EQ(unknown.sections.size(), 4U);
    EXPECT_EQ(MeaningOf(unknown, "mmsSend"),
              "QVGA (Tov 2740M, Tov 2740MG); SMS (Tov 9030M, Tov 9030MG, Tov 2760MG)");
    // The 2740MG writes "SMS" at position 3: this file's byte 0 is not what it writes.
    EXPECT_FALSE(Decoded(s, 5, 3).notes.empty());
}

TEST(MmsFileTest, DecoderFindsDamage) {
    MmsSettings s = OpeningMmsSettings(2);
    s.countryIndex = 3;
    s.operatorIndex = 8;
    Bytes bytes = BuildMmsFile(s, ModelFor(2), kEnglish, 0);
    EXPECT_EQ(MeaningOf(DecodeMmsFile(bytes, 2, false), "operator"), "ASDA Mobile");

    Bytes changed = bytes;
    changed[61] ^= 0x01;
    EXPECT_FALSE(DecodeMmsFile(changed, 2, false).checksumOk);
    changed = bytes;
    changed[119] = 0x00;  // record 1's line end
    EXPECT_FALSE(DecodeMmsFile(changed, 2, false).lineEndOk);
    changed.assign(bytes.begin(), bytes.end() - 1);
    const FileReport shortFile = DecodeMmsFile(changed, 2, false);
    EXPECT_EQ(shortFile.problems, std::vector<std::string>{"size is 719 bytes, expected 720"});
}

}  // namespace
}  // namespace tov
