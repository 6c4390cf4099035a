#include "profiles/core/Profile.h"

#include "camera/core/CameraFields.h"
#include "common/Models.h"
#include "common/Text.h"
#include "mms/core/MmsFields.h"
#include "smtp/core/SmtpFields.h"

#include <algorithm>

namespace tov::profiles {
namespace {

template <class S>
std::vector<std::string_view> KeysWhere(FieldTable<S> table, bool Field<S>::*flag) {
    std::vector<std::string_view> keys;
    for (const Field<S>& field : table) {
        if (field.*flag) {
            keys.push_back(field.key);
        }
    }
    return keys;
}

template <class S>
std::vector<std::string_view> Secrets(FieldTable<S> table) {
    return KeysWhere(table, &Field<S>::secret);
}

template <class S>
bool Takes(FieldTable<S> table, std::string_view key, Family family) {
    const Field<S>* field = FindField(table, key);
    return field != nullptr && IsSettingKey(*field, family);
}

bool FileTakes(std::string_view member, std::string_view key, Family family) {
    if (member == "menu") {
        return Takes(CameraFieldTable(), key, family);
    }
    if (member == "mms") {
        return Takes(MmsFieldTable(), key, family);
    }
    return member == "smtp" && Takes(SmtpFieldTable(), key, family);
}

}  // namespace

bool SetOverProfile(Profile& profile, std::string_view key, const std::string& value,
                    Family family) {
    if (const std::size_t dot = key.find('.'); dot != std::string_view::npos) {
        const std::string_view member = key.substr(0, dot);
        const std::string_view bare = key.substr(dot + 1);
        const auto file = profile.files.find(member);
        if (file == profile.files.end() || !FileTakes(member, bare, family)) {
            return false;
        }
        file->second[std::string(bare)] = value;
        return true;
    }
    bool taken = false;
    for (auto& [member, texts] : profile.files) {
        if (FileTakes(member, key, family)) {
            texts[std::string(key)] = value;
            taken = true;
        }
    }
    return taken;
}

const ProfileFileKind* ProfileFileByMember(std::string_view member) {
    for (const ProfileFileKind& kind : kProfileFiles) {
        if (kind.member == member) {
            return &kind;
        }
    }
    return nullptr;
}

const ProfileFileKind* ProfileFileByName(std::string_view fileName) {
    for (const ProfileFileKind& kind : kProfileFiles) {
        if (SameIgnoringCase(kind.fileName, fileName)) {
            return &kind;
        }
    }
    return nullptr;
}

std::vector<std::string_view> SecretKeysOf(std::string_view member) {
    if (member == "menu") {
        return Secrets(CameraFieldTable());
    }
    if (member == "mms") {
        return Secrets(MmsFieldTable());
    }
    if (member == "smtp") {
        return Secrets(SmtpFieldTable());
    }
    return {};
}

std::vector<std::string_view> AsciiOnlyKeysOf(std::string_view member) {
    if (member == "menu") {
        return KeysWhere(CameraFieldTable(), &Field<CameraMenuSettings>::asciiOnly);
    }
    if (member == "mms") {
        return KeysWhere(MmsFieldTable(), &Field<MmsSettings>::asciiOnly);
    }
    if (member == "smtp") {
        return KeysWhere(SmtpFieldTable(), &Field<SmtpSettings>::asciiOnly);
    }
    return {};
}

bool HoldsSecrets(const Profile& profile) {
    return std::any_of(profile.files.begin(), profile.files.end(), [](const auto& file) {
        const std::vector<std::string_view> secrets = SecretKeysOf(file.first);
        return std::any_of(secrets.begin(), secrets.end(),
                           [&](std::string_view key) { return file.second.contains(key); });
    });
}

void RemoveSecrets(Profile& profile) {
    for (auto& [member, texts] : profile.files) {
        for (const std::string_view key : SecretKeysOf(member)) {
            if (const auto at = texts.find(key); at != texts.end()) {
                texts.erase(at);
            }
        }
    }
}

std::optional<int> ModelNamed(std::string_view text) {
    for (const ModelInfo& model : Models()) {
        if (text == std::to_string(model.index) || SameIgnoringCase(text, model.name) ||
            SameIgnoringCase(text, ShortModelName(model))) {
            return model.index;
        }
    }
    return std::nullopt;
}

std::string ProfileRefusal(const Profile& profile, int modelIndex, int languageIndex) {
    const auto say = [languageIndex](const std::string& chinese, const std::string& english) {
        return std::string(PickMessage({chinese, english}, languageIndex));
    };
    if (!profile.refused.empty()) {
        const auto& [member, given] = *profile.refused.begin();
        const ProfileFileKind* kind = ProfileFileByMember(member);
        // Both come from the profile's text: shown, never obeyed.
        const std::string file = kind != nullptr ? std::string(kind->fileName) : Quoted(member);
        const std::string reason = Printable(given);
        return say(file + " 的设置无法再次写入：" + reason,
                   "the settings of " + file + " cannot be written again: " + reason);
    }
    if (profile.files.empty()) {
        return say("配置文件不含任何文件的设置（menu、mms、smtp）",
                   "the profile holds the settings of no file (menu, mms, smtp)");
    }
    const ModelInfo& model = ModelFor(modelIndex);
    if (profile.files.contains("smtp") && !model.hasEmailForm) {
        const std::string name(model.name);
        return say(name + " 没有电子邮件设置，配置文件中的 smtp 无法写入",
                   name + " has no e-mail settings; the profile's smtp settings cannot be "
                          "written for it");
    }
    return {};
}

}  // namespace tov::profiles
