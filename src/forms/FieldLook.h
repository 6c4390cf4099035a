#pragma once

#include <QColor>

class QLineEdit;

namespace tov {

/// A locked (read-only) field is greyed so that it does not look editable.
inline const QColor kReadOnlyBackground(0xe4, 0xe4, 0xe4);
inline const QColor kReadOnlyText(0x40, 0x40, 0x40);

/// Locks or unlocks a line edit: read-only, greyed and passed over by Tab, or editable with the
/// normal colours and a Tab stop.
/// Forms call this instead of QLineEdit::setReadOnly.
void SetFieldReadOnly(QLineEdit* edit, bool readOnly);

}  // namespace tov
