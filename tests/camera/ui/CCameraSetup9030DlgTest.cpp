#include "camera/ui/CCameraSetup9030Dlg.h"

#include "camera/ui/CameraFormTestUtil.h"
#include "common/FilePath.h"
#include "common/SafeFileWriterDetail.h"
#include "forms/FieldLook.h"

#include <QtTest>

#include <filesystem>
#include <functional>

namespace tov::test {

using Harness = FormHarness<CCameraSetup9030Dlg>;

class CCameraSetup9030DlgTest : public QObject {
    Q_OBJECT

private slots:
    void opensInItsStartingState();
    void outOfRangeEntriesAreReportedAndCorrected();
    void erasedFieldKeepsItsNumberForGenerate();
    void chineseFormSpeaksChinese();
    void switchListsLockTheirFieldsWithoutClearingThem();
    void defaultResetsPartOfTheFormAndWritesFactoryFile();
    void getTimeTakesTheClockInTheChosenFormat();
    void folderComesFromPickerOrTyping();
    void generateWritesTheRecordOfTheForm();
    void lithuanianFallsBackToEnglish();
    void failedWriteIsReportedAndOldFileStays();
    void timer2FieldsAreReadInTheirFamilyOrder();
    void exitCloseAndEscapeReject();
};

void CCameraSetup9030DlgTest::opensInItsStartingState() {
    Harness h(StateFor(4, kEnglish));
    const QWidget& f = h.form;
    QCOMPARE(f.windowTitle(), QString("Tov Brenn 9030"));

    // The opening selections that are not the first entry, and the order of the on/off lists.
    const std::pair<const char*, QString> selections[] = {
        {"videoSizeCombo", "1280x720"}, {"timeStampCombo", "On"}, {"sidePirCombo", "On"},
        {"intervalUnitCombo", "Min"},   {"beepSoundCombo", "On"}, {"sdCycleCombo", "Off"},
        {"timeLapseCombo", "Off"},      {"timer2Combo", "Off"},
    };
    for (const auto& [name, text] : selections) {
        QCOMPARE(Combo(f, name)->currentText(), text);
    }
    QCOMPARE(Combo(f, "serialChar1Combo")->itemText(35), QString("Z"));
    QVERIFY(!Combo(f, "serialChar1Combo")->isEnabled());

    QCOMPARE(Edit(f, "videoLengthEdit")->text(), QString("10"));
    QCOMPARE(Edit(f, "intervalValueEdit")->alignment(), Qt::AlignCenter);
    for (const char* name :
         {"timer1StartHourEdit", "timer2StopMinuteEdit", "timeLapseSecondEdit"}) {
        QCOMPARE(Edit(f, name)->text(), QString("0"));
        QVERIFY(Edit(f, name)->isReadOnly());
    }
    QCOMPARE(Edit(f, "clockTextEdit")->text(), QString("2014/05/07 13:04:09"));
    QVERIFY(Edit(f, "clockTextEdit")->isReadOnly());
    QCOMPARE(Edit(f, "clockTextEdit")->palette().color(QPalette::Base), kReadOnlyBackground);

    QCOMPARE(LabelText(f, "beepSoundLabel"), QString("Beep Sound"));
    QCOMPARE(LabelText(f, "timer2StartHourLabel"), QString("Hour"));
    QVERIFY(Child<QPushButton>(f, "generateButton")->isDefault());
    QCOMPARE(h.platform.MessageCount(), std::size_t{0});
}

void CCameraSetup9030DlgTest::outOfRangeEntriesAreReportedAndCorrected() {
    Harness h(StateFor(4, kEnglish));
    const QWidget& f = h.form;

    Combo(f, "timeLapseCombo")->setCurrentIndex(0);
    TypeInto(Edit(f, "timeLapseMinuteEdit"), "70");
    QCOMPARE(h.platform.messages,
             std::vector<std::string>{"Please enter an integer between 0 and 59!"});
    QCOMPARE(Edit(f, "timeLapseMinuteEdit")->text(), QString("0"));
    QCOMPARE(h.form.settings().timeLapseMinute, 0);
    QCOMPARE(f.focusWidget(), Edit(f, "timeLapseMinuteEdit"));

    h.platform.Clear();
    TypeInto(Edit(f, "videoLengthEdit"), "0");
    QCOMPARE(h.platform.messages,
             std::vector<std::string>{"Please enter an integer between 1 and 60!"});
    QCOMPARE(Edit(f, "videoLengthEdit")->text(), QString("10"));

    h.platform.Clear();
    TypeInto(Edit(f, "intervalValueEdit"), "61");  // "6" passes, "61" does not
    QCOMPARE(h.platform.messages,
             std::vector<std::string>{"Please enter an integer between 0 and 60!"});
    QCOMPARE(Edit(f, "intervalValueEdit")->text(), QString("1"));

    h.platform.Clear();
    Combo(f, "timer2Combo")->setCurrentIndex(1);
    TypeInto(Edit(f, "timer2StartHourEdit"), "30");
    QVERIFY(h.platform.messages.empty());
    QCOMPARE(h.platform.fieldMessages, std::vector<std::string>{"“请填入一个在0和23之间的整数。”"});
    QCOMPARE(Edit(f, "timer2StartHourEdit")->text(), QString("0"));

    // Seconds allow an interval of 0; switching to minutes turns it into 1.
    h.platform.Clear();
    Combo(f, "intervalUnitCombo")->setCurrentIndex(0);
    TypeInto(Edit(f, "intervalValueEdit"), "0");
    QCOMPARE(Edit(f, "intervalValueEdit")->text(), QString("0"));
    Combo(f, "intervalUnitCombo")->setCurrentIndex(1);
    QCOMPARE(Edit(f, "intervalValueEdit")->text(), QString("1"));
    QCOMPARE(h.platform.MessageCount(), std::size_t{0});
}

void CCameraSetup9030DlgTest::erasedFieldKeepsItsNumberForGenerate() {
    Harness h(StateFor(4, kEnglish));
    QLineEdit* videoLength = Edit(h.form, "videoLengthEdit");
    EraseField(videoLength);
    QCOMPARE(h.platform.fieldMessages, std::vector<std::string>{"请键入一个整数。"});
    QCOMPARE(videoLength->text(), QString());
    QCOMPARE(h.form.focusWidget(), videoLength);

    Click(h.form, "generateButton");
    ClockSnapshot clock = h.form.clock();
    QCOMPARE(h.MenuFile(), Bytes(BuildMenuRecord9030(OpeningCameraSettings(4), clock, 2, 0)));
    QCOMPARE(videoLength->text(), QString());
}

void CCameraSetup9030DlgTest::chineseFormSpeaksChinese() {
    AppState state = StateFor(2, kChinese);
    state.chineseChosen = 1;
    Harness h(state);
    QCOMPARE(LabelText(h.form, "modeLabel"), QString("模式"));
    QCOMPARE(Child<QPushButton>(h.form, "selectButton")->text(), QString("选择目录"));
    QCOMPARE(Combo(h.form, "senseLevelCombo")->itemText(3), QString("关闭"));
    QCOMPARE(LabelText(h.form, "beepSoundLabel"), QString("Beep Sound"));

    Combo(h.form, "timer1Combo")->setCurrentIndex(1);
    TypeInto(Edit(h.form, "timer1StopMinuteEdit"), "75");
    QCOMPARE(h.platform.messages, std::vector<std::string>{"请输入一个介于0和59之间的值!"});

    h.platform.Clear();
    Click(h.form, "generateButton");
    QCOMPARE(h.platform.messages,
             std::vector<std::string>{h.Confirmed("Tov 9030 相机菜单设置文件已经生成")});
    QCOMPARE(h.MenuFile().at(29), std::uint8_t{1});
}

void CCameraSetup9030DlgTest::switchListsLockTheirFieldsWithoutClearingThem() {
    Harness h(StateFor(4, kEnglish));
    const QWidget& f = h.form;
    const char* timer2Fields[] = {"timer2StartHourEdit", "timer2StartMinuteEdit",
                                  "timer2StopHourEdit", "timer2StopMinuteEdit"};

    // A locked field is greyed; unlocked, it takes the normal input colours again.
    Combo(f, "timer2Combo")->setCurrentIndex(1);
    for (const char* name : timer2Fields) {
        QVERIFY(!Edit(f, name)->isReadOnly());
        QVERIFY(Edit(f, name)->palette().color(QPalette::Base) != kReadOnlyBackground);
    }
    TypeInto(Edit(f, "timer2StopHourEdit"), "21");
    Combo(f, "timer2Combo")->setCurrentIndex(0);
    for (const char* name : timer2Fields) {
        QVERIFY(Edit(f, name)->isReadOnly());
        QCOMPARE(Edit(f, name)->palette().color(QPalette::Base), kReadOnlyBackground);
        QCOMPARE(Edit(f, name)->palette().color(QPalette::Text), kReadOnlyText);
    }
    QCOMPARE(Edit(f, "timer2StopHourEdit")->text(), QString("21"));

    Combo(f, "timer1Combo")->setCurrentIndex(1);
    TypeInto(Edit(f, "timer1StartMinuteEdit"), "45");
    Combo(f, "timer1Combo")->setCurrentIndex(0);
    QVERIFY(Edit(f, "timer1StartMinuteEdit")->isReadOnly());

    Combo(f, "timeLapseCombo")->setCurrentIndex(0);
    QVERIFY(!Edit(f, "timeLapseHourEdit")->isReadOnly());
    TypeInto(Edit(f, "timeLapseHourEdit"), "2");
    Combo(f, "timeLapseCombo")->setCurrentIndex(1);
    QVERIFY(Edit(f, "timeLapseHourEdit")->isReadOnly());

    Combo(f, "serialOnCombo")->setCurrentIndex(1);
    QVERIFY(Combo(f, "serialChar3Combo")->isEnabled());
    Combo(f, "serialChar3Combo")->setCurrentIndex(35);
    Combo(f, "serialOnCombo")->setCurrentIndex(0);
    QVERIFY(!Combo(f, "serialChar3Combo")->isEnabled());
    QCOMPARE(Combo(f, "serialChar3Combo")->currentIndex(), 35);

    // Locked values are still written.
    Click(f, "generateButton");
    CameraMenuSettings expected = OpeningCameraSettings(4);
    expected.timer2StopHour = 21;
    expected.timer1StartMinute = 45;
    expected.timeLapseHour = 2;
    expected.serialChars = {0, 0, 35, 0};
    ClockSnapshot clock = h.form.clock();
    QCOMPARE(h.MenuFile(), Bytes(BuildMenuRecord9030(expected, clock, 2, 0)));
}

void CCameraSetup9030DlgTest::defaultResetsPartOfTheFormAndWritesFactoryFile() {
    Harness h(StateFor(4, kEnglish));
    const QWidget& f = h.form;
    Combo(f, "cameraModeCombo")->setCurrentIndex(2);
    Combo(f, "videoSizeCombo")->setCurrentIndex(2);
    Combo(f, "sidePirCombo")->setCurrentIndex(0);
    Combo(f, "intervalUnitCombo")->setCurrentIndex(0);
    TypeInto(Edit(f, "intervalValueEdit"), "0");
    Combo(f, "beepSoundCombo")->setCurrentIndex(0);
    Combo(f, "sdCycleCombo")->setCurrentIndex(1);
    Combo(f, "timer1Combo")->setCurrentIndex(1);
    TypeInto(Edit(f, "timer1StartHourEdit"), "3");
    Combo(f, "timer2Combo")->setCurrentIndex(1);
    TypeInto(Edit(f, "timer2StartHourEdit"), "7");
    Combo(f, "timeLapseCombo")->setCurrentIndex(0);
    TypeInto(Edit(f, "timeLapseMinuteEdit"), "5");
    Combo(f, "serialOnCombo")->setCurrentIndex(1);
    Combo(f, "serialChar1Combo")->setCurrentIndex(10);
    Combo(f, "dateFormatCombo")->setCurrentIndex(2);
    TypeInto(Edit(f, "videoLengthEdit"), "30");
    const QString clockText = Edit(f, "clockTextEdit")->text();
    h.platform.Clear();

    Click(f, "defaultButton");
    QCOMPARE(h.MenuFile(), Bytes(FactoryMenuRecord()));
    QCOMPARE(h.platform.messages,
             std::vector<std::string>{
                 h.Confirmed("Tov 9030 Camera menu factory settings file has been generated")});

    QCOMPARE(Combo(f, "cameraModeCombo")->currentIndex(), 0);
    QCOMPARE(Combo(f, "videoSizeCombo")->currentText(), QString("1440x1080"));
    QCOMPARE(Combo(f, "sidePirCombo")->currentText(), QString("On"));
    QCOMPARE(Combo(f, "intervalUnitCombo")->currentText(), QString("Min"));
    QCOMPARE(Combo(f, "timer1Combo")->currentIndex(), 0);
    QCOMPARE(Combo(f, "timeLapseCombo")->currentText(), QString("Off"));
    QCOMPARE(Combo(f, "serialOnCombo")->currentIndex(), 0);
    QCOMPARE(Combo(f, "serialChar1Combo")->currentIndex(), 0);
    QVERIFY(!Combo(f, "serialChar1Combo")->isEnabled());
    QCOMPARE(Edit(f, "videoLengthEdit")->text(), QString("10"));
    QCOMPARE(Edit(f, "timer1StartHourEdit")->text(), QString("0"));
    QVERIFY(Edit(f, "timer1StartHourEdit")->isReadOnly());
    QCOMPARE(Edit(f, "timeLapseMinuteEdit")->text(), QString("0"));
    QVERIFY(Edit(f, "timeLapseMinuteEdit")->isReadOnly());

    QCOMPARE(Edit(f, "intervalValueEdit")->text(), QString("0"));
    QCOMPARE(Combo(f, "beepSoundCombo")->currentIndex(), 0);
    QCOMPARE(Combo(f, "sdCycleCombo")->currentIndex(), 1);
    QCOMPARE(Combo(f, "timer2Combo")->currentIndex(), 1);
    QCOMPARE(Edit(f, "timer2StartHourEdit")->text(), QString("7"));
    QVERIFY(!Edit(f, "timer2StartHourEdit")->isReadOnly());
    QCOMPARE(Combo(f, "dateFormatCombo")->currentIndex(), 2);
    QCOMPARE(Edit(f, "clockTextEdit")->text(), clockText);

    // The unit went to minutes without the correction, so the interval byte is 0.
    Click(f, "generateButton");
    QCOMPARE(h.MenuFile().at(6), std::uint8_t{0});
}

void CCameraSetup9030DlgTest::getTimeTakesTheClockInTheChosenFormat() {
    Harness h(StateFor(4, kEnglish));
    const QWidget& f = h.form;
    QLineEdit* clockText = Edit(f, "clockTextEdit");

    h.platform.clock = {2021, 12, 31, 23, 58, 7};
    Combo(f, "dateFormatCombo")->setCurrentIndex(1);
    QCOMPARE(clockText->text(), QString("12/31/2021 23:58:07"));
    h.platform.clock = {2022, 1, 2, 3, 4, 5};
    Combo(f, "dateFormatCombo")->setCurrentIndex(2);
    QCOMPARE(clockText->text(), QString("02/01/2022 03:04:05"));
    // A year past the camera's is held, and 29 February with it to a day that exists.
    h.platform.clock = {2040, 2, 29, 8, 0, 30};
    Combo(f, "dateFormatCombo")->setCurrentIndex(1);
    QCOMPARE(clockText->text(), QString("02/28/2031 08:00:30"));
    h.platform.clock = {2009, 6, 15, 8, 0, 30};
    Combo(f, "dateFormatCombo")->setCurrentIndex(0);
    QCOMPARE(clockText->text(), QString("2011/06/15 08:00:30"));

    // Get Time writes the held numbers back without reading the form.
    EraseField(Edit(f, "videoLengthEdit"));
    h.platform.Clear();
    h.platform.clock = {2030, 2, 3, 4, 5, 6};
    Click(f, "getTimeButton");
    QCOMPARE(clockText->text(), QString("2030/02/03 04:05:06"));
    QCOMPARE(Edit(f, "videoLengthEdit")->text(), QString("10"));
    QCOMPARE(h.platform.MessageCount(), std::size_t{0});

    // Generate writes the time of Generate, not of Get Time or the form's opening, and shows
    // it: the clock fields only show the clock.
    h.platform.clock = {2031, 7, 8, 9, 10, 11};
    Click(f, "generateButton");
    QCOMPARE(clockText->text(), QString("2031/07/08 09:10:11"));
    const auto written = h.MenuFile();
    using V = std::vector<std::uint8_t>;
    QCOMPARE(V(written.begin() + 14, written.begin() + 20), (V{21, 7, 8, 9, 10, 11}));
}

void CCameraSetup9030DlgTest::folderComesFromPickerOrTyping() {
    Harness h(StateFor(4, kEnglish));
    QLineEdit* folder = Edit(h.form, "folderEdit");
    QCOMPARE(folder->text(), QString::fromStdString(h.dir.str()));

    // A cancelled picker, opened at the folder shown, keeps the folder.
    h.platform.folderAnswers.push_back(std::nullopt);
    Click(h.form, "selectButton");
    QCOMPARE(h.platform.folderPickerStarts.back(), h.dir.str());
    QCOMPARE(folder->text(), QString::fromStdString(h.dir.str()));
    QCOMPARE(h.form.settings().folder, h.dir.str());

    // A typed folder is the destination at once, without any other field being read.
    TempDir typed;
    TypeInto(folder, QString::fromStdString(typed.str()));
    Click(h.form, "generateButton");
    QVERIFY(std::filesystem::exists(typed.path() / "menu.dat"));
    QVERIFY(!std::filesystem::exists(h.dir.path() / "menu.dat"));

    // Typing stops at 80 characters; a longer picked path is kept whole and refused when read.
    TypeInto(folder, QString(90, 'x'));
    QCOMPARE(folder->text().size(), 80);
    QCOMPARE(folder->property(kRefusalProperty).toString(),
             QString("at most 80 characters fit in this field"));
    const std::string longPath = "/" + std::string(99, 'p');
    h.platform.folderAnswers.push_back(longPath);
    Click(h.form, "selectButton");
    QCOMPARE(folder->text(), QString::fromStdString(longPath));
    h.platform.Clear();
    Combo(h.form, "cameraModeCombo")->setCurrentIndex(1);
    QCOMPARE(h.platform.fieldMessages, std::vector<std::string>{"“请填入不多于80个的字符。”"});
    QCOMPARE(h.form.settings().folder, longPath);
}

void CCameraSetup9030DlgTest::generateWritesTheRecordOfTheForm() {
    AppState state = StateFor(4, kEnglish);
    state.TvMode = 1;
    Harness h(state);
    const QWidget& f = h.form;
    Combo(f, "cameraModeCombo")->setCurrentIndex(2);
    Combo(f, "imageSizeCombo")->setCurrentIndex(1);
    Combo(f, "pictureCountCombo")->setCurrentIndex(2);
    Combo(f, "timeStampCombo")->setCurrentIndex(1);
    Combo(f, "senseLevelCombo")->setCurrentIndex(3);
    Combo(f, "intervalUnitCombo")->setCurrentIndex(0);
    Combo(f, "beepSoundCombo")->setCurrentIndex(0);
    Combo(f, "sdCycleCombo")->setCurrentIndex(1);
    Combo(f, "serialOnCombo")->setCurrentIndex(1);
    Combo(f, "serialChar4Combo")->setCurrentIndex(9);
    TypeInto(Edit(f, "videoLengthEdit"), "60");
    TypeInto(Edit(f, "intervalValueEdit"), "45");
    QCOMPARE(h.platform.MessageCount(), std::size_t{0});

    // Enter runs Generate and the form stays open.
    QTest::keyClick(Edit(f, "intervalValueEdit"), Qt::Key_Return);
    QVERIFY(f.isVisible());
    QCOMPARE(h.platform.messages,
             std::vector<std::string>{h.Confirmed("Tov 9030 Configuration file is generated")});

    CameraMenuSettings expected = OpeningCameraSettings(4);
    expected.cameraMode = 2;
    expected.imageSize = 1;
    expected.pictureCount = 2;
    expected.timeStamp = 1;
    expected.senseLevel = 3;
    expected.intervalUnit = 0;
    expected.beepSound = 0;
    expected.sdCycle = 1;
    expected.serialOn = 1;
    expected.serialChars = {0, 0, 0, 9};
    expected.videoLength = 60;
    expected.intervalValue = 45;
    ClockSnapshot clock = h.form.clock();
    QCOMPARE(h.MenuFile(), Bytes(BuildMenuRecord9030(expected, clock, 2, 1)));
}

void CCameraSetup9030DlgTest::lithuanianFallsBackToEnglish() {
    Harness h(StateFor(4, kLithuanian));
    QCOMPARE(LabelText(h.form, "modeLabel"), QString("Mode"));
    QCOMPARE(Child<QPushButton>(h.form, "generateButton")->text(), QString("Generate"));
    QCOMPARE(Combo(h.form, "timeStampCombo")->itemText(0), QString("On"));
    Click(h.form, "generateButton");
    QCOMPARE(h.platform.messages,
             std::vector<std::string>{h.Confirmed("Tov 9030 Configuration file is generated")});
    QCOMPARE(h.MenuFile().at(29), std::uint8_t{kLithuanian});
}

void CCameraSetup9030DlgTest::failedWriteIsReportedAndOldFileStays() {
    Harness h(StateFor(4, kEnglish));
    Click(h.form, "generateButton");
    const auto oldFile = h.MenuFile();
    h.platform.clock = {2025, 3, 3, 3, 3, 3};
    Click(h.form, "getTimeButton");

    // The old menu.dat itself picked as the folder: nothing can be written below it.
    const std::string notAFolder = (h.dir.path() / "menu.dat").string();
    const std::string missing = (h.dir.path() / "missing").string();
    for (const std::string& folder : {notAFolder, missing}) {
        for (const char* button : {"generateButton", "defaultButton"}) {
            h.platform.Clear();
            h.platform.folderAnswers.push_back(folder);
            Click(h.form, "selectButton");
            Click(h.form, button);
            QCOMPARE(h.platform.messages.size(), std::size_t{1});
            const std::string& message = h.platform.messages.front();
            QVERIFY(message.find(PathText(ConfigFilePath(folder, kMenuFileName))) !=
                    std::string::npos);
            QCOMPARE(h.MenuFile(), oldFile);
            QVERIFY(!std::filesystem::exists(missing));
        }
    }
    QCOMPARE(h.dir.Entries(), std::vector<std::string>{"menu.dat"});

    // A card that gives back other bytes than it took: its own message, the old file kept.
    h.platform.Clear();
    h.platform.folderAnswers.push_back(h.dir.str());
    Click(h.form, "selectButton");
    detail::SetWriteFault(
        [](detail::WriteStep step) { return step == detail::WriteStep::Compare; });
    Click(h.form, "generateButton");
    detail::SetWriteFault(nullptr);
    QCOMPARE(h.platform.messages,
             std::vector<std::string>{"Could not write " +
                                      PathText(ConfigFilePath(h.dir.str(), kMenuFileName)) +
                                      ": The card holds different bytes than were written; try "
                                      "another card or reader\nThe previous file was left "
                                      "unchanged."});
    QCOMPARE(h.MenuFile(), oldFile);
}

void CCameraSetup9030DlgTest::timer2FieldsAreReadInTheirFamilyOrder() {
    Harness h(StateFor(4, kEnglish));
    // With both start fields empty, this family stops at the start hour.
    Combo(h.form, "timer2Combo")->setCurrentIndex(1);
    EraseField(Edit(h.form, "timer2StartHourEdit"));
    EraseField(Edit(h.form, "timer2StartMinuteEdit"));
    QCOMPARE(h.form.focusWidget(), Edit(h.form, "timer2StartHourEdit"));
    QCOMPARE(h.platform.fieldMessages.size(), std::size_t{2});
}

void CCameraSetup9030DlgTest::exitCloseAndEscapeReject() {
    const std::function<void(QDialog&)> closers[] = {
        [](QDialog& form) { Click(form, "exitButton"); },
        [](QDialog& form) { QTest::keyClick(&form, Qt::Key_Escape); },
        [](QDialog& form) { form.close(); },
    };
    for (const auto& close : closers) {
        Harness h(StateFor(4, kEnglish));
        h.form.setResult(QDialog::Accepted);
        close(h.form);
        QVERIFY(!h.form.isVisible());
        QCOMPARE(h.form.result(), int(QDialog::Rejected));
    }
}

}  // namespace tov::test

QTEST_MAIN(tov::test::CCameraSetup9030DlgTest)
#include "CCameraSetup9030DlgTest.moc"
