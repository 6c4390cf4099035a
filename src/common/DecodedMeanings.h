#pragma once

#include "common/FieldDescription.h"
#include "common/Models.h"
#include "common/RecordFile.h"

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tov {

// Readings the file decoders share.

/// A value read for every model: its meaning when all models read it alike, otherwise each
/// meaning followed by the models that read it so ("QVGA (Tov 2740M, Tov 2740MG); SMS
/// (Tov 9030M, ...)"); expected when some model expects it.
Meaning MeaningForEveryModel(const std::function<Meaning(const ModelInfo& model)>& meaningFor);

/// The names of the family's models, "Tov 2740M, Tov 2740MG, Tov 2760MG"; with `emailOnly`
/// those that have the e-mail form.
std::string FamilyModelNames(Family family, bool emailOnly = false);

/// What a file's language byte means: the language list's entry ("Deutsch").
Meaning LanguageByteMeaning(int value);

/// A part of a record that no field describes (the clock, the language byte, a constant):
/// `length` bytes at `offset` of record `recordIndex`, with their meaning.
DecodedField RecordPart(const Record60& record, std::size_t recordIndex, std::size_t offset,
                        std::size_t length, std::string name, Meaning meaning);

/// The fields in file order (fields first, parts that no field gives after, as read).
void SortByOffset(std::vector<DecodedField>& fields);

/// Checks the size of a file against `expected`, saying so in the report's problems; whether
/// the bytes are enough to read the records.
bool CheckFileSize(std::size_t size, std::size_t expected, FileReport& report);

/// Checks the frame of setup.dat or smtp.dat: every record's line end, the trailer's check
/// (the CRC plus `checkAddend`, named by `addendText` in the message, e.g. "plus 15"), and the
/// trailer's reserved zeros.
void CheckRecordFileFrame(const RecordFileReading& reading, std::uint16_t checkAddend,
                          std::string_view addendText, FileReport& report);

/// Hides every field of the report that lies in one of `records` (record indexes of a file of
/// 60-byte records): no byte, and `meaning` in place of what they mean, in the fields and in
/// the notes on them. For a file read as
/// another kind than its name says, whose passwords lie where this reading sees other fields.
void HideRecords(FileReport& report, std::span<const std::size_t> records,
                 const std::string& meaning);

/// A note for each range [begin, end) of `record` that should be 0 and is not.
void NoteReservedBytes(const Record60& record,
                       std::span<const std::pair<std::size_t, std::size_t>> ranges,
                       std::vector<std::string>& notes);

}  // namespace tov
