#pragma once

#include "common/SettingTexts.h"

#include <array>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tov::profiles {

// A profile: the settings of one, two or three files of one model, by the command line's keys,
// in one format that every front end reads and writes (the JSON lives in profiles/json).

/// The profile format this tool writes and reads.
inline constexpr int kProfileFormat = 1;

/// A file a profile holds settings of: its member in the profile and the file's name.
struct ProfileFileKind {
    std::string_view member;    ///< "menu", "mms", "smtp": the command that writes the file
    std::string_view fileName;  ///< "menu.dat"
};
inline constexpr std::array<ProfileFileKind, 3> kProfileFiles{{
    {"menu", "menu.dat"},
    {"mms", "setup.dat"},
    {"smtp", "smtp.dat"},
}};

/// The kind a member names ("menu"), or null.
const ProfileFileKind* ProfileFileByMember(std::string_view member);
/// The kind a file name names (any case: FAT keeps the case it was given), or null.
const ProfileFileKind* ProfileFileByName(std::string_view fileName);

struct Profile {
    int format = kProfileFormat;
    std::optional<int> model;  ///< 1..5; none: the model comes from the writer
    /// The settings of each file by member, as UTF-8 texts by key.
    std::map<std::string, SettingTexts, std::less<>> files;
    /// Files whose settings cannot be written again, by member, with the reason (a file that
    /// holds values no form writes, the factory record).
    std::map<std::string, std::string, std::less<>> refused;
};

/// The password keys of a member's file, from its field table.
std::vector<std::string_view> SecretKeysOf(std::string_view member);
/// The keys of a member's file whose texts reach a network and so are ASCII only.
std::vector<std::string_view> AsciiOnlyKeysOf(std::string_view member);
/// Whether the profile holds a password.
bool HoldsSecrets(const Profile& profile);
/// Leaves out every password.
void RemoveSecrets(Profile& profile);

/// The model a text names: 1..5, its list entry ("Tov 9030MG") or its short form ("9030MG"),
/// ASCII letters without case.
std::optional<int> ModelNamed(std::string_view text);

/// Why the profile cannot be written for `modelIndex`: a file refused when it was read, the
/// e-mail settings for a model without the e-mail form, no file at all. Empty when it can.
std::string ProfileRefusal(const Profile& profile, int modelIndex, int languageIndex);

}  // namespace tov::profiles

namespace tov::profiles {

/// Sets `key` to `value` over the profile's settings: "mms.port" in that file's settings; a
/// bare key in every file of the profile whose form for `family` takes it. False when no
/// file of the profile takes the key (nothing changed).
bool SetOverProfile(Profile& profile, std::string_view key, const std::string& value,
                    Family family);

}  // namespace tov::profiles
