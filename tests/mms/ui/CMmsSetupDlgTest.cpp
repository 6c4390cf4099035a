#include "camera/ui/CameraFormTestUtil.h"
#include "mms/core/MmsFile.h"
#include "mms/core/MmsRules.h"
#include "mms/ui/CMmsSetup2740Dlg.h"
#include "mms/ui/CMmsSetup9030Dlg.h"

#include <QtTest>

#include <fstream>
#include <memory>

namespace tov::test {

/// An MMS form of either family on screen with a fake platform whose system language is
/// `langId` (it decides the file's code page), pointed at a fresh temporary folder.
struct MmsHarness {
    MmsHarness(int model, int language, std::uint16_t langId = 0x0409) {
        platform.langId = langId;
        state = StateFor(model, language);
        if (FamilyOf(model) == Family::Second) {
            form = std::make_unique<CMmsSetup9030Dlg>(state, platform);
        } else {
            form = std::make_unique<CMmsSetup2740Dlg>(state, platform);
        }
        form->show();
        platform.folderAnswers.push_back(dir.str());
        Click(*form, "selectButton");
        platform.Clear();
    }

    const QWidget& f() const { return *form; }
    QLineEdit* edit(const char* name) const { return Edit(*form, name); }
    QComboBox* combo(const char* name) const { return Combo(*form, name); }
    std::vector<std::uint8_t> File() const { return ReadBytes(dir.path() / "setup.dat"); }
    /// What the command line writes for the same settings, given by key.
    std::vector<std::uint8_t> CommandLineFile(const SettingTexts& texts) const {
        const MmsSettingsResult settings = ApplyMmsSettings(state.modelIndex, texts, kEnglish);
        return GenerateMmsFile(settings.settings, ModelFor(state.modelIndex), state.languageByte(),
                               state.TvMode)
            .bytes;
    }
    bool Editable(const char* name) const { return !edit(name)->isReadOnly(); }

    FakePlatform platform;
    AppState state;
    TempDir dir;
    std::unique_ptr<CMmsSetupDlg> form;
};

namespace {

/// Types any text, one key event per character (QTest's key clicks know ASCII only).
void TypeText(QLineEdit* edit, const QString& text) {
    edit->selectAll();
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(edit, &press);
    }
}

constexpr const char* kAccessEdits[] = {"urlEdit",  "apnEdit",     "gatewayEdit",
                                        "portEdit", "accountEdit", "mmsPasswordEdit"};

/// Which text fields take typing, in the order phone1, email, phone2, phone3, then the access
/// data as one.
QString EditableStates(const MmsHarness& h) {
    QString states;
    for (const char* name : {"phone1Edit", "emailEdit", "phone2Edit", "phone3Edit"}) {
        states += h.Editable(name) ? 'E' : '-';
    }
    const auto access = std::count_if(std::begin(kAccessEdits), std::end(kAccessEdits),
                                      [&h](const char* name) { return h.Editable(name); });
    states += access == 0 ? '-' : (access == std::ssize(kAccessEdits) ? 'E' : '?');
    return states;
}

}  // namespace

class CMmsSetupDlgTest : public QObject {
    Q_OBJECT

private slots:
    void opensInItsStartingState();
    void editableStatesFollowModeAndSend();
    void phoneOrEmailFieldsUnlockInTurn();
    void phoneNumberLimitFollowsFamilyAndFormat();
    void autoTextsStayOffTheScreenButGoIntoTheFile();
    void manualFileAndFirstFailingCheck();
    void textLimitsCountTheFilesBytes();
    void placeholderPresetIsRefused();
    void pictureLimitIsCheckedAndCorrected();
    void failedWriteIsReportedAndOldFileStays();
    void familiesDifferOnlyInTheirData();
    void loadOfferTakesAFolderFileOnlyWhenAsked();
    void loadedFilesFollowTheEditabilityRule();
    void profileFillsTheFormAsIfTyped();
};

