#include "profiles/json/ProfileJson.h"

#include "common/AppState.h"
#include "common/Models.h"
#include "common/Text.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <set>
#include <utility>

namespace tov::profiles {
namespace {

using Json = nlohmann::ordered_json;

// The line and column (from 1) of the byte after `consumed` bytes of `text`.
std::pair<std::string, std::string> LineAndColumn(std::string_view text, std::size_t consumed) {
    const std::string_view before =
        text.substr(0, std::min(consumed > 0 ? consumed - 1 : 0, text.size()));
    const std::size_t lineStart = before.rfind('\n');
    const auto line = std::to_string(std::count(before.begin(), before.end(), '\n') + 1);
    const auto column = std::to_string(
        before.size() - (lineStart == std::string_view::npos ? 0 : lineStart + 1) + 1);
    return {line, column};
}

std::string Place(std::string_view text, std::size_t consumed, int languageIndex) {
    const auto [line, column] = LineAndColumn(text, consumed);
    return std::string(PickMessage({"第 " + line + " 行第 " + column + " 列不是有效的 JSON",
                                    "not valid JSON at line " + line + ", column " + column},
                                   languageIndex));
}

// Parses with a note of the first key given twice in any object (a second value must not
// win silently).
Json ParseNoting(std::string_view text, std::string& duplicate) {
    std::vector<std::set<std::string>> seen;
    const Json::parser_callback_t note = [&](int, Json::parse_event_t event, Json& parsed) {
        if (event == Json::parse_event_t::object_start) {
            seen.emplace_back();
        } else if (event == Json::parse_event_t::object_end && !seen.empty()) {
            seen.pop_back();
        } else if (event == Json::parse_event_t::key && !seen.empty() && parsed.is_string() &&
                   !seen.back().insert(parsed.get<std::string>()).second && duplicate.empty()) {
            duplicate = parsed.get<std::string>();
        }
        return true;
    };
    return Json::parse(text, note);
}

}  // namespace

std::string JsonShapeRefusal(std::string_view text, int languageIndex) {
    int depth = 0;
    bool inString = false;
    bool escaped = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\0') {
            const auto [line, column] = LineAndColumn(text, i + 1);
            return std::string(PickMessage(
                {"第 " + line + " 行第 " + column + " 列有一个 NUL 字节，不是有效的 JSON",
                 "not valid JSON: a NUL byte at line " + line + ", column " + column},
                languageIndex));
        }
        if (inString) {
            inString = escaped || c != '"';
            escaped = !escaped && c == '\\';
            continue;
        }
        if (c == '"') {
            inString = true;
        } else if (c == '[' || c == '{') {
            if (++depth > kMaxJsonDepth) {
                const auto [line, column] = LineAndColumn(text, i + 1);
                const std::string most = std::to_string(kMaxJsonDepth);
                return std::string(
                    PickMessage({"第 " + line + " 行第 " + column + " 列嵌套超过 " + most +
                                     " 层；配置文件只有 3 层",
                                 "nested deeper than " + most + " levels at line " + line +
                                     ", column " + column + "; a profile is 3 levels deep"},
                                languageIndex));
            }
        } else if ((c == ']' || c == '}') && depth > 0) {
            --depth;
        }
    }
    return {};
}

std::string ProfileJson(const Profile& profile) {
    Json json = Json::object();
    if (HoldsSecrets(profile)) {
        json[std::string(kSecretsMember)] = kSecretsNotice;
    }
    json["format"] = profile.format;
    if (profile.model) {
        json["model"] = ModelFor(*profile.model).name;
    }
    for (const ProfileFileKind& kind : kProfileFiles) {
        const auto file = profile.files.find(kind.member);
        if (file == profile.files.end()) {
            continue;
        }
        Json settings = Json::object();
        for (const auto& [key, value] : file->second) {
            settings[key] = value;
        }
        json[std::string(kind.member)] = settings;
    }
    if (!profile.refused.empty()) {
        Json refused = Json::object();
        for (const auto& [member, reason] : profile.refused) {
            refused[member] = reason;
        }
        json["refused"] = refused;
    }
    return json.dump(2, ' ', false, Json::error_handler_t::replace);
}

