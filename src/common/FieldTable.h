#pragma once

#include "common/AppState.h"
#include "common/Record60.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tov {

// A form's fields are described once, in one table of Field rows. The read order and the
// checks, the file builder and decoder, the command line's keys and the Default reset all
// come from that table through the functions below.

/// What a field holds and which control shows it.
enum class FieldKind {
    Number,  ///< an integer typed into a digits-only field
    Choice,  ///< the position chosen in a drop-down list (-1: none)
    Text,    ///< bytes typed into a text field, in the file's code page
    Chars,   ///< four drop-down lists of one character each
    Folder,  ///< the destination folder; in no file
};

/// The message a read shows when a value is outside its bounds or limit.
enum class LimitMessage {
    ToolRange,       ///< the tool's own range message, Chinese or English
    StandardRange,   ///< the standard field range message
    StandardLength,  ///< the standard text length message
};

/// How a value becomes bytes of its file. Every coding adds into a record that starts at
/// zero, so two fields may share a byte (the interval and its unit do).
enum class Coding {
    None,          ///< not in the file
    Byte,          ///< the low 8 bits
    MinusOne,      ///< value - 1 (the camera counts lengths from 0)
    SecondsValue,  ///< bits 0..6; the unit field sharing the byte sets bit 7
    SecondsFlag,   ///< bit 7 set when the unit is index 0 (seconds)
    CharRun,       ///< one byte per character index, four bytes
    TensUnits,     ///< two bytes: the tens digit, then the units digit
    TextRecord,    ///< a text record of its own: text, length byte 57, line end
    PlusOne,       ///< value + 1 (a list position counted from 1)
    OneWhenFirst,  ///< 1 when the first entry of a two-entry list is chosen, else 0
};

/// Where a field goes in its file.
struct Place {
    int record = 0;
    int offset = 0;
    Coding coding = Coding::None;

    constexpr bool inFile() const { return coding != Coding::None; }
    /// How many bytes of its record the field covers.
    constexpr int length() const {
        switch (coding) {
        case Coding::CharRun:
            return 4;
        case Coding::TensUnits:
            return 2;
        case Coding::TextRecord:
            return static_cast<int>(kRecordLengthOffset) + 1;
        case Coding::None:
            return 0;
        default:
            return 1;
        }
    }
};

/// A column that differs between the two families.
template <class T>
struct PerFamily {
    T first{};
    T second{};
    constexpr const T& operator[](Family family) const {
        return family == Family::First ? first : second;
    }
};

template <class T>
constexpr PerFamily<T> Both(T value) {
    return {value, value};
}

inline constexpr int kNotRead = -1;

/// A field that a switch locks (read-only field, disabled list) while the switch shows
/// `lockedWhen`.
struct Lock {
    std::string_view toggleKey;
    int lockedWhen = 0;
};

/// One field of a form.
template <class S>
struct Field {
    std::string_view key;  ///< the settings member's name; the command line's key
    FieldKind kind = FieldKind::Number;
    int S::*number = nullptr;                ///< Number, Choice
    std::string S::*text = nullptr;          ///< Text, Folder
    std::array<int, 4> S::*chars = nullptr;  ///< Chars
    int list = -1;                           ///< Choice, Chars: the form's list
    int min = 0;                             ///< Number: lower bound
    int max = 0;  ///< Number: upper bound; Text: bytes; Folder: characters
    /// Text: the byte limit per family, in place of `max`, where the families differ.
    std::optional<PerFamily<int>> familyMax{};
    LimitMessage message = LimitMessage::ToolRange;
    int correctTo = 0;  ///< Number: what a handler puts in place of a value out of bounds
    PerFamily<int> readOrder = Both(kNotRead);  ///< place in the form's read order
    PerFamily<bool> present = Both(true);       ///< whether the family's form has it
    PerFamily<Place> place{};
    PerFamily<int> opening{};    ///< the value when the form opens (Number, Choice)
    std::optional<int> reset{};  ///< what Default puts in; none: Default keeps the value
    Lock lock{};
    bool secret = false;      ///< a password: inspect masks it
    bool asciiOnly = false;   ///< Text: reaches an operator's network or a mail server
    std::string_view unit{};  ///< what a number counts ("Sec"), told after it by inspect
};

