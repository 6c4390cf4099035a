#pragma once

#include "common/Models.h"
#include "mms/core/MmsFields.h"

#include <string_view>
#include <vector>

namespace tov {

/// The one entry the Country and Operator lists hold in Manual mode, in every language.
inline constexpr std::string_view kMmsOtherEntry = "Other";

/// The position of "SMS" in the model's MMS Send list (the last entry).
int MmsSmsPosition(const ModelInfo& model);

/// Whether the MMS Send list of the model shows "SMS" at `mmsSend`.
bool MmsSmsChosen(const ModelInfo& model, int mmsSend);

/// Header byte 0 of setup.dat: the second family writes the list position; the first family
/// writes a code per entry (0 Off, 1 VGA, 2 QVGA, 3 SMS), so a list without "QVGA" still
/// writes "SMS" as 3.
int MmsSendCode(const ModelInfo& model, int mmsSend);

/// What header byte 0 means to a camera of the model's family ("SMS"); empty for a code the
/// family does not write.
std::string_view MmsSendCodeMeaning(const ModelInfo& model, int code);

/// The entries of `list`, in order, for the MMS form of `model` in the language of
/// `languageIndex`, while MMS Mode shows `mode` and Country shows `country`. In Manual mode
/// Country and Operator hold "Other" only and the bearer list offers "CSD" too.
std::vector<std::string_view> MmsChoices(int list, const ModelInfo& model, int languageIndex,
                                         int mode, int country);

}  // namespace tov
