#include "camera/ui/CameraFormTestUtil.h"
#include "smtp/core/GprsCatalogue.h"
#include "smtp/core/SmtpFile.h"
#include "smtp/ui/CSmtpSetup2740Dlg.h"
#include "smtp/ui/CSmtpSetup9030Dlg.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QtTest>

#include <filesystem>
#include <functional>
#include <memory>

namespace tov::test {

/// An e-mail form of either family on screen with a fake platform, pointed at a fresh folder.
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
    void FillTheSender() const {
        TypeInto(edit("smtpServerEdit"), "smtp.example.com");
        TypeInto(edit("portEdit"), "465");
        TypeInto(edit("senderEmailEdit"), "cam01@example.com");
        TypeInto(edit("senderPasswordEdit"), "pw-123");
        TypeInto(edit("recipientEmailEdit"), "me@example.org");
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
    void modeChangeEmptiesAllTextsButPhoneAndFolder();
    void countryChangeRelistsOperatorsInAutoOnly();
    void checksStopGenerateWithTheirMessage();
    void emailFieldsTakeTheirFamilysBytes();
    void maxImagesKeepsItsPlatformMessages();
    void enterNeitherGeneratesNorCloses();
    void failedWriteIsReportedAndOldFileStays();
    void firstFamilyReadsWhenSmsListClosesUnchanged();
    void exitCloseAndEscapeReject();
};

void CSmtpSetupDlgTest::opensInItsStartingState() {
    for (const int model : {4, 3, 5}) {
        SmtpHarness h(model);
        const QWidget& f = *h.form;
        const bool second = model == 4;
        QCOMPARE(f.windowTitle(), QString(model == 5   ? "Tov Brenn 2760"
                                          : model == 3 ? "Tov Brenn 2740"
                                                       : "Tov Brenn 9030"));
        QCOMPARE(h.combo("modeCombo")->currentText(), QString("Auto"));
        QCOMPARE(h.combo("countryCombo")->count(), 41);
        QCOMPARE(h.combo("countryCombo")->currentText(), QString("China"));
        QCOMPARE(h.combo("operatorCombo")->count(), 2);
        QCOMPARE(h.combo("operatorCombo")->currentText(), QString("China Mobile"));
        QCOMPARE(h.combo("smsRemoteHoursCombo")->count(), 26);
        QCOMPARE(h.combo("smsRemoteHoursCombo")->currentText(), QString("Off"));
        QCOMPARE(Child<QWidget>(f, "smtpStatusFrame")->isVisible(), second);
        if (second) {
            QCOMPARE(h.combo("smtpStatusCombo")->currentText(), QString("VGA"));
        }
        for (const char* name : {"apnEdit", "accountEdit", "gprsPasswordEdit"}) {
            QVERIFY(h.edit(name)->isReadOnly());
        }
        QCOMPARE(h.edit("maxImagesEdit")->text(), QString("0"));
        QCOMPARE(h.edit("senderPasswordEdit")->echoMode(), QLineEdit::Password);
        QCOMPARE(h.edit("gprsPasswordEdit")->echoMode(), QLineEdit::Normal);
        QCOMPARE(LabelText(f, "maxImagesLabel"), QString("Picture No./ day"));
        QCOMPARE(Child<QPushButton>(f, "generateButton")->text(), QString("Generate"));
        QCOMPARE(h.platform.MessageCount(), std::size_t{0});
    }

    SmtpHarness lithuanian(4, kLithuanian);
    QCOMPARE(LabelText(*lithuanian.form, "smsRemoteLabel"), QString(" SMS nuotol.valdymas"));
    QCOMPARE(lithuanian.combo("smtpStatusCombo")->itemText(0), QString("ISJ."));
}

void CSmtpSetupDlgTest::generateWritesTheFileOfTheForm() {
    for (const int model : {4, 5}) {
        SmtpHarness h(model);
        h.FillTheSender();
        TypeInto(h.edit("maxImagesEdit"), "12");
        h.combo("countryCombo")->setCurrentIndex(3);   // United Kingdom
        h.combo("operatorCombo")->setCurrentIndex(7);  // ASDA Mobile
        h.platform.Clear();
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
        const std::string number = model == 4 ? "9030" : "2760";
        QCOMPARE(h.platform.messages,
                 std::vector<std::string>{"Tov " + number +
                                          " SMTP configuration file has been generated\n" +
                                          PathText(ConfigFilePath(h.dir.str(), kSmtpFileName))});
        // The preset went into the file only: the held GPRS texts and the fields stay empty,
        // and a second Generate writes the same file.
        QVERIFY(h.form->settings().apn.empty());
        QVERIFY(h.edit("apnEdit")->text().isEmpty());
        std::filesystem::remove(h.dir.path() / "smtp.dat");
        Click(*h.form, "generateButton");
        QCOMPARE(h.SmtpFile(), bytes);
        QCOMPARE(h.dir.Entries(), std::vector<std::string>{"smtp.dat"});
    }
}

void CSmtpSetupDlgTest::modeChangeEmptiesAllTextsButPhoneAndFolder() {
    SmtpHarness h(4);
    h.FillTheSender();
    TypeInto(h.edit("phoneNumberEdit"), "+4915100");
    TypeInto(h.edit("maxImagesEdit"), "5");
    h.combo("countryCombo")->setCurrentIndex(2);

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

    // Manual writes what was typed, with 0x80 for the country.
    h.FillTheSender();
    TypeInto(h.edit("apnEdit"), "web.example");
    TypeInto(h.edit("accountEdit"), "user");
    h.platform.Clear();
    Click(*h.form, "generateButton");
    const RecordFileReading written = ReadRecordFile(h.SmtpFile());
    QCOMPARE(written.plain[0][2], std::uint8_t{0x80});
    QCOMPARE(written.plain[0][55], std::uint8_t{0});
    QCOMPARE(RecordText(written.plain[1]), std::string("web.example"));
    QCOMPARE(RecordText(written.plain[8]), std::string("+4915100"));

    h.combo("modeCombo")->setCurrentIndex(kSmtpAuto);
    QVERIFY(h.edit("apnEdit")->text().isEmpty());
    QVERIFY(h.edit("apnEdit")->isReadOnly());
    QCOMPARE(h.combo("countryCombo")->currentText(), QString("China"));
    QCOMPARE(h.combo("operatorCombo")->count(), 2);
}

void CSmtpSetupDlgTest::countryChangeRelistsOperatorsInAutoOnly() {
    SmtpHarness h(3);
    h.combo("countryCombo")->setCurrentIndex(3);
    QCOMPARE(h.combo("operatorCombo")->count(), 8);
    QCOMPARE(h.combo("operatorCombo")->itemText(7), QString("ASDA Mobile"));
    h.combo("operatorCombo")->setCurrentIndex(4);
    h.combo("countryCombo")->setCurrentIndex(40);
    QCOMPARE(h.combo("operatorCombo")->count(), 1);
    QCOMPARE(h.combo("operatorCombo")->currentText(), QString("Cyta"));
    QCOMPARE(h.form->settings().operatorIndex, 0);
}

void CSmtpSetupDlgTest::checksStopGenerateWithTheirMessage() {
    SmtpHarness h(4, kChinese);
    h.FillTheSender();
    TypeInto(h.edit("portEdit"), "4");
    TypeInto(h.edit("phoneNumberEdit"), "123");
    h.platform.Clear();
    Click(*h.form, "generateButton");
    QCOMPARE(h.platform.messages, std::vector<std::string>{"请设置端口"});

    TypeInto(h.edit("portEdit"), "25");
    h.platform.Clear();
    Click(*h.form, "generateButton");
    QCOMPARE(h.platform.messages, std::vector<std::string>{"手机号码错误"});
    QVERIFY(h.dir.Entries().empty());
}

void CSmtpSetupDlgTest::emailFieldsTakeTheirFamilysBytes() {
    const QString fortyFive(45, QChar('a'));
    for (const auto& [model, limit] : {std::pair{4, 40}, std::pair{3, 32}, std::pair{5, 32}}) {
        SmtpHarness h(model);
        for (const char* name : {"senderEmailEdit", "recipientEmailEdit"}) {
            TypeInto(h.edit(name), fortyFive);
            QCOMPARE(h.edit(name)->text().size(), limit);
        }
        TypeInto(h.edit("phoneNumberEdit"), fortyFive);
        QCOMPARE(h.edit("phoneNumberEdit")->text().size(), 30);
        QCOMPARE(h.form->settings().senderEmail.size(), std::size_t(limit));
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
    QCOMPARE(h.platform.fieldMessages.size(), std::size_t{1});
    QCOMPARE(h.platform.fieldMessages.back(), std::string("“请填入一个在0和99之间的整数。”"));
    QCOMPARE(maxImages->text(), QString("0"));
    QCOMPARE(h.form->settings().maxImages, 0);
    QCOMPARE(h.form->settings().smtpServer, std::string("m"));
    QCOMPARE(h.edit("smtpServerEdit")->text(), QString("m"));
}

void CSmtpSetupDlgTest::enterNeitherGeneratesNorCloses() {
    SmtpHarness h(5);
    h.FillTheSender();
    h.platform.Clear();
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

void CSmtpSetupDlgTest::failedWriteIsReportedAndOldFileStays() {
    SmtpHarness h(4);
    h.FillTheSender();
    Click(*h.form, "generateButton");
    const auto oldFile = h.SmtpFile();

    const std::string missing = (h.dir.path() / "missing").string();
    h.platform.Clear();
    h.platform.folderAnswers.push_back(missing);
    Click(*h.form, "selectButton");
    TypeInto(h.edit("portEdit"), "587");
    Click(*h.form, "generateButton");
    QCOMPARE(h.platform.messages.size(), std::size_t{1});
    const std::string& message = h.platform.messages.front();
    QVERIFY(message.rfind("Could not write " + PathText(ConfigFilePath(missing, kSmtpFileName)),
                          0) == 0);
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

void CSmtpSetupDlgTest::exitCloseAndEscapeReject() {
    const std::function<void(QDialog&)> closers[] = {
        [](QDialog& form) { Click(form, "exitButton"); },
        [](QDialog& form) { QTest::keyClick(&form, Qt::Key_Escape); },
        [](QDialog& form) { form.close(); },
    };
    for (const auto& close : closers) {
        SmtpHarness h(3);
        h.form->setResult(QDialog::Accepted);
        close(*h.form);
        QVERIFY(!h.form->isVisible());
        QCOMPARE(h.form->result(), int(QDialog::Rejected));
    }
}

}  // namespace tov::test

QTEST_MAIN(tov::test::CSmtpSetupDlgTest)
#include "CSmtpSetupDlgTest.moc"