template <class S>
using FieldTable = std::span<const Field<S>>;

/// A byte of the first record: the header of a file of records, or menu.dat's one record.
constexpr Place ByteAt(int offset, Coding coding = Coding::Byte) {
    return {0, offset, coding};
}

/// A typed text of at most `maxBytes` bytes in a text record of its own, read at `readOrder`
/// in both families' forms.
template <class S>
constexpr Field<S> TextRecordField(std::string_view key, std::string S::*member, int maxBytes,
                                   int record, int readOrder) {
    return {.key = key,
            .kind = FieldKind::Text,
            .text = member,
            .max = maxBytes,
            .message = LimitMessage::StandardLength,
            .readOrder = Both(readOrder),
            .place = Both(Place{record, 0, Coding::TextRecord})};
}

/// A password: inspect masks it unless asked to show it.
template <class S>
constexpr Field<S> Secret(Field<S> field) {
    field.secret = true;
    return field;
}

/// A text that reaches an operator's network or a mail server (an address, a number, access
/// data): ASCII only, whatever the file's code page could hold.
template <class S>
constexpr Field<S> Network(Field<S> field) {
    field.asciiOnly = true;
    return field;
}

/// The field's upper bound or byte limit in the family's form.
template <class S>
constexpr int MaxFor(const Field<S>& field, Family family) {
    return field.familyMax ? (*field.familyMax)[family] : field.max;
}

/// A field's key checked against its table: each form's key function (CameraKey, MmsKey,
/// SmtpKey) is consteval, so that a handler naming a key no row has does not compile.
class FieldKey {
public:
    /// `name` as a key of `table`; a name no row has is no constant.
    template <class S>
    static constexpr FieldKey In(std::span<const Field<S>> table, std::string_view name) {
        for (const Field<S>& field : table) {
            if (field.key == name) {
                return FieldKey(field.key);
            }
        }
        throw "no row of the table has this key";
    }
    /// The key of a row.
    template <class S>
    static constexpr FieldKey Of(const Field<S>& field) {
        return FieldKey(field.key);
    }

    constexpr std::string_view name() const { return m_name; }
    friend constexpr bool operator==(FieldKey a, FieldKey b) { return a.m_name == b.m_name; }

private:
    constexpr explicit FieldKey(std::string_view name) : m_name(name) {}
    std::string_view m_name;
};

/// `names` as keys of `table`.
template <class S, std::size_t N>
constexpr std::array<FieldKey, N> KeysOf(FieldTable<S> table,
                                         const std::array<std::string_view, N>& names) {
    return [&]<std::size_t... I>(std::index_sequence<I...>) {
        return std::array<FieldKey, N>{FieldKey::In(table, names[I])...};
    }
    (std::make_index_sequence<N>{});
}

/// The row for `key`, or null.
template <class S>
constexpr const Field<S>* FindField(FieldTable<S> table, std::string_view key) {
    for (const Field<S>& field : table) {
        if (field.key == key) {
            return &field;
        }
    }
    return nullptr;
}

/// Where `key`'s bytes start in its record for the family, for the builder and the decoder that
/// need a field's byte beside the table's own placing; a key not in the table does not compile
/// where this is a constant.
template <class S>
constexpr std::size_t FieldOffset(FieldTable<S> table, std::string_view key, Family family) {
    return static_cast<std::size_t>(FindField(table, key)->place[family].offset);
}

