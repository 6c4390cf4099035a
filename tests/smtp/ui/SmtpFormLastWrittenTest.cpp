#include "camera/ui/CameraFormTestUtil.h"
#include "smtp/ui/CSmtpSetup2740Dlg.h"
#include "smtp/ui/CSmtpSetup9030Dlg.h"

#include <QtTest>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>

namespace tov::test {

namespace {

constexpr char kPassword[] = "pw-Secret-77";

std::unique_ptr<CSmtpSetupDlg> OpenForm(const AppState& state, FakePlatform& platform,
                                        const TempDir& dir) {
    std::unique_ptr<CSmtpSetupDlg> form;
    if (FamilyOf(state.modelIndex) == Family::Second) {
        form = std::make_unique<CSmtpSetup9030Dlg>(state, platform);
    } else {
        form = std::make_unique<CSmtpSetup2740Dlg>(state, platform);
    }
    form->show();
    platform.folderAnswers.push_back(dir.str());
    Click(*form, "selectButton");
    return form;
}

/// Whether any file under `folder` holds `text`.
bool AnyFileHolds(const std::filesystem::path& folder, const std::string& text) {
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
        std::ifstream in(entry.path(), std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(in)),
                                std::istreambuf_iterator<char>());
        if (bytes.find(text) != std::string::npos) {
            return true;
        }
    }
    return false;
}

}  // namespace

class SmtpFormLastWrittenTest : public QObject {
    Q_OBJECT

private slots:
    void passwordsComeBackFromTheKeychainOnly();
};

void SmtpFormLastWrittenTest::passwordsComeBackFromTheKeychainOnly() {
    const struct {
        int model;
        bool keychain;
        const char* key;    // where the password is kept
        const char* label;  // the offer
    } cases[] = {
        {4, true, "4/smtp/senderPassword", "Use the settings you last wrote for this model"},
        {5, true, "5/smtp/senderPassword", "Use the settings you last wrote for this model"},
        {4, false, nullptr,
         "Use the settings you last wrote for this model (passwords are not kept)"},
    };
    for (const auto& c : cases) {
        const std::string model = std::to_string(c.model);
        TempDir kept;
        TempDir cardDir;
        const AppState state = StateFor(c.model, kEnglish);
        std::optional<std::map<std::string, std::string, std::less<>>> keychain;
        std::vector<std::uint8_t> written;
        {
            FakePlatform platform;
            platform.lastSettingsFolder = kept.path();
            if (c.keychain) {
                // One the file does not hold (Auto mode locks it) from an earlier write.
                platform.secrets.emplace();
                (*platform.secrets)[model + "/smtp/gprsPassword"] = "stale";
            }
            auto form = OpenForm(state, platform, cardDir);
            TypeInto(Edit(*form, "smtpServerEdit"), "smtp.example.com");
            TypeInto(Edit(*form, "portEdit"), "465");
            TypeInto(Edit(*form, "senderEmailEdit"), "cam01@example.com");
            TypeInto(Edit(*form, "senderPasswordEdit"), kPassword);
            TypeInto(Edit(*form, "recipientEmailEdit"), "me@example.org");
            Click(*form, "generateButton");
            written = ReadBytes(cardDir.path() / "smtp.dat");
            QVERIFY(!written.empty());
            keychain = platform.secrets;
        }
        // The settings are kept, the password in no file but in the keychain alone.
        QVERIFY(!std::filesystem::is_empty(kept.path()));
        QVERIFY(!AnyFileHolds(kept.path(), kPassword));
        if (c.keychain) {
            using Stored = std::map<std::string, std::string, std::less<>>;
            QCOMPARE(*keychain, (Stored{{c.key, kPassword}}));
        }

        FakePlatform platform;
        platform.lastSettingsFolder = kept.path();
        platform.secrets = keychain;
        TempDir again;
        auto form = OpenForm(state, platform, again);
        QCOMPARE(LabelText(*form, "lastSettingsLabel"), QString(c.label));
        QVERIFY(Edit(*form, "senderPasswordEdit")->text().isEmpty());
        Click(*form, "useLastSettingsButton");
        QCOMPARE(Edit(*form, "smtpServerEdit")->text(), QString("smtp.example.com"));
        QCOMPARE(Edit(*form, "senderPasswordEdit")->text(),
                 c.keychain ? QString(kPassword) : QString());
        platform.Clear();
        Click(*form, "generateButton");
        if (c.keychain) {
            // Taken up as it was typed: Generate writes the same file again.
            QCOMPARE(ReadBytes(again.path() / "smtp.dat"), written);
        } else {
            // The password is the user's to type again: nothing stands in for it.
            QVERIFY(!std::filesystem::exists(again.path() / "smtp.dat"));
            QCOMPARE(platform.MessageCount(), std::size_t{1});
        }
        for (const std::string& message : platform.messages) {
            QVERIFY2(message.find(kPassword) == std::string::npos, message.c_str());
        }
    }
}

}  // namespace tov::test

QTEST_MAIN(tov::test::SmtpFormLastWrittenTest)
#include "SmtpFormLastWrittenTest.moc"
