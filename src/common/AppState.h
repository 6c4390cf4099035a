#pragma once

#include <cstdint>
#include <string_view>

namespace tov {

/// The two camera families: differences between them are data, chosen by this value.
enum class Family { First, Second };

/// A message in the two languages the tool's message boxes speak.
struct MessagePair {
    std::string_view chinese;
    std::string_view english;
};

/// Language codes of the main window's language list (position + 1).
enum LanguageCode : int {
    kChinese = 1,
    kEnglish = 2,
    kDeutsch = 3,
    kSuomi = 4,
    kItaliano = 5,
    kFrancais = 6,
    kMagyar = 7,
    kSlovensko = 8,
    kCesky = 9,
    kJapanese = 10,
    kLithuanian = 11,
};

inline constexpr int kLanguageCount = 11;
inline constexpr std::uint16_t kLangIdChinesePrc = 0x0804;
inline constexpr std::uint16_t kLangIdGermanLiechtenstein = 0x1407;

/// Message boxes speak Chinese when `languageIndex` is 1 and English otherwise, whatever the
/// other languages are.
std::string_view PickMessage(const MessagePair& pair, int languageIndex);

/// The application-wide state: written by the main window, read by the forms.
struct AppState {
    int languageIndex = kEnglish;  ///< selects every label and message text, 1..11
    int chineseChosen = 0;         ///< the user chose the list's first (Chinese) entry
    int systemIsChinese = 0;       ///< the system default language is 0x0804
    int modelIndex = 1;            ///< 1-based position in the model list
    int TvMode = 0;                ///< stored preference; the file writers copy its low byte

    /// The language byte every configuration file carries: 1 when Chinese was chosen,
    /// else `languageIndex`.
    int languageByte() const { return chineseChosen == 1 ? 1 : languageIndex; }
    /// The model's family (models outside the list count as the first family).
    Family family() const;
    std::string_view message(const MessagePair& pair) const {
        return PickMessage(pair, languageIndex);
    }
};

}  // namespace tov
