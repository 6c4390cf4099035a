#include "common/FilePath.h"

#include <cstdlib>

namespace tov {

std::string DefaultFolder() {
#ifdef _WIN32
    return "C:\\";
#else
    const char* home = std::getenv("HOME");
    return (home != nullptr && *home != '\0') ? std::string(home) : std::string("/");
#endif
}

std::filesystem::path JoinFolderPath(std::string_view folder, std::string_view fileName) {
    std::filesystem::path base(std::u8string(folder.begin(), folder.end()));
    // A drive alone ("E:") would name the drive's current folder; the top of the drive is meant.
    if (base.has_root_name() && !base.has_root_directory() && !base.has_relative_path()) {
        base += std::filesystem::path::preferred_separator;
    }
    base /= std::filesystem::path(std::u8string(fileName.begin(), fileName.end()));
    return base.make_preferred();
}

std::string PathText(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

}  // namespace tov
