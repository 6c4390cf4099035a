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

/// How deep a settings file or profile may nest its arrays and objects: a profile is three
/// levels deep and an inspect report holding one five; the parser's copies and dumps recurse
/// once per level, so a deeper text is refused before it is parsed.
inline constexpr int kMaxJsonDepth = 16;

/// Why `text` is no JSON this tool parses, found by a scan that does not recurse: a NUL byte
/// (the parser would take it for the end and ignore what follows) or nesting deeper than
/// kMaxJsonDepth, named by line and column. Empty when neither; the text is never quoted.
std::string JsonShapeRefusal(std::string_view text, int languageIndex);

/// The profile as one JSON object: "passwords" first when it holds any, then "format",
/// "model" (its list entry) when it names one, the files' settings ("menu", "mms", "smtp") and
/// "refused" for files whose settings cannot be written again. Valid JSON whatever bytes a
/// text holds.
std::string ProfileJson(const Profile& profile);

/// Whether `text` is meant as a profile: a JSON object with a "format" member, or a file's
/// report whose "settings" is one. A flat object of one file's settings is none, and so is a
/// text with a JsonShapeRefusal.
bool LooksLikeProfile(std::string_view text);

/// A profile read from JSON, or why not (no JSON, named by line and column and never
/// quoting the text; a JsonShapeRefusal; a format this tool does not read; a model it does not
/// know; a member or key given twice; a value that is no text or whole number; an unknown member).
/// Messages start with `where` and speak the language of `languageIndex`. Members "reports" (what
/// inspect adds) and "passwords" are read over.
std::optional<Profile> ParseProfileJson(std::string_view text, const std::string& where,
                                        int languageIndex, std::string& error);

}  // namespace tov::profiles
