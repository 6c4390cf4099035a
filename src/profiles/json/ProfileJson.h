#pragma once

#include "profiles/core/Profile.h"

#include <optional>
#include <string>
#include <string_view>

namespace tov::profiles {

// The one place besides the command line's reports that knows the JSON library: profiles in
// and out, for the command line and the forms alike.

/// The first member of a profile that holds passwords, and what it says.
inline constexpr std::string_view kSecretsMember = "passwords";
inline constexpr std::string_view kSecretsNotice =
    "this profile holds passwords: keep it where only you can read it";

/// The profile as one JSON object: "passwords" first when it holds any, then "format",
/// "model" (its list entry) when it names one, the files' settings ("menu", "mms", "smtp") and
/// "refused" for files whose settings cannot be written again. Valid JSON whatever bytes a
/// text holds.
std::string ProfileJson(const Profile& profile);

/// Whether `text` is meant as a profile: a JSON object with a "format" member, or a file's
/// report whose "settings" is one. A flat object of one file's settings is none.
bool LooksLikeProfile(std::string_view text);

/// A profile read from JSON, or why not (no JSON, named by line and column and never
/// quoting the text; a format this tool does not read; a model it does not know; a member
/// or key given twice; a value that is no text or whole number; an unknown member). Messages
/// start with `where` and speak the language of `languageIndex`. Members "reports" (what
/// inspect adds) and "passwords" are read over.
std::optional<Profile> ParseProfileJson(std::string_view text, const std::string& where,
                                        int languageIndex, std::string& error);

}  // namespace tov::profiles
