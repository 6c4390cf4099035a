#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace tov {

/// The 60-byte unit of every configuration file: payload, then 0x0D 0x0A at 58..59.
using Record60 = std::array<std::uint8_t, 60>;

inline constexpr std::size_t kRecordSize = 60;
/// Text records carry at most this many bytes of text (offsets 0..56).
inline constexpr std::size_t kRecordTextCapacity = 57;
/// Offset of a text record's length byte.
inline constexpr std::size_t kRecordLengthOffset = 57;
/// Bytes 0..49 are scrambled in stored records; 50..59 stay plain.
inline constexpr std::size_t kScrambledBytes = 50;
/// Offset of the line end 0x0D 0x0A that closes every record.
inline constexpr std::size_t kLineEndOffset = 58;

/// The low 8 bits of a value, as a file byte holds them (a TV mode of 300 is stored as 44).
constexpr std::uint8_t LowByte(int value) {
    return static_cast<std::uint8_t>(static_cast<unsigned>(value) & 0xFFU);
}

/// A record of zero bytes ending in 0x0D 0x0A.
Record60 BlankRecord();

/// A text record: the text left-aligned at 0..56 without terminator, zeros after it, its
/// length in byte 57, 0x0D 0x0A. Text longer than 57 bytes is cut to 57.
Record60 MakeTextRecord(std::string_view text);

/// The text a text record holds: as many bytes as its length byte says (at most 57).
std::string RecordText(const Record60& record);

/// Stores bytes 0..49 as their complement with the two nibbles swapped; 50..59 stay plain.
void ScrambleRecord(Record60& record);

/// Undoes ScrambleRecord (the transform is its own inverse after a second nibble swap).
void UnscrambleRecord(Record60& record);

/// Whether bytes 58..59 hold 0x0D 0x0A.
bool HasLineEnd(const Record60& record);

/// Writes a 16-bit checksum low byte first at `offset` and `offset + 1`.
void PutChecksum(Record60& record, std::size_t offset, std::uint16_t checksum);

/// Reads a 16-bit value stored low byte first at `offset` and `offset + 1`.
std::uint16_t ReadChecksum(const Record60& record, std::size_t offset);

}  // namespace tov
