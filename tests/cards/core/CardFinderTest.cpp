#include "cards/core/CardFinder.h"
#include "cards/core/CardContents.h"
#include "cards/core/MountTable.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <fstream>

namespace tov::cards {
namespace {

// A mount table of a laptop with its system disk (sda), a second partition of it that the
// desktop mounted under /media, a USB reader's card, an SD slot's card mounted by hand, an
// exFAT card through FUSE on a loop device, a read-only card, an NTFS stick, a bind mount of
// the USB card and a memory file system under /media.
constexpr std::string_view kMountInfo =
    "22 1 8:2 / / rw,relatime shared:1 - ext4 /dev/sda2 rw\n"
    "23 22 0:21 / /proc rw,nosuid - proc proc rw\n"
    "30 22 8:3 / /media/anna/DATA rw,nosuid shared:5 - ext4 /dev/sda3 rw\n"
    "31 22 8:17 / /media/anna/CAM\\040CARD rw,nosuid shared:6 - vfat /dev/sdb1 rw,fmask=0022\n"
    "32 22 179:1 / /mnt/sd rw,relatime - exfat /dev/mmcblk0p1 rw\n"
    "33 22 0:52 / /media/TOVCARD rw,nosuid,nodev - fuseblk /dev/loop0 rw,user_id=0\n"
    "34 22 8:33 / /run/media/anna/LOCKED ro,nosuid - vfat /dev/sdc1 ro\n"
    "35 22 8:49 / /media/anna/STICK rw,nosuid - ntfs3 /dev/sdd1 rw\n"
    "36 22 8:17 / /home/anna/bound rw - vfat /dev/sdb1 rw\n"
    "37 22 0:60 / /media/ram rw - tmpfs tmpfs rw\n"
    "38 22 7:1 / /srv/images rw - ext4 /dev/loop1 rw\n"
    "garbage line\n";

// A stand-in for /sys: class/block/NAME links to the device's folder, as the kernel's do.
class FakeSys {
public:
    FakeSys() {}
    // `devicePath`: under devices/, e.g. "pci0000:00/usb1/1-1/host6/block/sdb".
    void AddDisk(const std::string& devicePath, const std::string& removable,
                 const std::vector<std::string>& partitions) {
        const std::filesystem::path disk = m_dir.path() / "devices" / devicePath;
        std::filesystem::create_directories(disk);
        std::ofstream(disk / "removable") << removable << "\n";
        Link(disk);
        for (const std::string& partition : partitions) {
            std::filesystem::create_directories(disk / partition);
            std::ofstream(disk / partition / "partition") << "1\n";
            Link(disk / partition);
        }
    }
    const std::filesystem::path& root() const { return m_dir.path(); }

private:
    void Link(const std::filesystem::path& device) {
        std::filesystem::create_directories(m_dir.path() / "class" / "block");
        std::filesystem::create_directory_symlink(
            std::filesystem::relative(device, m_dir.path() / "class" / "block"),
            m_dir.path() / "class" / "block" / device.filename());
    }
    test::TempDir m_dir;
};

TEST(MountTable, ParsesFieldsAndEscapes) {
    const std::vector<MountEntry> mounts = ParseMountInfo(kMountInfo);
    ASSERT_EQ(mounts.size(), 11U);  // the garbage line is skipped
    EXPECT_EQ(mounts[3].mountPoint, "/media/anna/CAM CARD");
    EXPECT_EQ(mounts[3].device, "8:17");
    EXPECT_EQ(mounts[3].type, "vfat");
    EXPECT_EQ(mounts[3].source, "/dev/sdb1");
    EXPECT_EQ(mounts[3].parentId, 22);
    EXPECT_FALSE(mounts[3].readOnly);
    EXPECT_TRUE(mounts[6].readOnly);
    EXPECT_EQ(mounts[5].type, "fuseblk");
}

TEST(CardFinder, FindsCardsButNotTheSystemDisk) {
#ifdef _WIN32
    GTEST_SKIP() << "sysfs is Linux's; folder links need rights on Windows";
#else
    FakeSys sys;
    sys.AddDisk("pci0000:00/0000:00:17.0/ata1/host0/target0:0:0/0:0:0:0/block/sda", "0",
                {"sda1", "sda2", "sda3"});
    sys.AddDisk("pci0000:00/0000:00:14.0/usb2/2-1/2-1:1.0/host6/block/sdb", "1", {"sdb1"});
    sys.AddDisk("platform/soc/mmc_host/mmc0/mmc0:0001/block/mmcblk0", "0", {"mmcblk0p1"});
    sys.AddDisk("virtual/block/loop0", "0", {});
    sys.AddDisk("virtual/block/loop1", "0", {});
    sys.AddDisk("pci0000:00/0000:00:14.0/usb2/2-2/host7/block/sdc", "1", {"sdc1"});
    sys.AddDisk("pci0000:00/0000:00:14.0/usb2/2-3/host8/block/sdd", "0", {"sdd1"});

    std::vector<std::string> found;
    for (const MountEntry& mount : CardMounts(ParseMountInfo(kMountInfo), sys.root(), "anna")) {
        found.push_back(mount.mountPoint);
    }
    // Not the system disk's partitions (even under /media), not the second name of the USB
    // card, not a memory file system, not a loop device mounted outside the media folders.
    const std::vector<std::string> expected = {"/media/anna/CAM CARD", "/mnt/sd", "/media/TOVCARD",
                                               "/run/media/anna/LOCKED", "/media/anna/STICK"};
    EXPECT_EQ(found, expected);

    const BlockFacts usb = ReadBlockFacts(sys.root(), "sdb1");
    EXPECT_EQ(usb.disk, "sdb");
    EXPECT_TRUE(usb.removable);
    EXPECT_TRUE(usb.usb);
    EXPECT_TRUE(ReadBlockFacts(sys.root(), "mmcblk0p1").mmc);
    EXPECT_EQ(ReadBlockFacts(sys.root(), "nosuch").disk, "");

    // Another user's media folder is no automount place of this one.
    found.clear();
    for (const MountEntry& mount : CardMounts(ParseMountInfo(kMountInfo), sys.root(), "ben")) {
        found.push_back(mount.mountPoint);
    }
    EXPECT_EQ(std::count(found.begin(), found.end(), "/media/TOVCARD"), 1);
    EXPECT_EQ(std::count(found.begin(), found.end(), "/run/media/anna/LOCKED"), 1);  // USB
#endif
}

// Mounts that look like cards but are not: a memory file system named after a device that
// does not exist, and a card covered by a later mount at its place or above it.
TEST(CardFinder, NeitherFalseDevicesNorHiddenMounts) {
#ifdef _WIN32
    GTEST_SKIP() << "sysfs is Linux's; folder links need rights on Windows";
#else
    FakeSys sys;
    sys.AddDisk("pci0000:00/0000:00:17.0/ata1/host0/target0:0:0/0:0:0:0/block/sda", "0", {"sda1"});
    sys.AddDisk("pci0000:00/0000:00:14.0/usb2/2-1/2-1:1.0/host6/block/sdb", "1", {"sdb1", "sdb2"});
    sys.AddDisk("pci0000:00/0000:00:14.0/usb2/2-2/host7/block/sdc", "1", {"sdc1"});
    constexpr std::string_view kMounts = "21 1 8:1 / / rw - ext4 /dev/sda1 rw\n"
                                         "30 21 0:40 / /media/FAKE rw - tmpfs /dev/sdz1 rw\n"
                                         "31 21 8:17 / /media/anna/UNDER rw - vfat /dev/sdb1 rw\n"
                                         "32 21 0:41 / /media/anna rw - tmpfs tmpfs rw\n"
                                         "33 21 8:18 / /media/SAME rw - vfat /dev/sdb2 rw\n"
                                         "34 21 8:33 / /media/SAME rw - exfat /dev/sdc1 rw\n";
    std::vector<std::string> found;
    for (const MountEntry& mount : CardMounts(ParseMountInfo(kMounts), sys.root(), "anna")) {
        found.push_back(mount.source + " " + mount.mountPoint);
    }
    EXPECT_EQ(found, std::vector<std::string>{"/dev/sdc1 /media/SAME"});
#endif
}

TEST(CardFinder, AutomountPlaces) {
    struct Case {
        std::string_view mountPoint;
        bool expected;
    };
    const Case cases[] = {
        {"/media/CARD", true},      {"/media/anna/CARD", true}, {"/run/media/anna/CARD", true},
        {"/media/ben/CARD", false}, {"/media", false},          {"/mnt/CARD", false},
        {"/media/anna/a/b", false}, {"/run/media/CARD", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsAutomountPlace(c.mountPoint, "anna"), c.expected) << c.mountPoint;
    }
}

Card MakeCard(std::string mountPoint, VolumeFormat format, bool readOnly = false) {
    Card card;
    card.mountPoint = std::move(mountPoint);
    card.label = std::filesystem::path(card.mountPoint).filename().string();
    card.format = format;
    card.fileSystem = FormatName(format, "ext4");
    card.readOnly = readOnly;
    return card;
}

TEST(CardChoice, OnlyOneUsableCardIsPicked) {
    const Card fat = MakeCard("/media/A", VolumeFormat::Fat32);
    const Card exfat = MakeCard("/media/B", VolumeFormat::ExFat);
    const Card ntfs = MakeCard("/media/N", VolumeFormat::Ntfs);
    const Card locked = MakeCard("/media/L", VolumeFormat::Fat16, true);

    EXPECT_EQ(OnlyUsableCard({}).problem, "no memory card found");
    // Checked before use: a choice that picked nothing fails here rather than crashing.
    // (The choice points into the list it was given: the lists live as long as the choices.)
    const std::vector<Card> justFat = {fat};
    const CardChoice one = OnlyUsableCard(justFat);
    ASSERT_NE(one.card, nullptr) << one.problem;
    EXPECT_EQ(one.card->mountPoint, "/media/A");
    // A card the camera cannot read, or that cannot be written, is listed but not picked.
    const std::vector<Card> mixed = {ntfs, exfat, locked};
    const CardChoice usable = OnlyUsableCard(mixed);
    ASSERT_NE(usable.card, nullptr) << usable.problem;
    EXPECT_EQ(usable.card->mountPoint, "/media/B");
    const CardChoice two = OnlyUsableCard({fat, exfat});
    EXPECT_EQ(two.card, nullptr);
    EXPECT_NE(two.problem.find("2 usable memory cards"), std::string::npos) << two.problem;
    EXPECT_NE(two.problem.find("/media/A"), std::string::npos);
    EXPECT_NE(two.problem.find("/media/B"), std::string::npos);
    const CardChoice none = OnlyUsableCard({ntfs});
    EXPECT_EQ(none.card, nullptr);
    EXPECT_NE(none.problem.find("NTFS: the camera reads FAT12/16/32 and exFAT only"),
              std::string::npos)
        << none.problem;
    EXPECT_EQ(CardWarnings(locked), std::vector<std::string>{"read-only"});

    const std::vector<Card> cards = {fat, exfat};
    EXPECT_EQ(CardNamed(cards, "/media/B/"), &cards[1]);
    EXPECT_EQ(CardNamed(cards, "A"), &cards[0]);
    EXPECT_EQ(CardNamed(cards, "/media"), nullptr);
}

TEST(CardArrival, TheNextCardIsOneThatWasNotThere) {
    const Card a = MakeCard("/media/A", VolumeFormat::Fat32);
    const Card b = MakeCard("/media/B", VolumeFormat::ExFat);
    const Card ntfs = MakeCard("/media/N", VolumeFormat::Ntfs);
    CardArrival arrival({a});
    EXPECT_EQ(arrival.Arrived({a}), nullptr);        // the card just written, still there
    EXPECT_EQ(arrival.Arrived({a, ntfs}), nullptr);  // one the camera cannot read
    const std::vector<Card> withB = {a, b};
    EXPECT_EQ(arrival.Arrived(withB), &withB[1]);

    // The same card pulled and put back is the next one.
    CardArrival again({a});
    EXPECT_EQ(again.Arrived({}), nullptr);
    const std::vector<Card> back = {a};
    EXPECT_EQ(again.Arrived(back), &back[0]);
}

TEST(CardContents, RecognisesCameraFilesInAnyCase) {
    test::TempDir dir;
    Card card;
    card.mountPoint = dir.str();
    ReadCameraContents(card);
    EXPECT_EQ(CameraSigns(card), "");
    std::ofstream(dir.path() / "MENU.DAT") << "x";
    std::ofstream(dir.path() / "smtp.dat") << "x";
    std::filesystem::create_directory(dir.path() / "setup.dat");  // a folder is no file
    std::filesystem::create_directory(dir.path() / "dcim");
    ReadCameraContents(card);
    EXPECT_EQ(card.cameraFiles, (std::vector<std::string>{"menu.dat", "smtp.dat"}));
    EXPECT_TRUE(card.hasDcim);
    EXPECT_EQ(CameraSigns(card), "menu.dat, smtp.dat, DCIM folder");
}

}  // namespace
}  // namespace tov::cards
