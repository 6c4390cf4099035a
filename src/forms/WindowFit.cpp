#include "forms/WindowFit.h"

#include "forms/FocusMark.h"

#include <QApplication>
#include <QComboBox>
#include <QLayout>
#include <QLineEdit>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionComboBox>

#include <algorithm>

namespace tov {

void FitEntries(QComboBox* combo, const QStringList& more) {
    int widest = 0;
    for (int i = 0; i < combo->count(); ++i) {
        widest = std::max(widest, combo->fontMetrics().horizontalAdvance(combo->itemText(i)));
    }
    for (const QString& entry : more) {
        widest = std::max(widest, combo->fontMetrics().horizontalAdvance(entry));
    }
    // What the list's frame and arrow take beside the part that shows the entry; the style
    // draws the entry one pixel in from each side of that part.
    constexpr int kProbe = 1000;
    QStyleOptionComboBox option;
    option.initFrom(combo);
    option.frame = combo->hasFrame();
    option.rect = QRect(0, 0, kProbe, combo->sizeHint().height());
    const QRect shown = combo->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                       QStyle::SC_ComboBoxEditField, combo);
    const int needed = widest + 2 + (kProbe - shown.width());
    if (combo->minimumWidth() < needed) {
        combo->setMinimumWidth(needed);
    }
}

void FitToScreen(QWidget* window, QScrollArea* rows) {
    window->ensurePolished();  // measured with the fonts and style it is shown with
    for (QComboBox* combo : window->findChildren<QComboBox*>()) {
        FitEntries(combo);
    }
    QWidget* contents = rows->widget();
    // Texts and lists were set after the layouts last measured them.
    contents->layout()->invalidate();
    contents->layout()->activate();
    const QSize wanted = contents->sizeHint().expandedTo(contents->minimumSizeHint());
    const QScreen* screen =
        window->screen() != nullptr ? window->screen() : QGuiApplication::primaryScreen();
    const QSize room = screen->availableGeometry().size() - kWindowFrameAllowance;

    // The window's size with the rows shown whole; what the window holds around them.
    rows->setMinimumSize(wanted);
    rows->setMaximumSize(wanted);
    window->layout()->invalidate();
    window->layout()->activate();
    const QSize whole = window->layout()->sizeHint().expandedTo(window->minimumSizeHint());
    const QSize around = whole - wanted;

    const int bar = rows->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, rows);
    bool scrollDown = whole.height() > room.height();
    const bool scrollAcross = whole.width() + (scrollDown ? bar : 0) > room.width();
    scrollDown = scrollDown || whole.height() + (scrollAcross ? bar : 0) > room.height();
    QSize shown(wanted.width() + (scrollDown ? bar : 0),
                wanted.height() + (scrollAcross ? bar : 0));
    shown = shown.boundedTo(room - around);

    rows->setMinimumSize(shown);
    rows->setMaximumSize(shown);
    rows->setHorizontalScrollBarPolicy(scrollAcross ? Qt::ScrollBarAlwaysOn
                                                    : Qt::ScrollBarAlwaysOff);
    rows->setVerticalScrollBarPolicy(scrollDown ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    window->layout()->invalidate();
    window->layout()->activate();
    window->setFixedSize(window->layout()->sizeHint());

    // Tab passes through the rows, never stops on the scrolled area itself, and whatever takes
    // the focus is scrolled into view, also when it comes from the buttons below.
    rows->setFocusPolicy(Qt::NoFocus);
    if (rows->property("followsFocus").toBool()) {
        return;
    }
    rows->setProperty("followsFocus", true);
    QObject::connect(qApp, &QApplication::focusChanged, rows, [rows](QWidget*, QWidget* now) {
        if (now != nullptr && rows->widget()->isAncestorOf(now)) {
            // The whole control and its focus ring, not only a field's cursor, which is what
            // QScrollArea::ensureWidgetVisible keeps in view.
            const QPoint middle = now->mapTo(rows->widget(), now->rect().center());
            const int ring = kFocusMarkWidth + 1;
            rows->ensureVisible(middle.x(), middle.y(), now->width() / 2 + ring,
                                now->height() / 2 + ring);
        }
    });
}

QWidget* FirstEditableControl(QWidget* window) {
    QWidget* first = nullptr;
    QWidget* widget = window->nextInFocusChain();
    while (widget != window) {
        const bool takesFocus = widget->isVisibleTo(window) && widget->isEnabled() &&
                                (widget->focusPolicy() & Qt::TabFocus) != 0;
        if (takesFocus) {
            if (const auto* edit = qobject_cast<QLineEdit*>(widget); edit && !edit->isReadOnly()) {
                return widget;
            }
            first = first != nullptr ? first : widget;
        }
        widget = widget->nextInFocusChain();
    }
    return first;
}

}  // namespace tov
