// Every window as a screen reader, a keyboard user and a small or scaled screen meet it, in all
// eleven languages, on a 1366x700 screen at the Qt scale CTest sets (1, 1.5, 2).

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

namespace tov {
namespace {

constexpr int kMg9030 = 4;  // Tov 9030MG, second family
constexpr int kMg2760 = 5;  // Tov 2760MG, first family

template <class W>
QList<W*> Shown(const QWidget& window) {
    QList<W*> shown = window.findChildren<W*>();
    shown.removeIf([&window](W* widget) { return !widget->isVisibleTo(&window); });
    return shown;
}

QList<QWidget*> Controls(const QWidget& window) {
    QList<QWidget*> controls;
    for (QWidget* w : Shown<QWidget>(window)) {
        if (qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w) ||
            qobject_cast<QPushButton*>(w)) {
            controls << w;
        }
    }
    return controls;
}

// WCAG 2 contrast ratio.
double Contrast(const QColor& a, const QColor& b) {
    const auto luminance = [](const QColor& c) {
        const auto lin = [](double v) {
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * lin(c.redF()) + 0.7152 * lin(c.greenF()) + 0.0722 * lin(c.blueF());
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The enabled controls that take typing or a choice, in reading order: rows top to bottom (a
// control whose middle lies within a row's first control joins it), each left to right; the
// scrolled rows first, the buttons below them last.
QList<QWidget*> ReadingOrder(const QWidget& window) {
    QList<QWidget*> controls = Controls(window);
    controls.removeIf([](QWidget* w) {
        const auto* edit = qobject_cast<QLineEdit*>(w);
        return !w->isEnabled() || (edit != nullptr && edit->isReadOnly());
    });
    const QWidget* rows = window.findChild<QWidget*>("rowsBody");
    const auto box = [&window, rows](const QWidget* w) {
        const bool inRows = rows != nullptr && rows->isAncestorOf(w);
        return QRect(inRows ? w->mapTo(rows, QPoint(0, 0)) : w->mapTo(&window, QPoint(0, 100000)),
                     w->size());
    };
    std::sort(controls.begin(), controls.end(),
              [&](QWidget* a, QWidget* b) { return box(a).top() < box(b).top(); });
    for (qsizetype start = 0, end = 0; start < controls.size(); start = end) {
        for (end = start + 1; end < controls.size() &&
                              box(controls[end]).center().y() <= box(controls[start]).bottom();) {
            ++end;
        }
        std::sort(controls.begin() + start, controls.begin() + end,
                  [&](QWidget* a, QWidget* b) { return box(a).left() < box(b).left(); });
    }
    return controls;
}

void Press(Qt::Key key) {
    QTest::keyClick(QApplication::focusWidget(), key);
}

void TabTo(QWidget* target) {
    for (int i = 0; i < 80 && QApplication::focusWidget() != target; ++i) {
        Press(Qt::Key_Tab);
    }
    QCOMPARE(QApplication::focusWidget(), target);
}

void Show(QWidget& window) {
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
}

}  // namespace

class WindowAccessTest final : public QObject {
    Q_OBJECT

    static void CheckWindow(QWidget& window) {
        Show(window);
        QList<QKeySequence> keys;
        for (QWidget* control : Controls(window)) {
            // Named, and not by what it shows.
            QAccessibleInterface* access = QAccessible::queryAccessibleInterface(control);
            const QString name = access->text(QAccessible::Name).trimmed();
            const QString what = control->objectName() + " named \"" + name + "\"";
            QVERIFY2(!name.isEmpty() && name != access->text(QAccessible::Value).trimmed(),
                     qPrintable(what));
            // Every button has a key of its own; its text is not cut.
            if (const auto* button = qobject_cast<QPushButton*>(control)) {
                QVERIFY2(!button->shortcut().isEmpty() && !keys.contains(button->shortcut()),
                         qPrintable(what));
                keys << button->shortcut();
                QVERIFY2(button->width() >= button->sizeHint().width(), qPrintable(what));
            }
        }
        for (const QLabel* label : Shown<QLabel>(window)) {
            QVERIFY2(label->width() >= label->sizeHint().width() &&
                         label->height() >= label->sizeHint().height(),
                     qPrintable(label->objectName() + " cuts " + label->text()));
        }
        for (QComboBox* combo : Shown<QComboBox>(window)) {
            CheckEntriesFit(combo);
        }
        // On the free area with its frame; at scale 1 nothing scrolls; the buttons below the
        // rows are in view.
        const QSize room = window.screen()->availableGeometry().size() - kWindowFrameAllowance;
        QVERIFY2(window.width() <= room.width() && window.height() <= room.height(),
                 qPrintable(QString("%1x%2").arg(window.width()).arg(window.height())));
        if (const auto* rows = window.findChild<QScrollArea*>("rowsScroll")) {
            if (qEnvironmentVariable("QT_SCALE_FACTOR", "1") == "1") {
                QVERIFY(!rows->verticalScrollBar()->isVisible() &&
                        !rows->horizontalScrollBar()->isVisible());
            }
            for (const QPushButton* button : {window.findChild<QPushButton*>("generateButton"),
                                              window.findChild<QPushButton*>("exitButton")}) {
                QVERIFY(window.rect().contains(
                    QRect(button->mapTo(&window, QPoint(0, 0)), button->size())));
            }
        }
        // Tab visits the fields in reading order and passes over the locked ones; the focus
        // ring follows and stands out from the background.
        const QList<QWidget*> expected = ReadingOrder(window);
        QList<QWidget*> visited{expected.front()};
        expected.front()->setFocus(Qt::TabFocusReason);
        for (Press(Qt::Key_Tab);
             QApplication::focusWidget() != expected.front() && visited.size() < 100;
             Press(Qt::Key_Tab)) {
            QWidget* focus = QApplication::focusWidget();
            visited << focus;
            // Scrolled into view when it takes the focus.
            if (const auto* rows = window.findChild<QScrollArea*>("rowsScroll");
                rows != nullptr && focus != nullptr && rows->isAncestorOf(focus)) {
                const QWidget* view = rows->viewport();
                QVERIFY2(
                    view->rect().contains(QRect(focus->mapTo(view, QPoint(0, 0)), focus->size())),
                    qPrintable(focus->objectName()));
            }
        }
        QCOMPARE(visited, expected);
        QTRY_COMPARE(window.findChild<QFocusFrame*>("focusMark")->widget(), expected.front());
        QVERIFY(Contrast(kFocusMarkColour, kDialogBackground) >= 3.0);
    }

    // Each entry fits the part of the list that shows it (the style draws it 1 px in each side).
    static void CheckEntriesFit(QComboBox* combo) {
        QStyleOptionComboBox option;
        option.initFrom(combo);
        option.frame = combo->hasFrame();
        const int room =
            combo->style()
                ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo)
                .width();
        for (int i = 0; i < combo->count(); ++i) {
            QVERIFY2(combo->fontMetrics().horizontalAdvance(combo->itemText(i)) + 2 <= room,
                     qPrintable(combo->objectName() + " cuts " + combo->itemText(i)));
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
        const auto* first = qobject_cast<QLineEdit*>(form->focusWidget());
        QVERIFY(first != nullptr && !first->isReadOnly());  // the focus starts where typing goes
        CheckWindow(*form);
        // The fields whose label does not say what they mean explain themselves, in Chinese in
        // the Chinese interface.
        static const QRegularExpression chinese(QStringLiteral("[\\x{4e00}-\\x{9fff}]"));
        for (const char* name :
             {"hoursLabel", "smsRemoteCombo", "smsRemoteUnitLabel", "smsRemoteHoursCombo",
              "mmsSendCombo", "pictureLimitEdit", "maxImagesEdit", "phone2Edit", "phone3Edit",
              "urlEdit", "apnEdit", "gprsPasswordEdit"}) {
            if (const auto* widget = form->findChild<QWidget*>(name)) {
                QVERIFY2(!widget->toolTip().isEmpty(), name);
                QCOMPARE(widget->toolTip().contains(chinese), language == kChinese);
            }
        }
        // The operator list changes with the country: every catalogue entry must fit.
        if (auto* countries = form->findChild<QComboBox*>("countryCombo")) {
            for (int i = 0; i < countries->count(); ++i) {
                countries->setCurrentIndex(i);
                CheckEntriesFit(form->findChild<QComboBox*>("operatorCombo"));
            }
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
        const std::string folder = dir.str();
        const auto type = [](const char* text) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(QApplication::focusWidget(), QString::fromUtf8(text));
        };
        const auto camera = MakeSetupForm(SetupForm::Camera9030, state, platform);
        Show(*camera);
        QCOMPARE(QApplication::focusWidget(), camera->findChild<QWidget*>("videoLengthEdit"));
        type("30");
        platform.folderAnswers.push_back(folder);
        TabTo(camera->findChild<QWidget*>("selectButton"));
        Press(Qt::Key_Return);  // the picker answers with the folder
        Press(Qt::Key_Tab);     // to the folder field, where Enter generates
        Press(Qt::Key_Return);
        QCOMPARE(test::ReadBytes(dir.path() / "menu.dat").size(), std::size_t{60});

        const auto mms = MakeSetupForm(SetupForm::Mms9030, state, platform);
        Show(*mms);
        TabTo(mms->findChild<QWidget*>("phone1Edit"));
        type("13800138000");
        platform.folderAnswers.push_back(folder);
        TabTo(mms->findChild<QWidget*>("selectButton"));
        Press(Qt::Key_Return);
        Press(Qt::Key_Tab);  // the folder field is Select's alone: on to Generate
        Press(Qt::Key_Return);
        QCOMPARE(test::ReadBytes(dir.path() / "setup.dat").size(), std::size_t{720});

        const auto smtp = MakeSetupForm(SetupForm::Smtp9030, state, platform);
        Show(*smtp);
        for (const auto& [field, text] : {std::pair{"smtpServerEdit", "smtp.example.com"},
                                          {"portEdit", "465"},
                                          {"senderEmailEdit", "c@example.com"},
                                          {"senderPasswordEdit", "pw"},
                                          {"recipientEmailEdit", "me@example.org"},
                                          {"folderEdit", folder.c_str()}}) {
            TabTo(smtp->findChild<QWidget*>(field));
            type(text);
        }
        // The typed password is named but never reaches a screen reader.
        QAccessibleInterface* password =
            QAccessible::queryAccessibleInterface(smtp->findChild<QWidget*>("senderPasswordEdit"));
        QVERIFY(!password->text(QAccessible::Value).contains("pw"));
        QVERIFY(password->textInterface()->text(0, 2).isEmpty());
        TabTo(smtp->findChild<QWidget*>("generateButton"));
        Press(Qt::Key_Space);
        QCOMPARE(test::ReadBytes(dir.path() / "smtp.dat").size(), std::size_t{720});
        QCOMPARE(platform.messages.size(), std::size_t{3});  // three confirmations, nothing else
    }
};

}  // namespace tov

QTEST_MAIN(tov::WindowAccessTest)
#include "WindowAccessTest.moc"