void CMmsSetupDlgTest::opensInItsStartingState() {
    MmsHarness h(4, kEnglish);
    QCOMPARE(h.f().windowTitle(), QString("Tov Brenn 9030"));
    QString selections;
    for (const char* name : {"modeCombo", "mmsSendCombo", "smsRemoteCombo", "countryCombo",
                             "operatorCombo", "bearerCombo", "phoneFormatCombo"}) {
        selections += h.combo(name)->currentText() + "|";
    }
    QCOMPARE(selections, QString("Auto|VGA|Off|China|China Mobile|APN|Domestic |"));
    QCOMPARE(h.combo("countryCombo")->count(), 42);
    QCOMPARE(h.combo("bearerCombo")->count(), 1);
    QCOMPARE(h.combo("smsRemoteCombo")->count(), 26);
    QCOMPARE(h.edit("pictureLimitEdit")->text(), QString("0"));
    QCOMPARE(EditableStates(h), QString("EE---"));
    QVERIFY(!h.Editable("folderEdit"));
    QCOMPARE(LabelText(h.f(), "mmsSendLabel"), QString("MMS Status"));
    QCOMPARE(LabelText(h.f(), "hoursLabel"), QString("H"));
    QVERIFY(Child<QPushButton>(h.f(), "generateButton")->isDefault());
    QCOMPARE(h.platform.MessageCount(), std::size_t{0});
}

void CMmsSetupDlgTest::editableStatesFollowModeAndSend() {
    MmsHarness h(4, kEnglish);
    TypeInto(h.edit("phone1Edit"), "13800138000");
    TypeInto(h.edit("emailEdit"), "me@example.com");

    // Manual: every text is emptied, the operator lists hold "Other", CSD is offered.
    h.combo("modeCombo")->setCurrentIndex(kMmsManual);
    QCOMPARE(h.edit("phone1Edit")->text(), QString());
    QCOMPARE(h.edit("emailEdit")->text(), QString());
    QCOMPARE(h.combo("countryCombo")->currentText(), QString("Other"));
    QCOMPARE(h.combo("operatorCombo")->count(), 1);
    QCOMPARE(h.combo("bearerCombo")->count(), 2);
    QCOMPARE(EditableStates(h), QString("EE--E"));

    h.combo("mmsSendCombo")->setCurrentIndex(2);  // SMS
    QCOMPARE(EditableStates(h), QString("E----"));
    h.combo("mmsSendCombo")->setCurrentIndex(0);
    QCOMPARE(EditableStates(h), QString("EE--E"));
    h.combo("mmsSendCombo")->setCurrentIndex(2);
    h.combo("modeCombo")->setCurrentIndex(kMmsAuto);
    QCOMPARE(h.combo("countryCombo")->count(), 42);
    QCOMPARE(h.combo("operatorCombo")->currentText(), QString("China Mobile"));
    QCOMPARE(EditableStates(h), QString("E----"));

    // Leaving "SMS" in Auto mode makes Email editable again.
    h.combo("mmsSendCombo")->setCurrentIndex(1);
    QCOMPARE(EditableStates(h), QString("EE---"));
    QCOMPARE(h.platform.MessageCount(), std::size_t{0});
}

void CMmsSetupDlgTest::phoneOrEmailFieldsUnlockInTurn() {
    MmsHarness h(2, kEnglish);
    TypeInto(h.edit("phone1Edit"), "12345");
    QCOMPARE(EditableStates(h), QString("EEE--"));
    TypeInto(h.edit("phone2Edit"), "a@b.c");
    QCOMPARE(EditableStates(h), QString("EEEE-"));
    TypeInto(h.edit("phone3Edit"), "67890");

    // Phone No below five bytes empties and locks both.
    h.edit("phone1Edit")->end(false);
    QTest::keyClick(h.edit("phone1Edit"), Qt::Key_Backspace);
    QCOMPARE(h.edit("phone2Edit")->text(), QString());
    QCOMPARE(h.form->settings().phone3, std::string());
    QCOMPARE(EditableStates(h), QString("EE---"));

    // An address in Email unlocks the first; an Email without "@" changes nothing.
    TypeInto(h.edit("emailEdit"), "me@x.org");
    QCOMPARE(EditableStates(h), QString("EEE--"));
    TypeInto(h.edit("phone2Edit"), "+4412345");
    h.edit("emailEdit")->setSelection(2, 1);
    QTest::keyClicks(h.edit("emailEdit"), "x");
    QCOMPARE(h.form->settings().email, std::string("mexx.org"));
    QCOMPARE(h.edit("phone2Edit")->text(), QString("+4412345"));
}

