#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace tov {

/// One field of a configuration file as the camera reads it: where it is in the file, its
/// stored bytes and what they mean ("Camera+Video", "10 Min", "2014-05-07 13:04:09").
struct DecodedField {
    std::size_t offset = 0;  ///< from the start of the file
    std::size_t length = 1;
    std::string name;  ///< the setting's key, or a name for parts that are no setting ("clock")
    std::vector<std::uint8_t> bytes;
    std::string meaning;
    bool expected = true;  ///< false: a value no form writes
};

/// Where a field stands: "31" for one byte, "14..19" for several.
std::string OffsetRange(const DecodedField& field);

/// A group of decoded fields ("fields", "firstFamily", ...) with its heading.
struct FieldSection {
    std::string key;    ///< the section's name in the JSON report
    std::string title;  ///< the heading in the text report; empty for the main section
    std::vector<DecodedField> fields;
};

/// Everything a configuration file tells: its checks, and its fields when it holds them.
struct FileReport {
    std::size_t size = 0;
    std::size_t expectedSize = 0;
    bool sizeOk = false;
    bool lineEndOk = false;
    bool checksumOk = false;
    std::uint16_t storedChecksum = 0;
    std::uint16_t computedChecksum = 0;  ///< what the content gives, constants included
    bool factory = false;                ///< menu.dat: the factory-settings record
    std::string contents;                ///< what the records hold ("camera settings")
    /// Why the file is damaged (size, line end, checksum); empty for a sound file.
    std::vector<std::string> problems;
    /// Values no form writes, in a file that is otherwise sound.
    std::vector<std::string> notes;
    std::vector<FieldSection> sections;

    bool damaged() const { return !problems.empty(); }
};

/// Adds a note for every field whose value no form writes; `reading` follows the field name
/// (", first family").
void NoteUnexpected(const std::vector<DecodedField>& fields, const std::string& reading,
                    std::vector<std::string>& notes);

}  // namespace tov
