#include "cli/SettingInput.h"

#include "cli/InputFile.h"
#include "cli/Json.h"
#include "common/Text.h"

namespace tov::cli {
namespace {

// A settings file holds a few dozen short values; anything larger is not one.
constexpr std::size_t kMaxSettingsFileSize = 1024 * 1024;

}  // namespace

std::optional<SettingTexts> CollectSettings(const SettingSources& sources, const AppState& state,
                                            const FileTextCodec& codec, std::ostream& err) {
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
        FileTextCodec::Encoded encoded = codec.Encode(value);
        if (!encoded.unrepresentable.empty()) {
            err << Printable(key) << ": "
                << state.message({Quoted(encoded.unrepresentable) + " 无法用 " +
                                      std::string(codec.Name()) + " 编码写入文件",
                                  Quoted(encoded.unrepresentable) +
                                      " cannot be written in the file's code page (" +
                                      std::string(codec.Name()) + ")"})
                << "\n";
            return std::nullopt;
        }
        value = std::move(encoded.bytes);
    }
    return texts;
}

}  // namespace tov::cli