void CMmsSetupDlgTest::phoneNumberLimitFollowsFamilyAndFormat() {
    const std::tuple<int, const char*, std::string> cases[] = {
        {4, "1234567890123", "The max allowable number of digits phone 12!"},
        {5, "123456789012", "The max allowable number of digits phone 11!"},
    };
    for (const auto& [model, digits, message] : cases) {
        MmsHarness h(model, kEnglish);
        TypeInto(h.edit("phone1Edit"), QString(digits).chopped(1));
        QCOMPARE(h.platform.MessageCount(), std::size_t{0});
        QTest::keyClicks(h.edit("phone1Edit"), QString(digits).right(1));
        QCOMPARE(h.platform.messages, std::vector<std::string>{message});
        QCOMPARE(h.edit("phone1Edit")->text(), QString());
        QCOMPARE(h.form->settings().phone1, std::string());

        // International shows its notice (Domestic nothing), keeps the number and allows 32.
        h.platform.Clear();
        TypeInto(h.edit("phone1Edit"), "12345");
        h.combo("phoneFormatCombo")->setCurrentIndex(kInternational);
        h.combo("phoneFormatCombo")->setCurrentIndex(kDomestic);
        h.combo("phoneFormatCombo")->setCurrentIndex(kInternational);
        const std::string notice = "Phone number will not be displayed in the camera setup menu";
        QCOMPARE(h.platform.messages, (std::vector<std::string>{notice, notice}));
        QCOMPARE(h.edit("phone1Edit")->text(), QString("12345"));
        TypeInto(h.edit("phone1Edit"), QString("+") + digits);
        QCOMPARE(h.platform.messages.size(), std::size_t{2});
        QCOMPARE(h.form->settings().phone1, "+" + std::string(digits));
    }
}

void CMmsSetupDlgTest::autoTextsStayOffTheScreenButGoIntoTheFile() {
    MmsHarness h(3, kEnglish);
    h.combo("countryCombo")->setCurrentIndex(3);  // United Kingdom
    QCOMPARE(h.combo("operatorCombo")->count(), 9);
    h.combo("operatorCombo")->setCurrentIndex(4);  // "3"
    TypeInto(h.edit("phone1Edit"), "07700900");
    h.combo("mmsSendCombo")->setCurrentIndex(2);  // QVGA
    Click(h.f(), "generateButton");

    QCOMPARE(
        h.File(),
        h.CommandLineFile(
            {{"country", "3"}, {"operator", "4"}, {"phone1", "07700900"}, {"mmsSend", "QVGA"}}));
    QCOMPARE(h.platform.messages,
             std::vector<std::string>{
                 "Tov 2740 MMS configuration file (URL|APN|Gateway|Port ...) has been "
                 "generated\n" +
                 PathText(ConfigFilePath(h.dir.str(), "setup.dat"))});
    for (const char* name : kAccessEdits) {
        QCOMPARE(h.edit(name)->text(), QString());
    }
    QVERIFY(h.form->settings().url.empty());

    // Showing the fields again (SMS) still shows no preset text.
    h.combo("mmsSendCombo")->setCurrentIndex(3);
    QCOMPARE(h.edit("urlEdit")->text(), QString());
    QVERIFY(h.dir.Entries() == std::vector<std::string>{"setup.dat"});
}

