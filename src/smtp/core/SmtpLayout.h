#pragma once

#include "common/ByteLayout.h"
#include "common/RecordFile.h"
#include "smtp/core/SmtpFields.h"

#include <array>

namespace tov {

namespace smtp_layout {
using enum ByteRole;
constexpr int kTrailer = static_cast<int>(kRecordFileBodyRecords);
constexpr PerFamily<bool> kFirstOnly{true, false};
constexpr PerFamily<bool> kSecondOnly{false, true};
}  // namespace smtp_layout

/// smtp.dat's bytes that no field sets: in the header the reserved bytes, 0x80 in place of the
/// country in Manual mode, the language and the constant 1s among bytes 6..8 (the first
/// family's camera reads the SMS interval at 8, the second's the SMTP status at 6 and the
/// interval at 7); the sender's user name record; every record's line end; the trailer with
/// its check, to which the camera adds 15 (`value`).
inline constexpr std::array kSmtpRows = {
    RowAt("reserved", smtp_layout::Reserved, 0, 0),
    RowAt("country", smtp_layout::ManualMark, 0, 2, 1, 0x80),
    RowAt("language", smtp_layout::Language, 0, 5),
    RowAt("constant", smtp_layout::Constant, 0, 6, 1, 1, smtp_layout::kFirstOnly),
    RowAt("constant", smtp_layout::Constant, 0, 7, 1, 1, smtp_layout::kFirstOnly),
    RowAt("constant", smtp_layout::Constant, 0, 8, 1, 1, smtp_layout::kSecondOnly),
    RowAt("reserved", smtp_layout::Reserved, 0, 9, 46),
    RowAt("reserved", smtp_layout::Reserved, 0, 56, 2),
    RowAt("senderUserName", smtp_layout::UserName, kSenderUserNameRecord, 0,
          static_cast<int>(kRecordLengthOffset) + 1),
    RowAt("reserved", smtp_layout::Reserved, smtp_layout::kTrailer, 0, 56),
    RowAt("check", smtp_layout::Check, smtp_layout::kTrailer, 56, 2, 15),
    ByteRow{"lineEnd", smtp_layout::LineEnd, 0, smtp_layout::kTrailer, 58, 2},
};

static_assert(CoversEveryByteOnce(SmtpFieldTable(), kSmtpRows, Family::First, 12) &&
                  CoversEveryByteOnce(SmtpFieldTable(), kSmtpRows, Family::Second, 12),
              "every byte of smtp.dat belongs to exactly one field or row in each family");

}  // namespace tov
