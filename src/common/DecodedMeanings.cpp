#include "common/DecodedMeanings.h"

#include "common/LanguageRules.h"
#include "common/Text.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace tov {

Meaning MeaningForEveryModel(const std::function<Meaning(const ModelInfo& model)>& meaningFor) {
    std::vector<std::pair<Meaning, std::string>> groups;
    for (const ModelInfo& model : Models()) {
        const Meaning meaning = meaningFor(model);
        const auto same = std::find_if(groups.begin(), groups.end(), [&](const auto& group) {
            return group.first.text == meaning.text;
        });
        if (same == groups.end()) {
            groups.emplace_back(meaning, std::string(model.name));
        } else {
            same->second += ", " + std::string(model.name);
        }
    }
    if (groups.size() == 1) {
        return groups.front().first;
    }
    Meaning combined{"", false};
    for (const auto& [meaning, models] : groups) {
        combined.text += (combined.text.empty() ? "" : "; ") + meaning.text + " (" + models + ")";
        combined.expected = combined.expected || meaning.expected;
    }
    return combined;
}

std::string FamilyModelNames(Family family, bool emailOnly) {
    std::string names;
    for (const ModelInfo& model : Models()) {
        if (model.family == family && (model.hasEmailForm || !emailOnly)) {
            names += (names.empty() ? "" : ", ") + std::string(model.name);
        }
    }
    return names;
}

Meaning LanguageByteMeaning(int value) {
    if (value < 1 || value > kLanguageCount) {
        return {"not a language code", false};
    }
    return {std::string(LanguageListEntries(false)[static_cast<std::size_t>(value - 1)]), true};
}

DecodedField RecordPart(const Record60& record, std::size_t recordIndex, std::size_t offset,
                        std::size_t length, std::string name, Meaning meaning) {
    const auto begin = record.begin() + static_cast<std::ptrdiff_t>(offset);
    return {recordIndex * kRecordSize + offset,
            length,
            std::move(name),
            std::vector<std::uint8_t>(begin, begin + static_cast<std::ptrdiff_t>(length)),
            std::move(meaning.text),
            meaning.expected};
}

void SortByOffset(std::vector<DecodedField>& fields) {
    std::stable_sort(fields.begin(), fields.end(),
                     [](const auto& a, const auto& b) { return a.offset < b.offset; });
}

bool CheckFileSize(std::size_t size, std::size_t expected, FileReport& report) {
    report.size = size;
    report.expectedSize = expected;
    report.sizeOk = size == expected;
    if (!report.sizeOk) {
        std::string problem = "size is ";
        problem.append(std::to_string(size)).append(" bytes, expected ");
        problem.append(std::to_string(expected));
        report.problems.push_back(std::move(problem));
    }
    return size >= expected;
}

void CheckRecordFileFrame(const RecordFileReading& reading, std::uint16_t checkAddend,
                          std::string_view addendText, FileReport& report) {
    report.lineEndOk = reading.badLineEnds.empty();
    for (const int record : reading.badLineEnds) {
        const std::size_t end = static_cast<std::size_t>(record) * kRecordSize + kLineEndOffset;
        std::string problem = "line end of record ";
        problem.append(std::to_string(record)).append(" at bytes ").append(std::to_string(end));
        problem.append("..").append(std::to_string(end + 1)).append(" is not 0D 0A");
        report.problems.push_back(std::move(problem));
    }
    report.storedChecksum = reading.storedCheck;
    report.computedChecksum = static_cast<std::uint16_t>(reading.crc + checkAddend);
    report.checksumOk = report.storedChecksum == report.computedChecksum;
    if (!report.checksumOk) {
        const std::size_t at = kRecordFileBodyRecords * kRecordSize + kRecordFileCheckOffset;
        std::string problem = "check at bytes ";
        problem.append(std::to_string(at)).append("..").append(std::to_string(at + 1));
        problem.append(" is ").append(Hex4(report.storedChecksum));
        problem.append(", the records give ").append(Hex4(report.computedChecksum));
        problem.append(" (CRC ").append(Hex4(reading.crc)).append(" ").append(addendText);
        problem.append(")");
        report.problems.push_back(std::move(problem));
    }
    if (!reading.trailerZero) {
        report.notes.push_back("trailer bytes 660..715 are not 0");
    }
}

void HideRecords(FileReport& report, std::span<const std::size_t> records,
                 const std::string& meaning) {
    for (FieldSection& section : report.sections) {
        for (DecodedField& field : section.fields) {
            const bool inside = std::any_of(records.begin(), records.end(), [&](std::size_t r) {
                return field.offset < (r + 1) * kRecordSize &&
                       field.offset + field.length > r * kRecordSize;
            });
            if (!inside) {
                continue;
            }
            MaskSecretBytes(field);
            field.meaning = meaning;
            // The note on an unexpected value repeats its bytes.
            const std::string where =
                (field.length == 1 ? "byte " : "bytes ") + OffsetRange(field) + " (" + field.name;
            for (std::string& note : report.notes) {
                if (note.starts_with(where)) {
                    note = where + "): " + meaning + " is not a value the forms write";
                }
            }
        }
    }
}

void NoteReservedBytes(const Record60& record,
                       std::span<const std::pair<std::size_t, std::size_t>> ranges,
                       std::vector<std::string>& notes) {
    for (const auto& [begin, end] : ranges) {
        if (std::any_of(record.begin() + static_cast<std::ptrdiff_t>(begin),
                        record.begin() + static_cast<std::ptrdiff_t>(end),
                        [](std::uint8_t b) { return b != 0; })) {
            std::string note = end - begin == 1 ? "byte " : "bytes ";
            note.append(std::to_string(begin));
            if (end - begin > 1) {
                note.append("..").append(std::to_string(end - 1));
            }
            notes.push_back(note.append(" are reserved but not 0"));
        }
    }
}

}  // namespace tov
