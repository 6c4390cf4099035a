#include "mms/core/MmsCatalogue.h"
#include "support/PresetText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <ranges>
#include <string_view>
#include <utility>
#include <vector>

namespace tov {
namespace {

struct ListedCountry {
    std::string_view name;
    std::vector<std::pair<std::string_view, std::string_view>> operators;  // name, gateway port
};

// The MMS form's lists in list order, with each operator's port. Restated on purpose: the camera
// files record the positions and the ports are fixed, so an edit of the CSV must not change them.
const std::vector<ListedCountry> kListed = {
    {"China", {{"China Mobile", "80"}, {"China Unicom", "80"}}},
    {"United States", {{"T-Mobile", "8080"}, {"AT&T", "80"}}},
    {"Deutschland", {{"Vodafone", "80"}, {"T-Mobile", "8008"}, {"E-Plus", "8080"}, {"O2", "8080"}}},
    {"United Kingdom",
     {{"Vodafone", "9201"},
      {"O2", "8080"},
      {"O2 Payandgo", "8080"},
      {"Orange", "8080"},
      {"3", "8799"},
      {"Virgin", "8080"},
      {"Vodafone Prepay", "8799"},
      {"BT Mobile", "8799"},
      {"ASDA Mobile", "9201"}}},
    {"Canada", {{"Fido", "8080"}, {"Rogers", "8080"}}},
    {"Sweden", {{"Telenor", "8799"}, {"Telia", "8080"}, {"Tele2 ", "8080"}}},
    {"Slovenia",
     {{"Mobitel", "8080"}, {"Izi Mobil", "8080"}, {"Si Mobil", "9201"}, {"Tusmobil", "8080"}}},
    {"Portugal", {{"Optimus", "8799"}, {"Vodafone", "8799"}}},
    {"Turkey", {{"Avea", "8080"}, {"Turkcell", "8080"}}},
    {"Schweiz", {{"Orange", "8080"}, {"Sunrise", "8080"}, {"Swisscom", "8080"}}},
    {"Spain", {{"Orange", "8080"}, {"Vodafone", "80"}, {"Telstra", "8080"}, {"Movistar", "8080"}}},
    {"Slovakia", {{"T-Mobile", "8080"}, {"Orange", "8799"}, {"O2", "8080"}}},
    {"Russia", {{"A Mobile", "9201"}, {"Beeline", "9201"}}},
    {"Romania", {{"Orange", "8080"}}},
    {"Poland",
     {{"ERA", "8080"}, {"Orange", "8080"}, {"Plus", "8080"}, {"Heyah", "8080"}, {"Play", "8080"}}},
    {"Netherlands", {{"T-Mobile", "8080"}, {"Vodafone", "8799"}}},
    {"Italy", {{"TIM", "80"}, {"Vodafone", "8080"}}},
    {"Ireland", {{"Meteor", "8799"}, {"Vodafone", "80"}}},
    {"Hungary", {{"T-Mobile", "8080"}, {"Vodafone", "8080"}}},
    {"Greece", {{"T-Cosmote", "8080"}, {"Vodafone", "8080"}}},
    {"France", {{"Bouygues", "8080"}, {"Orange", "8080"}, {"SFR", "8080"}}},
    {"Australia",
     {{"Optus", "8070"},
      {"Telstra", "80"},
      {"Mic1", "9201"},
      {"Vodafone", "8080"},
      {"Three", "8799"},
      {"Virgin", "8070"}}},
    {"Oesterreich", {{"A1", "8001"}, {"T-Mobile", "80"}}},
    {"Brazil", {{"Brazil Telecom", "8080"}, {"Claro", "8080"}}},
    {"Bulgaria", {{"Globul", "8004"}, {"Mtel", "8080"}, {"Vivacom", "8080"}}},
    {"Croatia", {{"VIPNet", "8080"}, {"T-mobile HR", "8080"}}},
    {"Ceska republika",
     {{"Eurotel", "8080"}, {"O2", "8080"}, {"T-Mobile", "80"}, {"Vodafone", "80"}}},
    {"Denmark", {{"Sonofon", "8080"}, {"TDC", "8080"}, {"Telia", "8080"}}},
    {"Finland", {{"Alands", "8080"}, {"DNA", "8080"}, {"Sonera", "80"}, {"Elisa", "80"}}},
    {"New Zealand", {{"Vodafone", "8080"}}},
    {"Norway",
     {{"Netcom", "8080"},
      {"Telenor", "8080"},
      {"Onecall", "80"},
      {"Tele2", "8080"},
      {"NetworkNorway", "80"},
      {"Chess", "8080"}}},
    {"South Africa",
     {{"Cell C", "8080"}, {"Virgin", "8080"}, {"MTN", "8080"}, {"Vodacom", "8080"}}},
    {"Egypt", {{"MobilNil", "8080"}, {"Vodafone", "8080"}}},
    {"Ukraine",
     {{"KiyvStar", "8080"},
      {"MTS", "8080"},
      {"LIFE", "8080"},
      {"Beeline UA", "8080"},
      {"UMC Ukraine", "8080"}}},
    {"Lithuania",
     {{"Omnitel", "8080"}, {"Omnitel Ezio", "8080"}, {"Tele2 Pildyk", "8080"}, {"Bite", "8080"}}},
    {"India",
     {{"Idea", "8080"},
      {"CellOne", "8080"},
      {"BPL", "8080"},
      {"Airtel", "8080"},
      {"VodaFone", "8080"}}},
    {"Latvia", {{"Okarte", "80"}}},
    {"Namibia", {{"MTC", "80"}}},
    {"Estonia", {{"EMT", "8080"}, {"ELISA", "8000"}, {"TELE2", "9201"}}},
    {"Belgium", {{"Proximus", "80"}, {"Mobistar", "8080"}, {"Base", "8080"}}},
    {"Cyprus", {{"Cyta", "8080"}}},
    {"Cayman Islands", {{"Digicel", "8080"}}},
};

bool IsDigits(std::string_view text) {
    return !text.empty() && std::ranges::all_of(text, [](char c) { return c >= '0' && c <= '9'; });
}

// Four decimal parts 0..255 without leading zeros, which a parser could read as octal.
bool IsDottedQuad(std::string_view text) {
    int parts = 0;
    for (const auto part : std::views::split(text, '.')) {
        const std::string_view digits(part.begin(), part.end());
        int value = 256;
        std::from_chars(digits.data(), digits.data() + digits.size(), value);
        if (!IsDigits(digits) || value > 255 || (digits.size() > 1 && digits[0] == '0'))
            return false;
        ++parts;
    }
    return parts == 4;
}

TEST(MmsCatalogue, ListsEveryCountryAndOperatorInOrderWithItsPort) {
    ASSERT_EQ(MmsCountryCount(), 42);
    ASSERT_EQ(kListed.size(), 42u);
    for (int c = 0; c < MmsCountryCount(); ++c) {
        const ListedCountry& listed = kListed[c];
        EXPECT_EQ(MmsCountryName(c, false), listed.name);
        ASSERT_EQ(MmsOperatorCount(c), static_cast<int>(listed.operators.size())) << listed.name;
        for (int op = 0; op < MmsOperatorCount(c); ++op) {
            const auto& [name, port] = listed.operators[op];
            EXPECT_EQ(MmsOperatorName(c, op, false), name) << listed.name;
            ASSERT_NE(FindMmsPreset(c, op), nullptr);
            EXPECT_EQ(FindMmsPreset(c, op)->port, port) << listed.name << " / " << name;
        }
    }
}

TEST(MmsCatalogue, OnlyChinaHasChineseNames) {
    EXPECT_EQ(MmsCountryName(0, true), "中国");
    EXPECT_EQ(MmsOperatorName(0, 0, true), "中国移动");
    EXPECT_EQ(MmsOperatorName(0, 1, true), "中国联通");
    for (int c = 1; c < MmsCountryCount(); ++c) {
        EXPECT_EQ(MmsCountryName(c, true), MmsCountryName(c, false));
        for (int op = 0; op < MmsOperatorCount(c); ++op)
            EXPECT_EQ(MmsOperatorName(c, op, true), MmsOperatorName(c, op, false));
    }
}

TEST(MmsCatalogue, PositionsOutOfRangeGiveNothing) {
    for (const auto& [c, op] : {std::pair{-1, 0}, {42, 0}, {0, -1}, {3, 9}, {13, 1}}) {
        EXPECT_EQ(FindMmsPreset(c, op), nullptr) << c << "/" << op;
        EXPECT_EQ(MmsOperatorName(c, op, false), "") << c << "/" << op;
    }
    EXPECT_EQ(MmsCountryName(42, false), "");
    EXPECT_EQ(MmsOperatorCount(-1), 0);
    EXPECT_EQ(MmsOperatorCount(42), 0);
}

TEST(MmsCatalogue, EveryPresetFollowsTheColumnRules) {
    for (int c = 0; c < MmsCountryCount(); ++c) {
        for (int op = 0; op < MmsOperatorCount(c); ++op) {
            SCOPED_TRACE(testing::Message()
                         << MmsCountryName(c, false) << " / " << MmsOperatorName(c, op, false));
            const MmsPreset& preset = *FindMmsPreset(c, op);
            for (const std::string_view text : {preset.url, preset.apn, preset.gateway, preset.port,
                                                preset.account, preset.password})
                EXPECT_TRUE(IsPresetText(text, 40)) << text;
            EXPECT_FALSE(preset.url.empty());
            EXPECT_FALSE(preset.apn.empty());
            EXPECT_TRUE(IsDottedQuad(preset.gateway)) << preset.gateway;
            EXPECT_TRUE(IsDigits(preset.port)) << preset.port;
        }
    }
}

}  // namespace
}  // namespace tov
