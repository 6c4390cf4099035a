#include "camera/ui/CameraFormTestUtil.h"
#include "smtp/core/SmtpFile.h"
#include "smtp/ui/CSmtpSetup2740Dlg.h"
#include "smtp/ui/CSmtpSetup9030Dlg.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QtTest>

#include <filesystem>
#include <memory>

namespace tov::test {

/// An e-mail form of the model's family on screen with a fake platform, pointed at a fresh
/// folder.
struct SmtpHarness {
    explicit SmtpHarness(int modelIndex, int languageIndex = kEnglish)
        : state(StateFor(modelIndex, languageIndex)) {
        if (FamilyOf(modelIndex) == Family::Second) {
            form = std::make_unique<CSmtpSetup9030Dlg>(state, platform);
        } else {
            form = std::make_unique<CSmtpSetup2740Dlg>(state, platform);
        }
        form->show();
        platform.folderAnswers.push_back(dir.str());
        Click(*form, "selectButton");
        platform.Clear();
    }

    QLineEdit* edit(const char* name) const { return Edit(*form, name); }
    QComboBox* combo(const char* name) const { return Combo(*form, name); }
    std::vector<std::uint8_t> SmtpFile() const { return ReadBytes(dir.path() / "smtp.dat"); }

    /// Types what Generate needs in Auto mode with SMS Remote Control Off.
    void FillTheSender() {
        TypeInto(edit("smtpServerEdit"), "smtp.example.com");
        TypeInto(edit("portEdit"), "465");
        TypeInto(edit("senderEmailEdit"), "cam01@example.com");
        TypeInto(edit("senderPasswordEdit"), "pw-123");
        TypeInto(edit("recipientEmailEdit"), "me@example.org");
        platform.Clear();
    }

