#pragma once

#include "smtp/core/SmtpFields.h"

#include <string_view>
#include <vector>

namespace tov {

/// The single entry of the Country and Operator lists in Manual mode.
inline constexpr std::string_view kSmtpOtherEntry = "Other";

/// The entries of `list`, in order, for the e-mail form of `family` in the language of
/// `languageIndex`, as the form shows them for `current`: in Auto the GPRS catalogue's
/// countries and the operators of the chosen country, in Manual "Other" in both lists. The
/// first family's form has no SMTP status list (empty).
std::vector<std::string_view> SmtpChoices(int list, Family family, int languageIndex,
                                          const SmtpSettings& current);

}  // namespace tov
