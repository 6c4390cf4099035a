#include "cli/SettingInput.h"

#include "cli/Json.h"
#include "common/FieldMessages.h"
#include "common/InputFile.h"
#include "common/Text.h"
#include "common/ValueCheck.h"
#include "profiles/json/ProfileJson.h"

#include <algorithm>
#include <istream>

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

// The text of --settings: the file, or standard input for "-", at most the limit. A refusal
// goes to `err`.
std::optional<std::string> ReadSettingsText(const std::string& path, const AppState& state,
                                            CliEnvironment& env, std::ostream& err) {
    const std::string shown = Printable(path);
    InputFile input;
    if (path == kStandardInput) {
        std::string text(kMaxSettingsFileSize + 1, '\0');
        env.standardInput->read(text.data(), static_cast<std::streamsize>(text.size()));
        const auto got = static_cast<std::size_t>(env.standardInput->gcount());
        if (env.standardInput->bad()) {
            input.error = "read error";
        }
        input.truncated = got > kMaxSettingsFileSize;
        input.bytes.assign(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(
                                                            std::min(got, kMaxSettingsFileSize)));
    } else {
        input = ReadInputFile(path, kMaxSettingsFileSize);
    }
    if (!input.error.empty()) {
        err << "--settings: "
            << state.message({shown + " 无法读取：" + input.error,
                              "cannot read " + shown + ": " + input.error})
            << "\n";
        return std::nullopt;
    }
    if (input.truncated) {
        err << "--settings: "
            << state.message({shown + " 太大，不是设置文件", shown + " is too large for settings"})
            << "\n";
        return std::nullopt;
    }
    return std::string(input.bytes.begin(), input.bytes.end());
}

std::optional<profiles::Profile> ParseProfile(const std::string& text, const std::string& path,
                                              const AppState& state, std::ostream& err) {
    std::string error;
    auto profile = profiles::ParseProfileJson(text, "--settings " + Printable(path),
                                              state.languageIndex, error);
    if (!profile) {
        err << error << "\n";
    }
    return profile;
}

}  // namespace

std::optional<SettingsFile> ReadSettingsFile(const std::optional<std::string>& path,
                                             std::string_view member, const AppState& state,
                                             CliEnvironment& env, std::ostream& err) {
    if (!path) {
        return SettingsFile{};
    }
    const auto text = ReadSettingsText(*path, state, env, err);
    if (!text) {
        return std::nullopt;
    }
    if (!profiles::LooksLikeProfile(*text)) {
        auto flat = ParseSettingsJson(*text, "--settings " + Printable(*path), state, err);
        if (!flat) {
            return std::nullopt;
        }
        return SettingsFile{std::move(*flat), std::nullopt};
    }
    auto profile = ParseProfile(*text, *path, state, err);
    if (!profile) {
        return std::nullopt;
    }
    const std::string where = "--settings " + Printable(*path) + ": ";
    const std::string file(profiles::ProfileFileByMember(member)->fileName);
    if (const auto refused = profile->refused.find(member); refused != profile->refused.end()) {
        // The reason is the file's own text: shown, never obeyed.
        const std::string reason = Printable(refused->second);
        err << where
            << state.message({file + " 的设置无法再次写入：" + reason,
                              "the settings of " + file + " cannot be written again: " + reason})
            << "\n";
        return std::nullopt;
    }
    const auto texts = profile->files.find(member);
    if (texts == profile->files.end()) {
        err << where
            << state.message({"配置文件不含 " + file + " 的设置（\"" + std::string(member) + "\"）",
                              "the profile holds no settings of " + file + " (\"" +
                                  std::string(member) + "\")"})
            << "\n";
        return std::nullopt;
    }
    return SettingsFile{texts->second, profile->model};
}

bool ReadsStandardInputTwice(const SettingSources& sources,
                             const std::vector<std::string_view>& secretKeys, const AppState& state,
                             std::ostream& err) {
    if (sources.settingsFile != kStandardInput) {
        return false;
    }
    for (const std::string& setter : sources.setters) {
        for (const std::string_view key : secretKeys) {
            if (setter == std::string(key) + "=-") {
                err << "--set " << key << "=-: "
                    << state.message({"--settings - 已从标准输入读取设置；请把密码写在设置中",
                                      "--settings - reads the settings from standard input "
                                      "already; give the password in the settings instead"})
                    << "\n";
                return true;
            }
        }
    }
    return false;
}

bool RepeatedSetter(const std::vector<std::string>& setters, const AppState& state,
                    std::ostream& err) {
    // A setter without "=" has no key; it is refused on its own.
    const auto keyOf = [](std::string_view setter) -> std::optional<std::string_view> {
        const std::size_t equals = setter.find('=');
        return equals == std::string_view::npos ? std::nullopt
                                                : std::optional(setter.substr(0, equals));
    };
    for (std::size_t later = 1; later < setters.size(); ++later) {
        const auto key = keyOf(setters[later]);
        for (std::size_t first = 0; key && first < later; ++first) {
            if (keyOf(setters[first]) != key) {
                continue;
            }
            // Positions only: a value may be a password.
            const std::string one = std::to_string(first + 1);
            const std::string two = std::to_string(later + 1);
            err << "--set: "
                << state.message(
                       {Quoted(*key) + " 出现了两次：第 " + one + " 个和第 " + two + " 个 --set",
                        Quoted(*key) + " is given twice: by --set number " + one + " and number " +
                            two})
                << "\n";
            return true;
        }
    }
    return false;
}

std::optional<profiles::Profile> ReadProfileFile(const std::string& path, const AppState& state,
                                                 CliEnvironment& env, std::ostream& err) {
    const auto text = ReadSettingsText(path, state, env, err);
    if (!text) {
        return std::nullopt;
    }
    return ParseProfile(*text, path, state, err);
}

std::optional<SettingTexts> CollectSettings(const SettingTexts& fromFile,
                                            const std::vector<std::string>& setters,
                                            const AppState& state, const FileTextCodec& codec,
                                            std::ostream& err,
                                            const std::vector<std::string_view>& secretKeys,
                                            const std::vector<std::string_view>& asciiOnlyKeys) {
    if (RepeatedSetter(setters, state, err)) {
        return std::nullopt;
    }
    SettingTexts texts = fromFile;
    for (const std::string& setter : setters) {
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
        // Told before encoding, so that the message shows the text as it was typed and counts
        // its characters, not the code page's bytes.
        const auto outside = std::find_if(value.begin(), value.end(), [](char c) {
            return static_cast<unsigned char>(c) > 0x7F;
        });
        if (outside != value.end() &&
            std::find(asciiOnlyKeys.begin(), asciiOnlyKeys.end(), key) != asciiOnlyKeys.end()) {
            const std::string quoted = Quoted(value);
            const std::string at =
                std::to_string(CharacterCount(std::string_view(value).substr(
                                   0, static_cast<std::size_t>(outside - value.begin()))) +
                               1);
            err << KeyMessage(key, state.message({quoted + " 的第 " + at + " 个字符不是 ASCII；" +
                                                      AsciiOnlyMessage(kChinese),
                                                  quoted +
                                                      " has a character outside ASCII at "
                                                      "character " +
                                                      at + "; " + AsciiOnlyMessage(kEnglish)}))
                << "\n";
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
