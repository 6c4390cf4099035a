#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tov {

/// A reading of the local clock.
struct LocalDateTime {
    int year = 0;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

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
    /// The folder picker; no value when it is cancelled or gives no usable path.
    virtual std::optional<std::string> PickFolder() = 0;
    /// The local clock.
    virtual LocalDateTime LocalTime() = 0;
    /// The system default language identifier (0x0804 Chinese PRC, 0x1407 German
    /// Liechtenstein, ...).
    virtual std::uint16_t SystemLanguageId() = 0;
    /// Opens an address with the desktop's default handler; failures are ignored.
    virtual void OpenUrl(std::string_view url) = 0;
};

}  // namespace tov
