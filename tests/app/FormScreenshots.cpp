// Saves a picture of each setup form in English, Chinese and Japanese (or the languages named),
// for the documentation. Usage: tovbrenn-screenshots OUTPUT_FOLDER [NAME_PREFIX [LANGUAGES]]
// with LANGUAGES a comma-separated list such as "german,chinese" (run it under a real display
// server, for instance xvfb-run, so that the pictures show what a user sees). Under a Qt scale
// factor (QT_SCALE_FACTOR=2) the file names end in "-scale2".

#include "app/core/PreferenceStore.h"
#include "app/shell/ApplicationStyle.h"
#include "app/shell/CMainDlg.h"
#include "app/shell/SetupForms.h"
#include "camera/core/CameraSettings.h"
#include "camera/core/MenuFile.h"
#include "common/ConfigFile.h"
#include "common/LanguageRules.h"
#include "support/FakePlatform.h"
#include "support/MemoryPreferenceBackend.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

namespace {

struct Shot {
    tov::SetupButton button;
    int modelIndex;
    const char* name;  ///< "camera-9030": the file is NAME-LANGUAGE.png
};

constexpr Shot kShots[] = {
    {tov::SetupButton::Camera, 4, "camera-9030"},
    {tov::SetupButton::Camera, 5, "camera-2760"},
    {tov::SetupButton::Camera, 1, "camera-2740"},
    {tov::SetupButton::Mms, 4, "mms-9030"},    // Tov 9030MG
    {tov::SetupButton::Mms, 3, "mms-2740"},    // Tov 2740MG
    {tov::SetupButton::Smtp, 4, "smtp-9030"},  // Tov 9030MG
    {tov::SetupButton::Smtp, 3, "smtp-2740"},  // Tov 2740MG
};

struct Language {
    int index;
    const char* name;
};

// The Windows build's pictures are named for it ("camera-9030-windows-english.png").
#ifdef _WIN32
constexpr const char* kPlatformTag = "-windows";
#else
constexpr const char* kPlatformTag = "";
#endif

constexpr Language kLanguages[] = {
    {tov::kEnglish, "english"}, {tov::kChinese, "chinese"}, {tov::kJapanese, "japanese"}};
// Languages shown only when named.
constexpr Language kMoreLanguages[] = {{tov::kDeutsch, "german"}};

bool SaveWindowPicture(QDialog& form, const std::string& fileName, const QDir& folder) {
    form.show();
    // Long enough for Wine, whose first window also starts its desktop.
    if (!QTest::qWaitForWindowExposed(&form, 30000)) {
        std::fprintf(stderr, "%s: the window was never shown\n", fileName.c_str());
        return false;
    }
    QTest::qWait(200);  // let the window system finish painting

    QPixmap picture = form.screen()->grabWindow(form.winId());
    if (picture.isNull()) {
        picture = form.grab();  // platforms without a screen grab
    }
    const QString path = folder.filePath(QString::fromStdString(fileName));
    if (!picture.save(path)) {
        std::fprintf(stderr, "%s: could not be saved\n", qPrintable(path));
        return false;
    }
    std::printf("%s (%dx%d)\n", qPrintable(path), picture.width(), picture.height());
    return true;
}

bool SaveShot(const Shot& shot, const Language& language, const QDir& folder) {
    tov::AppState state;
    state.modelIndex = shot.modelIndex;
    state.languageIndex = language.index;
    tov::test::FakePlatform platform;
    const std::unique_ptr<QDialog> form =
        tov::MakeSetupForm(tov::FormFor(shot.button, shot.modelIndex), state, platform);
    const QString scale = qEnvironmentVariable("QT_SCALE_FACTOR");
    const std::string suffix =
        scale.isEmpty() || scale == QLatin1String("1") ? "" : "-scale" + scale.toStdString();
    const std::string fileName =
        std::string(shot.name) + kPlatformTag + "-" + language.name + suffix + ".png";
    if (!form) {
        std::fprintf(stderr, "%s: the tool has no such form\n", fileName.c_str());
        return false;
    }

    // A card folder reads better in the pictures than the home folder the form starts with.
#ifdef _WIN32
    platform.folderAnswers.push_back("E:\\");
#else
    platform.folderAnswers.push_back("/media/SDCARD");
#endif
    form->findChild<QPushButton*>("selectButton")->click();

    return SaveWindowPicture(*form, fileName, folder);
}

// The main window as a system of the language starts it (Chinese on a Chinese system).
bool SaveMainShot(const Language& language, const QDir& folder) {
    tov::test::FakePlatform platform;
    platform.langId = language.index == tov::kChinese ? tov::kLangIdChinesePrc : 0x0409;
    tov::MemoryPreferenceBackend backend;
    tov::PreferenceStore store(backend, platform.langId);
    tov::AppState state;
    tov::ApplyStartupLanguage(state, platform.langId, language.index);
    state.modelIndex = 4;
    tov::CMainDlg window(state, store, platform);
    return SaveWindowPicture(
        window, std::string("main") + kPlatformTag + "-" + language.name + ".png", folder);
}

// The camera form with a memory card found (its root as the folder, label and free space
// beside it), and with the card holding this form's file (the load offer).
bool SaveCardShots(const QDir& folder) {
    QTemporaryDir card;
    tov::AppState state;
    state.modelIndex = 4;
    state.languageIndex = tov::kEnglish;
    tov::cards::Card found;
    found.mountPoint = QDir::toNativeSeparators(card.path()).toStdString();
    found.label = "TOVCARD";
    found.format = tov::cards::VolumeFormat::ExFat;
    found.fileSystem = "exFAT";
    found.totalBytes = 31'914'983'424ULL;
    found.freeBytes = 31'806'455'808ULL;
    int failures = 0;
    for (const bool holdsFile : {false, true}) {
        if (holdsFile) {
            tov::CameraMenuSettings settings = tov::OpeningCameraSettings(4);
            settings.cameraMode = 1;
            settings.videoLength = 30;
            tov::ClockSnapshot clock{2026, 12, 1, 12, 0, 0};
            const tov::MenuRecord record =
                tov::BuildMenuRecord(settings, tov::Family::Second, clock, 2, 0);
            tov::WriteConfigFile(found.mountPoint, tov::kMenuFileName, record);
        }
        tov::test::FakePlatform platform;
        platform.cards = {found};
        const std::unique_ptr<QDialog> form = tov::MakeSetupForm(
            tov::FormFor(tov::SetupButton::Camera, state.modelIndex), state, platform);
        failures +=
            SaveWindowPicture(
                *form, holdsFile ? "card-load-offer-english.png" : "card-found-english.png", folder)
                ? 0
                : 1;
    }
    return failures == 0;
}

// The camera form's profile buttons, and the offer of the settings last written for its model.
bool SaveProfileShots(const QDir& folder) {
    QTemporaryDir kept;
    tov::AppState state;
    state.modelIndex = 4;
    state.languageIndex = tov::kEnglish;
    int failures = 0;
    for (const bool offered : {false, true}) {
        tov::test::FakePlatform platform;
        if (offered) {
            platform.lastSettingsFolder = kept.path().toStdString();
            std::ofstream(platform.lastSettingsFolder / "9030MG-menu.json")
                << R"({"format": 1, "model": "Tov 9030MG", "menu": {"videoLength": "30"}})";
        }
        const std::unique_ptr<QDialog> form = tov::MakeSetupForm(
            tov::FormFor(tov::SetupButton::Camera, state.modelIndex), state, platform);
        platform.folderAnswers.push_back("/media/SDCARD");
        form->findChild<QPushButton*>("selectButton")->click();
        failures += SaveWindowPicture(*form,
                                      offered ? "profile-last-settings-offer-english.png"
                                              : "profile-buttons-english.png",
                                      folder)
                        ? 0
                        : 1;
    }
    return failures == 0;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2 || argc > 4) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER [NAME_PREFIX [LANGUAGES]]\n", argv[0]);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    const std::string prefix = argc >= 3 ? argv[2] : "";
    const QStringList named =
        argc == 4 ? QString::fromLocal8Bit(argv[3]).split(QLatin1Char(',')) : QStringList{};
    std::vector<Language> languages;
    for (const Language& language : kLanguages) {
        if (named.isEmpty() || named.contains(QLatin1String(language.name))) {
            languages.push_back(language);
        }
    }
    for (const Language& language : kMoreLanguages) {
        if (named.contains(QLatin1String(language.name))) {
            languages.push_back(language);
        }
    }
    if (!folder.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "%s: cannot create the folder\n", argv[1]);
        return 1;
    }
    tov::ApplyDialogColours();

    int failures = 0;
    if (std::string("main").rfind(prefix, 0) == 0) {
        for (const Language& language : languages) {
            failures += SaveMainShot(language, folder) ? 0 : 1;
        }
    }
    for (const Shot& shot : kShots) {
        if (std::string(shot.name).rfind(prefix, 0) != 0) {
            continue;
        }
        for (const Language& language : languages) {
            failures += SaveShot(shot, language, folder) ? 0 : 1;
        }
    }
    if (std::string("profile").rfind(prefix, 0) == 0) {
        failures += SaveProfileShots(folder) ? 0 : 1;
    }
    if (std::string("card").rfind(prefix, 0) == 0) {
        failures += SaveCardShots(folder) ? 0 : 1;
    }
    return failures == 0 ? 0 : 1;
}
