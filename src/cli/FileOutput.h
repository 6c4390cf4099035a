#pragma once

#include "common/AppState.h"
#include "common/SafeFileWriter.h"

#include <cstdint>
#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <string_view>

namespace tov::cli {

/// The last step of every file command: writes `fileName` into `outDir` through the safe
/// output. On failure: the write-failure message on `err`, exit 1, the previous file kept. On
/// success: the confirmation, if the model has one, then the file's path on `out`, exit 0.
/// A read-only target is refused (exit 1, with the hint of --force) unless `options` allow it.
int WriteConfigFileStep(const std::string& outDir, std::string_view fileName,
                        std::span<const std::uint8_t> bytes,
                        const std::optional<std::string>& confirmation, const AppState& state,
                        std::ostream& out, std::ostream& err, WriteOptions options = {});

}  // namespace tov::cli
