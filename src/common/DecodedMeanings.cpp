#include "common/DecodedMeanings.h"

#include "common/LanguageRules.h"

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

std::string FamilyModelNames(Family family) {
    std::string names;
    for (const ModelInfo& model : Models()) {
        if (model.family == family) {
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

}  // namespace tov
