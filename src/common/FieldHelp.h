#pragma once

#include "common/AppState.h"

namespace tov {

// Explanations the forms show as tooltips (and screen readers read as descriptions) where a
// field's label does not say what it means, and names for controls that have no label of their
// own. English, and Chinese in the Chinese interface (AppState::message picks).

/// The "H" after the SMS Remote Control list.
inline constexpr MessagePair kHoursHelp{
    "H：小时。短信远程控制的间隔小时数（0 到 24）；关闭则不使用短信远程控制。",
    "H: hours. The SMS remote control interval in hours (0 to 24); Off turns SMS remote control "
    "off."};

/// The MMS Send list: what each entry sends.
inline constexpr MessagePair kMmsSendHelp{
    "彩信发送的图片尺寸：VGA = 640x480，QVGA = 320x240。SMS：只发短信到手机号码。关闭：不发送。",
    "Size of the pictures sent by MMS: VGA = 640x480, QVGA = 320x240. SMS: text messages to the "
    "Phone No only. Off: nothing is sent."};

/// Picture No./day and Max Image No.: what 0 means.
inline constexpr MessagePair kPictureLimitHelp{
    "每天最多发送的图片张数，0 到 99；0 = 无限制。",
    "The most pictures sent per day, 0 to 99; 0 = no limit."};

/// The first Phone or Email field of the MMS form, locked until it may be used.
inline constexpr MessagePair kPhoneOrEmail1Help{
    "手机号码至少有 5 个字符（或 Email 含有 @）后才能填写此项；否则保持灰色和空白。",
    "Can be typed once the Phone No has at least 5 characters (or the Email holds an address "
    "with @); until then it stays greyed and empty."};

/// The second Phone or Email field.
inline constexpr MessagePair kPhoneOrEmail2Help{
    "上一个“手机号码或邮件”至少有 5 个字符后才能填写此项；否则保持灰色和空白。",
    "Can be typed once the Phone or Email above has at least 5 characters; until then it stays "
    "greyed and empty."};

/// The access fields the Auto mode fills from the operator catalogue.
inline constexpr MessagePair kAutoAccessHelp{
    "自动模式：写入文件的是所选国家和运营商的预设值，因此这些字段保持灰色和空白。选择手动可自行输入"
    "。",
    "Auto mode writes the preset of the chosen Country and Operator into the file, so these "
    "fields stay greyed and empty. Choose Manual to type them."};

}  // namespace tov
