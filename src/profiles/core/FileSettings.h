#pragma once

#include "common/FileTextCodec.h"
#include "common/SettingTexts.h"
#include "profiles/core/Profile.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tov::profiles {

/// The settings a file holds, as the texts by key that write it again, or why it cannot be
/// written again.
struct FileSettings {
    SettingTexts texts;
    std::string refusal;  ///< empty when `texts` hold the file's settings
};

/// How settings are read out of a file.
struct ReadingOptions {
    int modelIndex = 0;        ///< the model whose form reads the file
    bool namedChoices = true;  ///< a choice as its English entry; else as its position
    bool withSecrets = false;  ///< passwords are left out unless asked for
};

/// The settings of `member`'s file `bytes` as the model's form would hold them after loading
/// it, by the keys the command line takes: every key the form writes and does not lock in
/// these settings (the access data of Auto mode come from the operator's preset and are left
/// out), texts decoded from the file's code page. A damaged file, a file holding values no
/// form of the model writes, and the factory menu.dat are refused with the reason.
FileSettings SettingsOfFile(std::string_view member, std::span<const std::uint8_t> bytes,
                            const ReadingOptions& options, const FileTextCodec& codec);

/// Whether the form of `modelIndex` could have written `bytes` as `member`'s file: sound, no
/// value the form does not write, and the model has the form.
bool ModelWritesFile(int modelIndex, std::string_view member, std::span<const std::uint8_t> bytes);

/// The models whose forms could have written every one of `files` (member, bytes).
std::vector<int>
ModelsWriting(const std::vector<std::pair<std::string_view, std::span<const std::uint8_t>>>& files);

}  // namespace tov::profiles

namespace tov::profiles {

/// A file read for a profile: its member ("menu") and bytes.
struct ReadFile {
    std::string_view member;
    std::span<const std::uint8_t> bytes;
};

/// The profile of `files`, read for `model` or, without it, for the models whose forms could
/// have written all of them: the model named when only one could; choices as their English
/// entries where every such model reads them alike, else as positions; refused (in
/// `refused`, with the reason) where the files read differently for those models or hold
/// what no form writes.
Profile ProfileOfFiles(const std::vector<ReadFile>& files, std::optional<int> model,
                       bool withSecrets, const FileTextCodec& codec);

}  // namespace tov::profiles