void CMmsSetupDlgTest::manualFileAndFirstFailingCheck() {
    MmsHarness h(5, kChinese);
    h.combo("modeCombo")->setCurrentIndex(kMmsManual);
    Click(h.f(), "generateButton");
    QCOMPARE(h.platform.messages, std::vector<std::string>{"手机号码和Email错误(0)"});
    QVERIFY(h.dir.Entries().empty());

    SettingTexts typed = {{"phone1", "13800138000"}, {"url", "http://mmsc"}, {"apn", "cmwap"},
                          {"gateway", "10.0.0.172"}, {"port", "80"},         {"mmsPassword", "pw"}};
    for (const auto& [key, text] : typed) {
        TypeInto(h.edit((key + "Edit").c_str()), QString::fromStdString(text));
    }
    h.combo("bearerCombo")->setCurrentIndex(1);
    h.combo("smsRemoteCombo")->setCurrentIndex(6);
    h.platform.Clear();
    Click(h.f(), "generateButton");

    typed.insert({{"mode", "Manual"}, {"bearer", "CSD"}, {"smsRemoteHours", "6"}});
    QCOMPARE(h.File(), h.CommandLineFile(typed));
    QCOMPARE(h.platform.messages.size(), std::size_t{1});
    QVERIFY(h.platform.messages.front().starts_with("Tov 2760 MMS配置文件已生成\n"));
}

void CMmsSetupDlgTest::textLimitsCountTheFilesBytes() {
    // On a Chinese system a character of Chinese takes two bytes of the file; the field says why
    // typing stopped, beside itself, without a message box.
    MmsHarness chinese(4, kChinese, 0x0804);
    chinese.combo("modeCombo")->setCurrentIndex(kMmsManual);
    TypeText(chinese.edit("mmsPasswordEdit"), QString("密码").repeated(8));  // 16 characters
    QCOMPARE(chinese.edit("mmsPasswordEdit")->text(), QString("密码").repeated(7) + "密");
    QCOMPARE(chinese.form->settings().mmsPassword.size(), std::size_t{30});
    QCOMPARE(chinese.edit("mmsPasswordEdit")->property(kRefusalProperty).toString(),
             QString("最多 30 个字节"));
    // The gateway reaches the network: ASCII only, also where the code page holds Chinese.
    TypeText(chinese.edit("gatewayEdit"), QString("10.0.0.1网关"));
    QCOMPARE(chinese.edit("gatewayEdit")->text(), QString("10.0.0.1"));
    QCOMPARE(chinese.edit("gatewayEdit")->property(kRefusalProperty).toString(),
             QString("只能使用 ASCII 字符：此文本发送给运营商网络或邮件服务器"));
    QVERIFY(chinese.platform.messages.empty());

    // Elsewhere Chinese cannot be written at all; Windows-1252 letters take one byte each.
    MmsHarness english(4, kEnglish);
    english.combo("modeCombo")->setCurrentIndex(kMmsManual);
    TypeText(english.edit("mmsPasswordEdit"), QString("中"));
    QCOMPARE(english.edit("mmsPasswordEdit")->text(), QString());
    QCOMPARE(english.edit("mmsPasswordEdit")->property(kRefusalProperty).toString(),
             QString("\"中\" cannot be written in the file's code page (windows-1252)"));
    TypeText(english.edit("mmsPasswordEdit"), QString("é").repeated(45));
    QCOMPARE(english.form->settings().mmsPassword, std::string(30, '\xE9'));
    TypeText(english.edit("emailEdit"), QString("hans.müller@web.de"));
    QCOMPARE(english.edit("emailEdit")->text(), QString("hans.mller@web.de"));
    QCOMPARE(english.edit("emailEdit")->property(kRefusalProperty).toString(),
             QString("only ASCII characters: this text goes to the operator's network or the "
                     "mail server"));
    QVERIFY(english.platform.messages.empty());
}

// Auto with a catalogue row that holds no working data writes nothing and names Manual mode.
void CMmsSetupDlgTest::placeholderPresetIsRefused() {
    MmsHarness h(4, kEnglish);
    TypeInto(h.edit("phone1Edit"), "13800138000");
    h.combo("countryCombo")->setCurrentIndex(37);  // Namibia, MTC
    Click(h.f(), "generateButton");
    QCOMPARE(h.platform.messages,
             std::vector<std::string>{"this operator's preset holds no working MMS data; choose "
                                      "MMS Mode Manual and type the operator's access data"});
    QVERIFY(h.dir.Entries().empty());
}

