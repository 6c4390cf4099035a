#pragma once

#include "common/AppState.h"

#include <initializer_list>
#include <string>
#include <string_view>

namespace tov::cards {

/// `pattern` with %1, %2, ... replaced by `args` in turn.
std::string Filled(std::string_view pattern, std::initializer_list<std::string_view> args);

/// The texts about memory cards, in the two languages of the tool's messages.
namespace text {
// A write that replaces a file.
inline constexpr MessagePair kNoSettingChanged{"没有设置改变", "no setting changed"};
inline constexpr MessagePair kOneSettingChanged{"1 项设置改变：%1", "1 setting changed: %1"};
inline constexpr MessagePair kSettingsChanged{"%1 项设置改变：%2", "%1 settings changed: %2"};
inline constexpr MessagePair kAndMore{" 等，另有 %1 项", " and %1 more"};
inline constexpr MessagePair kBackToFactory{
    "所有设置恢复为相机的出厂设置", "every setting returns to the camera's factory settings"};
inline constexpr MessagePair kBackupFailed{
    "无法在 %2 中保存 %1 的副本：%3\n未写入任何内容。",
    "Could not keep a copy of %1 in %2: %3\nNothing was written."};
inline constexpr MessagePair kBackupKept{"原文件已保存在 %1。", "The previous file is kept in %1."};
inline constexpr MessagePair kChooseDestination{
    "请先在列表中选择存储卡，或选择一个文件夹；未写入任何内容。",
    "Choose a memory card in the list, or a folder, first; nothing was written."};

// Ejecting.
inline constexpr MessagePair kInsertNext{"请插入下一张存储卡。", "Insert the next card."};
inline constexpr MessagePair kMayBeRemoved{"存储卡 %1 现在可以取出%2。",
                                           "The card %1 may be removed now%2."};
inline constexpr MessagePair kReaderKeepsIt{"（读卡器不会自行弹出）",
                                            " (the reader does not eject it itself)"};
inline constexpr MessagePair kReaderOff{"；读卡器已断电", "; its reader is powered off"};
inline constexpr MessagePair kReaderStillOn{"（读卡器未能断电）",
                                            " (its reader could not be powered off)"};
inline constexpr MessagePair kStillOpen{
    "存储卡 %1 还不能取出：有程序仍打开着卡上的文件%2。请关闭它后再弹出。",
    "The card %1 may not be removed yet: a program still holds a file open on it%2. Close it and "
    "eject again."};
inline constexpr MessagePair kEjectFailed{
    "存储卡 %1 无法弹出，还不能取出：%2",
    "The card %1 could not be ejected and may not be removed yet: %2"};
inline constexpr MessagePair kEjectUnavailable{"此处无法弹出存储卡。",
                                               "Ejecting is not available here."};
}  // namespace text

}  // namespace tov::cards
