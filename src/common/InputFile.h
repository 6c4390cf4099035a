#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tov {

/// The bytes of a file the user named, or why they could not be read.
struct InputFile {
    std::vector<std::uint8_t> bytes;
    bool truncated = false;  ///< the file holds more than the limit; only the limit was read
    std::string error;       ///< empty when the bytes were read
};

/// Reads at most `limit` bytes of the file at `path` (UTF-8). The file is opened without
/// blocking and anything that is not a regular file (a folder, a named pipe, a device) is
/// refused by the type of what was opened, so that reading never blocks, not even when the
/// file is swapped for a pipe; read errors are reported, never thrown. The size is judged from the
/// bytes read, never from what the file system says beforehand.
/// `followLinks` false: a link at `path` is refused rather than followed.
InputFile ReadInputFile(const std::string& path, std::size_t limit, bool followLinks = true);

}  // namespace tov
