#include "camera/ui/CameraFormTestUtil.h"
#include "mms/core/MmsSettings.h"
#include "mms/ui/CMmsSetup2740Dlg.h"

#include <QtTest>

#include <filesystem>

namespace tov::test {

// The MMS password is typed in Manual mode only: it goes to the keychain and comes back with
// the mode that opens its field.
class MmsFormLastWrittenTest : public QObject {
    Q_OBJECT

private slots:
    void theManualPasswordComesBackFromTheKeychain();
};

void MmsFormLastWrittenTest::theManualPasswordComesBackFromTheKeychain() {
    for (const bool keychain : {true, false}) {
        TempDir kept;
        TempDir first;
        const AppState state = StateFor(5, kEnglish);
        std::optional<std::map<std::string, std::string, std::less<>>> stored;
        if (keychain) {
            stored.emplace();
        }
        std::vector<std::uint8_t> written;
        {
            FakePlatform platform;
            platform.lastSettingsFolder = kept.path();
            platform.secrets = stored;
            CMmsSetup2740Dlg form(state, platform);
            form.show();
            platform.folderAnswers.push_back(first.str());
            Click(form, "selectButton");
            Combo(form, "modeCombo")->setCurrentIndex(kMmsManual);
            for (const auto& [name, text] : {std::pair{"phone1Edit", "13800138000"},
                                             {"urlEdit", "http://mmsc"},
                                             {"apnEdit", "cmwap"},
                                             {"gatewayEdit", "10.0.0.172"},
                                             {"portEdit", "80"},
                                             {"mmsPasswordEdit", "pw-Mms-9"}}) {
                TypeInto(Edit(form, name), text);
            }
            Click(form, "generateButton");
            written = ReadBytes(first.path() / "setup.dat");
            QVERIFY(!written.empty());
            stored = platform.secrets;
        }
        if (keychain) {
            using Stored = std::map<std::string, std::string, std::less<>>;
            QCOMPARE(*stored, (Stored{{"5/mms/mmsPassword", "pw-Mms-9"}}));
        }
        FakePlatform platform;
        platform.lastSettingsFolder = kept.path();
        platform.secrets = stored;
        CMmsSetup2740Dlg form(state, platform);
        form.show();
        TempDir again;
        platform.folderAnswers.push_back(again.str());
        Click(form, "selectButton");
        Click(form, "useLastSettingsButton");
        QCOMPARE(Combo(form, "modeCombo")->currentIndex(), kMmsManual);
        QCOMPARE(Edit(form, "urlEdit")->text(), QString("http://mmsc"));
        QCOMPARE(Edit(form, "mmsPasswordEdit")->text(), keychain ? QString("pw-Mms-9") : QString());
        if (keychain) {
            Click(form, "generateButton");
            QCOMPARE(ReadBytes(again.path() / "setup.dat"), written);
        }
    }
}

}  // namespace tov::test

QTEST_MAIN(tov::test::MmsFormLastWrittenTest)
#include "MmsFormLastWrittenTest.moc"