void CMmsSetupDlgTest::pictureLimitIsCheckedAndCorrected() {
    MmsHarness h(2, kEnglish);
    TypeInto(h.edit("pictureLimitEdit"), "57");
    QCOMPARE(h.form->settings().pictureLimit, 57);
    TypeInto(h.edit("pictureLimitEdit"), "150");
    QCOMPARE(h.platform.messages,
             std::vector<std::string>{"Please enter an integer between 0 and 99!"});
    QCOMPARE(h.edit("pictureLimitEdit")->text(), QString("0"));
    QCOMPARE(h.form->settings().pictureLimit, 0);
}

void CMmsSetupDlgTest::failedWriteIsReportedAndOldFileStays() {
    MmsHarness h(4, kEnglish);
    TypeInto(h.edit("phone1Edit"), "13800138000");
    Click(h.f(), "generateButton");
    const auto oldFile = h.File();
    QCOMPARE(oldFile.size(), std::size_t{720});
    h.platform.Clear();

    h.combo("countryCombo")->setCurrentIndex(5);
    const std::string notAFolder = (h.dir.path() / "setup.dat").string();
    h.platform.folderAnswers.push_back(notAFolder);
    Click(h.f(), "selectButton");
    Click(h.f(), "generateButton");
    QCOMPARE(h.platform.messages.size(), std::size_t{1});
    QVERIFY(h.platform.messages.front().starts_with("Could not write "));
    QCOMPARE(h.File(), oldFile);
    QVERIFY(h.dir.Entries() == std::vector<std::string>{"setup.dat"});
    QVERIFY(h.form->settings().url.empty());
}

void CMmsSetupDlgTest::familiesDifferOnlyInTheirData() {
    const std::tuple<int, QString, int, QString> cases[] = {
        // model, title, MMS Send entries, Lithuanian Domestic word
        {1, "Tov Brenn 2740", 4, "Vietinis "},
        {5, "Tov Brenn 2760", 3, "Vietinis "},
        {2, "Tov Brenn 9030", 3, "Domestic "},
    };
    for (const auto& [model, title, sendEntries, domestic] : cases) {
        MmsHarness h(model, kLithuanian);
        QCOMPARE(h.f().windowTitle(), title);
        QCOMPARE(h.combo("mmsSendCombo")->count(), sendEntries);
        QCOMPARE(h.combo("phoneFormatCombo")->itemText(0), domestic);
        QCOMPARE(LabelText(h.f(), "smsRemoteLabel"), QString(" SMS nuotol.valdymas"));
        // "SMS" is the last entry in every list: it locks Email.
        h.combo("mmsSendCombo")->setCurrentIndex(sendEntries - 1);
        QVERIFY(!h.Editable("emailEdit"));
    }
}

void CMmsSetupDlgTest::loadOfferTakesAFolderFileOnlyWhenAsked() {
    MmsHarness h(4, kEnglish);
    const SettingTexts typed{{"mode", "Manual"},
                             {"url", "http://mms.example/"},
                             {"apn", "mms"},
                             {"gateway", "10.0.0.1"},
                             {"port", "8080"},
                             {"phone1", "07700900123"},
                             {"email", "me@example.org"},
                             {"phone2", "07700900456"}};
    TempDir other;
    const std::vector<std::uint8_t> stored = h.CommandLineFile(typed);
    QCOMPARE(stored.size(), std::size_t{720});
    WriteBytes(other.path() / "setup.dat", stored);
    h.platform.folderAnswers.push_back(other.str());
    Click(h.f(), "selectButton");
    QVERIFY(LabelText(h.f(), "loadOfferLabel").startsWith("This folder holds settings for a Tov "));
    // Nothing changes until the user asks.
    QCOMPARE(h.edit("urlEdit")->text(), QString());
    QCOMPARE(EditableStates(h), QString("EE---"));

    Click(h.f(), "loadButton");
    QCOMPARE(h.combo("modeCombo")->currentIndex(), kMmsManual);
    for (const auto& [edit, text] : {std::pair{"urlEdit", "http://mms.example/"},
                                     {"apnEdit", "mms"},
                                     {"gatewayEdit", "10.0.0.1"},
                                     {"portEdit", "8080"},
                                     {"phone1Edit", "07700900123"},
                                     {"emailEdit", "me@example.org"},
                                     {"phone2Edit", "07700900456"}}) {
        QCOMPARE(h.edit(edit)->text(), QString(text));
    }
    // As if typed: Manual opens the access data, the numbers open the next number.
    QCOMPARE(EditableStates(h), QString("EEEEE"));
    QCOMPARE(h.platform.MessageCount(), std::size_t{0});

    // Generate gives back the file it came from.
    Click(h.f(), "generateButton");
    QCOMPARE(ReadBytes(other.path() / "setup.dat"), stored);
}

