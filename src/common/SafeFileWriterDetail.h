#pragma once

#include "common/SafeFileWriter.h"

#include <filesystem>
#include <string>
#include <system_error>

// The host halves of the safe file output (SafeFileWriterPosix.cpp, SafeFileWriterWindows.cpp)
// and what they share.
namespace tov::detail {

/// How often a taken temporary name is drawn again before the write gives up.
inline constexpr int kTemporaryNameAttempts = 100;

/// A fresh temporary file name beside `target`, with a random part so that two writers never
/// share one: ".menu.dat.Ab3xYz" on POSIX (hidden), "menu.dat.Ab3xYz.tmp" on Windows (where a
/// dot hides nothing and ".tmp" marks a leftover as safe to delete).
std::filesystem::path TemporaryPathFor(const std::filesystem::path& target);

/// An operating system error as UTF-8 text for the forms and the command line.
std::string ReasonText(const std::error_code& error);

/// Creates a new temporary file beside `target` (in an existing folder), writes `bytes`,
/// flushes them to the medium and renames the file over `target` in one step. On failure the
/// temporary file is gone and `target` untouched.
WriteResult ReplaceThroughTemporaryFile(const std::filesystem::path& target,
                                        std::span<const std::uint8_t> bytes);

}  // namespace tov::detail
