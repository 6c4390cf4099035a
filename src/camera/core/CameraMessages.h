#pragma once

#include "common/Models.h"

#include <optional>
#include <string>

namespace tov {

/// The confirmation after menu.dat was written by Generate (`factory` false) or Default
/// (`factory` true), in Chinese when `languageIndex` is 1; no value for a model that does not
/// confirm.
std::optional<std::string> MenuConfirmation(const ModelInfo& model, bool factory,
                                            int languageIndex);

}  // namespace tov
