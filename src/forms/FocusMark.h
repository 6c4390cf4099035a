#pragma once

#include <QColor>

class QWidget;

namespace tov {

/// The ring drawn around the control that has the keyboard focus: black, which stands out
/// from the dialogs' blue (7:1) and from the white fields, where the style's own mark, drawn in
/// the selection blue, is hard to see.
inline const QColor kFocusMarkColour(0, 0, 0);
/// The ring's width in pixels, drawn just outside the control.
inline constexpr int kFocusMarkWidth = 2;

/// Gives `window` a focus ring that follows the focus among its controls.
void AddFocusMark(QWidget* window);

}  // namespace tov