namespace {

// A single file's report (inspect --json) holds its profile as "settings".
const Json& ProfilePart(const Json& json) {
    if (json.is_object() && !json.contains("format") && json.contains("settings") &&
        json["settings"].is_object() && json["settings"].contains("format")) {
        return json["settings"];
    }
    return json;
}

}  // namespace

bool LooksLikeProfile(std::string_view text) {
    if (!JsonShapeRefusal(text, kEnglish).empty()) {
        return false;
    }
    try {
        const Json json = Json::parse(text);
        return ProfilePart(json).is_object() && ProfilePart(json).contains("format");
    } catch (const nlohmann::json::exception&) {
        return false;
    }
}

std::optional<Profile> ParseProfileJson(std::string_view text, const std::string& where,
                                        int languageIndex, std::string& error) {
    const auto refuse = [&](const std::string& chinese, const std::string& english) {
        error = where + ": " + std::string(PickMessage({chinese, english}, languageIndex));
        return std::nullopt;
    };
    if (const std::string shape = JsonShapeRefusal(text, languageIndex); !shape.empty()) {
        error = where + ": " + shape;
        return std::nullopt;
    }
    std::string duplicate;
    Json whole;
    try {
        whole = ParseNoting(text, duplicate);
    } catch (const nlohmann::json::parse_error& e) {
        // The parser's message quotes the text, which may be a password: only the place.
        error = where + ": " + Place(text, e.byte, languageIndex);
        return std::nullopt;
    } catch (const nlohmann::json::exception&) {
        return refuse("不是有效的 JSON（数字超出范围）", "not valid JSON (a number out of range)");
    }
    const Json& json = ProfilePart(whole);
    if (!json.is_object() || !json.contains("format")) {
        return refuse("不是配置文件（需要 \"format\": 1 的 JSON 对象）",
                      "no profile (a JSON object with \"format\": 1)");
    }
    if (!duplicate.empty()) {
        const std::string key = Quoted(duplicate);
        return refuse(key + " 出现了两次", key + " is given twice");
    }
    Profile profile;
    const Json& format = json["format"];
    if (!format.is_number_integer() || format.get<std::int64_t>() != kProfileFormat) {
        const std::string supported = std::to_string(kProfileFormat);
        return refuse("不支持此配置文件格式；本工具读取格式 " + supported,
                      "this profile's format is not one this tool reads; it reads format " +
                          supported);
    }
    for (const auto& [member, value] : json.items()) {
        if (member == "format" || member == "reports" || member == kSecretsMember) {
            continue;
        }
        if (member == "model") {
            const auto model =
                value.is_string() ? ModelNamed(value.get<std::string>()) : std::nullopt;
            if (!model) {
                const std::string shown = value.is_string() ? Quoted(value.get<std::string>())
                                                            : std::string("this value");
                return refuse("model：" + shown + " 不是可用的机器型号",
                              "model: " + shown + " is not a model of this tool");
            }
            profile.model = *model;
            continue;
        }
        if (member == "refused") {
            for (const auto& [file, reason] : value.items()) {
                profile.refused[file] = reason.is_string() ? reason.get<std::string>() : "";
            }
            continue;
        }
        if (ProfileFileByMember(member) == nullptr) {
            const std::string shown = Quoted(member);
            return refuse(shown + " 不是配置文件的成员（format、model、menu、mms、smtp）",
                          shown + " is no member of a profile (format, model, menu, mms, smtp)");
        }
        if (!value.is_object()) {
            return refuse(member + " 必须是一个按键给出设置的 JSON 对象",
                          member + " must be a JSON object of settings by key");
        }
        SettingTexts& texts = profile.files[member];
        for (const auto& [key, setting] : value.items()) {
            if (setting.is_string()) {
                texts[key] = setting.get<std::string>();
            } else if (setting.is_number_integer()) {
                texts[key] = setting.dump();  // a whole number keeps its digits
            } else {
                const std::string shown = member + "." + Printable(key);
                return refuse(shown + "：值必须是文本或整数",
                              shown + ": the value must be a text or a whole number");
            }
        }
    }
    return profile;
}

}  // namespace tov::profiles
