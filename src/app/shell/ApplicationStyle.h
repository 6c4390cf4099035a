#pragma once

#include <QColor>
#include <QIcon>

namespace tov {

/// The background of every dialog and message box, and the colour of their static texts.
inline const QColor kDialogBackground(111, 153, 224);
inline const QColor kDialogText(255, 255, 255);

/// Gives every dialog and message box of the application its colours through the palette of
/// the QDialog class: the background and white static texts (labels, check and radio boxes,
/// group titles). Buttons, lists and input fields keep the platform's look.
void ApplyDialogColours();

/// The application's own icon, also shown in its message boxes and the About box.
QIcon ApplicationIcon();
/// The icon of the main window's title bar.
QIcon WindowIcon();

}  // namespace tov
