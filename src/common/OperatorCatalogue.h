#pragma once

#include <algorithm>
#include <span>
#include <string_view>

namespace tov {

/// One operator of a built-in catalogue as the build generates it from data/*-operators.csv:
/// its list positions, its names and its preset. An empty Chinese name means the same name.
template <class Preset>
struct OperatorRow {
    int countryPosition;
    int operatorPosition;
    std::string_view country;
    std::string_view countryZh;
    std::string_view countryEn;  ///< the English name where the list shows another; else empty
    std::string_view name;
    std::string_view nameZh;
    /// Why the preset cannot work as it stands (placeholder texts, another country's
    /// operator); empty for a real preset. The row keeps its place: the camera counts rows.
    std::string_view placeholder;
    Preset preset;
};

/// Lookups by list position over the rows of one catalogue. The generator guarantees list
/// order: countries from 0, each country's operators from 0, without gaps. Positions out of
/// range give an empty name, a count of 0 or no preset.
template <class Preset>
class OperatorCatalogue final {
public:
    using Row = OperatorRow<Preset>;

    constexpr explicit OperatorCatalogue(std::span<const Row> rows) : m_rows(rows) {}

    int CountryCount() const { return m_rows.empty() ? 0 : m_rows.back().countryPosition + 1; }

    int OperatorCount(int country) const {
        return static_cast<int>(std::ranges::count(m_rows, country, &Row::countryPosition));
    }

    std::string_view CountryName(int country, bool chinese) const {
        const Row* row = Find(country, 0);
        return row ? Shown(row->country, row->countryZh, chinese) : std::string_view{};
    }

    /// The country's English name: the list's own name unless the CSV gives another.
    std::string_view CountryEnglishName(int country) const {
        const Row* row = Find(country, 0);
        return row ? (row->countryEn.empty() ? row->country : row->countryEn) : std::string_view{};
    }

    /// Why the operator's preset cannot work; empty for a real preset or positions out of range.
    std::string_view Placeholder(int country, int op) const {
        const Row* row = Find(country, op);
        return row ? row->placeholder : std::string_view{};
    }

    std::string_view OperatorName(int country, int op, bool chinese) const {
        const Row* row = Find(country, op);
        return row ? Shown(row->name, row->nameZh, chinese) : std::string_view{};
    }

    const Preset* FindPreset(int country, int op) const {
        const Row* row = Find(country, op);
        return row ? &row->preset : nullptr;
    }

private:
    const Row* Find(int country, int op) const {
        const auto found = std::ranges::find_if(m_rows, [&](const Row& row) {
            return row.countryPosition == country && row.operatorPosition == op;
        });
        return found == m_rows.end() ? nullptr : &*found;
    }

    static std::string_view Shown(std::string_view name, std::string_view zh, bool chinese) {
        return chinese && !zh.empty() ? zh : name;
    }

    std::span<const Row> m_rows;
};

}  // namespace tov
