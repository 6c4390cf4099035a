#pragma once

#include "common/FieldTable.h"
#include "common/Models.h"

#include <string>
#include <string_view>

namespace tov::cli {

/// "a, b and c": names joined as a sentence lists them.
inline std::string JoinedNames(const std::vector<std::string_view>& names) {
    std::string text;
    for (std::size_t i = 0; i < names.size(); ++i) {
        text += i == 0 ? "" : (i + 1 == names.size() ? " and " : ", ");
        text += names[i];
    }
    return text;
}

/// The keys of a form for a command's help, from its field table: every key of either family,
/// then which keys only the second family's models have, then `more` (the form's own rules).
/// `hasForm` says which models have the form at all.
template <class S>
std::string KeysHelp(FieldTable<S> table, bool (*hasForm)(const ModelInfo&),
                     std::string_view more) {
    std::vector<std::string_view> keys;
    std::vector<std::string_view> secondOnly;
    for (const Field<S>& field : table) {
        if (IsSettingKey(field, Family::First) || IsSettingKey(field, Family::Second)) {
            keys.push_back(field.key);
        }
        if (!IsSettingKey(field, Family::First) && IsSettingKey(field, Family::Second)) {
            secondOnly.push_back(field.key);
        }
    }
    std::vector<std::string_view> secondModels;
    for (const ModelInfo& model : Models()) {
        if (model.family == Family::Second && hasForm(model)) {
            secondModels.push_back(model.name);
        }
    }
    std::string help = "Keys: ";
    for (std::size_t i = 0; i < keys.size(); ++i) {
        help.append(i == 0 ? "" : ", ").append(keys[i]);
    }
    std::string notes;
    if (!secondOnly.empty()) {
        notes.append(JoinedNames(secondOnly)).append(": ").append(JoinedNames(secondModels));
        notes.append(" only");
    }
    if (!more.empty()) {
        notes.append(notes.empty() ? "" : "; ").append(more);
    }
    return notes.empty() ? help : help.append(" (").append(notes).append(")");
}

/// The keys of a form's passwords, in table order.
template <class S>
std::vector<std::string_view> SecretKeys(FieldTable<S> table) {
    std::vector<std::string_view> keys;
    for (const Field<S>& field : table) {
        if (field.secret) {
            keys.push_back(field.key);
        }
    }
    return keys;
}

/// The keys of a form's texts that reach a network and so are ASCII only, in table order.
template <class S>
std::vector<std::string_view> AsciiOnlyKeys(FieldTable<S> table) {
    std::vector<std::string_view> keys;
    for (const Field<S>& field : table) {
        if (field.asciiOnly) {
            keys.push_back(field.key);
        }
    }
    return keys;
}

/// The help's sentence on reading passwords: "--set KEY=- reads ... (KEY: a and b)".
inline std::string SecretKeysHelp(const std::vector<std::string_view>& keys) {
    return ". Passwords (" + JoinedNames(keys) +
           "): --set KEY=- reads the value from standard input, without echo on a terminal";
}

}  // namespace tov::cli
