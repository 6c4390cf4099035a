#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>

namespace tov {

/// The outcome of a file write: `ok`, or the operating system's reason in `error`.
struct WriteResult {
    bool ok = false;
    std::string error;
};

/// Replaces `target` with `bytes` in one step: the bytes go to a temporary file in the same
/// folder, are flushed to the medium, and the temporary file is renamed over the target.
/// On any failure the previous target is untouched, the temporary file is removed and the
/// reason is returned.
WriteResult WriteFileAtomically(const std::filesystem::path& target,
                                std::span<const std::uint8_t> bytes);

}  // namespace tov