// Loaded files follow one rule of what takes typing, whatever the form's own locks said: a
// Manual file sent by SMS keeps its access texts and Email read-only and its lists show
// "Other"; an Auto file keeps the access texts read-only and opens the numbers it holds.
void CMmsSetupDlgTest::loadedFilesFollowTheEditabilityRule() {
    const struct {
        SettingTexts typed;
        const char* states;  // phone1, email, phone2, phone3, access
        const char* country;
    } cases[] = {
        {{{"mode", "Manual"},
          {"mmsSend", "SMS"},
          {"url", "http://mms.example/"},
          {"apn", "mms"},
          {"phone1", "07700900123"},
          {"email", "me@example.org"}},
         "E----",
         "Other"},
        {{{"mode", "Auto"}, {"phone1", "07700900123"}, {"phone2", "07700900456"}},
         "EEEE-",
         "China"},
    };
    for (const auto& c : cases) {
        MmsHarness h(4, kEnglish);
        TempDir other;
        WriteBytes(other.path() / "setup.dat", h.CommandLineFile(c.typed));
        h.platform.folderAnswers.push_back(other.str());
        Click(h.f(), "selectButton");
        Click(h.f(), "loadButton");
        QCOMPARE(EditableStates(h), QString(c.states));
        QCOMPARE(h.combo("countryCombo")->currentText(), QString(c.country));
    }
}

void CMmsSetupDlgTest::profileFillsTheFormAsIfTyped() {
    MmsHarness h(4, kEnglish);
    const std::string path = (h.dir.path() / "p.json").string();
    std::ofstream(path) << R"({"format": 1, "model": "Tov 9030MG", "mms": {"mode": "Manual",
        "url": "http://mms.example/", "apn": "mms", "gateway": "10.0.0.1", "port": "8080",
        "phone1": "07700900123", "email": "me@example.org", "phone2": "07700900456"}})";
    h.platform.openAnswers.push_back(path);
    Click(h.f(), "openProfileButton");
    QCOMPARE(h.platform.messages, std::vector<std::string>{"Loaded the profile p.json"});
    QCOMPARE(h.edit("urlEdit")->text(), QString("http://mms.example/"));
    QCOMPARE(h.edit("phone2Edit")->text(), QString("07700900456"));
    QCOMPARE(EditableStates(h), QString("EEEEE"));

    // A profile of the other family's model is refused and changes nothing.
    std::ofstream(path) << R"({"format": 1, "model": "Tov 2740MG", "mms": {"phone1": "0770090"}})";
    h.platform.Clear();
    h.platform.openAnswers.push_back(path);
    Click(h.f(), "openProfileButton");
    QCOMPARE(h.platform.messages.size(), std::size_t{1});
    QVERIFY2(h.platform.messages.front().starts_with("This profile is for the Tov 2740MG"),
             h.platform.messages.front().c_str());
    QCOMPARE(h.edit("phone1Edit")->text(), QString("07700900123"));
}

}  // namespace tov::test

QTEST_MAIN(tov::test::CMmsSetupDlgTest)
#include "CMmsSetupDlgTest.moc"
