#pragma once

#include "app/host/QtFileTextCodec.h"
#include "cards/host/CardWatch.h"
#include "forms/Platform.h"

#include <memory>

namespace tov {

/// The platform services on Qt: message boxes without an owner window, the folder picker,
/// the local clock, the system language, the desktop's handler for addresses, and the memory
/// cards (listed on a thread of their own, so that a slow drive never holds up a form).
class QtPlatform final : public Platform {
public:
    QtPlatform() = default;
    QtPlatform(const QtPlatform&) = delete;
    QtPlatform& operator=(const QtPlatform&) = delete;

    void ShowMessage(std::string_view text) override;
    void ShowFieldMessage(std::string_view text) override;
    std::optional<std::string> PickFolder(std::string_view startFolder) override;
    std::filesystem::path LastSettingsFolder() override;
    std::string DocumentsFolder() override;
    bool HasSecretStore() override;
    bool StoreSecret(std::string_view key, std::string_view value) override;
    std::optional<std::string> ReadSecret(std::string_view key) override;
    void ForgetSecret(std::string_view key) override;
    std::optional<ProfileSaveChoice> AskProfileToSave(std::string_view startFolder,
                                                      int languageIndex) override;
    std::optional<std::string> AskProfileToOpen(std::string_view startFolder,
                                                int languageIndex) override;
    LocalDateTime LocalTime() override;
    std::uint16_t SystemLanguageId() override;
    bool OpenUrl(std::string_view url) override;
    const FileTextCodec& FileCodec() override;
    std::vector<cards::Card> Cards() override;
    void CardsChanged() override;
    std::filesystem::path BackupsFolder() override;
    AfterCardWrite ShowCardWritten(std::string_view text, std::string_view ejectButton,
                                   std::string_view anotherButton) override;
    std::optional<cards::Card> WaitForNextCard(std::string_view prompt, int languageIndex) override;
    cards::EjectResult EjectCard(const cards::Card& card, int languageIndex) override;

private:
    std::unique_ptr<QtFileTextCodec> m_codec;
    std::unique_ptr<CardWatch> m_cards;  // started when a form first asks
    std::optional<bool> m_keychain;      // asked once: whether a keychain answers
};

}  // namespace tov
