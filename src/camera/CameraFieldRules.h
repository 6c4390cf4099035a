#pragma once

#include "app/AppState.h"
#include "camera/CameraMenuSettings.h"
#include "camera/CameraModelInfo.h"

#include <span>
#include <string_view>

namespace tov {

/// How a failed check is reported: the tool's own range message (ShowMessage, Chinese or
/// English), the platform's field range message, or the platform's text length message.
enum class CheckKind { ToolRange, FieldRange, FolderLength };

/// One step of reading a camera form. `key` is the settings field name ("videoLength",
/// "timer2StopMinute", "folder"); `member` is null for the folder step.
struct CameraFieldCheck {
    std::string_view key;
    int CameraMenuSettings::*member;
    int min;
    int max;
    CheckKind kind;
};

/// A typed folder may have at most this many characters.
inline constexpr int kFolderMaxChars = 80;

/// The order in which a camera form reads and checks its fields, stopping at the first
/// failure. The families differ only in the order of the last two timer-2 fields.
std::span<const CameraFieldCheck> CameraReadOrder(Family family);

/// The correction a text-changed handler applies after reading: a video length of 0 or
/// above 60 becomes 10; an interval above 60, or 0 with unit Min, becomes 1; an hour above 23
/// or a minute or second above 59 becomes 0. Returns whether a value changed (the form is
/// then written).
bool CorrectAfterEdit(CameraMenuSettings& settings, std::string_view key);

/// Switching the interval unit to Min turns an interval of 0 into 1. Returns whether it did.
bool CorrectAfterUnitChange(CameraMenuSettings& settings);

/// Default: resets selections and held numbers as the Default button does. Kept: interval
/// value, timer 2 and its times, date format, clock text, folder, and in the second family
/// beep sound and SD cycle. An empty image size list stays without a selection.
void ApplyDefaultReset(CameraMenuSettings& settings, const CameraModelInfo& info);

}  // namespace tov
