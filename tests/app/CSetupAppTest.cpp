#include "app/shell/CSetupApp.h"
#include "app/shell/ApplicationStyle.h"
#include "app/shell/CMainDlg.h"
#include "forms/FieldLook.h"
#include "support/FakePlatform.h"
#include "support/MemoryPreferenceBackend.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

#include <deque>
#include <vector>

namespace tov {
namespace {

// Runs the application with a scripted user: each main window gets the next action (the
// name of a button to click, or "close"), each form ends with the next form result.
struct ScriptedRun {
    test::FakePlatform platform;
    MemoryPreferenceBackend backend;
    std::deque<QString> mainActions;
    std::deque<int> formResults;
    bool formsExist = true;

    std::vector<SetupForm> requestedForms;
    std::vector<QString> mainWindows;  ///< language entry, model entry, camera button text
    int formsRun = 0;
    int exitCode = -1;

    void Store(int language, int model) {
        backend.keyExists = true;
        backend.numbers = {{"language", static_cast<std::uint32_t>(language)},
                           {"model", static_cast<std::uint32_t>(model)},
                           {"TvMode", 0}};
        backend.texts = {{"Company", "x"}};
    }

    int RunDialog(QDialog& dialog) {
        if (auto* mainWindow = qobject_cast<CMainDlg*>(&dialog)) {
            return RunMainWindow(*mainWindow);
        }
        ++formsRun;
        if (formResults.empty()) {
            return QDialog::Rejected;
        }
        const int result = formResults.front();
        formResults.pop_front();
        return result;
    }

    int RunMainWindow(CMainDlg& dialog) {
        const auto* language = dialog.findChild<QComboBox*>("languageCombo");
        const auto* model = dialog.findChild<QComboBox*>("modelCombo");
        const auto* camera = dialog.findChild<QPushButton*>("cameraButton");
        mainWindows.push_back(language->currentText() + '|' + model->currentText() + '|' +
                              camera->text());
        dialog.show();
        // A script that runs out, or a runaway chain, closes the window.
        const QString action = mainActions.empty() || mainWindows.size() > 10
                                   ? QStringLiteral("close")
                                   : mainActions.front();
        if (!mainActions.empty()) {
            mainActions.pop_front();
        }
        if (action == QStringLiteral("close")) {
            QTest::keyClick(&dialog, Qt::Key_Escape);
        } else {
            QTest::mouseClick(dialog.findChild<QPushButton*>(action), Qt::LeftButton);
        }
        return dialog.result();
    }

    void Run() {
        CSetupApp app(
            platform, backend, [this](QDialog& dialog) { return RunDialog(dialog); },
            [this](SetupForm form, const AppState&, Platform&) -> std::unique_ptr<QDialog> {
                requestedForms.push_back(form);
                return formsExist ? std::make_unique<QDialog>() : nullptr;
            });
        exitCode = app.Run();
    }
};

}  // namespace

class CSetupAppTest final : public QObject {
    Q_OBJECT

private slots:
    void closingTheFirstMainWindowEndsTheRun() {
        ScriptedRun run;
        run.platform.langId = 0x0804;
        run.mainActions = {"close"};
        run.Run();
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.mainWindows.size(), std::size_t{1});
        QVERIFY(run.requestedForms.empty());
        // First start on a Chinese system.
        QCOMPARE(run.mainWindows[0], QStringLiteral("中文|Tov 2740M|相机设置"));
        QCOMPARE(run.backend.numbers.at("language"), 1U);
        QCOMPARE(run.backend.numbers.at("model"), 1U);
    }

    void buttonsOpenTheFormsOfTheModelsFamily_data() {
        QTest::addColumn<int>("model");
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("form");
        const auto row = [](const char* name, int model, const char* button, SetupForm form) {
            QTest::newRow(name) << model << QString::fromLatin1(button) << static_cast<int>(form);
        };
        row("9030M camera", 2, "cameraButton", SetupForm::Camera9030);
        row("9030M mms", 2, "mmsButton", SetupForm::Mms9030);
        row("9030MG smtp", 4, "smtpButton", SetupForm::Smtp9030);
        row("2760MG smtp", 5, "smtpButton", SetupForm::Smtp2740);
        row("model 7 camera", 7, "cameraButton", SetupForm::Camera2740);
    }

