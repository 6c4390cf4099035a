#include "smtp/core/SmtpFile.h"

#include "smtp/core/SmtpFields.h"
#include "smtp/core/SmtpLayout.h"

#include <algorithm>

namespace tov {

std::string_view SenderUserName(std::string_view senderEmail) {
    return senderEmail.substr(0, senderEmail.find('@'));
}

RecordFileBody BuildSmtpRecords(const SmtpSettings& settings, Family family, int languageByte) {
    RecordFileBody records;
    records.fill(MakeTextRecord(""));
    records[kSmtpHeaderRecord] = BlankRecord();
    PlaceFields(SmtpFieldTable(), family, settings, std::span(records));

    for (const ByteRow& row : kSmtpRows) {
        if (!row.present[family]) {
            continue;
        }
        Record60& record = records[static_cast<std::size_t>(row.record)];
        const auto at = static_cast<std::size_t>(row.offset);
        switch (row.role) {
        case ByteRole::ManualMark:
            // Manual mode has no country list: the camera takes 0x80 as "typed GPRS data".
            if (settings.mode == kSmtpManual) {
                record[at] = LowByte(row.value);
            }
            break;
        case ByteRole::Language:
            record[at] = LowByte(languageByte);
            break;
        case ByteRole::Constant:
            std::fill_n(record.begin() + row.offset, row.length, LowByte(row.value));
            break;
        case ByteRole::UserName:
            record = MakeTextRecord(SenderUserName(settings.senderEmail));
            break;
        default:
            break;  // zeros, line ends and the check come with the records and the file
        }
    }
    return records;
}

std::vector<std::uint8_t> BuildSmtpFile(const SmtpSettings& settings, Family family,
                                        int languageByte) {
    return BuildRecordFile(BuildSmtpRecords(settings, family, languageByte),
                           static_cast<std::uint16_t>(RowOf(kSmtpRows, ByteRole::Check).value));
}

SmtpSettings ReadSmtpSettings(const RecordFileBody& plain, Family family) {
    SmtpSettings settings;
    ReadFields(SmtpFieldTable(), family, std::span(plain), settings);
    return settings;
}

}  // namespace tov
