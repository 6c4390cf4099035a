#include "forms/FieldLook.h"

#include <QLineEdit>
#include <QPalette>

namespace tov {

void SetFieldReadOnly(QLineEdit* edit, bool readOnly) {
    edit->setReadOnly(readOnly);
    // Tab passes over a locked field: there is nothing to type there.
    edit->setFocusPolicy(readOnly ? Qt::NoFocus : Qt::StrongFocus);
    if (!readOnly) {
        // An empty palette hands the edit back to the colours it inherits.
        edit->setPalette(QPalette());
        return;
    }
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Base, kReadOnlyBackground);
    palette.setColor(QPalette::Text, kReadOnlyText);
    edit->setPalette(palette);
}

}  // namespace tov
