#pragma once

#include "app/core/PreferenceBackend.h"

#include <map>
#include <string>

namespace tov {

/// A preference store in memory: for tests, and for runs that must not touch the disk.
class MemoryPreferenceBackend final : public PreferenceBackend {
public:
    bool keyExists = false;  ///< whether the store has been created
    bool writable = true;    ///< false: every open and write fails, as without access rights
    std::map<std::string, std::uint32_t, std::less<>> numbers;
    std::map<std::string, std::string, std::less<>> texts;

    bool OpenKey() override { return writable && keyExists; }
    bool CreateKey() override {
        if (writable) {
            keyExists = true;
        }
        return writable;
    }
    std::optional<std::uint32_t> ReadNumber(std::string_view name) override {
        const auto it = numbers.find(name);
        return it == numbers.end() ? std::nullopt : std::optional<std::uint32_t>(it->second);
    }
    bool WriteNumber(std::string_view name, std::uint32_t value) override {
        if (!CreateKey()) {
            return false;
        }
        numbers[std::string(name)] = value;
        return true;
    }
    bool HasText(std::string_view name) override { return texts.contains(name); }
    bool WriteText(std::string_view name, std::string_view text) override {
        if (!CreateKey()) {
            return false;
        }
        texts[std::string(name)] = std::string(text);
        return true;
    }
    std::string Location() const override { return "memory"; }
};

}  // namespace tov
