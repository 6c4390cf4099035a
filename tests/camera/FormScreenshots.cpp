// Saves a picture of each camera form in English, Chinese and Japanese, for the
// documentation. Usage: tovbrenn-screenshots OUTPUT_FOLDER (run it under a real display
// server, for instance xvfb-run, so that the pictures show what a user sees).

#include "app/ApplicationStyle.h"
#include "camera/CCameraSetup2740Dlg.h"
#include "camera/CCameraSetup9030Dlg.h"
#include "support/FakePlatform.h"

#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include <cstdio>
#include <memory>

namespace {

struct Shot {
    int modelIndex;
    int languageIndex;
    const char* fileName;
};

constexpr Shot kShots[] = {
    {4, tov::kEnglish, "camera-9030-english.png"},
    {4, tov::kChinese, "camera-9030-chinese.png"},
    {4, tov::kJapanese, "camera-9030-japanese.png"},
    {5, tov::kEnglish, "camera-2760-english.png"},
    {5, tov::kChinese, "camera-2760-chinese.png"},
    {5, tov::kJapanese, "camera-2760-japanese.png"},
    {1, tov::kEnglish, "camera-2740-english.png"},
    {1, tov::kChinese, "camera-2740-chinese.png"},
    {1, tov::kJapanese, "camera-2740-japanese.png"},
};

std::unique_ptr<QDialog> MakeForm(const tov::AppState& state, tov::Platform& platform) {
    if (state.family() == tov::Family::Second) {
        return std::make_unique<tov::CCameraSetup9030Dlg>(state, platform);
    }
    return std::make_unique<tov::CCameraSetup2740Dlg>(state, platform);
}

bool SaveShot(const Shot& shot, const QDir& folder) {
    tov::AppState state;
    state.modelIndex = shot.modelIndex;
    state.languageIndex = shot.languageIndex;
    tov::test::FakePlatform platform;
    std::unique_ptr<QDialog> form = MakeForm(state, platform);

    // A card folder reads better in the pictures than the home folder the form starts with.
    platform.folderAnswers.push_back("/media/SDCARD");
    form->findChild<QPushButton*>("selectButton")->click();

    form->show();
    if (!QTest::qWaitForWindowExposed(form.get())) {
        std::fprintf(stderr, "%s: the window was never shown\n", shot.fileName);
        return false;
    }
    QTest::qWait(200);  // let the window system finish painting

    QPixmap picture = form->screen()->grabWindow(form->winId());
    if (picture.isNull()) {
        picture = form->grab();  // platforms without a screen grab
    }
    const QString path = folder.filePath(QString::fromLatin1(shot.fileName));
    if (!picture.save(path)) {
        std::fprintf(stderr, "%s: could not be saved\n", qPrintable(path));
        return false;
    }
    std::printf("%s (%dx%d)\n", qPrintable(path), picture.width(), picture.height());
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "%s: cannot create the folder\n", argv[1]);
        return 1;
    }
    tov::ApplyDialogColours();

    int failures = 0;
    for (const Shot& shot : kShots) {
        failures += SaveShot(shot, folder) ? 0 : 1;
    }
    return failures == 0 ? 0 : 1;
}
