#pragma once

#include "app/Platform.h"

namespace tov {

/// The platform services on Qt: message boxes without an owner window, the folder picker,
/// the local clock, the system language and the desktop's handler for addresses.
class QtPlatform final : public Platform {
public:
    QtPlatform() = default;
    QtPlatform(const QtPlatform&) = delete;
    QtPlatform& operator=(const QtPlatform&) = delete;

    void ShowMessage(std::string_view text) override;
    void ShowFieldMessage(std::string_view text) override;
    std::optional<std::string> PickFolder() override;
    LocalDateTime LocalTime() override;
    std::uint16_t SystemLanguageId() override;
    void OpenUrl(std::string_view url) override;
};

}  // namespace tov
