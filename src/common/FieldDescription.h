#pragma once

#include "common/FieldTable.h"
#include "common/FileReport.h"
#include "common/Text.h"

#include <functional>
#include <string>
#include <vector>

namespace tov {

/// What a stored value means, and whether a form writes it.
struct Meaning {
    std::string text;
    bool expected = true;
};

/// What a text of a file means: the text quoted with every byte that is not printable ASCII
/// as "\xNN" (no control or direction mark from a file reaches a terminal), or only its
/// length when it is hidden (a password); expected when it fits `maxBytes`.
inline Meaning TextMeaning(const std::string& text, bool hidden, int maxBytes) {
    Meaning meaning;
    if (hidden) {
        // Built by appending: GCC 12 at -O3 warns, wrongly, about assigning or prepending here.
        std::string shown(1, '(');
        shown += std::to_string(text.size());
        shown += " bytes, hidden)";
        meaning.text = std::move(shown);
    } else {
        meaning.text = QuotedBytes(text);
    }
    meaning.expected = static_cast<int>(text.size()) <= maxBytes;
    return meaning;
}

/// Whether inspect hides a field: every password, unless asked to show them, whatever its
/// record's length byte says (a length of 0 does not make the bytes behind it harmless).
inline bool IsHiddenSecret(bool secret, bool showSecrets) {
    return secret && !showSecrets;
}

/// Takes every stored byte out of a hidden field's report: the bytes would tell the secret.
inline void MaskSecretBytes(DecodedField& field) {
    field.bytes.clear();
}

/// The meaning of choice `value` in list `list` ("Camera+Video"; "not in the list").
using ChoiceMeaningFn = std::function<Meaning(int list, int value)>;

/// Describes every field of the family that lies in the file, from the stored records and
/// the values ReadFields took from them. A unit that shares its byte with a value is told
/// with the value ("10 Min"). Texts of secret fields are masked unless `showSecrets`.
template <class S>
std::vector<DecodedField>
DescribeFields(FieldTable<S> table, Family family, std::span<const Record60> records,
               const S& decoded, const ChoiceMeaningFn& choiceMeaning, bool showSecrets = false) {
    std::vector<DecodedField> fields;
    for (const Field<S>& field : table) {
        const Place place = field.place[family];
        if (!field.present[family] || !place.inFile() || place.coding == Coding::SecondsFlag) {
            continue;
        }
        const Record60& record = records[static_cast<std::size_t>(place.record)];
        const auto length = static_cast<std::size_t>(place.length());
        const auto offset = static_cast<std::size_t>(place.offset);
        DecodedField out;
        out.offset = static_cast<std::size_t>(place.record) * kRecordSize + offset;
        out.length = length;
        out.name = std::string(field.key);
        out.bytes.assign(record.begin() + static_cast<std::ptrdiff_t>(offset),
                         record.begin() + static_cast<std::ptrdiff_t>(offset + length));

        Meaning meaning;
        switch (field.kind) {
        case FieldKind::Choice:
            meaning = choiceMeaning(field.list, decoded.*field.number);
            break;
        case FieldKind::Chars:
            for (const int index : decoded.*field.chars) {
                const Meaning one = choiceMeaning(field.list, index);
                meaning.text += one.expected ? one.text : "?";
                meaning.expected = meaning.expected && one.expected;
            }
            break;
        case FieldKind::Text: {
            const bool hidden = IsHiddenSecret(field.secret, showSecrets);
            meaning = TextMeaning(decoded.*field.text, hidden, MaxFor(field, family));
            if (hidden) {
                MaskSecretBytes(out);
            }
            break;
        }
        case FieldKind::Number: {
            const int value = decoded.*field.number;
            meaning = {std::to_string(value), value >= field.min && value <= MaxFor(field, family)};
            if (!field.unit.empty()) {
                meaning.text.append(" ").append(field.unit);
            }
            if (place.coding == Coding::SecondsValue) {
                // The unit shares this byte: find it and tell the value with it.
                for (const Field<S>& unit : table) {
                    const Place unitPlace = unit.place[family];
                    if (unitPlace.coding == Coding::SecondsFlag &&
                        unitPlace.record == place.record && unitPlace.offset == place.offset) {
                        meaning.text.append(" ").append(
                            choiceMeaning(unit.list, decoded.*unit.number).text);
                    }
                }
            }
            break;
        }
        case FieldKind::Folder:
            break;
        }
        out.meaning = std::move(meaning.text);
        out.expected = meaning.expected;
        fields.push_back(std::move(out));
    }
    return fields;
}

}  // namespace tov
