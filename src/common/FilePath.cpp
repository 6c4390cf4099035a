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
    const std::u8string folder8(folder.begin(), folder.end());
    const std::u8string name8(fileName.begin(), fileName.end());
    return std::filesystem::path(folder8) / std::filesystem::path(name8);
}

std::string PathText(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

}  // namespace tov
