#include "camera/MenuRecordDecoder.h"

#include "app/LanguageRules.h"
#include "camera/CameraChoices.h"
#include "camera/CameraSettingKeys.h"
#include "camera/MenuRecord.h"
#include "common/MenuChecksum.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace tov {
namespace {

enum class Decode { Choice, Number, VideoLength, Interval, Clock, Serial, Language, TvMode, Zero };

struct FieldLayout {
    std::size_t offset;
    std::size_t length;
    std::string_view name;
    Decode how;
    CameraList list = CameraList::CameraMode;  // for choices
    int max = 0;                               // for numbers; the minimum is 0
};

constexpr std::array<FieldLayout, 23> kCommonFields = {{
    {0, 1, "cameraMode", Decode::Choice, CameraList::CameraMode},
    {1, 1, "imageSize", Decode::Choice, CameraList::ImageSize},
    {2, 1, "videoSize", Decode::Choice, CameraList::VideoSize},
    {3, 1, "pictureCount", Decode::Choice, CameraList::PictureCount},
    {4, 1, "videoLength", Decode::VideoLength},
    {5, 1, "timeStamp", Decode::Choice, CameraList::TimeStamp},
    {6, 1, "interval", Decode::Interval},
    {7, 1, "senseLevel", Decode::Choice, CameraList::SenseLevel},
    {8, 1, "timer1", Decode::Choice, CameraList::Timer1},
    {9, 1, "sidePir", Decode::Choice, CameraList::SidePir},
    {10, 1, "timeLapse", Decode::Choice, CameraList::TimeLapse},
    {11, 1, "timeLapseHour", Decode::Number, {}, 23},
    {12, 1, "timeLapseMinute", Decode::Number, {}, 59},
    {13, 1, "timeLapseSecond", Decode::Number, {}, 59},
    {14, 6, "clock", Decode::Clock},
    {20, 1, "timer1StartHour", Decode::Number, {}, 23},
    {21, 1, "timer1StartMinute", Decode::Number, {}, 59},
    {22, 1, "timer1StopHour", Decode::Number, {}, 23},
    {23, 1, "timer1StopMinute", Decode::Number, {}, 59},
    {24, 1, "serialOn", Decode::Choice, CameraList::SerialOn},
    {25, 4, "serialChars", Decode::Serial},
    {29, 1, "language", Decode::Language},
    {30, 1, "tvMode", Decode::TvMode},
}};

// Bytes 31..37: where the families differ.
constexpr std::array<FieldLayout, 6> kFirstFamilyFields = {{
    {31, 1, "timer2", Decode::Choice, CameraList::Timer2},
    {32, 1, "timer2StartHour", Decode::Number, {}, 23},
    {33, 1, "timer2StartMinute", Decode::Number, {}, 59},
    {34, 1, "timer2StopHour", Decode::Number, {}, 23},
    {35, 1, "timer2StopMinute", Decode::Number, {}, 59},
    {36, 2, "reserved", Decode::Zero},
}};
constexpr std::array<FieldLayout, 7> kSecondFamilyFields = {{
    {31, 1, "beepSound", Decode::Choice, CameraList::BeepSound},
    {32, 1, "sdCycle", Decode::Choice, CameraList::SdCycle},
    {33, 1, "timer2", Decode::Choice, CameraList::Timer2},
    {34, 1, "timer2StartHour", Decode::Number, {}, 23},
    {35, 1, "timer2StartMinute", Decode::Number, {}, 59},
    {36, 1, "timer2StopHour", Decode::Number, {}, 23},
    {37, 1, "timer2StopMinute", Decode::Number, {}, 59},
}};

// Reserved ranges both families leave at 0; 50..55 lie outside the checksum.
constexpr std::array<std::pair<std::size_t, std::size_t>, 2> kReserved = {{{38, 50}, {50, 56}}};

// Models whose lists stand for each family when the model is not known.
constexpr int kFirstFamilyModel = 1;
constexpr int kSecondFamilyModel = 2;

std::string Hex2(unsigned value) {
    std::array<char, 8> text{};
    std::snprintf(text.data(), text.size(), "%02X", value & 0xFFU);
    return text.data();
}

std::string Hex4(unsigned value) {
    std::array<char, 8> text{};
    std::snprintf(text.data(), text.size(), "0x%04X", value & 0xFFFFU);
    return text.data();
}

struct Meaning {
    std::string text;
    bool expected;
};

Meaning ChoiceMeaning(CameraList list, int modelIndex, int value) {
    const auto entries = CameraChoices(list, modelIndex, kEnglish);
    if (value < static_cast<int>(entries.size())) {
        return {std::string(entries[static_cast<std::size_t>(value)]), true};
    }
    if (list == CameraList::ImageSize && value == 0xFF && entries.empty()) {
        return {"no selection", true};
    }
    return {"not in the list", false};
}

/// A choice read for every model; models that read it alike are named together.
Meaning ChoiceMeaningAllModels(CameraList list, int value) {
    std::vector<std::pair<Meaning, std::string>> groups;
    for (int model = 1; model <= kModelCount; ++model) {
        const Meaning meaning = ChoiceMeaning(list, model, value);
        const auto same = std::find_if(groups.begin(), groups.end(), [&](const auto& group) {
            return group.first.text == meaning.text;
        });
        if (same == groups.end()) {
            groups.emplace_back(meaning, ModelDisplayName(model));
        } else {
            same->second += ", " + ModelDisplayName(model);
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

Meaning NumberMeaning(int value, int max) {
    return {std::to_string(value), value <= max};
}

Meaning ClockMeaning(std::span<const std::uint8_t> b) {
    std::array<char, 48> text{};
    std::snprintf(text.data(), text.size(), "%04d-%02d-%02d %02d:%02d:%02d", 2010 + b[0], b[1],
                  b[2], b[3], b[4], b[5]);
    const bool expected = b[0] <= 21 && b[1] >= 1 && b[1] <= 12 && b[2] >= 1 && b[2] <= 31 &&
                          b[3] <= 23 && b[4] <= 59 && b[5] <= 59;
    return {text.data(), expected};
}

Meaning SerialMeaning(std::span<const std::uint8_t> b) {
    Meaning meaning{"", true};
    for (const std::uint8_t index : b) {
        if (index < kSerialAlphabet.size()) {
            meaning.text += kSerialAlphabet[index];
        } else {
            meaning.text += '?';
            meaning.expected = false;
        }
    }
    return meaning;
}

Meaning LanguageMeaning(int value) {
    if (value < 1 || value > kLanguageCount) {
        return {"not a language code", false};
    }
    return {std::string(LanguageListEntries(false)[static_cast<std::size_t>(value - 1)]), true};
}

Meaning Describe(const FieldLayout& layout, std::span<const std::uint8_t> b,
                 std::optional<int> modelIndex) {
    const int value = b[0];
    switch (layout.how) {
    case Decode::Choice:
        return modelIndex ? ChoiceMeaning(layout.list, *modelIndex, value)
                          : ChoiceMeaningAllModels(layout.list, value);
    case Decode::Number:
        return NumberMeaning(value, layout.max);
    case Decode::VideoLength:
        return {std::to_string(value + 1) + " Sec", value <= 59};
    case Decode::Interval:
        // Bit 7 marks seconds.
        if ((value & 0x80) != 0) {
            return {std::to_string(value - 0x80) + " Sec", value - 0x80 <= 60};
        }
        return {std::to_string(value) + " Min", value <= 60};
    case Decode::Clock:
        return ClockMeaning(b);
    case Decode::Serial:
        return SerialMeaning(b);
    case Decode::Language:
        return LanguageMeaning(value);
    case Decode::TvMode:
        return {std::to_string(value), true};
    case Decode::Zero:
        break;
    }
    const bool zero = std::all_of(b.begin(), b.end(), [](std::uint8_t x) { return x == 0; });
    return {zero ? "reserved, 0" : "reserved, not 0", zero};
}

std::vector<DecodedMenuField> DecodeFields(std::span<const FieldLayout> layouts,
                                           std::span<const std::uint8_t> record,
                                           std::optional<int> modelIndex) {
    std::vector<DecodedMenuField> fields;
    for (const FieldLayout& layout : layouts) {
        const auto bytes = record.subspan(layout.offset, layout.length);
        Meaning meaning = Describe(layout, bytes, modelIndex);
        fields.push_back({layout.offset, layout.length, std::string(layout.name),
                          std::vector<std::uint8_t>(bytes.begin(), bytes.end()),
                          std::move(meaning.text), meaning.expected});
    }
    return fields;
}

std::string ByteRange(const DecodedMenuField& field) {
    return (field.length == 1 ? "byte " : "bytes ") + OffsetRange(field);
}

void NoteUnexpected(const std::vector<DecodedMenuField>& fields, std::string_view reading,
                    std::vector<std::string>& notes) {
    for (const DecodedMenuField& field : fields) {
        if (field.expected) {
            continue;
        }
        std::string stored;
        for (const std::uint8_t b : field.bytes) {
            stored += (stored.empty() ? "" : " ") + Hex2(b);
        }
        notes.push_back(ByteRange(field) + " (" + field.name + std::string(reading) +
                        "): " + stored + " is not a value the camera forms write");
    }
}

}  // namespace

std::string OffsetRange(const DecodedMenuField& field) {
    if (field.length == 1) {
        return std::to_string(field.offset);
    }
    return std::to_string(field.offset) + ".." + std::to_string(field.offset + field.length - 1);
}

MenuFileReport DecodeMenuFile(std::span<const std::uint8_t> bytes, std::optional<int> modelIndex) {
    MenuFileReport report;
    report.size = bytes.size();
    report.sizeOk = bytes.size() == kRecordSize;
    if (!report.sizeOk) {
        report.problems.push_back("size is " + std::to_string(bytes.size()) + " bytes, expected " +
                                  std::to_string(kRecordSize));
    }
    if (bytes.size() < kRecordSize) {
        return report;
    }

    const auto record = bytes.first(kRecordSize);
    report.lineEndOk = record[58] == 0x0D && record[59] == 0x0A;
    if (!report.lineEndOk) {
        report.problems.push_back("line end at bytes 58..59 is " + Hex2(record[58]) + " " +
                                  Hex2(record[59]) + ", expected 0D 0A");
    }
    report.storedChecksum = static_cast<std::uint16_t>(record[kMenuChecksumOffset] |
                                                       (record[kMenuChecksumOffset + 1] << 8));
    report.computedChecksum = MenuChecksum(record.first(kMenuChecksumLength));
    report.checksumOk = report.storedChecksum == report.computedChecksum;
    if (!report.checksumOk) {
        report.problems.push_back("checksum at bytes 56..57 is " + Hex4(report.storedChecksum) +
                                  ", the content gives " + Hex4(report.computedChecksum));
    }

    const MenuRecord factory = FactoryMenuRecord();
    report.factory = report.sizeOk && std::equal(record.begin(), record.end(), factory.begin());
    if (report.factory) {
        return report;
    }

    report.common = DecodeFields(kCommonFields, record, modelIndex);
    NoteUnexpected(report.common, "", report.notes);
    const std::optional<Family> family =
        modelIndex ? std::optional<Family>(FamilyOf(*modelIndex)) : std::nullopt;
    if (family != Family::Second) {
        report.firstFamily =
            DecodeFields(kFirstFamilyFields, record, modelIndex ? *modelIndex : kFirstFamilyModel);
        NoteUnexpected(*report.firstFamily, family ? "" : ", first family", report.notes);
    }
    if (family != Family::First) {
        report.secondFamily = DecodeFields(kSecondFamilyFields, record,
                                           modelIndex ? *modelIndex : kSecondFamilyModel);
        NoteUnexpected(*report.secondFamily, family ? "" : ", second family", report.notes);
    }
    for (const auto& [begin, end] : kReserved) {
        const auto reserved = record.subspan(begin, end - begin);
        if (std::any_of(reserved.begin(), reserved.end(), [](std::uint8_t b) { return b != 0; })) {
            report.notes.push_back("bytes " + std::to_string(begin) + ".." +
                                   std::to_string(end - 1) + " are reserved but not 0");
        }
    }
    return report;
}

}  // namespace tov
