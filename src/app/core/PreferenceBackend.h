#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace tov {

/// Where the preferences live: the registry key on Windows, an INI file elsewhere, memory in
/// tests. Every call stands alone; nothing is cached between calls.
class PreferenceBackend {
public:
    virtual ~PreferenceBackend() = default;

    /// Whether the store exists and can be read (writes may still fail).
    virtual bool OpenKey() = 0;
    /// Creates the store; false when that is not possible.
    virtual bool CreateKey() = 0;
    /// A stored 32-bit number; no value when it is missing or not a number.
    virtual std::optional<std::uint32_t> ReadNumber(std::string_view name) = 0;
    virtual bool WriteNumber(std::string_view name, std::uint32_t value) = 0;
    /// Whether a text value can be read.
    virtual bool HasText(std::string_view name) = 0;
    virtual bool WriteText(std::string_view name, std::string_view text) = 0;
    /// Several numbers in one look at the store, for a caller that reads them all at once (the
    /// command line); no value when the store cannot be opened.
    using Numbers = std::map<std::string, std::uint32_t, std::less<>>;
    virtual std::optional<Numbers> ReadNumbers(std::span<const std::string_view> names) {
        if (!OpenKey()) {
            return std::nullopt;
        }
        Numbers numbers;
        for (const std::string_view name : names) {
            if (const auto value = ReadNumber(name)) {
                numbers.emplace(name, *value);
            }
        }
        return numbers;
    }
    /// Where the values are kept, for people (a file path or a registry key).
    virtual std::string Location() const = 0;
    /// What keeps the store from being simply read and written, for people: "not created
    /// yet", "read-only: ...", "damaged (...): ...", "unreadable (...): ..."; empty when nothing
    /// does.
    virtual std::string Condition() { return OpenKey() ? std::string() : "not created yet"; }
};

}  // namespace tov
