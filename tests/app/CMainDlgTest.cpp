#include "app/shell/CMainDlg.h"
#include "app/core/PreferenceStore.h"
#include "app/shell/CAboutDlg.h"
#include "common/LanguageRules.h"
#include "common/Models.h"
#include "support/FakePlatform.h"
#include "support/MemoryPreferenceBackend.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <memory>

namespace tov {
namespace {

// A main window over a memory store, as start-up leaves it for one system language.
struct MainWindow {
    test::FakePlatform platform;
    MemoryPreferenceBackend backend;
    std::unique_ptr<PreferenceStore> store;
    AppState state;
    std::unique_ptr<CMainDlg> dialog;

    MainWindow(std::uint16_t langId, int storedLanguage, int model = 1) {
        platform.langId = langId;
        store = std::make_unique<PreferenceStore>(backend, langId);
        ApplyStartupLanguage(state, langId, storedLanguage);
        state.modelIndex = model;
        Open();
    }
    void Open() { dialog = std::make_unique<CMainDlg>(state, *store, platform); }

    template <typename T>
    T* Find(const char* name) const {
        auto* widget = dialog->findChild<T*>(QString::fromLatin1(name));
        if (widget == nullptr) {
            qFatal("no widget %s", name);
        }
        return widget;
    }
    QComboBox* languages() const { return Find<QComboBox>("languageCombo"); }
    QComboBox* models() const { return Find<QComboBox>("modelCombo"); }
    QString Text(const char* name) const {
        if (auto* button = dialog->findChild<QPushButton*>(QString::fromLatin1(name))) {
            return button->text();
        }
        return Find<QLabel>(name)->text();
    }
};

}  // namespace

class CMainDlgTest final : public QObject {
    Q_OBJECT

private slots:
    void storedChineseOnEnglishSystemShowsChineseEntryWithEnglishTexts() {
        MainWindow window(0x0409, kChinese);
        QCOMPARE(window.dialog->windowTitle(), QStringLiteral("Tov Brenn"));
        QCOMPARE(window.languages()->count(), kLanguageCount);
        QCOMPARE(window.languages()->currentIndex(), 0);
        QCOMPARE(window.languages()->currentText(), QStringLiteral("Chinese"));
        QCOMPARE(window.languages()->itemText(10), QStringLiteral("Lithuanian"));
        QCOMPARE(window.Text("cameraButton"), QStringLiteral("Camera Setup"));
        QCOMPARE(window.Text("versionLabel"), QStringLiteral("Version:1.3.006"));
        QCOMPARE(window.Text("modelLabel"), QStringLiteral("Camera Model"));
        QVERIFY(window.backend.numbers.empty());
    }

    void choosingLithuanianShowsItsTextsAndStoresIt() {
        MainWindow window(0x0409, kEnglish);
        window.languages()->setCurrentIndex(10);
        QCOMPARE(window.state.languageIndex, kLithuanian);
        QCOMPARE(window.languages()->currentIndex(), 10);
        QCOMPARE(window.languages()->count(), kLanguageCount);
        QCOMPARE(window.Text("cameraButton"), QStringLiteral(" Kameros nustat."));
        QCOMPARE(window.Text("smtpButton"), QStringLiteral("Smtp nustat."));
        QCOMPARE(window.backend.numbers.at("language"), 11U);
    }

    void choosingChineseOnEnglishSystemStoresOneThenEnglishStoresTwo() {
        MainWindow window(0x0409, kCesky);
        QCOMPARE(window.Text("languageLabel"), QStringLiteral("Zvolit Jazyk"));

        window.languages()->setCurrentIndex(0);
        QCOMPARE(window.backend.numbers.at("language"), 1U);
        QCOMPARE(window.state.chineseChosen, 1);
        QCOMPARE(window.state.languageByte(), 1);
        QCOMPARE(window.languages()->currentIndex(), 0);
        QCOMPARE(window.Text("cameraButton"), QStringLiteral("Camera Setup"));
        QCOMPARE(window.Text("languageLabel"), QStringLiteral("Select Language"));

        window.languages()->setCurrentIndex(1);
        QCOMPARE(window.backend.numbers.at("language"), 2U);
        QCOMPARE(window.state.chineseChosen, 0);
        QCOMPARE(window.state.languageByte(), 2);
    }

    void smtpButtonAndModelSelection_data() {
        QTest::addColumn<int>("model");
        QTest::addColumn<bool>("smtpEnabled");
        QTest::addColumn<int>("position");
        QTest::newRow("0") << 0 << true << -1;
        QTest::newRow("1 Tov 2740M") << 1 << false << 0;
        QTest::newRow("2 Tov 9030M") << 2 << false << 1;
        QTest::newRow("3 Tov 2740MG") << 3 << true << 2;
        QTest::newRow("4 Tov 9030MG") << 4 << true << 3;
        QTest::newRow("5 Tov 2760MG") << 5 << true << 4;
        QTest::newRow("6") << 6 << true << -1;
        QTest::newRow("7") << 7 << true << -1;
    }

