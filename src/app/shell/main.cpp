#include "app/host/SettingsPreferenceBackend.h"
#include "app/shell/ApplicationStyle.h"
#include "app/shell/CSetupApp.h"
#include "app/shell/FirstPaintMark.h"
#include "app/shell/QtPlatform.h"

#include <QApplication>

#include <csignal>

int main(int argc, char* argv[]) {
#ifdef SIGXFSZ
    // Past a file-size limit the write fails with EFBIG and the form says so; the signal would
    // end the program with the temporary file left.
    std::signal(SIGXFSZ, SIG_IGN);
#endif
    QApplication app(argc, argv);
    tov::QuitAfterFirstPaintIfAsked();
    QApplication::setApplicationName(QStringLiteral("Tov Brenn Setup"));
    QApplication::setOrganizationName(QStringLiteral("Tov Brenn"));
    QApplication::setApplicationVersion(QStringLiteral(TOV_VERSION_TEXT));
    QApplication::setWindowIcon(tov::ApplicationIcon());
    // The windows are modal and follow one another; the run ends when CSetupApp says so.
    QApplication::setQuitOnLastWindowClosed(false);

    tov::QtPlatform platform;
    tov::SettingsPreferenceBackend preferences;
    tov::CSetupApp setup(platform, preferences);
    return setup.Run();
}
