#pragma once

#include "common/AppState.h"
#include "smtp/core/SmtpSettings.h"

#include <optional>
#include <string>
#include <string_view>

namespace tov {

/// The first check of the e-mail settings that fails: the field it is about and the message
/// the form shows.
struct SmtpCheckFailure {
    std::string_view key;
    std::string message;
    /// The message where the field is named by its key (the command line, a profile): the
    /// form's own message only names the field a value is missing from; this one says so.
    std::string keyedMessage;
};

/// The checks Generate runs before it writes smtp.dat, in the form's order: the APN (Manual
/// only), the server, the port, the sender's address and password, the recipient's address,
/// then the phone number. Lengths count bytes. The second family refuses a phone number of 1
/// to 4 bytes in any case; both refuse one shorter than 5 bytes while SMS Remote Control is
/// not Off. Messages follow the message rule for `languageIndex`.
std::optional<SmtpCheckFailure> ValidateSmtpSettings(const SmtpSettings& settings, Family family,
                                                     int languageIndex);

}  // namespace tov
