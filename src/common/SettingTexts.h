#pragma once

#include "common/FieldMessages.h"
#include "common/FieldTable.h"
#include "common/Text.h"
#include "common/ValueCheck.h"

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tov {

/// Settings given as text by key ("videoLength" -> "30", "imageSize" -> "5MP"); texts are
/// already in the file's code page.
using SettingTexts = std::map<std::string, std::string, std::less<>>;

/// What the messages about setting texts need to know.
struct SettingContext {
    std::string modelName;  ///< "Tov 9030M", for messages
    int languageIndex = kEnglish;
    /// The English entries of a list, in order, for the model.
    std::function<std::vector<std::string_view>(int list)> entries;
    /// Other names of a list's entries by position, also accepted (an empty name: none); the
    /// English names of the countries. May be empty.
    std::function<std::vector<std::string_view>(int list)> aliases{};
};

/// The messages of ApplySettingTexts, each starting with the key.
std::string UnknownKeyMessage(std::string_view key, bool inOtherFamily,
                              const std::vector<std::string_view>& allowed,
                              const SettingContext& context);
std::string ChoiceMessage(std::string_view key, std::string_view text,
                          const std::vector<std::string_view>& entries,
                          const SettingContext& context);
std::string CharsMessage(std::string_view key, std::string_view text,
                         const std::vector<std::string_view>& alphabet,
                         const SettingContext& context);
std::string TextLengthMessage(std::string_view key, std::size_t bytes, int limit,
                              const SettingContext& context);
/// A text with a byte outside ASCII, at `at` (from 0; told from 1), in a field that reaches a
/// network.
std::string AsciiTextMessage(std::string_view key, std::string_view text, std::size_t at,
                             const SettingContext& context);
/// "key: message": a form's message for the command line (the key made Printable).
std::string KeyMessage(std::string_view key, std::string_view message);

/// The position of the entry that reads `text` (ASCII letters without case).
std::optional<int> FindEntry(std::string_view text, const std::vector<std::string_view>& entries);

/// A choice given as its 0-based index or as one of its entries.
std::optional<int> ParseChoiceText(std::string_view text,
                                   const std::vector<std::string_view>& entries);

/// The keys of the family's fields, in table order.
template <class S>
std::vector<std::string_view> SettingKeys(FieldTable<S> table, Family family) {
    std::vector<std::string_view> keys;
    for (const Field<S>& field : table) {
        if (IsSettingKey(field, family)) {
            keys.push_back(field.key);
        }
    }
    return keys;
}

/// Applies `texts` over `settings` as the family's form would take them: every key must be a
/// setting of the family; numbers and texts are checked in the form's reading order with its
/// messages; a choice is its index or its English entry; four characters fill a Chars field.
/// Returns the first refusal, or nothing.
template <class S>
std::optional<std::string> ApplySettingTexts(FieldTable<S> table, Family family,
                                             const SettingTexts& texts, S& settings,
                                             const SettingContext& context) {
    for (const auto& [key, text] : texts) {
        const Field<S>* field = FindField(table, key);
        if (field == nullptr || !IsSettingKey(*field, family)) {
            const Family other = family == Family::First ? Family::Second : Family::First;
            return UnknownKeyMessage(key, field != nullptr && IsSettingKey(*field, other),
                                     SettingKeys(table, family), context);
        }
    }

    // Typed fields first, in the order in which the form reads and checks them, so that the
    // first refusal is the one the form would show.
    std::vector<const Field<S>*> order = ReadOrder(table, family);
    for (const Field<S>& field : table) {
        if (std::find(order.begin(), order.end(), &field) == order.end()) {
            order.push_back(&field);
        }
    }
    for (const Field<S>* field : order) {
        const auto given = texts.find(field->key);
        if (given == texts.end()) {
            continue;
        }
        const std::string& text = given->second;
        switch (field->kind) {
        case FieldKind::Number: {
            const auto value = ParseInt(text);
            if (!value) {
                return KeyMessage(field->key, NotAnIntegerMessage(context.languageIndex));
            }
            settings.*field->number = *value;
            const int max = MaxFor(*field, family);
            if (!CheckFieldNumber(*field, family, *value).ok()) {
                return KeyMessage(
                    field->key, field->message == LimitMessage::ToolRange
                                    ? RangeMessage(field->min, max, context.languageIndex)
                                    : StandardRangeMessage(field->min, max, context.languageIndex));
            }
            break;
        }
        case FieldKind::Text: {
            const ValueVerdict verdict = CheckFieldText(*field, family, text);
            if (verdict.fault == ValueFault::NotAscii) {
                return AsciiTextMessage(field->key, text, verdict.at, context);
            }
            if (!verdict.ok()) {
                return TextLengthMessage(field->key, text.size(), verdict.limit, context);
            }
            settings.*field->text = text;
            break;
        }
        case FieldKind::Choice: {
            const auto entries = context.entries(field->list);
            auto index = ParseChoiceText(text, entries);
            if (!index && context.aliases && !TrimSpaces(text).empty()) {
                index = FindEntry(text, context.aliases(field->list));
            }
            if (!index) {
                return ChoiceMessage(field->key, text, entries, context);
            }
            settings.*field->number = *index;
            break;
        }
        case FieldKind::Chars: {
            const auto alphabet = context.entries(field->list);
            auto& chars = settings.*field->chars;
            if (text.size() != chars.size()) {
                return CharsMessage(field->key, text, alphabet, context);
            }
            for (std::size_t i = 0; i < chars.size(); ++i) {
                const auto index = FindEntry(std::string_view(text).substr(i, 1), alphabet);
                if (!index) {
                    return CharsMessage(field->key, text, alphabet, context);
                }
                chars[i] = *index;
            }
            break;
        }
        case FieldKind::Folder:
            break;
        }
    }
    return std::nullopt;
}

}  // namespace tov
