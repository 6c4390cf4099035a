#include "forms/FormAccess.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLabel>
#include <QStringList>

namespace tov {
namespace {

// A drop-down list as a screen reader meets it: the name from its label, the value from its
// entry, the popup list as its one child, and the actions to open and close it.
class AccessibleList final : public QAccessibleWidget {
public:
    explicit AccessibleList(QComboBox* combo) : QAccessibleWidget(combo, QAccessible::ComboBox) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Value) {
            return combo()->currentText();
        }
        return QAccessibleWidget::text(kind);
    }
    int childCount() const override { return 1; }
    QAccessibleInterface* child(int index) const override {
        return index == 0 ? QAccessible::queryAccessibleInterface(combo()->view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child != nullptr && child->object() == combo()->view() ? 0 : -1;
    }
    QStringList actionNames() const override {
        return QStringList{showMenuAction(), pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        if (action == showMenuAction() || action == pressAction()) {
            if (combo()->view()->isVisible()) {
                combo()->hidePopup();
            } else {
                combo()->showPopup();
            }
            return;
        }
        QAccessibleWidget::doAction(action);
    }

private:
    QComboBox* combo() const { return static_cast<QComboBox*>(widget()); }
};

QAccessibleInterface* ListFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("QComboBox")) {
        if (auto* combo = qobject_cast<QComboBox*>(object);
            combo != nullptr && !combo->isEditable()) {
            return new AccessibleList(combo);
        }
    }
    return nullptr;
}

}  // namespace

void InstallAccessibleListNames() {
    static const bool installed = [] {
        QAccessible::installFactory(ListFactory);
        return true;
    }();
    (void)installed;
}

void NameByLabels(QWidget* control, std::initializer_list<const QLabel*> labels,
                  const QString& suffix) {
    QStringList parts;
    for (const QLabel* label : labels) {
        if (const QString text = label->text().trimmed(); !text.isEmpty()) {
            parts << text;
        }
    }
    if (!suffix.isEmpty()) {
        parts << suffix;
    }
    control->setAccessibleName(parts.join(QLatin1Char(' ')));
}

void GiveShortcut(QAbstractButton* button, const QKeySequence& shortcut) {
    button->setShortcut(shortcut);
    button->setToolTip(shortcut.toString(QKeySequence::NativeText));
}

}  // namespace tov
