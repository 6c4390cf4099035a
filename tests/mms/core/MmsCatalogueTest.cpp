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
    std::vector<std::string_view> operators;
    std::vector<std::string_view> ports;  // of the operators, in the same order
};

// The MMS form's lists in list order, with each operator's port. Restated on purpose: the camera
// files record the positions and the ports are fixed, so an edit of the CSV must not change them.
const std::vector<ListedCountry> kListed = {
    {"China", {"China Mobile", "China Unicom"}, {"80", "80"}},
    {"United States", {"T-Mobile", "AT&T"}, {"8080", "80"}},
    {"Deutschland", {"Vodafone", "T-Mobile", "E-Plus", "O2"}, {"80", "8008", "8080", "8080"}},
    {"United Kingdom",
     {"Vodafone", "O2", "O2 Payandgo", "Orange", "3", "Virgin", "Vodafone Prepay", "BT Mobile",
      "ASDA Mobile"},
     {"9201", "8080", "8080", "8080", "8799", "8080", "8799", "8799", "9201"}},
    {"Canada", {"Fido", "Rogers"}, {"8080", "8080"}},
    {"Sweden", {"Telenor", "Telia", "Tele2 "}, {"8799", "8080", "8080"}},
    {"Slovenia",
     {"Mobitel", "Izi Mobil", "Si Mobil", "Tusmobil"},
     {"8080", "8080", "9201", "8080"}},
    {"Portugal", {"Optimus", "Vodafone"}, {"8799", "8799"}},
    {"Turkey", {"Avea", "Turkcell"}, {"8080", "8080"}},
    {"Schweiz", {"Orange", "Sunrise", "Swisscom"}, {"8080", "8080", "8080"}},
    {"Spain", {"Orange", "Vodafone", "Telstra", "Movistar"}, {"8080", "80", "8080", "8080"}},
    {"Slovakia", {"T-Mobile", "Orange", "O2"}, {"8080", "8799", "8080"}},
    {"Russia", {"A Mobile", "Beeline"}, {"9201", "9201"}},
    {"Romania", {"Orange"}, {"8080"}},
    {"Poland",
     {"ERA", "Orange", "Plus", "Heyah", "Play"},
     {"8080", "8080", "8080", "8080", "8080"}},
    {"Netherlands", {"T-Mobile", "Vodafone"}, {"8080", "8799"}},
    {"Italy", {"TIM", "Vodafone"}, {"80", "8080"}},
    {"Ireland", {"Meteor", "Vodafone"}, {"8799", "80"}},
    {"Hungary", {"T-Mobile", "Vodafone"}, {"8080", "8080"}},
    {"Greece", {"T-Cosmote", "Vodafone"}, {"8080", "8080"}},
    {"France", {"Bouygues", "Orange", "SFR"}, {"8080", "8080", "8080"}},
    {"Australia",
     {"Optus", "Telstra", "Mic1", "Vodafone", "Three", "Virgin"},
     {"8070", "80", "9201", "8080", "8799", "8070"}},
    {"Oesterreich", {"A1", "T-Mobile"}, {"8001", "80"}},
    {"Brazil", {"Brazil Telecom", "Claro"}, {"8080", "8080"}},
    {"Bulgaria", {"Globul", "Mtel", "Vivacom"}, {"8004", "8080", "8080"}},
    {"Croatia", {"VIPNet", "T-mobile HR"}, {"8080", "8080"}},
    {"Ceska republika", {"Eurotel", "O2", "T-Mobile", "Vodafone"}, {"8080", "8080", "80", "80"}},
    {"Denmark", {"Sonofon", "TDC", "Telia"}, {"8080", "8080", "8080"}},
    {"Finland", {"Alands", "DNA", "Sonera", "Elisa"}, {"8080", "8080", "80", "80"}},
    {"New Zealand", {"Vodafone"}, {"8080"}},
    {"Norway",
     {"Netcom", "Telenor", "Onecall", "Tele2", "NetworkNorway", "Chess"},
     {"8080", "8080", "80", "8080", "80", "8080"}},
    {"South Africa", {"Cell C", "Virgin", "MTN", "Vodacom"}, {"8080", "8080", "8080", "8080"}},
    {"Egypt", {"MobilNil", "Vodafone"}, {"8080", "8080"}},
    {"Ukraine",
     {"KiyvStar", "MTS", "LIFE", "Beeline UA", "UMC Ukraine"},
     {"8080", "8080", "8080", "8080", "8080"}},
    {"Lithuania",
     {"Omnitel", "Omnitel Ezio", "Tele2 Pildyk", "Bite"},
     {"8080", "8080", "8080", "8080"}},
    {"India",
     {"Idea", "CellOne", "BPL", "Airtel", "VodaFone"},
     {"8080", "8080", "8080", "8080", "8080"}},
    {"Latvia", {"Okarte"}, {"80"}},
    {"Namibia", {"MTC"}, {"80"}},
    {"Estonia", {"EMT", "ELISA", "TELE2"}, {"8080", "8000", "9201"}},
    {"Belgium", {"Proximus", "Mobistar", "Base"}, {"80", "8080", "8080"}},
    {"Cyprus", {"Cyta"}, {"8080"}},
    {"Cayman Islands", {"Digicel"}, {"8080"}},
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
        ASSERT_EQ(listed.ports.size(), listed.operators.size()) << listed.name;
        for (int op = 0; op < MmsOperatorCount(c); ++op) {
            EXPECT_EQ(MmsOperatorName(c, op, false), listed.operators[op]) << listed.name;
            ASSERT_NE(FindMmsPreset(c, op), nullptr);
            EXPECT_EQ(FindMmsPreset(c, op)->port, listed.ports[op]) << listed.operators[op];
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

// Rows whose presets cannot work keep their places (the camera counts rows) but carry a mark,
// which Auto mode refuses: Namibia's placeholders and Lebanon's Mic1 listed under Australia.
TEST(MmsCatalogue, MarkedRowsAndEnglishCountryNames) {
    std::vector<std::pair<int, int>> marked;
    for (int c = 0; c < MmsCountryCount(); ++c) {
        for (int op = 0; op < MmsOperatorCount(c); ++op) {
            if (!MmsPresetPlaceholder(c, op).empty()) {
                marked.emplace_back(c, op);
            }
        }
    }
    EXPECT_EQ(marked, (std::vector<std::pair<int, int>>{{21, 2}, {37, 0}}));
    EXPECT_EQ(MmsOperatorName(21, 2, false), "Mic1");
    EXPECT_EQ(MmsCountryName(37, false), "Namibia");

    for (const auto& [c, english] : {std::pair{2, "Germany"},
                                     {9, "Switzerland"},
                                     {22, "Austria"},
                                     {26, "Czech Republic"},
                                     {3, "United Kingdom"},
                                     {0, "China"}}) {
        EXPECT_EQ(MmsCountryEnglishName(c), english);
    }
    EXPECT_EQ(MmsCountryName(2, false), "Deutschland");  // the list keeps its names
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
