#include "camera/ui/CCameraSetup9030Dlg.h"

#include "camera/ui/CameraFormTestUtil.h"

#include <QtTest>

#include <nlohmann/json.hpp>

#include <fstream>

namespace tov::test {

using Harness = FormHarness<CCameraSetup9030Dlg>;

class CameraFormProfilesTest : public QObject {
    Q_OBJECT

private slots:
    void saveWritesTheFormsSettingsAsAProfile();
    void openFillsTheFormAsIfTyped();
    void profilesTheFormCannotTakeAreRefused();
    void lastWrittenSettingsAreOfferedNotApplied();
};

namespace {

std::string Put(const TempDir& dir, const std::string& name, const std::string& text) {
    std::ofstream(dir.path() / name) << text;
    return (dir.path() / name).string();
}

}  // namespace

void CameraFormProfilesTest::saveWritesTheFormsSettingsAsAProfile() {
    Harness h(StateFor(4, kEnglish));
    Combo(h.form, "cameraModeCombo")->setCurrentIndex(1);
    TypeInto(Edit(h.form, "videoLengthEdit"), "45");
    QTest::keyClick(Edit(h.form, "videoLengthEdit"), Qt::Key_Tab);
    const std::string path = (h.dir.path() / "p.json").string();
    h.platform.saveAnswers.push_back(Platform::ProfileSaveChoice{path, false});
    Click(h.form, "saveProfileButton");
    // The dialog opens in the documents, never on the card the form writes to.
    QCOMPARE(h.platform.saveStarts, std::vector<std::string>{"/home/anna/Documents"});
    QCOMPARE(h.platform.messages.size(), std::size_t{1});
    QVERIFY(h.platform.messages.front().starts_with("The profile is saved: "));
    const auto profile = nlohmann::json::parse(std::ifstream(path));
    QCOMPARE(profile.at("format").get<int>(), 1);
    QCOMPARE(profile.at("model").get<std::string>(), std::string("Tov 9030MG"));
    QCOMPARE(profile.at("menu").at("cameraMode").get<std::string>(), std::string("Video"));
    QCOMPARE(profile.at("menu").at("videoLength").get<std::string>(), std::string("45"));
    // Saving writes no camera file.
    QVERIFY(!std::filesystem::exists(h.dir.path() / "menu.dat"));
}

void CameraFormProfilesTest::openFillsTheFormAsIfTyped() {
    Harness h(StateFor(4, kEnglish));
    h.platform.openAnswers.push_back(
        Put(h.dir, "p.json",
            R"({"format": 1, "model": "Tov 9030MG", "menu": {"cameraMode": "Video",
                "videoLength": 45, "timeLapse": "On", "timeLapseHour": 2}})"));
    Click(h.form, "openProfileButton");
    QCOMPARE(h.platform.messages, std::vector<std::string>{"Loaded the profile p.json"});
    QCOMPARE(Combo(h.form, "cameraModeCombo")->currentText(), QString("Video"));
    QCOMPARE(Edit(h.form, "videoLengthEdit")->text(), QString("45"));
    QCOMPARE(Edit(h.form, "timeLapseHourEdit")->text(), QString("2"));
    // Time lapse On unlocks its fields, as choosing it does.
    QVERIFY(!Edit(h.form, "timeLapseHourEdit")->isReadOnly());
    // Generate writes what the profile says.
    Click(h.form, "generateButton");
    QCOMPARE(h.MenuFile().at(4), std::uint8_t{44});  // 45 s, stored less one
}

void CameraFormProfilesTest::profilesTheFormCannotTakeAreRefused() {
    const struct {
        const char* profile;
        const char* says;
    } cases[] = {
        {R"({"format": 1, "model": "Tov 2760MG", "menu": {"videoLength": 45}})",
         "This profile is for the Tov 2760MG; this form writes the Tov 9030MG's file. Nothing "
         "was loaded."},
        {R"({"format": 1, "menu": {"videoLength": 99}})",
         "The profile was not loaded: videoLength: Please enter an integer between 1 and 60!"},
        {R"({"format": 1, "mms": {"phone1": "0770"}})",
         "The profile holds no settings of this form (\"menu\")."},
        {R"({"format": 1, "menu": {"videoLength": 45},)", "p.json: not valid JSON at line 1"},
    };
    for (const auto& c : cases) {
        Harness h(StateFor(4, kEnglish));
        h.platform.openAnswers.push_back(Put(h.dir, "p.json", c.profile));
        Click(h.form, "openProfileButton");
        QCOMPARE(h.platform.messages.size(), std::size_t{1});
        QVERIFY2(h.platform.messages.front().starts_with(c.says),
                 h.platform.messages.front().c_str());
        QCOMPARE(Edit(h.form, "videoLengthEdit")->text(), QString("10"));  // as it opened
    }
}

void CameraFormProfilesTest::lastWrittenSettingsAreOfferedNotApplied() {
    TempDir kept;
    {
        Harness h(StateFor(4, kEnglish));
        h.platform.lastSettingsFolder = kept.path();
        TypeInto(Edit(h.form, "videoLengthEdit"), "45");
        QTest::keyClick(Edit(h.form, "videoLengthEdit"), Qt::Key_Tab);
        Click(h.form, "generateButton");
        QVERIFY(std::filesystem::exists(kept.path() / "9030MG-menu.json"));
    }
    FakePlatform platform;
    platform.lastSettingsFolder = kept.path();
    const AppState state = StateFor(4, kEnglish);
    CCameraSetup9030Dlg form(state, platform);
    form.show();
    QCOMPARE(LabelText(form, "lastSettingsLabel"),
             QString("Use the settings you last wrote for this model"));
    // The form opens as it always does until the offer is taken.
    QCOMPARE(Edit(form, "videoLengthEdit")->text(), QString("10"));
    QVERIFY(platform.messages.empty());
    Click(form, "useLastSettingsButton");
    QCOMPARE(Edit(form, "videoLengthEdit")->text(), QString("45"));
    QVERIFY(!Child<QWidget>(form, "lastSettingsRow")->isVisible());

    // The other model of the family has its own.
    FakePlatform otherPlatform;
    otherPlatform.lastSettingsFolder = kept.path();
    const AppState other = StateFor(2, kEnglish);
    CCameraSetup9030Dlg otherForm(other, otherPlatform);
    QVERIFY(otherForm.findChild<QWidget*>("lastSettingsRow") == nullptr);
}

}  // namespace tov::test

QTEST_MAIN(tov::test::CameraFormProfilesTest)
#include "CameraFormProfilesTest.moc"
