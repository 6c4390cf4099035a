#include "app/shell/QtPlatform.h"

#include "app/host/SystemLanguage.h"
#include "app/shell/ApplicationStyle.h"
#include "cards/host/BackupsFolder.h"
#include "cards/host/CardEject.h"
#include "cards/host/CardList.h"
#include "forms/QtText.h"

#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>

namespace tov {
namespace {

const QString kCaption = QStringLiteral("Tov Brenn");
constexpr int kMessageIconSize = 48;

}  // namespace

void QtPlatform::ShowMessage(std::string_view text) {
    QMessageBox box(QMessageBox::NoIcon, kCaption, ToQString(text), QMessageBox::Ok);
    box.setIconPixmap(ApplicationIcon().pixmap(kMessageIconSize, kMessageIconSize));
    box.exec();
}

void QtPlatform::ShowFieldMessage(std::string_view text) {
    QMessageBox box(QMessageBox::Warning, kCaption, ToQString(text), QMessageBox::Ok);
    box.exec();
}

std::optional<std::string> QtPlatform::PickFolder(std::string_view startFolder) {
    const QString folder =
        QFileDialog::getExistingDirectory(nullptr, QString(), ToQString(startFolder));
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

bool QtPlatform::OpenUrl(std::string_view url) {
    return QDesktopServices::openUrl(QUrl(ToQString(url)));
}

const FileTextCodec& QtPlatform::FileCodec() {
    if (!m_codec) {
        m_codec = std::make_unique<QtFileTextCodec>(SystemLanguageId());
    }
    return *m_codec;
}

std::vector<cards::Card> QtPlatform::Cards() {
    if (!m_cards) {
        m_cards = std::make_unique<CardWatch>(ListCards);
    }
    return m_cards->Latest();
}

void QtPlatform::CardsChanged() {
    if (m_cards) {
        m_cards->Refresh();
    }
}

std::filesystem::path QtPlatform::BackupsFolder() {
    return tov::BackupsFolder();
}

bool QtPlatform::ShowMessageOfferingEject(std::string_view text, std::string_view ejectButton) {
    QMessageBox box(QMessageBox::NoIcon, kCaption, ToQString(text), QMessageBox::Ok);
    box.setIconPixmap(ApplicationIcon().pixmap(kMessageIconSize, kMessageIconSize));
    QPushButton* eject = box.addButton(ToQString(ejectButton), QMessageBox::ActionRole);
    box.exec();
    return box.clickedButton() == eject;
}

cards::EjectResult QtPlatform::EjectCard(const cards::Card& card, int languageIndex) {
    cards::EjectResult result = tov::EjectCard(card, languageIndex);
    if (m_cards) {
        m_cards->Refresh();
    }
    return result;
}

}  // namespace tov