    FakePlatform platform;
    AppState state;
    TempDir dir;
    std::unique_ptr<CSmtpSetupDlg> form;
};

class CSmtpSetupDlgTest : public QObject {
    Q_OBJECT

private slots:
    void opensInItsStartingState();
    void generateWritesTheFileOfTheForm();
    void modeAndCountryChangeRefillTheLists();
    void emailFieldsTakeTheirFamilysBytes();
    void maxImagesKeepsItsPlatformMessages();
    void enterNeitherGeneratesNorCloses();
    void failedCheckOrWriteLeavesTheOldFile();
    void firstFamilyReadsWhenSmsListClosesUnchanged();
    void controlAndInvisibleCharactersRefused();
    void loadOfferTakesAFolderFileOnlyWhenAsked();
};

void CSmtpSetupDlgTest::opensInItsStartingState() {
    for (const auto& [model, title] :
         {std::pair{4, "Tov Brenn 9030"}, {3, "Tov Brenn 2740"}, {5, "Tov Brenn 2760"}}) {
        SmtpHarness h(model);
        QCOMPARE(h.form->windowTitle(), QString(title));
        const std::pair<const char*, QString> lists[] = {{"modeCombo", "Auto"},
                                                         {"countryCombo", "China"},
                                                         {"operatorCombo", "China Mobile"},
                                                         {"smsRemoteHoursCombo", "Off"}};
        for (const auto& [name, text] : lists) {
            QCOMPARE(h.combo(name)->currentText(), text);
        }
        QCOMPARE(h.combo("countryCombo")->count(), 41);
        QCOMPARE(h.combo("smsRemoteHoursCombo")->count(), 26);
        QCOMPARE(Child<QWidget>(*h.form, "smtpStatusFrame")->isVisible(), model == 4);
        QCOMPARE(h.combo("smtpStatusCombo")->currentText(), QString(model == 4 ? "VGA" : ""));
        QVERIFY(h.edit("apnEdit")->isReadOnly() && h.edit("gprsPasswordEdit")->isReadOnly());
        QCOMPARE(h.edit("maxImagesEdit")->text(), QString("0"));
        QCOMPARE(h.edit("senderPasswordEdit")->echoMode(), QLineEdit::Password);
        QCOMPARE(h.edit("gprsPasswordEdit")->echoMode(), QLineEdit::Normal);
        QCOMPARE(LabelText(*h.form, "maxImagesLabel"), QString("Picture No./ day"));
        QCOMPARE(h.platform.MessageCount(), std::size_t{0});
    }
    SmtpHarness lithuanian(4, kLithuanian);
    QCOMPARE(LabelText(*lithuanian.form, "smsRemoteLabel"), QString(" SMS nuotol.valdymas"));
    QCOMPARE(lithuanian.combo("smtpStatusCombo")->itemText(0), QString("ISJ."));
}

void CSmtpSetupDlgTest::generateWritesTheFileOfTheForm() {
    for (const auto& [model, number] : {std::pair{4, "9030"}, {5, "2760"}}) {
        SmtpHarness h(model);
        TypeInto(h.edit("maxImagesEdit"), "12");
        h.FillTheSender();
        h.combo("countryCombo")->setCurrentIndex(3);   // United Kingdom
        h.combo("operatorCombo")->setCurrentIndex(7);  // ASDA Mobile
        Click(*h.form, "generateButton");

        const Family family = FamilyOf(model);
        SmtpSettings expected = OpeningSmtpSettings(family);
        expected.smtpServer = "smtp.example.com";
        expected.port = "465";
        expected.senderEmail = "cam01@example.com";
        expected.senderPassword = "pw-123";
        expected.recipientEmail = "me@example.org";
        expected.maxImages = 12;
        expected.countryIndex = 3;
        expected.operatorIndex = 7;
        const auto bytes = BuildSmtpFile(WithGprsPreset(expected), family, kEnglish);
        QCOMPARE(h.SmtpFile(), bytes);
        QCOMPARE(h.platform.messages,
                 std::vector<std::string>{"Tov " + std::string(number) +
                                          " SMTP configuration file has been generated\n" +
                                          PathText(ConfigFilePath(h.dir.str(), kSmtpFileName))});
        // The preset went into the file only; a second Generate writes the same file.
        QVERIFY(h.form->settings().apn.empty() && h.edit("apnEdit")->text().isEmpty());
        std::filesystem::remove(h.dir.path() / "smtp.dat");
        Click(*h.form, "generateButton");
        QCOMPARE(h.SmtpFile(), bytes);
        QCOMPARE(h.dir.Entries(), std::vector<std::string>{"smtp.dat"});
    }
}

void CSmtpSetupDlgTest::modeAndCountryChangeRefillTheLists() {
    SmtpHarness h(4);
    h.combo("countryCombo")->setCurrentIndex(40);
    QCOMPARE(h.combo("operatorCombo")->count(), 1);
    QCOMPARE(h.combo("operatorCombo")->currentText(), QString("Cyta"));
    h.FillTheSender();
    TypeInto(h.edit("phoneNumberEdit"), "+4915100");
    TypeInto(h.edit("maxImagesEdit"), "5");

    // Manual: every text empty but the phone number; Max Image No. and the folder stay.
    h.combo("modeCombo")->setCurrentIndex(kSmtpManual);
    for (const char* name : {"smtpServerEdit", "portEdit", "senderEmailEdit", "senderPasswordEdit",
                             "recipientEmailEdit"}) {
        QVERIFY2(h.edit(name)->text().isEmpty(), name);
    }
    QCOMPARE(h.edit("phoneNumberEdit")->text(), QString("+4915100"));
    QCOMPARE(h.edit("maxImagesEdit")->text(), QString("5"));
    QCOMPARE(h.edit("folderEdit")->text(), QString::fromStdString(h.dir.str()));
    for (const char* name : {"countryCombo", "operatorCombo"}) {
        QCOMPARE(h.combo(name)->count(), 1);
        QCOMPARE(h.combo(name)->currentText(), QString("Other"));
    }
    QVERIFY(!h.edit("apnEdit")->isReadOnly());

    // What was typed goes into the file, with 0x80 for the country.
    h.FillTheSender();
    TypeInto(h.edit("apnEdit"), "web.example");
    Click(*h.form, "generateButton");
    const RecordFileReading written = ReadRecordFile(h.SmtpFile());
    QCOMPARE(written.plain[0][2], std::uint8_t{0x80});
    QCOMPARE(RecordText(written.plain[1]), std::string("web.example"));
    QCOMPARE(RecordText(written.plain[8]), std::string("+4915100"));

    h.combo("modeCombo")->setCurrentIndex(kSmtpAuto);
    QVERIFY(h.edit("apnEdit")->text().isEmpty() && h.edit("apnEdit")->isReadOnly());
    QCOMPARE(h.combo("countryCombo")->currentText(), QString("China"));
    QCOMPARE(h.combo("operatorCombo")->count(), 2);
}

void CSmtpSetupDlgTest::emailFieldsTakeTheirFamilysBytes() {
    const QString fortyFive(45, QChar('a'));
    for (const auto& [model, limit] : {std::pair{4, 40}, {3, 32}, {5, 32}}) {
        SmtpHarness h(model);
        for (const char* name : {"senderEmailEdit", "recipientEmailEdit"}) {
            TypeInto(h.edit(name), fortyFive);
            QCOMPARE(h.edit(name)->text().size(), limit);
        }
        QCOMPARE(h.form->settings().senderEmail.size(), std::size_t(limit));
        TypeInto(h.edit("phoneNumberEdit"), fortyFive);
        QCOMPARE(h.edit("phoneNumberEdit")->text().size(), 30);
    }
}

void CSmtpSetupDlgTest::maxImagesKeepsItsPlatformMessages() {
    SmtpHarness h(4);
    QLineEdit* maxImages = h.edit("maxImagesEdit");
    TypeInto(maxImages, "42");
    EraseField(maxImages);
    QCOMPARE(h.platform.fieldMessages, std::vector<std::string>{"请键入一个整数。"});
    QCOMPARE(h.form->settings().maxImages, 42);

    // While it is empty, every edit elsewhere brings the message again and takes nothing over.
    h.platform.Clear();
    TypeInto(h.edit("smtpServerEdit"), "m");
    QCOMPARE(h.platform.fieldMessages, std::vector<std::string>{"请键入一个整数。"});
    QVERIFY(h.form->settings().smtpServer.empty());

    // 100 or more, pasted at once: the standard range message, then 0 in the field; what was
    // typed while it was empty is taken over now.
    h.platform.Clear();
    QGuiApplication::clipboard()->setText("150");
    QTest::keyClick(maxImages, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(h.platform.fieldMessages, std::vector<std::string>{"“请填入一个在0和99之间的整数。”"});
    QCOMPARE(maxImages->text(), QString("0"));
    QCOMPARE(h.form->settings().maxImages, 0);
    QCOMPARE(h.form->settings().smtpServer, std::string("m"));
}

void CSmtpSetupDlgTest::enterNeitherGeneratesNorCloses() {
    SmtpHarness h(5);
    h.FillTheSender();
    for (QWidget* target : std::initializer_list<QWidget*>{
             h.edit("portEdit"), Child<QPushButton>(*h.form, "generateButton"),
             Child<QPushButton>(*h.form, "exitButton"), h.combo("modeCombo")}) {
        target->setFocus();
        QTest::keyClick(target, Qt::Key_Return);
        QTest::keyClick(target, Qt::Key_Enter, Qt::KeypadModifier);
        QVERIFY(h.form->isVisible());
    }
    QCOMPARE(h.platform.MessageCount(), std::size_t{0});
    QVERIFY(h.dir.Entries().empty());
    QCOMPARE(h.form->result(), 0);
}

void CSmtpSetupDlgTest::failedCheckOrWriteLeavesTheOldFile() {
    SmtpHarness h(4, kChinese);
    h.FillTheSender();
    Click(*h.form, "generateButton");
    const auto oldFile = h.SmtpFile();

    h.platform.Clear();
    TypeInto(h.edit("portEdit"), "4");
    Click(*h.form, "generateButton");
    QCOMPARE(h.platform.messages, std::vector<std::string>{"请设置端口"});

    const std::string missing = (h.dir.path() / "missing").string();
    h.platform.folderAnswers.push_back(missing);
    Click(*h.form, "selectButton");
    TypeInto(h.edit("portEdit"), "587");
    h.platform.Clear();
    Click(*h.form, "generateButton");
    QCOMPARE(h.platform.messages.size(), std::size_t{1});
    QVERIFY(h.platform.messages.front().rfind(
                "无法写入文件 " + PathText(ConfigFilePath(missing, kSmtpFileName)), 0) == 0);
    QCOMPARE(h.SmtpFile(), oldFile);
    QCOMPARE(h.dir.Entries(), std::vector<std::string>{"smtp.dat"});
}

void CSmtpSetupDlgTest::firstFamilyReadsWhenSmsListClosesUnchanged() {
    for (const int model : {3, 4}) {
        SmtpHarness h(model);
        EraseField(h.edit("maxImagesEdit"));
        QComboBox* sms = h.combo("smsRemoteHoursCombo");
        h.platform.Clear();
        sms->showPopup();
        sms->hidePopup();
        // Only the first family takes over its fields (and so repeats the field's message).
        QCOMPARE(h.platform.fieldMessages.size(), std::size_t(model == 3 ? 1 : 0));
        h.platform.Clear();
        sms->setCurrentIndex(4);
        QCOMPARE(h.platform.MessageCount(), std::size_t{0});
        QCOMPARE(h.form->settings().smsRemoteHours, 4);
    }
}

// A control, C1 or invisible formatting character can neither be typed nor pasted; one put in
// otherwise is refused by its position when the form is read, and never reaches the file,
// which is its owner's only.
void CSmtpSetupDlgTest::controlAndInvisibleCharactersRefused() {
    SmtpHarness h(4);
    h.FillTheSender();
    for (const char* name : {"smtpServerEdit", "senderPasswordEdit", "recipientEmailEdit"}) {
        for (const char* bad : {"\t", "\x1B", "\u0085", "\u202E", "\u200D", "\uFEFF"}) {
            QLineEdit* field = h.edit(name);
            const QString before = field->text();
            // Converted whole: a byte-order mark at the start of a conversion is dropped.
            QString text = QString::fromStdString("ab" + std::string(bad) + "cd");
            int at = 0;
            QCOMPARE(field->validator()->validate(text, at), QValidator::Invalid);
            h.platform.Clear();
            field->setText(text);
            emit field->textEdited(text);
            QCOMPARE(h.platform.messages,
                     std::vector<std::string>{"character 3 is a control or invisible formatting "
                                              "character, which the camera cannot take"});
            field->setText(before);
            emit field->textEdited(before);
        }
    }
    h.platform.Clear();
    Click(*h.form, "generateButton");
    QCOMPARE(h.dir.Entries(), std::vector<std::string>{"smtp.dat"});
#ifndef _WIN32
    QCOMPARE(std::filesystem::status(h.dir.path() / "smtp.dat").permissions() &
                 std::filesystem::perms::all,
             std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
#endif
}

void CSmtpSetupDlgTest::loadOfferTakesAFolderFileOnlyWhenAsked() {
    SmtpHarness h(3);
    const SettingTexts typed{{"country", "Germany"},
                             {"smtpServer", "smtp.example.com"},
                             {"port", "465"},
                             {"senderEmail", "cam01@example.com"},
                             {"senderPassword", "pw-123"},
                             {"recipientEmail", "me@example.org"}};
    const SmtpSettingsResult settings = ApplySmtpSettings(3, typed, kEnglish);
    QVERIFY(!settings.error);
    const std::vector<std::uint8_t> stored =
        BuildSmtpFile(settings.settings, Family::First, h.state.languageByte());
    TempDir other;
    WriteBytes(other.path() / "smtp.dat", stored);
    h.platform.folderAnswers.push_back(other.str());
    Click(*h.form, "selectButton");
    QVERIFY(Child<QPushButton>(*h.form, "loadButton")->isVisible());
    QCOMPARE(h.edit("smtpServerEdit")->text(), QString());

    Click(*h.form, "loadButton");
    QCOMPARE(h.combo("countryCombo")->currentText().trimmed(),
             QString("Deutschland"));  // listed by its own name
    QCOMPARE(h.edit("smtpServerEdit")->text(), QString("smtp.example.com"));
    QCOMPARE(h.edit("senderEmailEdit")->text(), QString("cam01@example.com"));
    QCOMPARE(h.edit("recipientEmailEdit")->text(), QString("me@example.org"));
    QVERIFY(h.edit("apnEdit")->isReadOnly());  // Auto mode: the catalogue's access data
    QCOMPARE(h.platform.MessageCount(), std::size_t{0});
    Click(*h.form, "generateButton");
    QCOMPARE(ReadBytes(other.path() / "smtp.dat"), stored);
}

}  // namespace tov::test

QTEST_MAIN(tov::test::CSmtpSetupDlgTest)
#include "CSmtpSetupDlgTest.moc"
