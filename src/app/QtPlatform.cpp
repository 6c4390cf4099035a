#include "app/QtPlatform.h"

#include "app/ApplicationStyle.h"
#include "app/SystemLanguage.h"

#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QUrl>

namespace tov {
namespace {

const QString kCaption = QStringLiteral("Tov Brenn");
constexpr int kMessageIconSize = 48;

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

void QtPlatform::ShowMessage(std::string_view text) {
    QMessageBox box(QMessageBox::NoIcon, kCaption, FromUtf8(text), QMessageBox::Ok);
    box.setIconPixmap(ApplicationIcon().pixmap(kMessageIconSize, kMessageIconSize));
    box.exec();
}

void QtPlatform::ShowFieldMessage(std::string_view text) {
    QMessageBox box(QMessageBox::Warning, kCaption, FromUtf8(text), QMessageBox::Ok);
    box.exec();
}

std::optional<std::string> QtPlatform::PickFolder() {
    const QString folder = QFileDialog::getExistingDirectory(nullptr, QString());
    if (folder.isEmpty()) {
        return std::nullopt;
    }
    return QDir::toNativeSeparators(folder).toStdString();
}

LocalDateTime QtPlatform::LocalTime() {
    const QDateTime now = QDateTime::currentDateTime();
    const QDate date = now.date();
    const QTime time = now.time();
    return {date.year(), date.month(), date.day(), time.hour(), time.minute(), time.second()};
}

std::uint16_t QtPlatform::SystemLanguageId() {
    return SystemDefaultLanguageId();
}

void QtPlatform::OpenUrl(std::string_view url) {
    QDesktopServices::openUrl(QUrl(FromUtf8(url)));
}

}  // namespace tov
