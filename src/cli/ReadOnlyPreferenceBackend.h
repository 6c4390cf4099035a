#pragma once

#include "app/core/PreferenceBackend.h"
#include "app/core/PreferenceStore.h"

namespace tov::cli {

/// Another store as one command sees it: its numbers read in one look, when first asked for,
/// and every creation and write refused, so that looking at the preferences never creates or
/// changes them.
class ReadOnlyPreferenceBackend final : public PreferenceBackend {
public:
    explicit ReadOnlyPreferenceBackend(PreferenceBackend& store) : m_store(store) {}
    ReadOnlyPreferenceBackend(const ReadOnlyPreferenceBackend&) = delete;
    ReadOnlyPreferenceBackend& operator=(const ReadOnlyPreferenceBackend&) = delete;

    bool OpenKey() override { return Snapshot().has_value(); }
    bool CreateKey() override { return false; }
    std::optional<std::uint32_t> ReadNumber(std::string_view name) override {
        const auto& numbers = Snapshot();
        if (!numbers) {
            return std::nullopt;
        }
        const auto found = numbers->find(name);
        return found == numbers->end() ? std::nullopt : std::optional(found->second);
    }
    bool WriteNumber(std::string_view, std::uint32_t) override { return false; }
    bool HasText(std::string_view name) override { return m_store.HasText(name); }
    bool WriteText(std::string_view, std::string_view) override { return false; }
    std::string Location() const override { return m_store.Location(); }
    std::string Condition() override { return m_store.Condition(); }

private:
    const std::optional<Numbers>& Snapshot() {
        if (!m_read) {
            m_numbers = m_store.ReadNumbers(kPreferenceNumbers);
            m_read = true;
        }
        return m_numbers;
    }

    PreferenceBackend& m_store;
    bool m_read = false;
    std::optional<Numbers> m_numbers;
};

}  // namespace tov::cli
