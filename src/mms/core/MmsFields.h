#pragma once

#include "common/ContactChecks.h"
#include "common/FieldTable.h"
#include "mms/core/MmsSettings.h"

#include <array>

namespace tov {

/// The drop-down lists of the MMS forms.
enum MmsList : int {
    kMmsModeList,
    kMmsSendList,
    kMmsBearerList,
    kMmsPhoneFormatList,
    kMmsCountryList,
    kMmsOperatorList,
    kMmsRemoteList,
};

namespace mms_fields {

using S = MmsSettings;
using enum FieldKind;
using enum Coding;
using enum LimitMessage;

/// A text that the operator preset sets in Auto mode: Auto locks it.
constexpr Field<S> Access(Field<S> field) {
    field.lock = {"mode", kMmsAuto};
    return field;
}

constexpr Field<S> ListField(std::string_view key, int S::*member, MmsList list, Place place,
                             int opening) {
    return {.key = key,
            .kind = Choice,
            .number = member,
            .list = list,
            .place = Both(place),
            .opening = Both(opening)};
}

// Both families lay setup.dat out alike. Header bytes that no field gives, or that follow a
// rule of the family or the mode, are set by the file builder: byte 0 (the MMS Send choice as
// the family codes it), 5 (language), 6 (TV mode), and 8, which holds 0x80 in Manual mode in
// place of a country.
// Read order: the form reads Account, the folder, URL, APN, Password, Gateway, Port, Phone No,
// the two Phone or Email fields, Email and Picture No./day, and stops at the first failure.
inline constexpr std::array kMmsFields = {
    ListField("mode", &S::mode, kMmsModeList, ByteAt(55, OneWhenFirst), kMmsAuto),
    ListField("mmsSend", &S::mmsSend, kMmsSendList, ByteAt(1, PlusOne), 1),
    ListField("bearer", &S::bearer, kMmsBearerList, ByteAt(2), 0),
    Field<S>{.key = "pictureLimit",
             .kind = Number,
             .number = &S::pictureLimit,
             .min = 0,
             .max = 99,
             .correctTo = 0,
             .readOrder = Both(12),
             .place = Both(ByteAt(3, TensUnits)),
             .opening = Both(0)},
    ListField("phoneFormat", &S::phoneFormat, kMmsPhoneFormatList, ByteAt(7), kDomestic),
    // The command line's keys are "country" and "operator" (a C++ keyword, so the members
    // keep their longer names).
    ListField("country", &S::countryIndex, kMmsCountryList, ByteAt(8), 0),
    ListField("operator", &S::operatorIndex, kMmsOperatorList, ByteAt(9), 0),
    ListField("smsRemoteHours", &S::smsRemoteHours, kMmsRemoteList, ByteAt(10), kSmsRemoteOff),
    // The access texts: the operator preset sets them in Auto mode, which locks them.
    // Addresses, numbers and access data reach the network, in ASCII (Network); the password
    // is whatever the operator gave.
    Access(Network(TextRecordField("url", &S::url, 50, 1, 3))),
    Access(Network(TextRecordField("apn", &S::apn, 30, 2, 4))),
    Access(Network(TextRecordField("gateway", &S::gateway, 20, 3, 6))),
    Access(Network(TextRecordField("port", &S::port, 10, 4, 7))),
    // Phone No also has the length rule of its format (MmsChecks.h), checked as it is read.
    Network(TextRecordField("phone1", &S::phone1, 32, 5, 8)),
    Network(TextRecordField("email", &S::email, 40, 6, 11)),
    Access(Network(TextRecordField("account", &S::account, 30, 7, 1))),
    Access(Secret(TextRecordField("mmsPassword", &S::mmsPassword, 30, 8, 5))),
    Network(TextRecordField("phone2", &S::phone2, 32, 9, 9)),
    Network(TextRecordField("phone3", &S::phone3, 32, 10, 10)),
    // The folder comes from the picker only; a path over 80 characters is refused on reading.
    Field<S>{.key = "folder",
             .kind = Folder,
             .text = &S::folder,
             .max = 80,
             .message = StandardLength,
             .readOrder = Both(2)},
};

}  // namespace mms_fields

using mms_fields::kMmsFields;

/// The MMS forms' fields, as a table for the field functions.
inline constexpr FieldTable<MmsSettings> MmsFieldTable() {
    return kMmsFields;
}

/// An MMS field's key, checked while compiling.
consteval FieldKey MmsKey(std::string_view name) {
    return FieldKey::In(MmsFieldTable(), name);
}

/// The keys of the texts that the operator preset sets in Auto mode: the rows Auto locks.
inline constexpr auto kMmsAccessKeys = LockedKeys<MmsSettings, 6>(kMmsFields, {"mode", kMmsAuto});

}  // namespace tov
