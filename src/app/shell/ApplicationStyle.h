#pragma once

#include <QColor>
#include <QIcon>
#include <QString>

namespace tov {

/// The background of every dialog and message box, and the colour of their static texts.
inline const QColor kDialogBackground(111, 153, 224);
inline const QColor kDialogText(255, 255, 255);

/// The style sheet that gives every dialog and message box of the application its colours;
/// buttons and input fields keep the platform's look.
QString ApplicationStyleSheet();

/// The application's own icon, also shown in its message boxes.
QIcon ApplicationIcon();
/// The icon of the main window's title bar.
QIcon WindowIcon();

}  // namespace tov
