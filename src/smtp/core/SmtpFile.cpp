#include "smtp/core/SmtpFile.h"

#include "smtp/core/SmtpFields.h"

namespace tov {

std::string_view SenderUserName(std::string_view senderEmail) {
    return senderEmail.substr(0, senderEmail.find('@'));
}

RecordFileBody BuildSmtpRecords(const SmtpSettings& settings, Family family, int languageByte) {
    RecordFileBody records;
    records.fill(MakeTextRecord(""));
    records[kSmtpHeaderRecord] = BlankRecord();
    PlaceFields(SmtpFieldTable(), family, settings, std::span(records));

    Record60& header = records[kSmtpHeaderRecord];
    if (settings.mode == kSmtpManual) {
        header[kSmtpCountryOffset] = kSmtpManualCountry;
    }
    header[kSmtpLanguageOffset] = LowByte(languageByte);
    const std::array<bool, 3>& ones = kSmtpConstantOnes[family];
    for (std::size_t i = 0; i < ones.size(); ++i) {
        if (ones[i]) {
            header[kSmtpFamilyBytesOffset + i] = 1;
        }
    }
    records[kSenderUserNameRecord] = MakeTextRecord(SenderUserName(settings.senderEmail));
    return records;
}

std::vector<std::uint8_t> BuildSmtpFile(const SmtpSettings& settings, Family family,
                                        int languageByte) {
    return BuildRecordFile(BuildSmtpRecords(settings, family, languageByte), kSmtpCheckAddend);
}

SmtpSettings ReadSmtpSettings(const RecordFileBody& plain, Family family) {
    SmtpSettings settings;
    ReadFields(SmtpFieldTable(), family, std::span(plain), settings);
    return settings;
}

}  // namespace tov
