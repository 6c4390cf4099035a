#pragma once

#include "common/FieldTable.h"
#include "smtp/core/SmtpSettings.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <limits>

namespace tov {

/// The drop-down lists of the e-mail forms.
enum SmtpList : int {
    kSmtpModeList,
    kSmtpCountryList,
    kSmtpOperatorList,
    kSmtpStatusList,
    kSmsRemoteList,
};

/// The records of smtp.dat (records 1..10 hold one text each; 9 is the sender's user name).
enum SmtpRecord : int {
    kSmtpHeaderRecord = 0,
    kApnRecord = 1,
    kAccountRecord = 2,
    kGprsPasswordRecord = 3,
    kSmtpServerRecord = 4,
    kPortRecord = 5,
    kSenderEmailRecord = 6,
    kSenderPasswordRecord = 7,
    kPhoneNumberRecord = 8,
    kSenderUserNameRecord = 9,
    kRecipientEmailRecord = 10,
};

namespace smtp_fields {

using S = SmtpSettings;
using enum FieldKind;
using enum Coding;
using enum LimitMessage;

/// The GPRS texts: typed in Manual mode; Auto locks them and Generate puts in the preset.
constexpr Field<S> GprsField(std::string_view key, std::string S::*member, int order,
                             SmtpRecord record) {
    Field<S> field = TextRecordField(key, member, 32, record, order);
    field.lock = {"mode", kSmtpAuto};
    return field;
}

/// An e-mail address: the second family's form takes 40 bytes, the first family's 32.
constexpr Field<S> AddressField(std::string_view key, std::string S::*member, int order,
                                SmtpRecord record) {
    Field<S> field = Network(TextRecordField(key, member, 40, record, order));
    field.familyMax = PerFamily<int>{32, 40};
    return field;
}

constexpr Field<S> ListField(std::string_view key, int S::*member, SmtpList list,
                             PerFamily<Place> place, PerFamily<int> opening) {
    return {.key = key,
            .kind = Choice,
            .number = member,
            .list = list,
            .place = place,
            .opening = opening};
}

// The keys are the settings' names, except the two catalogue positions, which the command
// line calls `country` and `operator`.
// Read order: the form takes over Max Image No., then the texts from the recipient back to
// the GPRS password, the folder, and the phone number last; the same in both families.
// Header bytes that no field gives are set by the file builder: byte 2 is 0x80 in Manual, the
// language at 5, and the constant 1s among bytes 6..8, which lie per family.
inline constexpr std::array kSmtpFields = {
    ListField("mode", &S::mode, kSmtpModeList, Both(ByteAt(55, OneWhenFirst)),
              Both(int{kSmtpAuto})),
    ListField("country", &S::countryIndex, kSmtpCountryList, Both(ByteAt(2)), Both(0)),
    ListField("operator", &S::operatorIndex, kSmtpOperatorList, Both(ByteAt(1)), Both(0)),
    Field<S>{.key = "maxImages",
             .kind = Number,
             .number = &S::maxImages,
             .min = 0,
             .max = 99,
             .message = StandardRange,
             .correctTo = 0,
             .readOrder = Both(0),
             .place = Both(ByteAt(3, TensUnits)),
             .opening = Both(0)},
    // The first family's form has no SMTP status; its header holds a 1 there.
    Field<S>{.key = "smtpStatus",
             .kind = Choice,
             .number = &S::smtpStatus,
             .list = kSmtpStatusList,
             .present = {false, true},
             .place = {{}, ByteAt(6)},
             .opening = {0, 1}},
    ListField("smsRemoteHours", &S::smsRemoteHours, kSmsRemoteList, {ByteAt(8), ByteAt(7)},
              Both(25)),
    AddressField("recipientEmail", &S::recipientEmail, 1, kRecipientEmailRecord),
    AddressField("senderEmail", &S::senderEmail, 2, kSenderEmailRecord),
    Secret(TextRecordField("senderPassword", &S::senderPassword, 32, kSenderPasswordRecord, 3)),
    Network(TextRecordField("smtpServer", &S::smtpServer, 40, kSmtpServerRecord, 4)),
    Network(TextRecordField("port", &S::port, 10, kPortRecord, 5)),
    Network(GprsField("account", &S::account, 6, kAccountRecord)),
    Network(GprsField("apn", &S::apn, 7, kApnRecord)),
    // The GPRS password is shown in plain text on the form; inspect masks it all the same.
    Secret(GprsField("gprsPassword", &S::gprsPassword, 8, kGprsPasswordRecord)),
    // The folder has no limit of its own; a path the system cannot take fails at the write.
    Field<S>{.key = "folder",
             .kind = Folder,
             .text = &S::folder,
             .max = std::numeric_limits<int>::max(),
             .message = StandardLength,
             .readOrder = Both(9)},
    Network(TextRecordField("phoneNumber", &S::phoneNumber, 30, kPhoneNumberRecord, 10)),
};

}  // namespace smtp_fields

using smtp_fields::kSmtpFields;

/// The e-mail forms' fields, as a table for the field functions.
inline constexpr FieldTable<SmtpSettings> SmtpFieldTable() {
    return kSmtpFields;
}

/// An e-mail field's key, checked while compiling.
consteval FieldKey SmtpKey(std::string_view name) {
    return FieldKey::In(SmtpFieldTable(), name);
}

}  // namespace tov
