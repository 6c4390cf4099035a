#pragma once

#include <QSize>
#include <QStringList>

class QComboBox;
class QScrollArea;
class QWidget;

namespace tov {

/// What a window frame (title bar and borders) takes around a window, in the window's own
/// pixels, so that the window with its frame stays on the screen's free area.
inline constexpr QSize kWindowFrameAllowance(16, 40);

/// Sizes `window` to its contents, held within the free area of its screen less the frame:
/// where the contents (the form's rows in `rows`) do not fit, `rows` scrolls and what the
/// window holds outside it (the Generate and Exit buttons) stays in view. Every list of the
/// window is widened to its entries first (FitEntries).
void FitToScreen(QWidget* window, QScrollArea* rows);

/// Widens `combo` where needed so that each of its entries, and each of `more` (entries other
/// choices bring into the list later), shows whole.
void FitEntries(QComboBox* combo, const QStringList& more = {});

/// The first control in `window`'s Tab order that takes typing (an editable line edit), or the
/// first control that takes the focus when there is none.
QWidget* FirstEditableControl(QWidget* window);

}  // namespace tov
