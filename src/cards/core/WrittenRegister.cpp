#include "cards/core/WrittenRegister.h"

#include "cards/core/BackupStore.h"
#include "common/FilePath.h"
#include "common/InputFile.h"
#include "common/SafeFileWriter.h"

#include <array>
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

namespace tov::cards {
namespace {

// A register line is about 40 bytes; this many lines are kept, the oldest going first.
constexpr std::size_t kEntriesKept = 200;
constexpr std::size_t kMaxRegisterSize = 64 * 1024;
constexpr std::string_view kRegisterName = "written.txt";

// FNV-1a: a file's bytes told apart from another's, not kept secret from anyone.
std::string Fingerprint(std::span<const std::uint8_t> bytes) {
    std::uint64_t hash = 0xcbf29ce484222325ULL;
    for (const std::uint8_t byte : bytes) {
        hash = (hash ^ byte) * 0x100000001b3ULL;
    }
    std::array<char, 24> text{};
    std::snprintf(text.data(), text.size(), "%016llx", static_cast<unsigned long long>(hash));
    return text.data() + std::string("-") + std::to_string(bytes.size());
}

std::vector<std::string> Lines(const std::filesystem::path& file) {
    const InputFile input = ReadInputFile(PathText(file), kMaxRegisterSize, false);
    std::vector<std::string> lines;
    std::istringstream text(std::string(input.bytes.begin(), input.bytes.end()));
    for (std::string line; std::getline(text, line);) {
        if (!line.empty()) {
            lines.push_back(line);
        }
    }
    return lines;
}

}  // namespace

WrittenRegister::WrittenRegister(std::filesystem::path backupsRoot)
    : m_root(std::move(backupsRoot)) {}

std::filesystem::path WrittenRegister::fileOf(std::string_view card) const {
    return m_root / std::filesystem::u8path(BackupFolderName(card)) /
           std::filesystem::u8path(kRegisterName);
}

void WrittenRegister::Note(std::string_view card, std::string_view fileName,
                           std::span<const std::uint8_t> bytes, int model) const {
    const std::filesystem::path file = fileOf(card);
    if (m_root.empty() || !CreateOwnerOnlyFolders(m_root, file.parent_path()).empty()) {
        return;
    }
    std::vector<std::string> lines = Lines(file);
    lines.push_back(std::string(fileName) + " " + Fingerprint(bytes) + " " + std::to_string(model));
    std::string text;
    for (std::size_t i = lines.size() > kEntriesKept ? lines.size() - kEntriesKept : 0;
         i < lines.size(); ++i) {
        text += lines[i] + "\n";
    }
    WriteFileAtomically(file, {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()},
                        {.ownerOnly = true});
}

std::optional<int> WrittenRegister::ModelOf(std::string_view card, std::string_view fileName,
                                            std::span<const std::uint8_t> bytes) const {
    if (m_root.empty()) {
        return std::nullopt;
    }
    const std::string wanted = std::string(fileName) + " " + Fingerprint(bytes) + " ";
    const std::vector<std::string> lines = Lines(fileOf(card));
    // The newest entry for these bytes wins.
    for (auto line = lines.rbegin(); line != lines.rend(); ++line) {
        if (line->compare(0, wanted.size(), wanted) == 0) {
            const int model = std::atoi(line->c_str() + wanted.size());
            return model > 0 ? std::optional(model) : std::nullopt;
        }
    }
    return std::nullopt;
}

}  // namespace tov::cards
