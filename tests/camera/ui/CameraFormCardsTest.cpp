#include "camera/ui/CCameraSetup2740Dlg.h"
#include "camera/ui/CCameraSetup9030Dlg.h"
#include "camera/ui/CameraFormTestUtil.h"
#include "cards/core/BackupStore.h"

#include <QtTest>

#ifdef _WIN32
#include <windows.h>
// clang-format off
#include <dbt.h>
// clang-format on
#endif

namespace tov::test {
namespace {

cards::Card CardAt(const TempDir& dir, std::string label) {
    cards::Card card;
    card.mountPoint = dir.str();
    card.label = std::move(label);
    card.format = cards::VolumeFormat::ExFat;
    card.fileSystem = "exFAT";
    card.totalBytes = 64ULL << 20;
    card.freeBytes = 60ULL << 20;
    return card;
}

// A 9030MG menu.dat as the camera form writes it: video, 30-second clips, written at noon on
// 1 December 2026.
std::vector<std::uint8_t> VideoMenuFile() {
    CameraMenuSettings settings = OpeningCameraSettings(4);
    settings.cameraMode = 1;
    settings.videoLength = 30;
    ClockSnapshot clock{2026, 12, 1, 12, 0, 0};
    return Bytes(BuildMenuRecord(settings, Family::Second, clock, 2, 0));
}

}  // namespace

class CameraFormCardsTest : public QObject {
    Q_OBJECT

private slots:
    void folderStartsAtTheOnlyCard();
    void severalCardsAreAChoice();
    void loadOfferFillsTheFormOnlyWhenTaken();
    void fileOfAnotherFamilyIsExplainedNotLoaded();
    void fileWrittenForTheOtherFamilyIsNotOffered();
    void defaultKeepsTheReplacedFileAndCountsTheChanges();
    void cardPulledBeforeGenerateIsNamed();
    void theSameGoesToTheNextCards();
    void volumeBroadcastRefreshesTheCards();
};

void CameraFormCardsTest::folderStartsAtTheOnlyCard() {
    FakePlatform platform;
    TempDir card;
    TempDir locked;
    platform.cards = {CardAt(card, "TOVCARD"), CardAt(locked, "LOCKED")};
    platform.cards[1].readOnly = true;  // listed, never picked
    const AppState state = StateFor(4, 2);
    CCameraSetup9030Dlg form(state, platform);
    form.show();
    QCOMPARE(form.folder(), card.str());
    QCOMPARE(Edit(form, "folderEdit")->text(), QString::fromStdString(card.str()));
    // With two cards the row offers both; the label names the rows, and the only usable
    // card's free space and file system are shown.
    QVERIFY(Combo(form, "cardCombo")->isVisible());
    QVERIFY(Combo(form, "cardCombo")
                ->itemText(1)
                .startsWith("TOVCARD (exFAT, 60.0 MiB free of 64.0 MiB)"));
    QVERIFY(Combo(form, "cardCombo")->itemText(2).contains("read-only"));

    // None: today's folder, and no card row.
    FakePlatform none;
    CCameraSetup9030Dlg plain(state, none);
    plain.show();
    QCOMPARE(plain.folder(), DefaultFolder());
    QVERIFY(!Child<QWidget>(plain, "cardBar")->isVisible());

    // One: its label and free space beside the folder.
    FakePlatform one;
    one.cards = {CardAt(card, "TOVCARD")};
    CCameraSetup9030Dlg single(state, one);
    single.show();
    QCOMPARE(single.folder(), card.str());
    QCOMPARE(LabelText(single, "cardLabel"),
             QString("Memory card: TOVCARD (exFAT, 60.0 MiB free of 64.0 MiB)"));
    QVERIFY(!Combo(single, "cardCombo")->isVisible());

    // The row speaks the form's language.
    const AppState chinese = StateFor(4, kChinese);
    CCameraSetup9030Dlg inChinese(chinese, one);
    inChinese.show();
    QCOMPARE(LabelText(inChinese, "cardLabel"),
             QString("存储卡：TOVCARD（exFAT，可用 60.0 MiB，共 64.0 MiB）"));
}

void CameraFormCardsTest::severalCardsAreAChoice() {
    FakePlatform platform;
    TempDir first;
    TempDir second;
    platform.cards = {CardAt(first, "A"), CardAt(second, "B")};
    const AppState state = StateFor(4, 2);
    CCameraSetup9030Dlg form(state, platform);
    form.show();
    // The user chooses: until then Generate asks for a card and writes nowhere, not even
    // into the home folder.
    QCOMPARE(form.folder(), std::string());
    Click(form, "generateButton");
    QCOMPARE(platform.messages.back(),
             std::string("Choose a memory card in the list, or a folder, first; nothing was "
                         "written."));
    QVERIFY(!std::filesystem::exists(first.path() / "menu.dat"));
    QVERIFY(!std::filesystem::exists(second.path() / "menu.dat"));
    QComboBox* combo = Combo(form, "cardCombo");
    QCOMPARE(combo->count(), 3);
    combo->setCurrentIndex(2);
    emit combo->activated(2);
    QCOMPARE(form.folder(), second.str());
    QCOMPARE(Edit(form, "folderEdit")->text(), QString::fromStdString(second.str()));
}

void CameraFormCardsTest::loadOfferFillsTheFormOnlyWhenTaken() {
    FakePlatform platform;
    TempDir card;
    WriteBytes(card.path() / "menu.dat", VideoMenuFile());
    platform.cards = {CardAt(card, "TOVCARD")};
    const AppState state = StateFor(4, 2);
    CCameraSetup9030Dlg form(state, platform);
    form.show();
    // A file the tool did not write cannot tell its family: the offer says how it is read.
    QCOMPARE(LabelText(form, "loadOfferLabel"),
             QString("This card holds settings for a Tov 9030MG written 2026-12-01 12:00. The "
                     "file does not tell which camera family it was written for; it would be "
                     "read as settings for a Tov 9030MG."));
    QVERIFY(Child<QPushButton>(form, "loadButton")->isVisible());
    // The opening state stays until the user asks.
    QCOMPARE(form.settings().cameraMode, 0);
    QCOMPARE(Edit(form, "videoLengthEdit")->text(), QString("10"));
    QCOMPARE(platform.MessageCount(), std::size_t{0});

    Click(form, "loadButton");
    QCOMPARE(form.settings().cameraMode, 1);
    QCOMPARE(form.settings().videoLength, 30);
    QCOMPARE(Combo(form, "cameraModeCombo")->currentIndex(), 1);
    QCOMPARE(Edit(form, "videoLengthEdit")->text(), QString("30"));
    QCOMPARE(form.folder(), card.str());
    QVERIFY(!Child<QPushButton>(form, "loadButton")->isVisible());
    QCOMPARE(platform.MessageCount(), std::size_t{0});
}

void CameraFormCardsTest::fileOfAnotherFamilyIsExplainedNotLoaded() {
    struct Case {
        const char* name;
        std::vector<std::uint8_t> bytes;
        const char* explanation;
    };
    std::vector<std::uint8_t> badChecksum = VideoMenuFile();
    badChecksum[4] ^= 0x01;  // videoLength without its checksum
    // A 2740 record read by a 9030 form: bytes 31..37 hold values no 9030 form writes.
    CameraMenuSettings first = OpeningCameraSettings(5);
    first.timer2 = 1;
    first.timer2StartHour = 23;
    ClockSnapshot clock{2026, 12, 1, 12, 0, 0};
    const std::vector<Case> cases = {
        {"damaged", badChecksum, "cannot be loaded"},
        {"other family", Bytes(BuildMenuRecord(first, Family::First, clock, 2, 0)),
         "of another model or with values this form does not write for a Tov 9030MG"},
    };
    for (const Case& c : cases) {
        FakePlatform platform;
        TempDir card;
        WriteBytes(card.path() / "menu.dat", c.bytes);
        platform.cards = {CardAt(card, "TOVCARD")};
        const AppState state = StateFor(4, 2);
        CCameraSetup9030Dlg form(state, platform);
        form.show();
        QVERIFY2(LabelText(form, "loadOfferLabel").contains(c.explanation),
                 qPrintable(LabelText(form, "loadOfferLabel")));
        QVERIFY2(!Child<QPushButton>(form, "loadButton")->isVisible(), c.name);
    }
}

// A file the tool wrote for the other family reads as sound here but holds other settings:
// the tool knows which model it wrote it for, and the form of the other family says so.
void CameraFormCardsTest::fileWrittenForTheOtherFamilyIsNotOffered() {
    FakePlatform platform;
    TempDir card;
    TempDir backups;
    platform.cards = {CardAt(card, "TOVCARD")};
    platform.backupsFolder = backups.path();
    // The forms keep a reference to their state: each lives as long as its form.
    const AppState mg9030 = StateFor(4, 2);
    const AppState mg2760 = StateFor(5, 2);
    const AppState m9030 = StateFor(2, 2);
    {
        CCameraSetup9030Dlg written(mg9030, platform);
        written.show();
        Click(written, "generateButton");
    }
    QVERIFY(std::filesystem::exists(card.path() / "menu.dat"));
    CCameraSetup2740Dlg other(mg2760, platform);
    other.show();
    QCOMPARE(LabelText(other, "loadOfferLabel"),
             QString("This card holds settings the tool wrote for a Tov 9030MG, of another "
                     "family: this form cannot load them."));
    QVERIFY(!Child<QPushButton>(other, "loadButton")->isVisible());
    // The same family's form names the model the file was written for, and loads it.
    CCameraSetup9030Dlg same(m9030, platform);
    same.show();
    QVERIFY2(
        LabelText(same, "loadOfferLabel").startsWith("This card holds settings for a Tov 9030MG "),
        qPrintable(LabelText(same, "loadOfferLabel")));
    QVERIFY(Child<QPushButton>(same, "loadButton")->isVisible());
}

void CameraFormCardsTest::defaultKeepsTheReplacedFileAndCountsTheChanges() {
    FakePlatform platform;
    TempDir card;
    TempDir backups;
    const std::vector<std::uint8_t> before = VideoMenuFile();
    WriteBytes(card.path() / "menu.dat", before);
    platform.cards = {CardAt(card, "TOVCARD")};
    platform.backupsFolder = backups.path();
    platform.ejectAnswer = true;
    const AppState state = StateFor(4, 2);
    CCameraSetup9030Dlg form(state, platform);
    form.show();
    Click(form, "loadButton");
    TypeInto(Edit(form, "videoLengthEdit"), "45");
    Click(form, "generateButton");

    // Generate after loading: only what the user changed counts.
    QCOMPARE(platform.ejectOffers.size(), std::size_t{1});
    QVERIFY2(QString::fromStdString(platform.ejectOffers[0])
                 .contains("\n1 setting changed: videoLength\n"),
             platform.ejectOffers[0].c_str());
    const std::vector<cards::Backup> kept = cards::BackupStore(backups.path()).List();
    QCOMPARE(kept.size(), std::size_t{1});
    QCOMPARE(ReadBytes(kept[0].path), before);
    QCOMPARE(kept[0].card, std::string("TOVCARD"));
    // The eject offer was taken: the card was ejected and the answer shown.
    QCOMPARE(platform.ejectedCards, std::vector<std::string>{card.str()});
    QCOMPARE(platform.messages, std::vector<std::string>{"The card TOVCARD may be removed now."});

    // Default writes at once: the file Generate wrote is kept first.
    const std::vector<std::uint8_t> generated = ReadBytes(card.path() / "menu.dat");
    platform.ejectAnswer = false;
    Click(form, "defaultButton");
    QCOMPARE(ReadBytes(card.path() / "menu.dat"), Bytes(FactoryMenuRecord()));
    const std::vector<cards::Backup> after = cards::BackupStore(backups.path()).List();
    QCOMPARE(after.size(), std::size_t{2});
    QCOMPARE(ReadBytes(after[1].path), generated);
}

void CameraFormCardsTest::cardPulledBeforeGenerateIsNamed() {
    FakePlatform platform;
    auto card = std::make_unique<TempDir>();
    platform.cards = {CardAt(*card, "TOVCARD")};
    const std::string root = card->str();
    const AppState state = StateFor(4, 2);
    CCameraSetup9030Dlg form(state, platform);
    form.show();
    card.reset();  // the card is pulled: its folder is gone
    Click(form, "generateButton");
    QCOMPARE(platform.messages.size(), std::size_t{1});
    const QString shown = QString::fromStdString(platform.messages[0]);
    QVERIFY2(shown.startsWith("Could not write " + QString::fromStdString(root)),
             qPrintable(shown));
    QVERIFY2(shown.endsWith("\nMemory card: TOVCARD"), qPrintable(shown));
    QVERIFY(platform.ejectOffers.empty());
}

void CameraFormCardsTest::theSameGoesToTheNextCards() {
    FakePlatform platform;
    TempDir first;
    TempDir second;
    TempDir third;
    WriteBytes(second.path() / "menu.dat", VideoMenuFile());  // a card set up before
    platform.cards = {CardAt(first, "CARD1")};
    platform.nextCards = {CardAt(second, "CARD2"), CardAt(third, "CARD3")};
    using Choice = Platform::AfterCardWrite;
    platform.afterCardWrites = {Choice::WriteAnother, Choice::WriteAnother, Choice::Done};
    const AppState state = StateFor(4, 2);
    CCameraSetup9030Dlg form(state, platform);
    form.show();
    TypeInto(Edit(form, "videoLengthEdit"), "45");
    Click(form, "generateButton");

    // Each card is ejected before the next is asked for, and holds the same bytes.
    const std::vector<std::uint8_t> written = ReadBytes(first.path() / "menu.dat");
    QCOMPARE(written.size(), std::size_t{60});
    QCOMPARE(ReadBytes(second.path() / "menu.dat"), written);
    QCOMPARE(ReadBytes(third.path() / "menu.dat"), written);
    QCOMPARE(platform.ejectedCards, (std::vector<std::string>{first.str(), second.str()}));
    QCOMPARE(platform.waitPrompts.size(), std::size_t{2});
    QCOMPARE(platform.waitPrompts[0],
             std::string("The card CARD1 may be removed now.\nInsert the next card."));
    // Every write is confirmed with its own changes; the folder follows the card.
    QCOMPARE(platform.ejectOffers.size(), std::size_t{3});
    QVERIFY2(QString::fromStdString(platform.ejectOffers[1])
                 .endsWith("\n2 settings changed: cameraMode, videoLength"),
             platform.ejectOffers[1].c_str());
    QCOMPARE(form.folder(), third.str());
    QVERIFY(platform.messages.empty());
}

// Reaches a widget's native event handler, as Windows' message dispatch does.
struct NativeEvents : QWidget {
    using QWidget::nativeEvent;
};

// Windows' broadcast of a volume that arrives or leaves refreshes the card row at once; a
// broadcast of another kind of device does not.
void CameraFormCardsTest::volumeBroadcastRefreshesTheCards() {
#ifndef _WIN32
    QSKIP("WM_DEVICECHANGE is Windows' own");
#else
    FakePlatform platform;
    const AppState state = StateFor(4, 2);
    CCameraSetup9030Dlg form(state, platform);
    form.show();
    QWidget* bar = Child<QWidget>(form, "cardBar");
    QVERIFY(!bar->isVisible());
    DEV_BROADCAST_VOLUME volume{};
    volume.dbcv_size = sizeof volume;
    volume.dbcv_devicetype = DBT_DEVTYP_VOLUME;
    volume.dbcv_unitmask = 1U << 4;  // E:
    DEV_BROADCAST_HDR port{};
    port.dbch_size = sizeof port;
    port.dbch_devicetype = DBT_DEVTYP_PORT;
    const auto broadcast = [&form](WPARAM what, void* data) {
        MSG msg{};
        msg.message = WM_DEVICECHANGE;
        msg.wParam = what;
        msg.lParam = reinterpret_cast<LPARAM>(data);
        qintptr result = 0;
        (form.*(&NativeEvents::nativeEvent))("windows_generic_MSG", &msg, &result);
        QCoreApplication::processEvents();
    };
    TempDir card;
    platform.cards = {CardAt(card, "TOVCARD")};
    broadcast(DBT_DEVICEARRIVAL, &port);
    QVERIFY(!bar->isVisible());
    QCOMPARE(platform.cardsChanged, 0);
    broadcast(DBT_DEVICEARRIVAL, &volume);
    QCOMPARE(platform.cardsChanged, 1);
    QVERIFY(bar->isVisible());
    QVERIFY(LabelText(form, "cardLabel").contains("TOVCARD"));
    platform.cards.clear();
    broadcast(DBT_DEVICEREMOVECOMPLETE, &volume);
    QVERIFY(!bar->isVisible());
#endif
}

}  // namespace tov::test

QTEST_MAIN(tov::test::CameraFormCardsTest)
#include "CameraFormCardsTest.moc"
