#pragma once

#include "app/AppState.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace tov {

/// One field of a menu.dat as the camera reads it: where it is, its stored bytes and what
/// they mean ("Camera+Video", "10 s", "2014-05-07 13:04:09").
struct DecodedMenuField {
    std::size_t offset = 0;
    std::size_t length = 1;
    std::string name;  ///< the settings key, or a name for composite fields ("clock")
    std::vector<std::uint8_t> bytes;
    std::string meaning;
    bool expected = true;  ///< false: a value the camera forms never write
};

/// Where a field stands: "31" for one byte, "14..19" for several.
std::string OffsetRange(const DecodedMenuField& field);

/// Everything a menu.dat tells: its checks, and its fields when it is long enough to hold them.
struct MenuFileReport {
    std::size_t size = 0;
    bool sizeOk = false;
    bool lineEndOk = false;
    bool checksumOk = false;
    std::uint16_t storedChecksum = 0;
    std::uint16_t computedChecksum = 0;
    bool factory = false;  ///< the factory-settings record
    /// Why the file is damaged (wrong size, line end or checksum); empty for a sound file.
    std::vector<std::string> problems;
    /// Values the forms never write, in a file that is otherwise sound.
    std::vector<std::string> notes;
    /// Bytes 0..30, the same positions in both families.
    std::vector<DecodedMenuField> common;
    /// Bytes 31..37 read as each family's layout; only the model's family when it is known.
    std::optional<std::vector<DecodedMenuField>> firstFamily;
    std::optional<std::vector<DecodedMenuField>> secondFamily;

    bool damaged() const { return !problems.empty(); }
};

/// Decodes a menu.dat: checks its size (60), line end (0D 0A) and checksum, recognises the
/// factory record, and reads every field. With `modelIndex` the model's lists and family
/// give the meanings; without it every model's reading of the model-dependent bytes is given.
MenuFileReport DecodeMenuFile(std::span<const std::uint8_t> bytes, std::optional<int> modelIndex);

}  // namespace tov
