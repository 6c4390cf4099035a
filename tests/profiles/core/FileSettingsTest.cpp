#include "profiles/core/FileSettings.h"

#include "camera/core/CameraSettings.h"
#include "camera/core/MenuFile.h"
#include "common/Models.h"
#include "mms/core/MmsFile.h"
#include "mms/core/MmsRules.h"
#include "smtp/core/SmtpFile.h"
#include "smtp/core/SmtpSettings.h"

#include <gtest/gtest.h>

namespace tov::profiles {
namespace {

using Bytes = std::vector<std::uint8_t>;

// The busy settings are ASCII: the code page is the identity here.
class AsciiCodec : public FileTextCodec {
public:
    Encoded Encode(std::string_view utf8) const override { return {std::string(utf8), {}}; }
    std::string Decode(std::string_view bytes) const override { return std::string(bytes); }
    std::string_view Name() const override { return "ascii"; }
};
const AsciiCodec kCodec;

CameraMenuSettings BusyMenu(int model) {
    CameraMenuSettings s = OpeningCameraSettings(model);
    s.cameraMode = 2;
    s.imageSize = 1;
    s.videoSize = 1;
    s.pictureCount = 2;
    s.senseLevel = 2;
    s.timeStamp = 1;
    s.videoLength = 40;
    s.intervalValue = 45;
    s.intervalUnit = 1;
    s.timer1 = 1;
    s.timer1StartHour = 5;
    s.timer1StartMinute = 31;
    s.timer1StopHour = 6;
    s.timer1StopMinute = 32;
    s.serialOn = 1;
    s.serialChars = {9, 13, 20, 35};
    s.timeLapse = 1;
    s.timeLapseHour = 4;
    s.timeLapseMinute = 26;
    s.timeLapseSecond = 27;
    return s;
}

MmsSettings BusyMms(int model, int mode) {
    MmsSettings s = OpeningMmsSettings(model);
    s.mode = mode;
    s.mmsSend = 1;
    s.bearer = mode == kMmsManual ? 1 : 0;
    s.pictureLimit = 57;
    s.phoneFormat = kInternational;
    s.smsRemoteHours = 17;
    s.phone1 = "+8613912345678";
    s.email = "cam@busy.example";
    s.phone2 = "+4915112345";
    s.phone3 = "p3@busy.example";
    if (mode == kMmsManual) {
        s.url = "http://mms.busy.example/m";
        s.apn = "apn.busy";
        s.gateway = "10.11.12.13";
        s.port = "8799";
        s.account = "busy-acct";
        s.mmsPassword = "pw-7";
    } else {
        EXPECT_TRUE(LoadMmsPreset(s, 33, 1));
    }
    return s;
}

SmtpSettings BusySmtp(int model, int mode) {
    SmtpSettings s = OpeningSmtpSettings(FamilyOf(model));
    s.mode = mode;
    s.maxImages = 57;
    s.smtpStatus = FamilyOf(model) == Family::Second ? 2 : 0;
    s.smsRemoteHours = 17;
    if (mode == kSmtpManual) {
        s.apn = "gprs.busy";
        s.account = "gprs-acct";
        s.gprsPassword = "gprs-pw";
    }
    s.smtpServer = "smtp.busy.example";
    s.port = "465";
    s.senderEmail = "sender@busy.example";
    s.senderPassword = "mail-pw";
    s.recipientEmail = "owner@busy.example";
    s.phoneNumber = "+491701234567";
    return WithGprsPreset(s);
}

Bytes Menu(const CameraMenuSettings& s, int model) {
    ClockSnapshot clock{2024, 11, 30, 18, 28, 29};
    const MenuRecord record = BuildMenuRecord(s, FamilyOf(model), clock, kEnglish, 0);
    return {record.begin(), record.end()};
}

// Read out of a file, the settings build the same file again through the command line's
// checks: every file, both families, both modes.
TEST(FileSettings, BusyFilesGiveTheirSettingsBack) {
    for (const int model : {4, 5}) {
        SCOPED_TRACE(model);
        const Bytes menu = Menu(BusyMenu(model), model);
        const FileSettings fromMenu =
            SettingsOfFile("menu", menu, {.modelIndex = model, .withSecrets = true}, kCodec);
        ASSERT_EQ(fromMenu.refusal, "");
        EXPECT_EQ(fromMenu.texts.at("cameraMode"), "Camera+Video");
        EXPECT_EQ(fromMenu.texts.at("videoLength"), "40");
        const CameraSettingsResult camera = ApplyCameraSettings(model, fromMenu.texts, kEnglish);
        ASSERT_FALSE(camera.error) << *camera.error;
        EXPECT_EQ(Menu(camera.settings, model), menu);

        for (const int mode : {kMmsAuto, kMmsManual}) {
            SCOPED_TRACE(mode);
            const Bytes mms = BuildMmsFile(BusyMms(model, mode), ModelFor(model), kEnglish, 0);
            const FileSettings fromMms =
                SettingsOfFile("mms", mms, {.modelIndex = model, .withSecrets = true}, kCodec);
            ASSERT_EQ(fromMms.refusal, "");
            // Auto mode's access data are the preset's: the form does not take them.
            EXPECT_EQ(fromMms.texts.contains("apn"), mode == kMmsManual);
            EXPECT_EQ(fromMms.texts.contains("country"), mode == kMmsAuto);
            const MmsSettingsResult again = ApplyMmsSettings(model, fromMms.texts, kEnglish);
            ASSERT_FALSE(again.error) << *again.error;
            const MmsFileOutcome rebuilt =
                GenerateMmsFile(again.settings, ModelFor(model), kEnglish, 0);
            EXPECT_EQ(rebuilt.bytes, mms);

            const Bytes smtp = BuildSmtpFile(BusySmtp(model, mode), FamilyOf(model), kEnglish);
            const FileSettings fromSmtp =
                SettingsOfFile("smtp", smtp, {.modelIndex = model, .withSecrets = true}, kCodec);
            ASSERT_EQ(fromSmtp.refusal, "");
            const SmtpSettingsResult mail = ApplySmtpSettings(model, fromSmtp.texts, kEnglish);
            ASSERT_FALSE(mail.error) << *mail.error;
            EXPECT_EQ(BuildSmtpFile(mail.settings, FamilyOf(model), kEnglish), smtp);
        }
    }
}

TEST(FileSettings, PasswordsOnlyWhenAsked) {
    const Bytes smtp = BuildSmtpFile(BusySmtp(4, kSmtpManual), Family::Second, kEnglish);
    const FileSettings without = SettingsOfFile("smtp", smtp, {.modelIndex = 4}, kCodec);
    ASSERT_EQ(without.refusal, "");
    EXPECT_FALSE(without.texts.contains("senderPassword"));
    EXPECT_FALSE(without.texts.contains("gprsPassword"));
    EXPECT_EQ(without.texts.at("smtpServer"), "smtp.busy.example");
    const FileSettings with =
        SettingsOfFile("smtp", smtp, {.modelIndex = 4, .withSecrets = true}, kCodec);
    EXPECT_EQ(with.texts.at("senderPassword"), "mail-pw");
    EXPECT_EQ(with.texts.at("gprsPassword"), "gprs-pw");
}

TEST(FileSettings, FilesNoFormWritesAreRefusedWithTheReason) {
    Bytes menu = Menu(BusyMenu(4), 4);
    struct Case {
        std::string name;
        std::string member;
        Bytes bytes;
        int model;
        std::string reason;
    };
    Bytes unexpected = menu;
    unexpected[0] = 0x07;  // a camera mode no list has; the checksum made right below
    const std::uint16_t check = MenuChecksum([&] {
        MenuRecord r{};
        std::copy(unexpected.begin(), unexpected.end(), r.begin());
        return r;
    }());
    unexpected[kMenuChecksumOffset] = static_cast<std::uint8_t>(check & 0xFF);
    unexpected[kMenuChecksumOffset + 1] = static_cast<std::uint8_t>(check >> 8);
    Bytes damaged = menu;
    damaged[4] ^= 1;
    const MenuRecord factory = FactoryMenuRecord();
    const Case cases[] = {
        {"unexpected value", "menu", unexpected, 4, "holds values no form of the Tov 9030MG"},
        {"damaged", "menu", damaged, 4, "damaged"},
        {"factory", "menu", Bytes(factory.begin(), factory.end()), 4, "factory-settings"},
        {"smtp for a model without e-mail", "smtp",
         BuildSmtpFile(BusySmtp(2, kSmtpAuto), Family::Second, kEnglish), 2, "no e-mail"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const FileSettings read =
            SettingsOfFile(c.member, c.bytes, {.modelIndex = c.model}, kCodec);
        EXPECT_NE(read.refusal.find(c.reason), std::string::npos) << read.refusal;
        EXPECT_TRUE(read.texts.empty());
    }
}

TEST(FileSettings, ModelsThatWriteAllFiles) {
    const Bytes menu = Menu(BusyMenu(4), 4);
    const Bytes smtp = BuildSmtpFile(BusySmtp(4, kSmtpAuto), Family::Second, kEnglish);
    // The menu alone tells no model; the second family's e-mail file only the 9030MG.
    EXPECT_EQ(ModelsWriting({{"menu", menu}}), (std::vector<int>{1, 2, 3, 4, 5}));
    EXPECT_EQ(ModelsWriting({{"menu", menu}, {"smtp", smtp}}), (std::vector<int>{4}));
}

}  // namespace
}  // namespace tov::profiles
