#pragma once

#include "app/core/PreferenceBackend.h"

namespace tov::cli {

/// Reads another store and refuses every creation and write, so that looking at the
/// preferences never creates or changes them.
class ReadOnlyPreferenceBackend final : public PreferenceBackend {
public:
    explicit ReadOnlyPreferenceBackend(PreferenceBackend& store) : m_store(store) {}
    ReadOnlyPreferenceBackend(const ReadOnlyPreferenceBackend&) = delete;
    ReadOnlyPreferenceBackend& operator=(const ReadOnlyPreferenceBackend&) = delete;

    bool OpenKey() override { return m_store.OpenKey(); }
    bool CreateKey() override { return false; }
    std::optional<std::uint32_t> ReadNumber(std::string_view name) override {
        return m_store.ReadNumber(name);
    }
    bool WriteNumber(std::string_view, std::uint32_t) override { return false; }
    bool HasText(std::string_view name) override { return m_store.HasText(name); }
    bool WriteText(std::string_view, std::string_view) override { return false; }
    std::string Location() const override { return m_store.Location(); }
    std::string Condition() override { return m_store.Condition(); }

private:
    PreferenceBackend& m_store;
};

}  // namespace tov::cli
