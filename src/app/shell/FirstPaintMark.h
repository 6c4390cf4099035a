#pragma once

namespace tov {

/// For start-up measurements: when the environment variable TOVBRENN_QUIT_AFTER_FIRST_PAINT
/// is set, the first window to be painted (the main window) prints "first-paint NS" on
/// standard output, NS being the steady clock in nanoseconds once the paint has been flushed,
/// and the application quits. Without the variable nothing is installed.
/// Call once, after the QApplication is made.
void QuitAfterFirstPaintIfAsked();

}  // namespace tov
