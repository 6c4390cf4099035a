#include "camera/ui/CCameraSetup2740Dlg.h"

#include "camera/ui/CameraFormTestUtil.h"

#include <QtTest>

namespace tov::test {

using Harness = FormHarness<CCameraSetup2740Dlg>;

namespace {

QStringList Items(const QComboBox* combo) {
    QStringList items;
    for (int i = 0; i < combo->count(); ++i) {
        items << combo->itemText(i);
    }
    return items;
}

}  // namespace

class CCameraSetup2740DlgTest : public QObject {
    Q_OBJECT

private slots:
    void modelDecidesTitleListsAndMessages();
    void unknownModelWritesWithoutConfirmation();
    void textsFollowTheFirstFamilyTables();
    void generateAndDefaultWriteTheFirstFamilyFiles();
    void timer2FieldsAreReadInTheirFamilyOrder();
};

void CCameraSetup2740DlgTest::modelDecidesTitleListsAndMessages() {
    struct Case {
        int model;
        QString title;
        QStringList imageSizes;
        QStringList videoSizes;
        std::string confirmation;
    };
    const Case cases[] = {
        {5,
         "Tov Brenn 2760",
         {"12MP", "5MP", "1.3MP"},
         {"1280x720", "640x480", "320x240"},
         "Tov 2760 Configuration file is generated"},
        {1,
         "Tov Brenn 2740",
         {"5MP", "12MP", "1.3MP"},
         {"640x480", "320x240"},
         "Tov 2740 Configuration file is generated"},
        {3,
         "Tov Brenn 2740",
         {"5MP", "12MP", "1.3MP"},
         {"640x480", "320x240"},
         "Tov 2740 Configuration file is generated"},
    };
    for (const Case& c : cases) {
        Harness h(StateFor(c.model, kEnglish));
        QCOMPARE(h.form.windowTitle(), c.title);
        QCOMPARE(Items(Combo(h.form, "imageSizeCombo")), c.imageSizes);
        QCOMPARE(Items(Combo(h.form, "videoSizeCombo")), c.videoSizes);
        QCOMPARE(Combo(h.form, "videoSizeCombo")->currentIndex(), 0);
        QCOMPARE(Combo(h.form, "cameraModeCombo")->count(), 3);
        QVERIFY(!Combo(h.form, "beepSoundCombo")->isVisibleTo(&h.form));
        QVERIFY(!Combo(h.form, "sdCycleCombo")->isVisibleTo(&h.form));
        Click(h.form, "generateButton");
        QCOMPARE(h.platform.messages, std::vector<std::string>{h.Confirmed(c.confirmation)});
    }
}

void CCameraSetup2740DlgTest::unknownModelWritesWithoutConfirmation() {
    for (int model : {0, 7}) {
        Harness h(StateFor(model, kEnglish));
        QCOMPARE(h.form.windowTitle(), QString("Tov Brenn 2740"));
        QCOMPARE(Items(Combo(h.form, "cameraModeCombo")), QStringList({"Camera", "Video"}));
        QCOMPARE(Combo(h.form, "imageSizeCombo")->count(), 0);
        QCOMPARE(Combo(h.form, "imageSizeCombo")->currentIndex(), -1);
        QCOMPARE(Combo(h.form, "videoSizeCombo")->count(), 2);

        Click(h.form, "generateButton");
        QCOMPARE(h.MenuFile().size(), std::size_t{60});
        QCOMPARE(h.MenuFile().at(1), std::uint8_t{0xFF});
        Click(h.form, "defaultButton");
        QCOMPARE(h.MenuFile(), Bytes(FactoryMenuRecord()));
        QCOMPARE(Combo(h.form, "imageSizeCombo")->currentIndex(), -1);
        QCOMPARE(h.platform.MessageCount(), std::size_t{0});
    }
}

void CCameraSetup2740DlgTest::textsFollowTheFirstFamilyTables() {
    {
        Harness h(StateFor(1, kLithuanian));
        QCOMPARE(LabelText(h.form, "modeLabel"), QString("Rezimas"));
        QCOMPARE(LabelText(h.form, "timer2Label"), QString("Timeris2"));
        QCOMPARE(Child<QPushButton>(h.form, "generateButton")->text(), QString(" Issaugoti"));
        QCOMPARE(Combo(h.form, "timeStampCombo")->itemText(0), QString("IJ."));
        QCOMPARE(Combo(h.form, "intervalUnitCombo")->currentText(), QString("min"));
        Click(h.form, "generateButton");
        QCOMPARE(h.platform.messages,
                 std::vector<std::string>{h.Confirmed("Tov 2740 Configuration file is generated")});
    }
    {
        Harness h(StateFor(5, kJapanese));
        QCOMPARE(LabelText(h.form, "timer1StartHourLabel"), QString("時"));
        QCOMPARE(LabelText(h.form, "timer2StopMinuteLabel"), QString("分"));
        QCOMPARE(LabelText(h.form, "timeLapseSecondLabel"), QString("秒"));
        QCOMPARE(LabelText(h.form, "timer2StartLabel"), QString("開始:"));
        QCOMPARE(Combo(h.form, "cameraModeCombo")->itemText(2), QString("静止画+動画"));
        QCOMPARE(Child<QPushButton>(h.form, "selectButton")->text(), QString("フォルダ選択"));
    }
    {
        Harness h(StateFor(3, kSlovensko));
        QCOMPARE(LabelText(h.form, "modeLabel"), QString("Nacin"));
        QCOMPARE(LabelText(h.form, "timer1StartLabel"), QString("Zacetek:"));
        QCOMPARE(LabelText(h.form, "timer2StartLabel"), QString("Start:"));
        QCOMPARE(LabelText(h.form, "timeLapseHourLabel"), QString("Hour"));
        QCOMPARE(LabelText(h.form, "videoLengthUnitLabel"), QString("Sec"));
        QCOMPARE(Combo(h.form, "intervalUnitCombo")->itemText(0), QString("Sek."));
    }
}

void CCameraSetup2740DlgTest::generateAndDefaultWriteTheFirstFamilyFiles() {
    AppState state = StateFor(5, kChinese);
    state.chineseChosen = 1;
    Harness h(state);
    const QWidget& f = h.form;
    Combo(f, "imageSizeCombo")->setCurrentIndex(2);
    Combo(f, "videoSizeCombo")->setCurrentIndex(1);
    Combo(f, "sidePirCombo")->setCurrentIndex(0);
    Combo(f, "timer2Combo")->setCurrentIndex(1);
    TypeInto(Edit(f, "timer2StartMinuteEdit"), "30");
    TypeInto(Edit(f, "timer2StopHourEdit"), "18");
    Combo(f, "timer1Combo")->setCurrentIndex(1);
    TypeInto(Edit(f, "timer1StopHourEdit"), "6");
    TypeInto(Edit(f, "intervalValueEdit"), "15");
    QCOMPARE(h.platform.MessageCount(), std::size_t{0});

    Click(f, "generateButton");
    QCOMPARE(h.platform.messages,
             std::vector<std::string>{h.Confirmed("Tov 2760 相机菜单设置文件已经生成")});
    CameraMenuSettings expected = OpeningCameraSettings(5);
    expected.imageSize = 2;
    expected.videoSize = 1;
    expected.sidePir = 0;
    expected.timer2 = 1;
    expected.timer2StartMinute = 30;
    expected.timer2StopHour = 18;
    expected.timer1 = 1;
    expected.timer1StopHour = 6;
    expected.intervalValue = 15;
    ClockSnapshot clock = h.form.clock();
    QCOMPARE(h.MenuFile(), Bytes(BuildMenuRecord2740(expected, clock, 1, 0)));

    h.platform.Clear();
    Click(f, "defaultButton");
    QCOMPARE(h.platform.messages,
             // The file Generate wrote is replaced by the factory file, in the form's language.
             std::vector<std::string>{h.Confirmed("Tov 2760 相机菜单出厂设置文件已经生成") +
                                      "\n所有设置恢复为相机的出厂设置"});
    QCOMPARE(h.MenuFile(), Bytes(FactoryMenuRecord()));
    QCOMPARE(Combo(f, "imageSizeCombo")->currentIndex(), 0);
    QCOMPARE(Combo(f, "sidePirCombo")->currentIndex(), 1);
    QCOMPARE(Edit(f, "timer1StopHourEdit")->text(), QString("0"));
    QCOMPARE(Edit(f, "timer2StopHourEdit")->text(), QString("18"));
    QCOMPARE(Edit(f, "intervalValueEdit")->text(), QString("15"));
    QCOMPARE(h.form.settings().timer2StartMinute, 30);
}

void CCameraSetup2740DlgTest::timer2FieldsAreReadInTheirFamilyOrder() {
    Harness h(StateFor(1, kEnglish));
    Combo(h.form, "timer2Combo")->setCurrentIndex(1);
    TypeInto(Edit(h.form, "timer2StopMinuteEdit"), "60");
    QCOMPARE(h.platform.fieldMessages, std::vector<std::string>{"“请填入一个在0和59之间的整数。”"});
    QCOMPARE(Edit(h.form, "timer2StopMinuteEdit")->text(), QString("0"));

    // With both start fields empty, this family stops at the start minute.
    EraseField(Edit(h.form, "timer2StartMinuteEdit"));
    EraseField(Edit(h.form, "timer2StartHourEdit"));
    QCOMPARE(h.form.focusWidget(), Edit(h.form, "timer2StartMinuteEdit"));
}

}  // namespace tov::test

QTEST_MAIN(tov::test::CCameraSetup2740DlgTest)
#include "CCameraSetup2740DlgTest.moc"
