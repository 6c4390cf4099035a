#pragma once

#include "common/AppState.h"

#include <span>
#include <string_view>

namespace tov {

/// The MMS form's label and button texts in one language, by name. The label table is the same
/// for both families; a language that leaves a text out shows the English one.
struct MmsLabelTexts {
    std::string_view mmsMode{};
    std::string_view mmsSend{};
    std::string_view pictureNo{};
    std::string_view pictureNote{};  ///< beside Picture No./day: what 0 means
    std::string_view country{};
    std::string_view operatorName{};
    std::string_view url{};
    std::string_view gateway{};
    std::string_view port{};
    std::string_view phoneNo{};
    std::string_view email{};
    std::string_view account{};
    std::string_view password{};
    std::string_view phoneOrEmail{};  ///< both Phone or Email fields
    std::string_view select{};
    std::string_view generate{};
    std::string_view exit{};
    std::string_view frame{};  ///< the frame around the form
    std::string_view smsRemote{};
    std::string_view smsRemoteOff{};  ///< the SMS Remote Control list's last entry
};

/// The MMS form's choice words in one language.
struct MmsChoiceTexts {
    std::string_view autoMode{};
    std::string_view manualMode{};
    std::string_view off{};  ///< MMS Send's first entry
    std::string_view domestic{};
    std::string_view international{};
};

struct MmsTextTable {
    MmsLabelTexts labels;
    MmsChoiceTexts choices;
};

/// Every text of the two structures, for walking a table.
std::span<std::string_view MmsLabelTexts::*const> AllMmsLabelTexts();
std::span<std::string_view MmsChoiceTexts::*const> AllMmsChoiceTexts();

/// The texts an MMS form of `family` shows for `languageIndex`: its own for 1..11, English for
/// any value outside. Lithuanian (11) has choice words of its own in the first family only;
/// the second family shows the English ones.
MmsTextTable MmsTextsFor(Family family, int languageIndex);

}  // namespace tov
