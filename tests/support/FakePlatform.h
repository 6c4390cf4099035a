#pragma once

#include "app/host/QtFileTextCodec.h"
#include "forms/Platform.h"

#include <deque>
#include <map>
#include <memory>
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
    bool browserOpens = true;  ///< what OpenUrl answers
    /// Answers of the folder picker, in order; an empty queue or nullopt is a cancel.
    std::deque<std::optional<std::string>> folderAnswers;
    std::vector<std::string> folderPickerStarts;  ///< the folder each picker opened at
    LocalDateTime clock{2014, 5, 7, 13, 4, 9};
    std::uint16_t langId = 0x0409;

    void ShowMessage(std::string_view text) override { messages.emplace_back(text); }
    void ShowFieldMessage(std::string_view text) override { fieldMessages.emplace_back(text); }
    std::optional<std::string> PickFolder(std::string_view startFolder) override;
    LocalDateTime LocalTime() override { return clock; }
    std::uint16_t SystemLanguageId() override { return langId; }
    bool OpenUrl(std::string_view url) override {
        openedUrls.emplace_back(url);
        return browserOpens;
    }
    /// The real code page of files for `langId`, as the application has it.
    const FileTextCodec& FileCodec() override;

    std::vector<cards::Card> cards;  ///< what Cards() answers
    int cardsChanged = 0;            ///< how often CardsChanged() was called
    std::filesystem::path backupsFolder;
    bool ejectAnswer = false;                     ///< whether the user takes the eject offer
    std::vector<std::string> ejectOffers;         ///< the confirmations that offered to eject
    std::vector<std::string> ejectOfferButtons;   ///< their eject and write-again captions
    std::vector<AfterCardWrite> afterCardWrites;  ///< answers to them, taken before ejectAnswer
    std::vector<cards::Card> nextCards;           ///< the cards WaitForNextCard sees arrive
    std::vector<std::string> waitPrompts;         ///< what the waits said
    std::vector<std::string> ejectedCards;        ///< mount points EjectCard was asked for
    std::vector<cards::Card> Cards() override { return cards; }
    void CardsChanged() override { ++cardsChanged; }
    std::filesystem::path BackupsFolder() override { return backupsFolder; }
    AfterCardWrite ShowCardWritten(std::string_view text, std::string_view ejectButton,
                                   std::string_view anotherButton) override {
        ejectOffers.emplace_back(text);
        ejectOfferButtons.emplace_back(ejectButton);
        ejectOfferButtons.emplace_back(anotherButton);
        if (!afterCardWrites.empty()) {
            const AfterCardWrite answer = afterCardWrites.front();
            afterCardWrites.erase(afterCardWrites.begin());
            return answer;
        }
        return ejectAnswer ? AfterCardWrite::Eject : AfterCardWrite::Done;
    }
    std::optional<cards::Card> WaitForNextCard(std::string_view prompt,
                                               int /*languageIndex*/) override {
        waitPrompts.emplace_back(prompt);
        if (nextCards.empty()) {
            return std::nullopt;  // cancelled
        }
        cards = {nextCards.front()};  // the next card is in, the one before is out
        nextCards.erase(nextCards.begin());
        return cards.front();
    }
    cards::EjectResult EjectCard(const cards::Card& card, int /*languageIndex*/) override {
        ejectedCards.push_back(card.mountPoint);
        return {true, "The card " + card.label + " may be removed now."};
    }

    std::filesystem::path lastSettingsFolder;  ///< what LastSettingsFolder() answers
    std::filesystem::path LastSettingsFolder() override { return lastSettingsFolder; }
    /// The keychain: none (the default) or the values stored by key.
    std::optional<std::map<std::string, std::string, std::less<>>> secrets;
    bool HasSecretStore() override { return secrets.has_value(); }
    bool StoreSecret(std::string_view key, std::string_view value) override {
        if (!secrets) {
            return false;
        }
        (*secrets)[std::string(key)] = std::string(value);
        return true;
    }
    std::optional<std::string> ReadSecret(std::string_view key) override {
        if (!secrets) {
            return std::nullopt;
        }
        const auto at = secrets->find(key);
        return at == secrets->end() ? std::nullopt : std::optional<std::string>(at->second);
    }
    void ForgetSecret(std::string_view key) override {
        if (secrets) {
            if (const auto at = secrets->find(key); at != secrets->end()) {
                secrets->erase(at);
            }
        }
    }
    /// Answers of the profile dialogs, in order; an empty queue or nullopt is a cancel.
    std::deque<std::optional<ProfileSaveChoice>> saveAnswers;
    std::deque<std::optional<std::string>> openAnswers;
    std::string documentsFolder = "/home/anna/Documents";  ///< what DocumentsFolder() answers
    std::vector<std::string> saveStarts;  ///< the folders the save dialog opened at
    std::string DocumentsFolder() override { return documentsFolder; }
    std::optional<ProfileSaveChoice> AskProfileToSave(std::string_view start, int) override {
        saveStarts.emplace_back(start);
        return Next(saveAnswers);
    }
    std::optional<std::string> AskProfileToOpen(std::string_view, int) override {
        return Next(openAnswers);
    }

    /// All messages of both kinds, for "nothing was shown" checks.
    std::size_t MessageCount() const { return messages.size() + fieldMessages.size(); }
    void Clear() {
        messages.clear();
        fieldMessages.clear();
    }

private:
    template <class T>
    static std::optional<T> Next(std::deque<std::optional<T>>& answers) {
        if (answers.empty()) {
            return std::nullopt;
        }
        std::optional<T> answer = std::move(answers.front());
        answers.pop_front();
        return answer;
    }

    std::unique_ptr<QtFileTextCodec> m_codec;
};

}  // namespace tov::test
