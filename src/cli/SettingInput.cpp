#include "cli/SettingInput.h"

#include "cli/InputFile.h"
#include "cli/Json.h"
#include "common/FieldMessages.h"
#include "common/Text.h"

#include <algorithm>

namespace tov::cli {
namespace {

// A settings file holds a few dozen short values; anything larger is not one.
constexpr std::size_t kMaxSettingsFileSize = 1024 * 1024;

// The characters of a UTF-8 text: its bytes that start one.
std::size_t CharacterCount(std::string_view utf8) {
    return static_cast<std::size_t>(std::count_if(utf8.begin(), utf8.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

}  // namespace

std::optional<SettingTexts> CollectSettings(const SettingSources& sources, const AppState& state,
                                            const FileTextCodec& codec, std::ostream& err,
                                            const std::vector<std::string_view>& secretKeys) {
    SettingTexts texts;
    if (sources.settingsFile) {
        const InputFile input = ReadInputFile(*sources.settingsFile, kMaxSettingsFileSize);
        const std::string path = Printable(*sources.settingsFile);
        if (!input.error.empty()) {
            err << "--settings: "
                << state.message({path + " 无法读取：" + input.error,
                                  "cannot read " + path + ": " + input.error})
                << "\n";
            return std::nullopt;
        }
        if (input.truncated) {
            err << "--settings: "
                << state.message(
                       {path + " 太大，不是设置文件", path + " is too large for settings"})
                << "\n";
            return std::nullopt;
        }
        const std::string text(input.bytes.begin(), input.bytes.end());
        auto fromFile = ParseSettingsJson(text, "--settings " + path, state, err);
        if (!fromFile) {
            return std::nullopt;
        }
        texts = std::move(*fromFile);
    }
    for (const std::string& setter : sources.setters) {
        const auto equals = setter.find('=');
        if (equals == std::string::npos || equals == 0) {
            err << "--set: "
                << state.message({Quoted(setter) + " 不是 KEY=VALUE 的形式",
                                  Quoted(setter) + " is not of the form KEY=VALUE"})
                << "\n";
            return std::nullopt;
        }
        texts[setter.substr(0, equals)] = setter.substr(equals + 1);
    }
    // Texts enter the file in its code page: encoded here, once, so that every limit counts
    // the bytes the camera will read.
    for (auto& [key, value] : texts) {
        if (const auto at = ForbiddenCharacterPosition(value)) {
            err << KeyMessage(key, ForbiddenCharacterMessage(*at, state.languageIndex)) << "\n";
            return std::nullopt;
        }
        FileTextCodec::Encoded encoded = codec.Encode(value);
        if (!encoded.unrepresentable.empty()) {
            // The encoder stops at the first character it lacks: its first occurrence.
            const std::size_t at =
                CharacterCount(value.substr(0, value.find(encoded.unrepresentable)));
            const bool secret =
                std::find(secretKeys.begin(), secretKeys.end(), key) != secretKeys.end();
            err << KeyMessage(key,
                              UnrepresentableMessage(at + 1, secret ? "" : encoded.unrepresentable,
                                                     codec.Name(), state.languageIndex))
                << "\n";
            return std::nullopt;
        }
        value = std::move(encoded.bytes);
    }
    return texts;
}

}  // namespace tov::cli
