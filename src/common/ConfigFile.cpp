#include "common/ConfigFile.h"

#include "common/FilePath.h"

namespace tov {

std::filesystem::path ConfigFilePath(std::string_view folder, std::string_view fileName) {
    return JoinFolderPath(folder, fileName);
}

WriteResult WriteConfigFile(std::string_view folder, std::string_view fileName,
                            std::span<const std::uint8_t> bytes, WriteOptions options) {
    // An empty folder gives a bare file name, which the writer refuses rather than writing
    // into the working directory.
    return WriteFileAtomically(ConfigFilePath(folder, fileName), bytes, options);
}

}  // namespace tov
