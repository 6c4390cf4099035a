#pragma once

#include "common/Models.h"

#include <string>

namespace tov {

/// The confirmation after smtp.dat was written ("Tov 9030 SMTP configuration file has been
/// generated"), in Chinese when `languageIndex` is 1. Every model's e-mail form confirms.
std::string SmtpConfirmation(const ModelInfo& model, int languageIndex);

/// Why a model without the e-mail form gets no smtp.dat ("Tov 9030M has no e-mail settings;
/// the MG models have"), built from the model table.
std::string NoEmailFormMessage(const ModelInfo& model, int languageIndex);

}  // namespace tov