    void smtpButtonAndModelSelection() {
        QFETCH(int, model);
        QFETCH(bool, smtpEnabled);
        QFETCH(int, position);
        MainWindow window(0x0409, kEnglish, model);
        QCOMPARE(window.Find<QPushButton>("smtpButton")->isEnabled(), smtpEnabled);
        QCOMPARE(window.models()->count(), kModelCount);
        QCOMPARE(window.models()->currentIndex(), position);
        QCOMPARE(window.state.modelIndex, model);
        QVERIFY(window.backend.numbers.empty());
    }

    void modelChangeIsStoredAndUpdatesTheSmtpButton() {
        MainWindow window(0x0409, kEnglish, 3);
        auto* smtp = window.Find<QPushButton>("smtpButton");
        window.models()->setCurrentIndex(1);
        QCOMPARE(window.state.modelIndex, 2);
        QCOMPARE(window.backend.numbers.at("model"), 2U);
        QVERIFY(!smtp->isEnabled());
        window.models()->setCurrentIndex(4);
        QCOMPARE(window.backend.numbers.at("model"), 5U);
        QVERIFY(smtp->isEnabled());
    }

    void updatesButtonOpensTheAddressAndTheWindowStays() {
        MainWindow window(0x0409, kEnglish);
        window.dialog->show();
        QTest::mouseClick(window.Find<QPushButton>("updatesButton"), Qt::LeftButton);
        QCOMPARE(window.platform.openedUrls, std::vector<std::string>{TOV_UPDATES_URL});
        QVERIFY(window.dialog->isVisible());
        QVERIFY(!window.dialog->chosenButton());
        QVERIFY(window.platform.messages.empty());

        // Without a browser the address is shown, to be opened by hand.
        window.platform.browserOpens = false;
        QTest::mouseClick(window.Find<QPushButton>("updatesButton"), Qt::LeftButton);
        QCOMPARE(window.platform.messages,
                 std::vector<std::string>{
                     std::string("No web browser could be opened. The latest updates are at:\n") +
                     TOV_UPDATES_URL});
    }

    void disabledSmtpButtonDoesNothing() {
        MainWindow window(0x0409, kEnglish, 2);
        window.dialog->show();
        QTest::mouseClick(window.Find<QPushButton>("smtpButton"), Qt::LeftButton);
        QVERIFY(window.dialog->isVisible());
        QVERIFY(!window.dialog->chosenButton());
    }

    void escapeAndEnterOutsideAButtonCloseTheWindow() {
        for (const Qt::Key key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter}) {
            MainWindow window(0x0409, kEnglish);
            window.dialog->show();
            // Enter outside a button ends the program, so no button is drawn as taking it.
            for (const QPushButton* button : window.dialog->findChildren<QPushButton*>()) {
                QVERIFY2(!button->isDefault(), qPrintable(button->objectName()));
            }
            QTest::keyClick(window.languages(), key);
            QVERIFY2(!window.dialog->isVisible(), qPrintable(QString::number(key)));
            QVERIFY(!window.dialog->chosenButton());
        }
        MainWindow window(0x0409, kEnglish);
        window.dialog->show();
        window.dialog->close();
        QVERIFY(!window.dialog->chosenButton());

        // A focused button takes Enter itself.
        MainWindow pressed(0x0409, kEnglish, 3);
        pressed.dialog->show();
        QTest::keyClick(pressed.Find<QPushButton>("mmsButton"), Qt::Key_Return);
        QVERIFY(!pressed.dialog->isVisible());
        QVERIFY(pressed.dialog->chosenButton() == SetupButton::Mms);
    }

    void aboutBoxFromF1AndTheContextMenu() {
        MainWindow window(0x0409, kEnglish);
        QStringList shown;
        bool iconShown = false;
        window.dialog->setDialogRunner([&](QDialog& dialog) {
            auto* about = qobject_cast<CAboutDlg*>(&dialog);
            if (about == nullptr) {
                return -1;
            }
            const auto labels = about->findChildren<QLabel*>();
            QStringList texts;
            for (const QLabel* label : labels) {
                texts << label->text();
            }
            shown << about->windowTitle() + '|' + texts.join('|');
            iconShown = !about->findChild<QLabel*>("iconLabel")->pixmap().isNull();
            return static_cast<int>(QDialog::Accepted);
        });
        window.dialog->show();
        QApplication::setActiveWindow(window.dialog.get());
        QVERIFY(QTest::qWaitForWindowActive(window.dialog.get()));
        QTest::keyClick(window.dialog.get(), Qt::Key_F1);
        QCOMPARE(shown.size(), 1);
        QVERIFY(shown[0].startsWith(QStringLiteral("About Setup|")));
        QVERIFY(shown[0].contains(QStringLiteral("1.3.006")));
        QVERIFY(shown[0].contains(QStringLiteral(TOV_MAKER_URL)));
        QVERIFY(iconShown);

        QCOMPARE(window.dialog->contextMenuPolicy(), Qt::ActionsContextMenu);
        const auto actions = window.dialog->actions();
        QCOMPARE(actions.size(), 1);
        actions[0]->trigger();
        QCOMPARE(shown.size(), 2);
        QVERIFY(window.dialog->isVisible());
    }
};

}  // namespace tov

QTEST_MAIN(tov::CMainDlgTest)
#include "CMainDlgTest.moc"
