#pragma once

#include "cli/CliOptions.h"
#include "cli/SettingInput.h"

#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace tov::cli {

/// The value a setter gives to have a secret read from standard input: `--set KEY=-`.
inline constexpr std::string_view kSecretFromInput = "-";

/// The sources with every `--set KEY=-` of a secret key replaced by the value `env.readSecret`
/// gives. On an input that has ended the message goes to `err` and there is no value.
std::optional<SettingSources> ReadSecretSetters(const SettingSources& sources,
                                                const std::vector<std::string_view>& secretKeys,
                                                const AppState& state, CliEnvironment& env,
                                                std::ostream& err);

}  // namespace tov::cli
