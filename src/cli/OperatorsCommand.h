#pragma once

#include "cli/CliOptions.h"

#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace tov::cli {

/// One operator of a catalogue as the command lists it.
struct OperatorListing {
    int position = 0;
    std::string name;
    std::vector<std::pair<std::string, std::string>> preset;  ///< column name, text
    std::string placeholder;  ///< why the preset cannot work; empty for a real preset
};

/// One country of a catalogue with its operators.
struct CountryListing {
    int position = 0;
    std::string name;
    std::string englishName;  ///< the same as `name` where the list's name is English
    std::vector<OperatorListing> operators;
};

struct OperatorsOptions {
    std::string catalogue;               ///< "mms" or "gprs"
    std::optional<std::string> country;  ///< a position or a name; not given: every country
    bool json = false;
};

/// The catalogues the command knows, for its help: "mms, gprs".
std::string CatalogueNames();

/// Lists a built-in operator catalogue, in the forms' list order, with every preset text.
int RunOperatorsCommand(const OperatorsOptions& options, CliEnvironment& env, std::ostream& out,
                        std::ostream& err);

}  // namespace tov::cli
