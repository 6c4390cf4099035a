#include "common/ByteLayout.h"
#include "common/ValueCheck.h"

#include <gtest/gtest.h>

#include <array>

namespace tov {
namespace {

// A one-record layout small enough to break on purpose: the coverage proof must refuse a gap,
// an overlap and a byte outside the record, and accept a value and its unit in one byte.
struct Tiny {
    int value = 0;
    int unit = 0;
    int second = 0;
};

constexpr Field<Tiny> kValue{.key = "value", .number = &Tiny::value, .place = Both(ByteAt(0))};
constexpr Field<Tiny> kSeconds{
    .key = "value", .number = &Tiny::value, .place = Both(ByteAt(0, Coding::SecondsValue))};
constexpr Field<Tiny> kUnit{.key = "unit",
                            .kind = FieldKind::Choice,
                            .number = &Tiny::unit,
                            .place = Both(ByteAt(0, Coding::SecondsFlag))};
constexpr Field<Tiny> kSecond{.key = "second", .number = &Tiny::second, .place = Both(ByteAt(1))};

constexpr std::array kRest = {RowAt("reserved", ByteRole::Reserved, 0, 2, 56),
                              RowAt("lineEnd", ByteRole::LineEnd, 0, 58, 2)};
constexpr std::array kRestWithGap = {RowAt("reserved", ByteRole::Reserved, 0, 3, 55),
                                     RowAt("lineEnd", ByteRole::LineEnd, 0, 58, 2)};
constexpr std::array kRestOverlapping = {RowAt("reserved", ByteRole::Reserved, 0, 1, 57),
                                         RowAt("lineEnd", ByteRole::LineEnd, 0, 58, 2)};
constexpr std::array kRestTooLong = {RowAt("reserved", ByteRole::Reserved, 0, 2, 56),
                                     RowAt("lineEnd", ByteRole::LineEnd, 0, 58, 3)};

constexpr std::array kFields = {kValue, kSecond};
constexpr std::array kSharedByte = {kSeconds, kUnit, kSecond};
constexpr std::array kTwoInOneByte = {kValue, kUnit, kSecond, kSeconds};

constexpr bool Covers(std::span<const Field<Tiny>> fields, std::span<const ByteRow> rows) {
    return CoversEveryByteOnce<Tiny>(fields, rows, Family::First, 1);
}

static_assert(Covers(kFields, kRest));
static_assert(Covers(kSharedByte, kRest));
static_assert(!Covers(kFields, kRestWithGap));
static_assert(!Covers(kFields, kRestOverlapping));
static_assert(!Covers(kFields, kRestTooLong));
static_assert(!Covers(kTwoInOneByte, kRest));
static_assert(FamilyBytes<Tiny>(kFields, kRest) == std::pair{60, 0});  // the families agree

TEST(ByteLayout, OneValueCheckForFormAndCommandLine) {
    struct Case {
        std::string_view bytes;
        int max;
        bool ascii;
        ValueFault fault;
        std::size_t at;
    };
    for (const Case& c :
         {Case{"abc", 3, true, ValueFault::None, 0}, Case{"abcd", 3, true, ValueFault::TooLong, 0},
          Case{"hans.m\xFCller", 40, true, ValueFault::NotAscii, 6},
          Case{"hans.m\xFCller", 40, false, ValueFault::None, 0},
          Case{"\x7F", 1, true, ValueFault::None, 0}}) {
        const ValueVerdict verdict = CheckTextBytes(c.bytes, c.max, c.ascii);
        EXPECT_EQ(verdict.fault, c.fault) << c.bytes;
        EXPECT_EQ(verdict.at, c.at) << c.bytes;
    }
    EXPECT_TRUE(CheckNumberValue(0, 0, 99).ok());
    EXPECT_EQ(CheckNumberValue(100, 0, 99).fault, ValueFault::OutOfRange);
    EXPECT_EQ(CheckNumberValue(-1, 0, 99).fault, ValueFault::OutOfRange);
}

}  // namespace
}  // namespace tov