/// The keys of the `N` rows that `lock` locks, in table order; a count other than the table's
/// does not compile where this is a constant.
template <class S, std::size_t N>
constexpr std::array<std::string_view, N> LockedKeys(FieldTable<S> table, Lock lock) {
    std::array<std::string_view, N> keys{};
    std::size_t count = 0;
    for (const Field<S>& field : table) {
        if (field.lock.toggleKey == lock.toggleKey && field.lock.lockedWhen == lock.lockedWhen &&
            !lock.toggleKey.empty()) {
            if (count == N) {
                throw "more rows have this lock";
            }
            keys[count++] = field.key;
        }
    }
    if (count != N) {
        throw "fewer rows have this lock";
    }
    return keys;
}

/// Whether the command line takes the field as a key: it is in the family's form and in its
/// file (the folder, display-only fields and the other family's fields are not).
template <class S>
constexpr bool IsSettingKey(const Field<S>& field, Family family) {
    return field.present[family] && field.place[family].inFile();
}

/// The fields the family's form reads from its edit fields, in reading order.
template <class S>
std::vector<const Field<S>*> ReadOrder(FieldTable<S> table, Family family) {
    std::vector<const Field<S>*> order;
    for (const Field<S>& field : table) {
        if (field.present[family] && field.readOrder[family] != kNotRead) {
            order.push_back(&field);
        }
    }
    std::stable_sort(order.begin(), order.end(), [family](const Field<S>* a, const Field<S>* b) {
        return a->readOrder[family] < b->readOrder[family];
    });
    return order;
}

/// A choice whose list has no entries holds no selection.
inline int SelectionIn(int value, int listSize) {
    return listSize == 0 ? -1 : value;
}

/// The values the family's form opens with. `listSize(list)` gives the number of entries of
/// a list, so that an empty list opens without a selection.
template <class S, class ListSize>
void ApplyOpening(FieldTable<S> table, Family family, S& settings, ListSize listSize) {
    for (const Field<S>& field : table) {
        if (field.number != nullptr && field.present[family]) {
            const int value = field.opening[family];
            settings.*field.number =
                field.kind == FieldKind::Choice ? SelectionIn(value, listSize(field.list)) : value;
        }
    }
}

/// What Default does to the held values: each field with a reset value takes it; the others
/// keep theirs.
template <class S, class ListSize>
void ApplyDefaultReset(FieldTable<S> table, Family family, S& settings, ListSize listSize) {
    for (const Field<S>& field : table) {
        if (!field.reset || !field.present[family]) {
            continue;
        }
        if (field.number != nullptr) {
            settings.*field.number = field.kind == FieldKind::Choice
                                         ? SelectionIn(*field.reset, listSize(field.list))
                                         : *field.reset;
        } else if (field.chars != nullptr) {
            (settings.*field.chars).fill(*field.reset);
        }
    }
}

/// The first key of `keys` whose field its switch locks in `settings`, if any: what the command
/// line refuses, as the form would not take it.
template <class S, class Keys>
std::optional<std::string_view> FirstLockedKey(FieldTable<S> table, const Keys& keys,
                                               const S& settings);

/// Whether the field's switch locks it in the current settings.
template <class S>
bool IsLocked(FieldTable<S> table, const Field<S>& field, const S& settings) {
    if (field.lock.toggleKey.empty()) {
        return false;
    }
    const Field<S>* toggle = FindField(table, field.lock.toggleKey);
    return toggle != nullptr && toggle->number != nullptr &&
           settings.*toggle->number == field.lock.lockedWhen;
}

template <class S, class Keys>
std::optional<std::string_view> FirstLockedKey(FieldTable<S> table, const Keys& keys,
                                               const S& settings) {
    for (const auto& entry : keys) {
        const std::string_view key = entry.first;
        const Field<S>* field = FindField(table, key);
        if (field != nullptr && IsLocked(table, *field, settings)) {
            return field->key;
        }
    }
    return std::nullopt;
}

