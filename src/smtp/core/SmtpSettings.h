#pragma once

#include "common/AppState.h"
#include "common/FilePath.h"
#include "common/SettingTexts.h"

#include <optional>
#include <string>

namespace tov {

/// The e-mail form's mode: the operator's preset (Auto) or typed GPRS texts (Manual).
enum SmtpMode : int { kSmtpAuto = 0, kSmtpManual = 1 };

/// The e-mail (GPRS and SMTP) form's settings, one structure for both families (the first
/// family has no SMTP status). Choices hold the 0-based position in the form's list; texts are
/// bytes in the file's code page. The opening values come from the field table.
struct SmtpSettings {
    int mode = kSmtpAuto;
    int countryIndex = 0;    ///< Auto: GPRS catalogue country; Manual: 0, the list's "Other"
    int operatorIndex = 0;   ///< Auto: the country's operator; Manual: 0, "Other"
    int maxImages = 0;       ///< 0..99; 0: no limit
    int smtpStatus = 0;      ///< second family: 0 Off, 1 "VGA", 2 "SMS"
    int smsRemoteHours = 0;  ///< 0..24 hours; 25 Off

    std::string apn;
    std::string account;
    std::string gprsPassword;
    std::string smtpServer;
    std::string port;  ///< stored as typed, never a number
    std::string senderEmail;
    std::string senderPassword;
    std::string recipientEmail;
    std::string phoneNumber;
    std::string folder = DefaultFolder();  ///< destination folder
};

/// The values the e-mail form of `family` opens with: Auto, China and its first operator,
/// no image limit, SMTP status "VGA", SMS Remote Control Off, empty texts.
SmtpSettings OpeningSmtpSettings(Family family);

/// What Generate writes: in Auto mode the GPRS texts are the chosen operator's preset
/// (empty where the catalogue has none); in Manual mode the settings as they are.
SmtpSettings WithGprsPreset(SmtpSettings settings);

/// The result of applying setting texts: the settings, or the first refusal as a message that
/// starts with the key.
struct SmtpSettingsResult {
    SmtpSettings settings;
    std::optional<std::string> error;
};

/// Applies `texts` to the opening values of the e-mail form for `modelIndex` as the form
/// would take them: the country and operator lists follow the mode and the country, and a
/// field the mode locks (the GPRS texts in Auto) is refused. Then runs the form's checks on
/// what Generate would write. Messages follow the message rule for `languageIndex`.
SmtpSettingsResult ApplySmtpSettings(int modelIndex, const SettingTexts& texts, int languageIndex);

}  // namespace tov
