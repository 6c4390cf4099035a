#pragma once

#include "cards/core/VolumeFormat.h"
#include "common/AppState.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace tov::cards {

/// A mounted volume on removable media, as the finder lists it.
struct Card {
    std::string mountPoint;  ///< "/media/anna/TOVCARD", "E:\"
    std::string label;       ///< the volume's label, or the mount point's last name
    std::string device;      ///< "/dev/sdb1", "\\.\E:"
    std::string serial;      ///< the volume serial ("1A2B-3C4D"), empty where it cannot be read
    /// The mounted volume as a write checks it (VolumeIdOf of the mount point), so that a write
    /// meant for this card never lands on the bare folder it leaves when ejected.
    std::optional<std::uint64_t> volumeId;
    VolumeFormat format = VolumeFormat::Unknown;
    std::string fileSystem;  ///< "exFAT", "FAT32", "NTFS", "ext4"
    std::uint64_t totalBytes = 0;
    std::uint64_t freeBytes = 0;
    bool readOnly = false;
    std::vector<std::string> cameraFiles;  ///< which of menu.dat, setup.dat, smtp.dat it holds
    bool hasDcim = false;                  ///< a DCIM folder: a camera has used it
};

/// What an eject did, in words for the user.
struct EjectResult {
    bool ok = false;      ///< the card may be removed now
    std::string message;  ///< says plainly whether the card may be removed, and why not
};

/// The files the tool writes, in the order the finder lists them.
const std::vector<std::string_view>& CameraFileNames();

/// Fills the card's cameraFiles and hasDcim from its root folder (names in any case: FAT
/// keeps the case it was given).
void ReadCameraContents(Card& card);

/// Why the camera or the tool cannot use the card ("read-only", "NTFS: the camera reads
/// FAT12/16/32 and exFAT only"); empty for a card that can be written for the camera.
std::vector<std::string> CardWarnings(const Card& card, int languageIndex = kEnglish);

/// What makes it a camera card: "menu.dat, setup.dat", "DCIM folder", or empty.
std::string CameraSigns(const Card& card);

/// The card a command writes to: the only usable one. Otherwise no card and a message
/// listing what was found ("no memory card found", "2 memory cards: ...").
struct CardChoice {
    const Card* card = nullptr;
    std::string problem;
};
CardChoice OnlyUsableCard(const std::vector<Card>& cards);

/// The card `name` means: its mount point (with or without a final separator) or its label.
const Card* CardNamed(const std::vector<Card>& cards, std::string_view name);

/// Waiting for the next card: the cards there when the wait began are not it until they have
/// gone (a card pulled and put back counts as the next one).
class CardArrival {
public:
    explicit CardArrival(const std::vector<Card>& present);
    /// The first usable card in `now` that arrived since the wait began; null while none has.
    const Card* Arrived(const std::vector<Card>& now);

private:
    std::set<std::string> m_waiting;  // mount points of the cards there before
};

/// "14.8 GiB": a size for people.
std::string SizeText(std::uint64_t bytes);

}  // namespace tov::cards
