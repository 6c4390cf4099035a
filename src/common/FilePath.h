#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace tov {

/// The destination folder a form starts with and returns to when the folder picker is
/// cancelled: "C:\" on Windows, the user's home directory elsewhere.
std::string DefaultFolder();

/// The folder text joined with a file name by the host's separator; a folder that already
/// ends in a separator does not get a second one. The folder text is UTF-8. On Windows the
/// result has backslashes only, and a bare drive ("E:") stands for its top folder ("E:\").
std::filesystem::path JoinFolderPath(std::string_view folder, std::string_view fileName);

/// A path as UTF-8 text, for messages.
std::string PathText(const std::filesystem::path& path);

}  // namespace tov
