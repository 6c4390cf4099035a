#include "app/core/MainWindowTexts.h"

#include "common/AppState.h"

#include <array>

namespace tov {
namespace {

constexpr std::string_view kUpdates = "Click here to get the latest updates";
constexpr std::string_view kVersion = "Version:" TOV_VERSION_TEXT;
constexpr std::string_view kLanguage = "Select Language";
constexpr std::string_view kModel = "Camera Model";

// Index 0 is language code 1 (Chinese).
constexpr std::array<MainWindowTexts, 11> kTexts = {{
    {"相机设置", "彩信设置", "SMTP设置", "获取最新版本程序更新", "程序版本:" TOV_VERSION_TEXT,
     "选择语言", "机器型号"},
    {"Camera Setup", "MMS Setup", "Smtp Setup", kUpdates, kVersion, kLanguage, kModel},
    {"Kamera Installation", "MMS Installation", "Smtp Setup", kUpdates, kVersion, kLanguage,
     kModel},
    {"kamera-asetukset", "MMS valikot", "Smtp Setup", "paina tasta saadaksesi uusimmat paivitykset",
     kVersion, kLanguage, kModel},
    {"Setup camera", "impost. MMS", "Smtp Setup", kUpdates, kVersion, kLanguage, kModel},
    {"Reglage camera", "Reglage MMS", "Smtp Setup", kUpdates, kVersion, kLanguage, kModel},
    {"Kamera beallita", "MMS beol.", "Smtp Setup", kUpdates, kVersion, kLanguage, kModel},
    {"Nast. kamere", "Nastavi MMS", "Smtp Setup", kUpdates, kVersion, kLanguage, kModel},
    {"Nastaveni", "Nastaveni MMS", "Nastaveni Smtp", "Stisknete pro update", kVersion,
     "Zvolit Jazyk", "Fotopast Model"},
    {"本体設定", "MMS設定", "SMTP設定", kUpdates, kVersion, kLanguage, kModel},
    {" Kameros nustat.", "MMS nustat.", "Smtp nustat.", kUpdates, kVersion, kLanguage, kModel},
}};

}  // namespace

const MainWindowTexts& MainTextsFor(int languageIndex) {
    if (languageIndex < 1 || languageIndex > static_cast<int>(kTexts.size())) {
        return kTexts[1];
    }
    return kTexts[static_cast<std::size_t>(languageIndex - 1)];
}

std::string NoBrowserMessage(std::string_view address, int languageIndex) {
    std::string text = languageIndex == kChinese
                           ? "无法打开网页浏览器。最新版本请访问：\n"
                           : "No web browser could be opened. The latest updates "
                             "are at:\n";
    text += address;
    return text;
}

}  // namespace tov
