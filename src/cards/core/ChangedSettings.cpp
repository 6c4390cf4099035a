#include "cards/core/ChangedSettings.h"

#include "cards/core/CardMessages.h"

#include <algorithm>
#include <map>

namespace tov::cards {
namespace {

constexpr std::string_view kClockField = "clock";

// Every field by "section/name" with its meaning, and the names in the file's order.
struct Meanings {
    std::map<std::string, std::string> byKey;
    std::vector<std::pair<std::string, std::string>> order;  // key, setting name
};

Meanings MeaningsOf(const FileReport& report) {
    Meanings meanings;
    for (const FieldSection& section : report.sections) {
        for (const DecodedField& field : section.fields) {
            if (field.name == kClockField) {
                continue;
            }
            const std::string key = section.key + "/" + field.name;
            if (meanings.byKey.emplace(key, field.meaning).second) {
                meanings.order.emplace_back(key, field.name);
            }
        }
    }
    return meanings;
}

}  // namespace

std::vector<std::string> ChangedSettings(const FileReport& before, const FileReport& after) {
    const Meanings old = MeaningsOf(before);
    const Meanings now = MeaningsOf(after);
    std::vector<std::string> changed;
    auto add = [&](const std::string& name) {
        if (std::find(changed.begin(), changed.end(), name) == changed.end()) {
            changed.push_back(name);
        }
    };
    for (const auto& [key, name] : now.order) {
        const auto was = old.byKey.find(key);
        if (was == old.byKey.end() || was->second != now.byKey.at(key)) {
            add(name);
        }
    }
    for (const auto& [key, name] : old.order) {
        if (now.byKey.count(key) == 0) {
            add(name);
        }
    }
    return changed;
}

std::string ChangesText(const std::vector<std::string>& changed, int languageIndex,
                        std::size_t shown) {
    if (changed.empty()) {
        return std::string(PickMessage(text::kNoSettingChanged, languageIndex));
    }
    std::string names;
    for (std::size_t i = 0; i < changed.size() && i < shown; ++i) {
        names += (i == 0 ? "" : ", ") + changed[i];
    }
    if (changed.size() > shown) {
        names += Filled(PickMessage(text::kAndMore, languageIndex),
                        {std::to_string(changed.size() - shown)});
    }
    if (changed.size() == 1) {
        return Filled(PickMessage(text::kOneSettingChanged, languageIndex), {names});
    }
    return Filled(PickMessage(text::kSettingsChanged, languageIndex),
                  {std::to_string(changed.size()), names});
}

std::string ChangesBetween(const FileReport& before, const FileReport& after, int languageIndex) {
    if (after.factory && !before.factory) {
        return std::string(PickMessage(text::kBackToFactory, languageIndex));
    }
    return ChangesText(ChangedSettings(before, after), languageIndex);
}

}  // namespace tov::cards
