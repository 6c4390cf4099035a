#include "app/shell/ApplicationStyle.h"

namespace tov {

QString ApplicationStyleSheet() {
    // Only static texts turn white: labels, check and radio boxes, group titles. Everything
    // the user types into or presses keeps the normal palette, except that a locked (read-only)
    // field is greyed so that it does not look editable.
    return QStringLiteral("QDialog { background-color: %1; }\n"
                          "QDialog QLabel, QDialog QCheckBox, QDialog QRadioButton,"
                          " QDialog QGroupBox { color: %2; }\n"
                          "QLineEdit[readOnly=\"true\"] { background-color: #e4e4e4;"
                          " color: #404040; }\n")
        .arg(kDialogBackground.name(), kDialogText.name());
}

QIcon ApplicationIcon() {
    return QIcon(QStringLiteral(":/icons/tovbrenn.png"));
}

QIcon WindowIcon() {
    return QIcon(QStringLiteral(":/icons/tovbrenn-window.png"));
}

}  // namespace tov
