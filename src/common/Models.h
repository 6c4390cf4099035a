#pragma once

#include "common/AppState.h"

#include <span>
#include <string>
#include <string_view>

namespace tov {

/// One camera model and everything that depends on it. The one place that knows the model
/// numbers: every form, file writer and command asks this table.
struct ModelInfo {
    int index;                ///< 1..5, the position in the model list plus one; 0: not listed
    std::string_view name;    ///< the list entry, "Tov 2740M"
    std::string_view number;  ///< "2740", "2760" or "9030": window titles and confirmations
    Family family;
    bool hasEmailForm;  ///< the e-mail (GPRS and SMTP) form and smtp.dat
    bool confirms;      ///< whether a written file is confirmed by a message
    std::span<const std::string_view> imageSizes;  ///< camera form, in list order; may be empty
    std::span<const std::string_view> videoSizes;  ///< camera form, in list order
    int cameraModeCount;                           ///< camera form: 3, or 2 when not listed
    bool mmsSendHasQvga;                           ///< MMS form: "QVGA" between "VGA" and "SMS"
};

inline constexpr int kModelCount = 5;

/// The five models, in the order of the main window's list.
std::span<const ModelInfo> Models();

/// The model for `modelIndex`. An index outside 1..5 (a stored preference out of range)
/// gets a reduced first-family model: no image sizes, two camera modes, the e-mail form, and
/// no confirmations.
const ModelInfo& ModelFor(int modelIndex);

/// The second family is models 2 and 4; every other value, also one outside 1..5, is the
/// first.
Family FamilyOf(int modelIndex);

/// "Tov Brenn 2740": the title of every setup form of the model.
std::string FormTitle(const ModelInfo& model);

/// The short form of a listed model's name, "9030M".
std::string_view ShortModelName(const ModelInfo& model);

/// The name of a model for messages: its list entry ("Tov 9030M"), or "model N" outside 1..5.
std::string ModelDisplayName(int modelIndex);

}  // namespace tov