/// What a form does after a number was typed: a value outside its bounds becomes the field's
/// replacement. Returns whether the value changed.
template <class S>
bool CorrectOutOfBounds(const Field<S>& field, S& settings) {
    if (field.kind != FieldKind::Number) {
        return false;
    }
    int& value = settings.*field.number;
    if (value >= field.min && value <= field.max) {
        return false;
    }
    value = field.correctTo;
    return true;
}

namespace detail {

inline std::uint8_t AddLow8(std::uint8_t byte, int value) {
    return LowByte(byte + value);
}

}  // namespace detail

/// Adds every field of the family to the records of its file (the records start as blank
/// records; text records are replaced whole).
template <class S>
void PlaceFields(FieldTable<S> table, Family family, const S& settings,
                 std::span<Record60> records) {
    using detail::AddLow8;
    for (const Field<S>& field : table) {
        const Place place = field.place[family];
        if (!field.present[family] || !place.inFile()) {
            continue;
        }
        Record60& record = records[static_cast<std::size_t>(place.record)];
        std::uint8_t* at = record.data() + place.offset;
        switch (place.coding) {
        case Coding::Byte:
        case Coding::SecondsValue:
            *at = AddLow8(*at, settings.*field.number);
            break;
        case Coding::MinusOne:
            *at = AddLow8(*at, settings.*field.number - 1);
            break;
        case Coding::SecondsFlag:
            *at = AddLow8(*at, settings.*field.number == 0 ? 0x80 : 0);
            break;
        case Coding::CharRun:
            for (std::size_t i = 0; i < 4; ++i) {
                at[i] = AddLow8(at[i], (settings.*field.chars)[i]);
            }
            break;
        case Coding::TensUnits:
            at[0] = AddLow8(at[0], settings.*field.number / 10);
            at[1] = AddLow8(at[1], settings.*field.number % 10);
            break;
        case Coding::TextRecord:
            record = MakeTextRecord(settings.*field.text);
            break;
        case Coding::PlusOne:
            *at = AddLow8(*at, settings.*field.number + 1);
            break;
        case Coding::OneWhenFirst:
            *at = AddLow8(*at, settings.*field.number == 0 ? 1 : 0);
            break;
        case Coding::None:
            break;
        }
    }
}

/// Reads every field of the family back from the records of its file: the inverse of
/// PlaceFields for every value a form can hold.
template <class S>
void ReadFields(FieldTable<S> table, Family family, std::span<const Record60> records,
                S& settings) {
    for (const Field<S>& field : table) {
        const Place place = field.place[family];
        if (!field.present[family] || !place.inFile()) {
            continue;
        }
        const Record60& record = records[static_cast<std::size_t>(place.record)];
        const std::uint8_t* at = record.data() + place.offset;
        switch (place.coding) {
        case Coding::Byte:
            settings.*field.number = at[0];
            break;
        case Coding::MinusOne:
            settings.*field.number = at[0] + 1;
            break;
        case Coding::SecondsValue:
            settings.*field.number = at[0] & 0x7F;
            break;
        case Coding::SecondsFlag:
            settings.*field.number = (at[0] & 0x80) != 0 ? 0 : 1;
            break;
        case Coding::CharRun:
            for (std::size_t i = 0; i < 4; ++i) {
                (settings.*field.chars)[i] = at[i];
            }
            break;
        case Coding::TensUnits:
            settings.*field.number = at[0] * 10 + at[1];
            break;
        case Coding::TextRecord:
            settings.*field.text = RecordText(record);
            break;
        case Coding::PlusOne:
            settings.*field.number = at[0] - 1;
            break;
        case Coding::OneWhenFirst:
            // 1 and 0 are the two entries; any other byte stays visible as a value no list has.
            settings.*field.number = at[0] == 1 ? 0 : (at[0] == 0 ? 1 : at[0]);
            break;
        case Coding::None:
            break;
        }
    }
}

}  // namespace tov
