#include "smtp/core/GprsCatalogue.h"
#include "support/PresetText.h"

#include <gtest/gtest.h>

#include <string_view>
#include <vector>

namespace tov {
namespace {

struct ListedCountry {
    std::string_view name;
    std::vector<std::string_view> operators;
};

// The e-mail form's lists in list order. Restated on purpose: smtp.dat records the positions,
// so an edit of the CSV must not move them.
const std::vector<ListedCountry> kListed = {
    {"China", {"China Mobile", "China Unicom"}},
    {"United States", {"T-Mobile", "AT&T"}},
    {"Deutschland", {"Vodafone", "T-Mobile", "E-Plus", "O2"}},
    {"United Kingdom",
     {"Vodafone", "O2", "T-Mobile", "Orange", "3", "Virgin", "Tesco Mobile", "ASDA Mobile"}},
    {"Canada", {"Fido", "Rogers"}},
    {"Sweden", {"Telenor", "Telia", "Tele2"}},
    {"Slovenia", {"Mobitel", "Simobil", "Tusmobil", "izimobil"}},
    {"Portugal", {"Optimus", "Vodafone"}},
    {"Turkey", {"Avea", "Turkcell"}},
    {"Schweiz", {"Orange", "Sunrise", "Swisscom"}},
    {"Spain", {"Amena", "Vodafone", "Telefonica", "Orange"}},
    {"Slovakia", {"T-Mobile", "Orange", "O2"}},
    {"Russia", {"MTS", "Beeline"}},
    {"Romania", {"Orange"}},
    {"Poland", {"ERA", "Orange"}},
    {"Netherlands", {"T-Mobile", "Vodafone"}},
    {"Italy", {"TIM", "Vodafone"}},
    {"Ireland", {"Meteor", "Vodafone"}},
    {"Hungary", {"Pannon (contract)", "Vodafone", "T-Mobile"}},
    {"Greece", {"T-Cosmote", "Vodafone"}},
    {"France", {"Bouygues", "Orange"}},
    {"Australia", {"Optus", "Telstra", "Vodafone", "Three", "Virgin"}},
    {"Oesterreich", {"A1", "T-Mobile"}},
    {"Brazil", {"Brazil Telecom", "Claro"}},
    {"Bulgaria", {"Globul", "Mtel", "Vivacom"}},
    {"Croatia", {"VIPNet"}},
    {"Ceska republika", {"Eurotel", "O2", "T-Mobile", "Vodafone"}},
    {"Denmark", {"TDC", "Telia"}},
    {"Finland", {"Radiolinja", "DNA", "Sonera", "Elisa"}},
    {"New Zealand", {"Vodafone"}},
    {"Norway", {"Netcom", "Telenor", "Tele2", "NetworkNorway"}},
    {"South Africa", {"Cell C", "Vodacom", "MTN"}},
    {"Egypt", {"MobilNil", "Vodafone"}},
    {"Ukraine", {"KiyvStar", "MTS", "LIFE", "Beeline UA"}},
    {"Lithuania", {"Omnitel", "Bite"}},
    {"India", {"Idea", "BPL", "Airtel", "VodaFone"}},
    {"Latvia", {"LMT"}},
    {"Namibia", {"MTC"}},
    {"Estonia", {"EMT", "ELISA", "TELE2"}},
    {"Belgium", {"Proximus", "Mobistar", "Base"}},
    {"Cyprus", {"Cyta"}},
};

TEST(GprsCatalogue, ListsEveryCountryAndOperatorInOrder) {
    ASSERT_EQ(GprsCountryCount(), 41);
    ASSERT_EQ(kListed.size(), 41u);
    for (int c = 0; c < GprsCountryCount(); ++c) {
        const ListedCountry& listed = kListed[c];
        EXPECT_EQ(GprsCountryName(c), listed.name);
        ASSERT_EQ(GprsOperatorCount(c), static_cast<int>(listed.operators.size())) << listed.name;
        for (int op = 0; op < GprsOperatorCount(c); ++op) {
            EXPECT_EQ(GprsOperatorName(c, op), listed.operators[op]) << listed.name;
            EXPECT_NE(LookupGprsPreset(c, op), nullptr) << listed.name;
        }
        EXPECT_EQ(LookupGprsPreset(c, GprsOperatorCount(c)), nullptr) << listed.name;
    }
    EXPECT_EQ(LookupGprsPreset(41, 0), nullptr);
}

TEST(GprsCatalogue, EnglishCountryNamesAndNoMarkedRows) {
    for (const auto& [c, english] : {std::pair{2, "Germany"},
                                     {9, "Switzerland"},
                                     {22, "Austria"},
                                     {26, "Czech Republic"},
                                     {21, "Australia"}}) {
        EXPECT_EQ(GprsCountryEnglishName(c), english);
    }
    for (int c = 0; c < GprsCountryCount(); ++c) {
        for (int op = 0; op < GprsOperatorCount(c); ++op) {
            EXPECT_EQ(GprsPresetPlaceholder(c, op), "") << c << "/" << op;
        }
    }
}

TEST(GprsCatalogue, EveryPresetIsShortAscii) {
    for (int c = 0; c < GprsCountryCount(); ++c) {
        for (int op = 0; op < GprsOperatorCount(c); ++op) {
            SCOPED_TRACE(testing::Message()
                         << GprsCountryName(c) << " / " << GprsOperatorName(c, op));
            const GprsPreset& preset = *LookupGprsPreset(c, op);
            for (const std::string_view text : {preset.apn, preset.account, preset.password})
                EXPECT_TRUE(IsPresetText(text, 32)) << text;
        }
    }
}

}  // namespace
}  // namespace tov
