#include "cards/core/WindowsDrive.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tov::cards {
namespace {

TEST(WindowsDrive, CardsAreRemovableOrOnACardBusButNeverTheSystemDrive) {
    struct Case {
        const wchar_t* root;
        DriveKind kind;
        DriveBus bus;
        bool card;
    };
    const Case cases[] = {
        {L"E:\\", DriveKind::Removable, DriveBus::Unknown, true},
        {L"f:\\", DriveKind::Fixed, DriveBus::Usb, true},  // a reader that calls it fixed
        {L"G:\\", DriveKind::Fixed, DriveBus::Sd, true},
        {L"H:\\", DriveKind::Fixed, DriveBus::Mmc, true},
        {L"D:\\", DriveKind::Fixed, DriveBus::Other, false},  // a second SATA disk
        {L"D:\\", DriveKind::Fixed, DriveBus::Unknown, false},
        {L"C:\\", DriveKind::Removable, DriveBus::Usb, false},  // Windows runs from it
        {L"c:\\", DriveKind::Fixed, DriveBus::Usb, false},
        {L"Z:\\", DriveKind::Remote, DriveBus::Unknown, false},
        {L"R:\\", DriveKind::CdRom, DriveBus::Usb, false},
        {L"S:\\", DriveKind::RamDisk, DriveBus::Unknown, false},
        {L"\\\\server\\share\\", DriveKind::Removable, DriveBus::Usb, false},
        {L"", DriveKind::Removable, DriveBus::Usb, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsCardDrive(c.root, L"C:\\", c.kind, c.bus), c.card)
            << std::wstring(c.root).size() << " " << static_cast<int>(c.kind);
    }
}

// Records the calls; Lock succeeds from the attempt `lockFrom` on (0: never).
class FakeVolume final : public VolumeControl {
public:
    FakeVolume(int lockFrom, bool dismounts, bool ejects)
        : m_lockFrom(lockFrom), m_dismounts(dismounts), m_ejects(ejects) {}
    bool Lock() override {
        calls.push_back("lock");
        return m_lockFrom > 0 && ++m_locks >= m_lockFrom;
    }
    bool Dismount() override {
        calls.push_back("dismount");
        return m_dismounts;
    }
    void AllowRemoval() override { calls.push_back("allow"); }
    bool EjectMedia() override {
        calls.push_back("eject");
        return m_ejects;
    }
    void Wait(int milliseconds) override { waited += milliseconds; }

    std::vector<std::string> calls;
    int waited = 0;

private:
    int m_lockFrom;
    bool m_dismounts;
    bool m_ejects;
    int m_locks = 0;
};

TEST(WindowsDrive, EjectLocksDismountsThenEjectsAndStopsAtARefusedLock) {
    using Calls = std::vector<std::string>;
    FakeVolume plain(1, true, true);
    EXPECT_EQ(EjectVolume(plain), EjectOutcome::Ejected);
    EXPECT_EQ(plain.calls, (Calls{"lock", "dismount", "allow", "eject"}));

    FakeVolume scanned(3, true, false);  // a scanner lets go at the third attempt
    EXPECT_EQ(EjectVolume(scanned), EjectOutcome::DismountedOnly);
    EXPECT_EQ(scanned.calls, (Calls{"lock", "lock", "lock", "dismount", "allow", "eject"}));
    EXPECT_EQ(scanned.waited, 400);

    FakeVolume held(0, true, true);  // a program keeps a file open
    EXPECT_EQ(EjectVolume(held), EjectOutcome::Busy);
    EXPECT_EQ(held.calls, Calls(10, "lock"));  // never dismounted without the lock

    FakeVolume stuck(1, false, true);
    EXPECT_EQ(EjectVolume(stuck), EjectOutcome::NotDismounted);
    EXPECT_EQ(stuck.calls, (Calls{"lock", "dismount"}));
}

}  // namespace
}  // namespace tov::cards
