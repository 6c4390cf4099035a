#pragma once

#include "app/core/PreferenceBackend.h"

#include <QString>

namespace tov {

/// The preferences on QSettings: on Windows the registry key
/// HKEY_LOCAL_MACHINE\Software\Microsoft\Windows\CurrentVersion\App Paths\Tov Brenn.exe,
/// elsewhere an INI file in the user's configuration folder. A damaged or unreadable file
/// behaves as a store that cannot be opened: reads give the defaults and nothing stops. A
/// read-only file (or key) is read; only the writes to it fail.
class SettingsPreferenceBackend final : public PreferenceBackend {
public:
    /// The store at the standard place, or at the file that TOVBRENN_PREFERENCES names.
    SettingsPreferenceBackend();
    /// An INI file at `iniPath` (tests, support).
    explicit SettingsPreferenceBackend(QString iniPath);

    /// The standard INI path on hosts without a registry, or TOVBRENN_PREFERENCES when set.
    static QString DefaultIniPath();

    bool OpenKey() override;
    bool CreateKey() override;
    std::optional<std::uint32_t> ReadNumber(std::string_view name) override;
    std::optional<Numbers> ReadNumbers(std::span<const std::string_view> names) override;
    bool WriteNumber(std::string_view name, std::uint32_t value) override;
    bool HasText(std::string_view name) override;
    bool WriteText(std::string_view name, std::string_view text) override;
    std::string Location() const override;
    std::string Condition() override;

private:
    QString m_iniPath;  ///< empty: the Windows registry
};

}  // namespace tov
