#pragma once

// What the fuzz targets share: their checks, and a scratch folder for the ones that write.

#include "common/FileReport.h"

#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>

namespace tov::fuzz {

/// Ends the run on a finding beyond a crash; libFuzzer keeps the input that led to it.
inline void Check(bool ok, std::string_view what, std::string_view detail = {}) {
    if (!ok) {
        std::fprintf(stderr, "finding: %.*s\n%.*s\n", static_cast<int>(what.size()), what.data(),
                     static_cast<int>(detail.size()), detail.data());
        std::abort();
    }
}

/// Whether a message holds no raw control character other than line ends.
inline bool NoControlCharacters(std::string_view text) {
    return std::none_of(text.begin(), text.end(), [](char c) {
        const auto b = static_cast<unsigned char>(c);
        return (b < 0x20 && c != '\n') || b == 0x7F;
    });
}

/// What inspect holds against a file: its problems and notes, or nothing.
inline std::string Faults(const FileReport& report) {
    std::string text;
    for (const auto* list : {&report.problems, &report.notes}) {
        for (const std::string& line : *list) {
            text += line + "\n";
        }
    }
    return text;
}

inline std::string_view Text(std::span<const std::uint8_t> bytes) {
    return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

/// A folder of this process's own, on a memory file system where there is one (writes there
/// cost no disk), removed at exit.
inline const std::filesystem::path& ScratchFolder() {
    struct Folder {
        std::filesystem::path path;
        Folder() {
            const std::filesystem::path shm = "/dev/shm";
            const auto base =
                std::filesystem::is_directory(shm) ? shm : std::filesystem::temp_directory_path();
            path = base / ("tovbrenn-fuzz-" + std::to_string(::getpid()));
            std::filesystem::create_directories(path);
        }
        ~Folder() {
            std::error_code ec;
            std::filesystem::remove_all(path, ec);
        }
    };
    static const Folder folder;
    return folder.path;
}

}  // namespace tov::fuzz
