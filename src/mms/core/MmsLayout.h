#pragma once

#include "common/ByteLayout.h"
#include "common/RecordFile.h"
#include "mms/core/MmsFields.h"

#include <array>

namespace tov {

namespace mms_layout {
using enum ByteRole;
constexpr int kTrailer = static_cast<int>(kRecordFileBodyRecords);
}  // namespace mms_layout

/// setup.dat's bytes that no field sets: in the header the MMS Send code, the language and the
/// TV mode, 0x80 in place of the country in Manual mode and the reserved bytes; every record's
/// line end; the trailer with its check, to which the camera adds 18 when the numbers are in
/// International format (`value`).
inline constexpr std::array kMmsRows = {
    RowAt("sendCode", mms_layout::SendCode, 0, 0),
    RowAt("language", mms_layout::Language, 0, 5),
    RowAt("tvMode", mms_layout::TvMode, 0, 6),
    RowAt("country", mms_layout::ManualMark, 0, 8, 1, 0x80),
    RowAt("reserved", mms_layout::Reserved, 0, 11, 44),
    RowAt("reserved", mms_layout::Reserved, 0, 56, 2),
    RowAt("reserved", mms_layout::Reserved, mms_layout::kTrailer, 0, 56),
    RowAt("check", mms_layout::Check, mms_layout::kTrailer, 56, 2, 18),
    ByteRow{"lineEnd", mms_layout::LineEnd, 0, mms_layout::kTrailer, 58, 2},
};

static_assert(CoversEveryByteOnce(MmsFieldTable(), kMmsRows, Family::First, 12) &&
                  CoversEveryByteOnce(MmsFieldTable(), kMmsRows, Family::Second, 12),
              "every byte of setup.dat belongs to exactly one field or row in each family");

}  // namespace tov
