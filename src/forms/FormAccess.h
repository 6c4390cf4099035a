#pragma once

#include <QKeySequence>
#include <QString>

#include <initializer_list>

class QAbstractButton;
class QLabel;
class QWidget;

namespace tov {

/// Makes drop-down lists answer screen readers with their label (their buddy label or
/// accessible name) as the name and their shown entry as the value. Qt on Linux names a list
/// by its shown entry, so a reader announced "combo box, China" with no word of what is chosen.
/// Idempotent; windows call it before they are first shown.
void InstallAccessibleListNames();

/// Names `control` for screen readers by the texts of `labels`, in order (a field whose
/// meaning takes a row label and a column caption: "Timer Start: Hour"), and `suffix`, if any.
void NameByLabels(QWidget* control, std::initializer_list<const QLabel*> labels,
                  const QString& suffix = {});

/// Gives `button` the key `shortcut` (Alt and a letter: the texts in the tables carry no
/// mnemonics, and the Chinese ones have no letter to mark) and says so in its tooltip, which
/// screen readers read as its description. Call it after the button's text is set: setting the
/// text drops the shortcut.
void GiveShortcut(QAbstractButton* button, const QKeySequence& shortcut);

}  // namespace tov
