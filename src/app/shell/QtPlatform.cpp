#include "app/shell/QtPlatform.h"

#include "app/host/SystemLanguage.h"
#include "app/shell/ApplicationStyle.h"
#include "cards/host/BackupsFolder.h"
#include "cards/host/CardEject.h"
#include "cards/host/CardList.h"
#include "common/OwnTexts.h"
#include "forms/QtText.h"
#include "secrets/host/SecretStore.h"

#include <QCheckBox>
#include <QDateTime>
#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

namespace tov {
namespace {

const QString kCaption = QStringLiteral("Tov Brenn");
constexpr int kMessageIconSize = 48;
// How often the wait for the next card looks at the card list (kept fresh on its own thread).
constexpr int kNextCardLookMs = 300;

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

std::string QtPlatform::DocumentsFolder() {
    return QDir::toNativeSeparators(
               QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
        .toStdString();
}

std::filesystem::path QtPlatform::LastSettingsFolder() {
    // Beside the preferences: the folder of $TOVBRENN_PREFERENCES, else the tool's
    // configuration folder.
    const QByteArray preferences = qgetenv("TOVBRENN_PREFERENCES");
    const std::filesystem::path base =
        !preferences.isEmpty() ? std::filesystem::u8path(preferences.toStdString()).parent_path()
                               : std::filesystem::u8path(QStandardPaths::writableLocation(
                                                             QStandardPaths::GenericConfigLocation)
                                                             .toStdString()) /
                                     "tovbrenn";
    return base / "last-written";
}

bool QtPlatform::HasSecretStore() {
    // Once per run: a missing keychain costs its timeout only the first time.
    if (!m_keychain) {
        m_keychain = secrets::Available();
    }
    return *m_keychain;
}

bool QtPlatform::StoreSecret(std::string_view key, std::string_view value) {
    return HasSecretStore() && secrets::Store(key, value);
}

std::optional<std::string> QtPlatform::ReadSecret(std::string_view key) {
    return HasSecretStore() ? secrets::Read(key) : std::nullopt;
}

void QtPlatform::ForgetSecret(std::string_view key) {
    if (HasSecretStore()) {
        secrets::Forget(key);
    }
}

std::optional<Platform::ProfileSaveChoice>
QtPlatform::AskProfileToSave(std::string_view startFolder, int languageIndex) {
    // Qt's own dialog, which takes the check box under its rows.
    QFileDialog dialog(nullptr, ToQString(OwnLabel(OwnText::kSaveProfile, languageIndex)),
                       ToQString(startFolder),
                       ToQString(OwnLabel(OwnText::kProfileFilter, languageIndex)));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("json"));
    auto* passwords =
        new QCheckBox(ToQString(OwnLabel(OwnText::kIncludePasswords, languageIndex)), &dialog);
    if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout())) {
        grid->addWidget(passwords, grid->rowCount(), 0, 1, -1);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return ProfileSaveChoice{QDir::toNativeSeparators(dialog.selectedFiles().front()).toStdString(),
                             passwords->isChecked()};
}

std::optional<std::string> QtPlatform::AskProfileToOpen(std::string_view startFolder,
                                                        int languageIndex) {
    const QString path = QFileDialog::getOpenFileName(
        nullptr, ToQString(OwnLabel(OwnText::kOpenProfile, languageIndex)), ToQString(startFolder),
        ToQString(OwnLabel(OwnText::kProfileFilter, languageIndex)));
    if (path.isEmpty()) {
        return std::nullopt;
    }
    return QDir::toNativeSeparators(path).toStdString();
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

Platform::AfterCardWrite QtPlatform::ShowCardWritten(std::string_view text,
                                                     std::string_view ejectButton,
                                                     std::string_view anotherButton) {
    QMessageBox box(QMessageBox::NoIcon, kCaption, ToQString(text), QMessageBox::Ok);
    box.setIconPixmap(ApplicationIcon().pixmap(kMessageIconSize, kMessageIconSize));
    QPushButton* eject = box.addButton(ToQString(ejectButton), QMessageBox::ActionRole);
    QPushButton* another = box.addButton(ToQString(anotherButton), QMessageBox::ActionRole);
    box.exec();
    if (box.clickedButton() == eject) {
        return AfterCardWrite::Eject;
    }
    return box.clickedButton() == another ? AfterCardWrite::WriteAnother : AfterCardWrite::Done;
}

std::optional<cards::Card> QtPlatform::WaitForNextCard(std::string_view prompt, int languageIndex) {
    cards::CardArrival arrival(Cards());
    QDialog wait;
    wait.setWindowTitle(kCaption);
    auto* text = new QLabel(ToQString(prompt), &wait);
    text->setWordWrap(true);
    auto* cancel = new QPushButton(ToQString(OwnLabel(OwnText::kCancel, languageIndex)), &wait);
    auto* column = new QVBoxLayout(&wait);
    column->addWidget(text);
    column->addWidget(cancel, 0, Qt::AlignRight);
    QObject::connect(cancel, &QPushButton::clicked, &wait, &QDialog::reject);
    std::optional<cards::Card> next;
    QTimer look;
    QObject::connect(&look, &QTimer::timeout, &wait, [&] {
        const std::vector<cards::Card> now = Cards();
        if (const cards::Card* card = arrival.Arrived(now)) {
            next = *card;
            wait.accept();
        }
    });
    look.start(kNextCardLookMs);
    return wait.exec() == QDialog::Accepted ? next : std::nullopt;
}

cards::EjectResult QtPlatform::EjectCard(const cards::Card& card, int languageIndex) {
    cards::EjectResult result = tov::EjectCard(card, languageIndex);
    if (m_cards) {
        m_cards->Refresh();
    }
    return result;
}

}  // namespace tov
