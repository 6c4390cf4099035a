#pragma once

#include "app/Platform.h"

#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace tov::test {

/// A platform that records what the forms show and answers from values set in advance.
class FakePlatform final : public Platform {
public:
    std::vector<std::string> messages;       ///< ShowMessage texts, in order
    std::vector<std::string> fieldMessages;  ///< ShowFieldMessage texts, in order
    std::vector<std::string> openedUrls;
    /// Answers of the folder picker, in order; an empty queue or nullopt is a cancel.
    std::deque<std::optional<std::string>> folderAnswers;
    int folderPickerCalls = 0;
    LocalDateTime clock{2014, 5, 7, 13, 4, 9};
    std::uint16_t langId = 0x0409;

    void ShowMessage(std::string_view text) override { messages.emplace_back(text); }
    void ShowFieldMessage(std::string_view text) override { fieldMessages.emplace_back(text); }
    std::optional<std::string> PickFolder() override;
    LocalDateTime LocalTime() override { return clock; }
    std::uint16_t SystemLanguageId() override { return langId; }
    void OpenUrl(std::string_view url) override { openedUrls.emplace_back(url); }

    /// All messages of both kinds, for "nothing was shown" checks.
    std::size_t MessageCount() const { return messages.size() + fieldMessages.size(); }
    void Clear() {
        messages.clear();
        fieldMessages.clear();
    }
};

}  // namespace tov::test
