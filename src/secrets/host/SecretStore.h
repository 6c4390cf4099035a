#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tov::secrets {

/// The system keychain under the service "Tov Brenn Setup": the Secret Service (through
/// QtKeychain) on Linux, the Credential Manager on Windows. Every call answers within a few
/// seconds: a keychain that is missing, locked or slow is "no keychain", never a wait. On
/// Linux the calls need a running QCoreApplication's thread (they spin an event loop).
/// Values are UTF-8 and never leave this file in a message.

/// The service every secret is stored under.
inline constexpr std::string_view kService = "Tov Brenn Setup";

/// Whether a keychain answers now.
bool Available();
/// Stores `value` under `key`, replacing what was there; false when it could not.
bool Store(std::string_view key, std::string_view value);
/// The value stored under `key`; none when there is none or no keychain answers.
std::optional<std::string> Read(std::string_view key);
/// Removes what is stored under `key`; true also when nothing was there.
bool Forget(std::string_view key);

}  // namespace tov::secrets