    void buttonsOpenTheFormsOfTheModelsFamily() {
        QFETCH(int, model);
        QFETCH(QString, button);
        QFETCH(int, form);
        ScriptedRun run;
        run.Store(kEnglish, model);
        run.mainActions = {button, "close"};
        run.Run();
        QCOMPARE(run.requestedForms.size(), std::size_t{1});
        QCOMPARE(static_cast<int>(run.requestedForms[0]), form);
        QCOMPARE(run.formsRun, 1);
        QCOMPARE(run.mainWindows.size(), std::size_t{2});
        QCOMPARE(run.exitCode, 0);
    }

    void exitOfAFormShowsAFreshMainWindowWithTheSameChoices() {
        ScriptedRun run;
        run.Store(kChinese, 5);  // on an English system: the Chinese entry with English texts
        run.mainActions = {"mmsButton", "cameraButton", "close"};
        run.formResults = {QDialog::Rejected, QDialog::Rejected};
        run.Run();
        QCOMPARE(run.formsRun, 2);
        QCOMPARE(run.mainWindows.size(), std::size_t{3});
        const QString expected = QStringLiteral("Chinese|Tov 2760MG|Camera Setup");
        for (const QString& shown : run.mainWindows) {
            QCOMPARE(shown, expected);
        }
        QCOMPARE(run.exitCode, 0);
    }

    void acceptedFormEndsTheRun() {
        ScriptedRun run;
        run.Store(kEnglish, 4);
        run.mainActions = {"smtpButton", "cameraButton"};
        run.formResults = {QDialog::Accepted};
        run.Run();
        QCOMPARE(run.mainWindows.size(), std::size_t{1});
        QCOMPARE(run.formsRun, 1);
        QCOMPARE(run.exitCode, 0);
    }

    void missingFormBringsTheMainWindowBackAtOnce() {
        ScriptedRun run;
        run.Store(kEnglish, 3);
        run.formsExist = false;
        run.mainActions = {"smtpButton", "close"};
        run.Run();
        QCOMPARE(run.requestedForms, std::vector<SetupForm>{SetupForm::Smtp2740});
        QCOMPARE(run.formsRun, 0);
        QCOMPARE(run.mainWindows.size(), std::size_t{2});
    }

    void everyDialogGetsTheColours() {
        ScriptedRun run;
        run.Run();

        QDialog dialog;
        auto* layout = new QVBoxLayout(&dialog);
        auto* label = new QLabel(QStringLiteral("label"));
        auto* group = new QGroupBox(QStringLiteral("group"));
        auto* check = new QCheckBox(QStringLiteral("check"), group);
        auto* edit = new QLineEdit;
        auto* locked = new QLineEdit(QStringLiteral("locked"));
        auto* button = new QPushButton(QStringLiteral("button"));
        for (QWidget* widget :
             std::initializer_list<QWidget*>{label, group, edit, locked, button}) {
            layout->addWidget(widget);
        }
        SetFieldReadOnly(locked, true);
        dialog.resize(240, 220);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));

        const QImage image = dialog.grab().toImage();
        QCOMPARE(image.pixelColor(1, image.height() - 2), kDialogBackground);
        for (const QWidget* text : std::initializer_list<const QWidget*>{label, group, check}) {
            QCOMPARE(text->palette().color(QPalette::WindowText), kDialogText);
        }
        const auto inside = [&](const QWidget* widget) {
            return image.pixelColor(widget->mapTo(&dialog, widget->rect().center()) +
                                    QPoint(widget->width() / 4, 0));
        };
        QVERIFY(inside(edit) != kDialogBackground);
        QVERIFY(edit->palette().color(QPalette::Text) != kDialogText);
        QVERIFY(button->palette().color(QPalette::ButtonText) != kDialogText);
        QCOMPARE(inside(locked), kReadOnlyBackground);
        QCOMPARE(locked->palette().color(QPalette::Text), kReadOnlyText);

        // Unlocked, the field looks like any other input again.
        SetFieldReadOnly(locked, false);
        QVERIFY(!locked->isReadOnly());
        QCOMPARE(locked->palette().color(QPalette::Base), edit->palette().color(QPalette::Base));
        QCOMPARE(locked->palette().color(QPalette::Text), edit->palette().color(QPalette::Text));

        QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Tov Brenn"), QStringLiteral("m"));
        box.ensurePolished();
        const auto* text = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        QVERIFY(text != nullptr);
        QCOMPARE(box.palette().color(QPalette::Window), kDialogBackground);
        QCOMPARE(text->palette().color(text->foregroundRole()), kDialogText);
    }
};

}  // namespace tov

QTEST_MAIN(tov::CSetupAppTest)
#include "CSetupAppTest.moc"
