#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string_view>

namespace tov::cards {

/// Which model the tool wrote each file for, per card, kept beside the card's backups: the
/// files do not say their family, and a file of one family read by the other's form gives
/// other settings than were written.
class WrittenRegister final {
public:
    explicit WrittenRegister(std::filesystem::path backupsRoot);

    /// Notes that `bytes` were written as `fileName` to the card folder `card` for `model`.
    /// The newest entries are kept; a register that cannot be written changes no write.
    void Note(std::string_view card, std::string_view fileName, std::span<const std::uint8_t> bytes,
              int model) const;

    /// The model the tool wrote exactly these bytes for as that file on that card; none for a
    /// file it did not write (or wrote before it kept the register).
    std::optional<int> ModelOf(std::string_view card, std::string_view fileName,
                               std::span<const std::uint8_t> bytes) const;

private:
    std::filesystem::path fileOf(std::string_view card) const;
    std::filesystem::path m_root;
};

}  // namespace tov::cards
