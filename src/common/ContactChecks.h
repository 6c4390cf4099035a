#pragma once

#include "common/AppState.h"

#include <array>
#include <optional>
#include <string_view>

namespace tov {

/// The checks of an e-mail address that the MMS and e-mail forms share: it must hold "@"
/// somewhere and then "." somewhere (order and place do not matter). Returns the message of
/// the first that fails ("Email Error(@)", "Email Error(.)"), or nothing.
std::optional<MessagePair> EmailAddressProblem(std::string_view address);

/// The check of a typed port that the MMS and e-mail forms share: the text is kept as typed,
/// but a camera can only use 1 to 5 digits with a value from 1 to 65535. The message, or
/// nothing when it is such a number.
std::optional<MessagePair> PortNumberProblem(std::string_view port);

/// The SMS Remote Control list of the MMS and e-mail forms: "0" to "24" hours, then the
/// language's off word at position 25.
inline constexpr int kSmsRemoteOff = 25;
std::array<std::string_view, kSmsRemoteOff + 1> SmsRemoteEntries(std::string_view offWord);

}  // namespace tov
