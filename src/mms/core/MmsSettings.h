#pragma once

#include "common/FilePath.h"

#include <string>

namespace tov {

/// MMS Mode: the operator preset of the chosen country and operator, or typed access data.
inline constexpr int kMmsAuto = 0;
inline constexpr int kMmsManual = 1;

/// The Domestic or International list.
inline constexpr int kDomestic = 0;
inline constexpr int kInternational = 1;

/// The MMS form's settings, the same structure for both families. Choice fields hold the
/// 0-based position in the form's list; the opening values come from the field table. Texts
/// are bytes in the file's code page.
struct MmsSettings {
    int mode = 0;            ///< kMmsAuto or kMmsManual
    int mmsSend = 0;         ///< position in the model's MMS Send list (Off, VGA, [QVGA,] SMS)
    int bearer = 0;          ///< 0 APN, 1 CSD (Manual only)
    int pictureLimit = 0;    ///< pictures a day, 0..99; 0 = unlimited
    int phoneFormat = 0;     ///< kDomestic or kInternational
    int countryIndex = 0;    ///< position in the Country list (Manual: the one entry "Other")
    int operatorIndex = 0;   ///< position in the Operator list
    int smsRemoteHours = 0;  ///< 0..24 hours; 25 = Off

    std::string url;
    std::string apn;
    std::string gateway;
    std::string port;  ///< kept as typed, never converted to a number
    std::string phone1;
    std::string email;
    std::string account;
    std::string mmsPassword;
    std::string phone2;  ///< a phone number or an e-mail address
    std::string phone3;  ///< a phone number or an e-mail address

    std::string folder = DefaultFolder();  ///< destination folder
};

}  // namespace tov
