#pragma once

#include <string_view>

namespace tov {

/// The e-mail forms' texts in one language, the same for both families. "SMTP Status", "VGA",
/// "SMS", "APN", "H", the group titles and the hours "0" to "24" read alike in every language
/// and are not here.
struct SmtpTexts {
    std::string_view modeLabel;
    std::string_view maxImagesLabel;
    std::string_view maxImagesNote;
    std::string_view countryLabel;
    std::string_view operatorLabel;
    std::string_view accountLabel;
    std::string_view gprsPasswordLabel;
    std::string_view smtpServerLabel;
    std::string_view portLabel;
    std::string_view senderEmailLabel;
    std::string_view senderPasswordLabel;
    std::string_view phoneNumberLabel;
    std::string_view recipientEmailLabel;
    std::string_view selectButton;
    std::string_view generateButton;
    std::string_view exitButton;
    std::string_view smsRemoteLabel;
    std::string_view off;  ///< SMS Remote Control's last entry, SMTP Status's first
    std::string_view autoMode;
    std::string_view manualMode;
};

/// The texts for `languageIndex` 1..11; English for any other value.
const SmtpTexts& SmtpTextsFor(int languageIndex);

}  // namespace tov
