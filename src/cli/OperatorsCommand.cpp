#include "cli/OperatorsCommand.h"

#include "cli/Json.h"
#include "common/Text.h"
#include "mms/core/MmsCatalogue.h"
#include "smtp/core/GprsCatalogue.h"

#include <functional>

namespace tov::cli {
namespace {

// A catalogue as the command sees it: how to list one country.
struct Catalogue {
    std::string_view name;
    std::function<int()> countryCount;
    std::function<CountryListing(int country)> country;
};

CountryListing MmsCountry(int country) {
    CountryListing listing{country,
                           std::string(MmsCountryName(country, false)),
                           std::string(MmsCountryEnglishName(country)),
                           {}};
    for (int op = 0; op < MmsOperatorCount(country); ++op) {
        const MmsPreset& p = *FindMmsPreset(country, op);
        listing.operators.push_back({op,
                                     std::string(MmsOperatorName(country, op, false)),
                                     {{"url", std::string(p.url)},
                                      {"apn", std::string(p.apn)},
                                      {"gateway", std::string(p.gateway)},
                                      {"port", std::string(p.port)},
                                      {"account", std::string(p.account)},
                                      {"password", std::string(p.password)}},
                                     std::string(MmsPresetPlaceholder(country, op))});
    }
    return listing;
}

CountryListing GprsCountry(int country) {
    CountryListing listing{country,
                           std::string(GprsCountryName(country)),
                           std::string(GprsCountryEnglishName(country)),
                           {}};
    for (int op = 0; op < GprsOperatorCount(country); ++op) {
        const GprsPreset& p = *LookupGprsPreset(country, op);
        listing.operators.push_back({op,
                                     std::string(GprsOperatorName(country, op)),
                                     {{"apn", std::string(p.apn)},
                                      {"account", std::string(p.account)},
                                      {"password", std::string(p.password)}},
                                     std::string(GprsPresetPlaceholder(country, op))});
    }
    return listing;
}

const std::vector<Catalogue>& Catalogues() {
    static const std::vector<Catalogue> catalogues = {
        {"mms", MmsCountryCount, MmsCountry},
        {"gprs", GprsCountryCount, GprsCountry},
    };
    return catalogues;
}

void PrintText(const std::vector<CountryListing>& countries, std::ostream& out) {
    for (const CountryListing& country : countries) {
        out << country.position << " " << country.name;
        if (country.englishName != country.name) {
            out << " (" << country.englishName << ")";
        }
        out << "\n";
        for (const OperatorListing& op : country.operators) {
            out << "  " << op.position << " " << Quoted(op.name) << ":";
            for (const auto& [column, text] : op.preset) {
                out << " " << column << "=" << Quoted(text);
            }
            if (!op.placeholder.empty()) {
                // Auto mode refuses this row; the reason tells the user what to type instead.
                out << " [no working preset: " << op.placeholder << "; use Manual mode]";
            }
            out << "\n";
        }
    }
}

}  // namespace

std::string CatalogueNames() {
    std::string names;
    for (const Catalogue& catalogue : Catalogues()) {
        names += (names.empty() ? "" : ", ") + std::string(catalogue.name);
    }
    return names;
}

int RunOperatorsCommand(const OperatorsOptions& options, CliEnvironment& env, std::ostream& out,
                        std::ostream& err) {
    const AppState state = StoredAppState(env);
    const Catalogue* catalogue = nullptr;
    for (const Catalogue& each : Catalogues()) {
        if (SameIgnoringCase(options.catalogue, each.name)) {
            catalogue = &each;
        }
    }
    if (catalogue == nullptr) {
        err << state.message(
                   {Quoted(options.catalogue) + " 不是运营商目录；可用：" + CatalogueNames(),
                    Quoted(options.catalogue) +
                        " is not a catalogue; allowed: " + CatalogueNames()})
            << "\n";
        return kExitBadInput;
    }
    std::vector<CountryListing> countries;
    for (int country = 0; country < catalogue->countryCount(); ++country) {
        CountryListing listing = catalogue->country(country);
        const bool wanted = !options.country || *options.country == std::to_string(country) ||
                            SameIgnoringCase(*options.country, listing.name) ||
                            SameIgnoringCase(*options.country, listing.englishName);
        if (wanted) {
            countries.push_back(std::move(listing));
        }
    }
    if (countries.empty()) {
        err << "--country: "
            << state.message({Quoted(options.country.value_or("")) + " 不在目录中",
                              Quoted(options.country.value_or("")) +
                                  " is not a country of the catalogue (a position or a name)"})
            << "\n";
        return kExitBadInput;
    }
    if (options.json) {
        out << OperatorsJson(catalogue->name, countries) << "\n";
    } else {
        PrintText(countries, out);
    }
    return kExitOk;
}

}  // namespace tov::cli
