// Every window as a screen reader, a keyboard user and a small or scaled screen meet it, in
// all eleven languages: run at Qt scale 1 and 2 on a 1366x700 screen (CTest sets both).

#include "app/core/PreferenceStore.h"
#include "app/shell/ApplicationStyle.h"
#include "app/shell/CMainDlg.h"
#include "app/shell/SetupForms.h"
#include "common/LanguageRules.h"
#include "forms/FocusMark.h"
#include "forms/WindowFit.h"
#include "support/FakePlatform.h"
#include "support/MemoryPreferenceBackend.h"
#include "support/TempDir.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QFocusFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyleOptionComboBox>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <memory>

namespace tov {
namespace {

constexpr int kMg9030 = 4;  // Tov 9030MG, second family
constexpr int kMg2760 = 5;  // Tov 2760MG, first family

bool IsControl(const QWidget* widget) {
    return qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QComboBox*>(widget) ||
           qobject_cast<const QPushButton*>(widget);
}

QList<QWidget*> ShownControls(const QWidget& window) {
    QList<QWidget*> controls;
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        if (IsControl(widget) && widget->isVisibleTo(&window) &&
            widget->objectName() != QLatin1String("qt_spinbox_lineedit")) {
            controls << widget;
        }
    }
    return controls;
}

QString Shown(const QWidget* widget) {
    if (const auto* combo = qobject_cast<const QComboBox*>(widget)) {
        return combo->currentText();
    }
    if (const auto* edit = qobject_cast<const QLineEdit*>(widget)) {
        return edit->text();
    }
    return {};
}

// WCAG 2 relative luminance and contrast ratio.
double Luminance(const QColor& colour) {
    const auto channel = [](double value) {
        return value <= 0.03928 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF()) +
           0.0722 * channel(colour.blueF());
}
double Contrast(const QColor& a, const QColor& b) {
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// Controls that take Tab, in reading order: rows top to bottom (a control whose middle lies
// within the row's first control is in that row), each row left to right.
QList<QWidget*> VisualOrder(const QWidget& window) {
    QList<QWidget*> controls;
    // Locked fields are passed over; so is a field whose only label is its button (MMS folder).
    for (QWidget* widget : ShownControls(window)) {
        const auto* edit = qobject_cast<QLineEdit*>(widget);
        if (widget->isEnabled() && (edit == nullptr || !edit->isReadOnly())) {
            controls << widget;
        }
    }
    // The scrolled rows come first, placed as in their own frame; the buttons below them.
    const QWidget* rows = window.findChild<QWidget*>("rowsBody");
    const auto box = [&window, rows](const QWidget* w) {
        if (rows != nullptr && rows->isAncestorOf(w)) {
            return QRect(w->mapTo(rows, QPoint(0, 0)), w->size());
        }
        return QRect(w->mapTo(&window, QPoint(0, 100000)), w->size());
    };
    std::sort(controls.begin(), controls.end(),
              [&](QWidget* a, QWidget* b) { return box(a).top() < box(b).top(); });
    QList<QWidget*> ordered;
    for (qsizetype start = 0; start < controls.size();) {
        const QRect first = box(controls[start]);
        qsizetype end = start + 1;
        while (end < controls.size() && box(controls[end]).center().y() <= first.bottom()) {
            ++end;
        }
        QList<QWidget*> row = controls.mid(start, end - start);
        std::sort(row.begin(), row.end(),
                  [&](QWidget* a, QWidget* b) { return box(a).left() < box(b).left(); });
        ordered << row;
        start = end;
    }
    return ordered;
}

QList<QWidget*> TabOrder(QWidget& window, QWidget* from) {
    QList<QWidget*> visited{from};
    from->setFocus(Qt::TabFocusReason);
    for (int i = 0; i < 200; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* now = QApplication::focusWidget();
        if (now == from || now == nullptr || now->window() != &window) {
            break;
        }
        visited << now;
    }
    return visited;
}

void TabTo(QWidget* target) {
    for (int i = 0; i < 80 && QApplication::focusWidget() != target; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(QApplication::focusWidget(), target);
}

}  // namespace

class WindowAccessTest final : public QObject {
    Q_OBJECT

private:
    static bool Scaled() { return qEnvironmentVariable("QT_SCALE_FACTOR", "1") != "1"; }

    // What every window must pass: names, texts that fit, the screen, the Tab order.
    static void CheckWindow(QWidget& window) {
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        CheckNames(window);
        CheckShortcuts(window);
        CheckTextsFit(window);
        CheckScreen(window);
        const QList<QWidget*> expected = VisualOrder(window);
        QVERIFY(!expected.isEmpty());
        QCOMPARE(TabOrder(window, expected.front()), expected);
    }

    static void CheckNames(QWidget& window) {
        for (QWidget* control : ShownControls(window)) {
            QAccessibleInterface* access = QAccessible::queryAccessibleInterface(control);
            const QString name = access->text(QAccessible::Name).trimmed();
            const QString what = control->objectName() + " named \"" + name + "\"";
            QVERIFY2(!name.isEmpty(), qPrintable(what));
            QVERIFY2(Shown(control).isEmpty() || name != Shown(control).trimmed(),
                     qPrintable(what));
            QVERIFY2(name != access->text(QAccessible::Value).trimmed(), qPrintable(what));
            if (const auto* edit = qobject_cast<QLineEdit*>(control);
                edit && edit->echoMode() == QLineEdit::Password) {
                // Named, but the text never reaches a screen reader.
                QVERIFY(!access->text(QAccessible::Value).contains(edit->text()) ||
                        edit->text().isEmpty());
                QVERIFY(access->textInterface() == nullptr ||
                        access->textInterface()->text(0, edit->text().size()).isEmpty());
            }
        }
    }

    // Every button has a key of its own in its window.
    static void CheckShortcuts(QWidget& window) {
        QList<QKeySequence> keys;
        for (QPushButton* button : window.findChildren<QPushButton*>()) {
            if (button->isVisibleTo(&window)) {
                QVERIFY2(!button->shortcut().isEmpty(), qPrintable(button->objectName()));
                QVERIFY2(!keys.contains(button->shortcut()), qPrintable(button->objectName()));
                keys << button->shortcut();
            }
        }
    }

    // The fields whose label does not say what they mean explain themselves, in Chinese in the
    // Chinese interface.
    static void CheckExplanations(const QWidget& form, int language) {
        static const QRegularExpression chinese(QStringLiteral("[\\x{4e00}-\\x{9fff}]"));
        for (const char* name :
             {"hoursLabel", "smsRemoteCombo", "smsRemoteUnitLabel", "smsRemoteHoursCombo",
              "mmsSendCombo", "pictureLimitEdit", "maxImagesEdit", "phone2Edit", "phone3Edit",
              "urlEdit", "apnEdit", "gprsPasswordEdit"}) {
            if (const auto* widget = form.findChild<QWidget*>(name)) {
                QVERIFY2(!widget->toolTip().isEmpty(), name);
                QCOMPARE(widget->toolTip().contains(chinese), language == kChinese);
            }
        }
    }

    static void CheckTextsFit(QWidget& window) {
        for (QLabel* label : window.findChildren<QLabel*>()) {
            if (label->isVisibleTo(&window) && !label->text().isEmpty()) {
                const QSize need = label->sizeHint();
                QVERIFY2(need.width() <= label->width() && need.height() <= label->height(),
                         qPrintable(label->objectName() + " cuts " + label->text()));
            }
        }
        for (QPushButton* button : window.findChildren<QPushButton*>()) {
            if (button->isVisibleTo(&window)) {
                const QSize need = button->sizeHint();
                QVERIFY2(need.width() <= button->width() && need.height() <= button->height(),
                         qPrintable(button->objectName() + " cuts " + button->text()));
            }
        }
        for (QComboBox* combo : window.findChildren<QComboBox*>()) {
            if (combo->isVisibleTo(&window)) {
                CheckEntriesFit(combo);
            }
        }
    }

    // Each entry fits the part of the list that shows it.
    static void CheckEntriesFit(QComboBox* combo) {
        QStyleOptionComboBox option;
        option.initFrom(combo);
        option.editable = false;
        option.frame = combo->hasFrame();
        const QRect room = combo->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                          QStyle::SC_ComboBoxEditField, combo);
        for (int i = 0; i < combo->count(); ++i) {
            const QString entry = combo->itemText(i);
            // The style draws the entry one pixel in from each side.
            QVERIFY2(combo->fontMetrics().horizontalAdvance(entry) + 2 <= room.width(),
                     qPrintable(combo->objectName() + " cuts " + entry));
        }
    }

    // With its frame the window stays on the free area; at scale 1 nothing scrolls; the
    // buttons below the rows are always in view.
    static void CheckScreen(QWidget& window) {
        const QSize room = window.screen()->availableGeometry().size();
        QVERIFY2(window.width() + kWindowFrameAllowance.width() <= room.width() &&
                     window.height() + kWindowFrameAllowance.height() <= room.height(),
                 qPrintable(QString("%1x%2").arg(window.width()).arg(window.height())));
        for (QPushButton* button : window.findChildren<QPushButton*>()) {
            const QRect place(button->mapTo(&window, QPoint(0, 0)), button->size());
            const auto* rows = window.findChild<QScrollArea*>("rowsScroll");
            if (rows == nullptr || !rows->isAncestorOf(button)) {
                QVERIFY(window.rect().contains(place));
            }
        }
        if (const auto* rows = window.findChild<QScrollArea*>("rowsScroll"); rows && !Scaled()) {
            QVERIFY(!rows->verticalScrollBar()->isVisible());
            QVERIFY(!rows->horizontalScrollBar()->isVisible());
        }
    }

    static void AddFormRows() {
        QTest::addColumn<int>("model");
        QTest::addColumn<int>("language");
        for (const int model : {kMg9030, kMg2760}) {
            for (int language = 1; language <= kLanguageCount; ++language) {
                QTest::addRow("model %d language %d", model, language) << model << language;
            }
        }
    }

    static void CheckForm(SetupButton button) {
        QFETCH(int, model);
        QFETCH(int, language);
        AppState state;
        state.modelIndex = model;
        state.languageIndex = language;
        test::FakePlatform platform;
        const std::unique_ptr<QDialog> form =
            MakeSetupForm(FormFor(button, model), state, platform);
        // The focus starts where typing goes.
        const auto* first = qobject_cast<QLineEdit*>(form->focusWidget());
        QVERIFY(first != nullptr && !first->isReadOnly());
        CheckWindow(*form);
        CheckExplanations(*form, language);
        // Operator lists change with the country: every catalogue entry must fit.
        if (auto* countries = form->findChild<QComboBox*>("countryCombo")) {
            auto* operators = form->findChild<QComboBox*>("operatorCombo");
            for (int i = 0; i < countries->count(); ++i) {
                countries->setCurrentIndex(i);
                CheckEntriesFit(operators);
            }
        }
        QVERIFY(platform.messages.empty());
    }

private slots:
    void initTestCase() { ApplyDialogColours(); }

    void mainWindow_data() {
        QTest::addColumn<int>("language");
        for (int language = 1; language <= kLanguageCount; ++language) {
            QTest::addRow("language %d", language) << language;
        }
    }
    void mainWindow() {
        QFETCH(int, language);
        test::FakePlatform platform;
        MemoryPreferenceBackend backend;
        PreferenceStore store(backend, platform.langId);
        AppState state;
        ApplyStartupLanguage(state, platform.langId, language);
        state.modelIndex = kMg9030;
        CMainDlg window(state, store, platform);
        CheckWindow(window);
    }

    void cameraForm_data() { AddFormRows(); }
    void cameraForm() { CheckForm(SetupButton::Camera); }
    void mmsForm_data() { AddFormRows(); }
    void mmsForm() { CheckForm(SetupButton::Mms); }
    void smtpForm_data() { AddFormRows(); }
    void smtpForm() { CheckForm(SetupButton::Smtp); }

    // Each file written with the keyboard alone: Tab, typing, Enter (in the e-mail form, where
    // Enter never generates, Space on the focused Generate button).
    void keyboardWritesEachFile() {
        AppState state;
        state.modelIndex = kMg9030;
        test::FakePlatform platform;
        test::TempDir dir;
        const auto type = [](const QString& text) {
            QTest::keyClicks(QApplication::focusWidget(), text);
        };
        const auto press = [](Qt::Key key) {
            QTest::keyClick(QApplication::focusWidget(), key);
        };
        const auto child = [](const std::unique_ptr<QDialog>& form, const char* name) {
            return form->findChild<QWidget*>(name);
        };
        const auto show = [](const std::unique_ptr<QDialog>& form) {
            form->show();
            form->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(form.get()));
        };

        const auto camera = MakeSetupForm(SetupForm::Camera9030, state, platform);
        show(camera);
        QCOMPARE(QApplication::focusWidget(), child(camera, "videoLengthEdit"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
        type("30");
        platform.folderAnswers.push_back(dir.str());
        TabTo(child(camera, "selectButton"));
        press(Qt::Key_Return);  // the picker answers with the folder
        press(Qt::Key_Tab);     // to the folder field, where Enter generates
        press(Qt::Key_Return);
        QCOMPARE(test::ReadBytes(dir.path() / "menu.dat").size(), std::size_t{60});
        QCOMPARE(platform.messages.size(), std::size_t{1});

        const auto mms = MakeSetupForm(SetupForm::Mms9030, state, platform);
        show(mms);
        TabTo(child(mms, "phone1Edit"));
        type("13800138000");
        platform.folderAnswers.push_back(dir.str());
        TabTo(child(mms, "selectButton"));
        press(Qt::Key_Return);
        press(Qt::Key_Tab);  // the folder field is Select's alone: on to Generate
        QCOMPARE(QApplication::focusWidget(), child(mms, "generateButton"));
        press(Qt::Key_Return);
        QCOMPARE(test::ReadBytes(dir.path() / "setup.dat").size(), std::size_t{720});
        QCOMPARE(platform.messages.size(), std::size_t{2});

        const auto smtp = MakeSetupForm(SetupForm::Smtp9030, state, platform);
        show(smtp);
        const std::string folder = dir.str();
        for (const auto& [field, text] : {std::pair{"smtpServerEdit", "smtp.example.com"},
                                          {"portEdit", "465"},
                                          {"senderEmailEdit", "cam@example.com"},
                                          {"senderPasswordEdit", "pw"},
                                          {"recipientEmailEdit", "me@example.org"},
                                          {"folderEdit", folder.c_str()}}) {
            TabTo(child(smtp, field));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
            type(QString::fromUtf8(text));
        }
        TabTo(child(smtp, "generateButton"));
        press(Qt::Key_Space);
        QCOMPARE(platform.messages.size(), std::size_t{3});
        QCOMPARE(test::ReadBytes(dir.path() / "smtp.dat").size(), std::size_t{720});
    }

    // The focus ring stands out from the dialogs' background and follows the focus.
    void focusMarkIsSeen() {
        QVERIFY(Contrast(kFocusMarkColour, kDialogBackground) >= 3.0);
        AppState state;
        state.modelIndex = kMg9030;
        test::FakePlatform platform;
        const auto form = MakeSetupForm(SetupForm::Mms9030, state, platform);
        form->show();
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        auto* mark = form->findChild<QFocusFrame*>("focusMark");
        QVERIFY(mark != nullptr);
        QTRY_COMPARE(mark->widget(), form->focusWidget());
        QTest::keyClick(form->focusWidget(), Qt::Key_Tab);
        QTRY_COMPARE(mark->widget(), form->focusWidget());
        QVERIFY(mark->isVisible());
    }
};

}  // namespace tov

QTEST_MAIN(tov::WindowAccessTest)
#include "WindowAccessTest.moc"
