#pragma once

#include "cli/CliOptions.h"
#include "cli/SettingInput.h"

#include <ostream>
#include <string>

namespace tov::cli {

struct SmtpOptions {
    CommonOptions common;  ///< model and language; smtp.dat has no TV mode
    std::string outDir;
    SettingSources settings;
};

/// The keys of the e-mail settings, for the command's help.
std::string SmtpKeysHelp();

/// Writes smtp.dat into the folder: the e-mail form's opening values for the model with the
/// given settings over them, checked as the form checks them, with the operator's preset in
/// Auto mode. A model without the e-mail form is refused.
int RunSmtpCommand(const SmtpOptions& options, CliEnvironment& env, std::ostream& out,
                   std::ostream& err);

}  // namespace tov::cli
