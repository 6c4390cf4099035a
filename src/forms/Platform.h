#pragma once

#include "cards/core/CardContents.h"
#include "cards/core/CardMessages.h"
#include "common/FileTextCodec.h"
#include "common/LocalDateTime.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tov {

/// What the forms need from the host: message boxes, the folder picker, the clock, the
/// system language and the shell. The application passes the Qt implementation; tests pass
/// recorders and fakes, so no dialog ever blocks a test. Texts are UTF-8.
class Platform {
public:
    virtual ~Platform() = default;

    /// The tool's message box: caption "Tov Brenn", the application's icon, OK, no owner.
    virtual void ShowMessage(std::string_view text) = 0;
    /// The standard field-message box (caption "Tov Brenn", warning icon) used for the
    /// platform's own field messages: range, length, not a number.
    virtual void ShowFieldMessage(std::string_view text) = 0;
    /// The folder picker, opened at `startFolder`; no value when it is cancelled or gives no
    /// usable path.
    virtual std::optional<std::string> PickFolder(std::string_view startFolder) = 0;
    /// The local clock.
    virtual LocalDateTime LocalTime() = 0;
    /// The system default language identifier (0x0804 Chinese PRC, 0x1407 German
    /// Liechtenstein, ...).
    virtual std::uint16_t SystemLanguageId() = 0;
    /// Opens an address with the desktop's default handler; false when none could be opened.
    virtual bool OpenUrl(std::string_view url) = 0;
    /// The code page typed texts are written into files with.
    virtual const FileTextCodec& FileCodec() = 0;

    /// The memory cards mounted now (none where the host cannot tell).
    virtual std::vector<cards::Card> Cards() { return {}; }
    /// The system reported that a volume came or went: list the cards again now.
    virtual void CardsChanged() {}
    /// Where the files a write replaces are kept; empty: none are kept.
    virtual std::filesystem::path BackupsFolder() { return {}; }
    /// What the user chose in the message after a write to a card.
    enum class AfterCardWrite { Done, Eject, WriteAnother };
    /// The tool's message box after a write to a card: OK, an eject button (`ejectButton`) and
    /// one that writes the same to another card (`anotherButton`).
    virtual AfterCardWrite ShowCardWritten(std::string_view text, std::string_view /*ejectButton*/,
                                           std::string_view /*anotherButton*/) {
        ShowMessage(text);
        return AfterCardWrite::Done;
    }
    /// Shows `prompt` with a Cancel button until a usable card arrives that was not there when
    /// the wait began (see cards::CardArrival); no value when cancelled.
    virtual std::optional<cards::Card> WaitForNextCard(std::string_view /*prompt*/,
                                                       int /*languageIndex*/) {
        return std::nullopt;
    }
    /// Where the settings last written for each model and form are kept (the preference
    /// store's folder); empty: they are not kept.
    virtual std::filesystem::path LastSettingsFolder() { return {}; }
    /// The system keychain, which keeps the passwords of the settings last written (never a
    /// file). Keys name the model, the file and the setting ("4/smtp/senderPassword"). By
    /// default there is none: nothing is stored and nothing comes back.
    virtual bool HasSecretStore() { return false; }
    /// Stores `value` under `key`, replacing what was there; false when it could not.
    virtual bool StoreSecret(std::string_view /*key*/, std::string_view /*value*/) { return false; }
    /// The value stored under `key`; none when there is none or the store cannot be reached.
    virtual std::optional<std::string> ReadSecret(std::string_view /*key*/) { return std::nullopt; }
    /// Removes what is stored under `key` (nothing there is no failure).
    virtual void ForgetSecret(std::string_view /*key*/) {}
    /// The user's documents folder, where profiles are saved; empty: the home folder.
    virtual std::string DocumentsFolder() { return {}; }
    /// Where the user saves a profile, and whether the save dialog's "Include passwords" box
    /// was ticked; no value when cancelled.
    struct ProfileSaveChoice {
        std::string path;
        bool includePasswords = false;
    };
    virtual std::optional<ProfileSaveChoice> AskProfileToSave(std::string_view /*startFolder*/,
                                                              int /*languageIndex*/) {
        return std::nullopt;
    }
    /// The profile the user opens; no value when cancelled.
    virtual std::optional<std::string> AskProfileToOpen(std::string_view /*startFolder*/,
                                                        int /*languageIndex*/) {
        return std::nullopt;
    }
    /// Unmounts the card and says, in the language of `languageIndex`, whether it may be
    /// removed.
    virtual cards::EjectResult EjectCard(const cards::Card& /*card*/, int languageIndex) {
        return {false, std::string(PickMessage(cards::text::kEjectUnavailable, languageIndex))};
    }
};

}  // namespace tov
