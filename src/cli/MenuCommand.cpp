#include "cli/MenuCommand.h"

#include "app/FieldMessages.h"
#include "camera/CameraMessages.h"
#include "camera/CameraModelInfo.h"
#include "camera/CameraSettingKeys.h"
#include "camera/ClockSnapshot.h"
#include "camera/MenuRecord.h"
#include "common/FilePath.h"

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace tov::cli {
namespace {

// A settings file holds a few dozen short values; anything larger is not one.
constexpr std::uintmax_t kMaxSettingsFileSize = 1024 * 1024;

std::string Quoted(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

/// The settings file's keys and values as texts; no value (and a message) when it cannot be
/// read or is not an object of numbers and texts.
std::optional<CameraSettingTexts> ReadSettingsFile(const std::string& path, const AppState& state,
                                                   std::ostream& err) {
    const std::filesystem::path file(std::u8string(path.begin(), path.end()));
    std::error_code ec;
    const auto size = std::filesystem::file_size(file, ec);
    std::ifstream in(file, std::ios::binary);
    if (ec || !in) {
        err << "--settings: " << state.message({path + " 无法读取", "cannot read " + path}) << "\n";
        return std::nullopt;
    }
    if (size > kMaxSettingsFileSize) {
        err << "--settings: "
            << state.message({path + " 太大，不是设置文件", path + " is too large for settings"})
            << "\n";
        return std::nullopt;
    }
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    nlohmann::json json;
    try {
        json = nlohmann::json::parse(text);
    } catch (const nlohmann::json::exception& e) {
        err << "--settings: " << path << ": " << e.what() << "\n";
        return std::nullopt;
    }
    if (!json.is_object()) {
        err << "--settings: "
            << state.message({path + " 必须是一个 JSON 对象（{\"videoLength\": 30, ...}）",
                              path + " must hold one JSON object ({\"videoLength\": 30, ...})"})
            << "\n";
        return std::nullopt;
    }
    CameraSettingTexts texts;
    for (const auto& [key, value] : json.items()) {
        if (value.is_string()) {
            texts[key] = value.get<std::string>();
        } else if (value.is_number()) {
            // A fraction stays visible in its text, so the number check refuses it.
            texts[key] = value.dump();
        } else {
            err << key << ": "
                << state.message({"值必须是数字或文本", "the value must be a number or a text"})
                << "\n";
            return std::nullopt;
        }
    }
    return texts;
}

/// The setting texts: the settings file, then each --set over it.
std::optional<CameraSettingTexts> CollectSettings(const MenuOptions& options, const AppState& state,
                                                  std::ostream& err) {
    CameraSettingTexts texts;
    if (!options.settingsFile.empty()) {
        auto fromFile = ReadSettingsFile(options.settingsFile, state, err);
        if (!fromFile) {
            return std::nullopt;
        }
        texts = std::move(*fromFile);
    }
    for (const std::string& setter : options.setters) {
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
    return texts;
}

}  // namespace

CLI::App& AddMenuCommand(CLI::App& app, MenuOptions& options) {
    CLI::App* command = app.add_subcommand("menu", "Writes the camera menu file menu.dat");
    command->add_option("--out", options.outDir, "Folder to write menu.dat into")->required();
    AddCommonOptions(*command, options.common);
    CLI::Option* clock =
        command->add_option("--clock", options.clock,
                            "Camera clock \"YYYY-MM-DD HH:MM:SS\" instead of the local clock");
    CLI::Option* settings = command->add_option("--settings", options.settingsFile,
                                                "JSON object of settings by key, e.g. "
                                                "{\"videoLength\": 30, \"imageSize\": \"5MP\"}");
    CLI::Option* setters = command->add_option(
        "--set", options.setters,
        "KEY=VALUE, repeatable, over --settings; a choice is its index or its English text");
    command->add_flag("--factory", options.factory, "Write the factory-settings record")
        ->excludes(clock)
        ->excludes(settings)
        ->excludes(setters);
    command->footer("Keys: " + [] {
        std::string keys;
        for (const CameraSettingKey& key : AllCameraSettingKeys()) {
            keys += (keys.empty() ? "" : ", ") + std::string(key.key);
        }
        return keys + " (beepSound and sdCycle: Tov 9030M and Tov 9030MG only)";
    }());
    return *command;
}

int RunMenuCommand(const MenuOptions& options, CliEnvironment& env, std::ostream& out,
                   std::ostream& err) {
    const auto state = ResolveAppState(options.common, env, err);
    if (!state) {
        return kExitBadInput;
    }
    if (options.outDir.empty()) {
        err << "--out: " << state->message({"需要一个文件夹", "a folder is needed"}) << "\n";
        return kExitBadInput;
    }

    MenuRecord record;
    if (options.factory) {
        record = FactoryMenuRecord();
    } else {
        const auto texts = CollectSettings(options, *state, err);
        if (!texts) {
            return kExitBadInput;
        }
        const CameraSettingsResult settings =
            ApplyCameraSettings(state->modelIndex, *texts, state->languageIndex);
        if (settings.error) {
            err << *settings.error << "\n";
            return kExitBadInput;
        }
        std::optional<LocalDateTime> now =
            options.clock.empty() ? env.localTime() : ParseClock(options.clock);
        if (!now) {
            err << "--clock: "
                << state->message(
                       {Quoted(options.clock) + " 不是 \"YYYY-MM-DD HH:MM:SS\" 形式的有效时间",
                        Quoted(options.clock) + " is not a valid \"YYYY-MM-DD HH:MM:SS\" time"})
                << "\n";
            return kExitBadInput;
        }
        ClockSnapshot clock = ReadClockSnapshot(*now);
        record = BuildMenuRecordFor(settings.settings, clock, state->languageByte(), state->TvMode);
    }

    const std::string path = PathText(MenuFilePath(options.outDir));
    const WriteResult written = WriteMenuFile(options.outDir, record);
    if (!written.ok) {
        err << WriteFailureMessage(path, written.error, state->languageIndex) << "\n";
        return kExitWriteFailed;
    }
    if (const auto confirmation = MenuConfirmation(CameraModelInfoFor(state->modelIndex),
                                                   options.factory, state->languageIndex)) {
        out << *confirmation << "\n";
    }
    out << path << "\n";
    return kExitOk;
}

}  // namespace tov::cli
