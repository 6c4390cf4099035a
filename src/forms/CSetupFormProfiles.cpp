// The form base's profiles: Save profile writes the settings Generate would write as a
// profile of the form's model; Open profile fills the form from one, through the command
// line's checks, as loading the file from a card does.

#include "common/FieldMessages.h"
#include "common/FilePath.h"
#include "common/Models.h"
#include "common/OwnTexts.h"
#include "common/Text.h"
#include "forms/CSetupFormDlg.h"
#include "forms/CardBar.h"
#include "forms/FormAccess.h"
#include "forms/QtText.h"
#include "profiles/core/FileSettings.h"
#include "profiles/json/ProfileJson.h"

#include <QBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <fstream>
#include <iterator>

namespace tov {
namespace {

// A profile holds a few dozen short values; anything larger is none.
constexpr std::uintmax_t kMaxProfileSize = 1024 * 1024;

std::optional<std::string> ReadProfileText(const std::string& path) {
    const std::filesystem::path file = std::filesystem::u8path(path);
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec) ||
        std::filesystem::file_size(file, ec) > kMaxProfileSize || ec) {
        return std::nullopt;
    }
    std::ifstream in(file, std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) {
        return std::nullopt;
    }
    return text;
}

}  // namespace

void CSetupFormDlg::setProfileFile(ProfileFile file) {
    m_profile = std::move(file);
}

void CSetupFormDlg::addProfileButtons() {
    // The row of buttons Exit stands in, wherever the template nests it.
    QBoxLayout* row = nullptr;
    for (QBoxLayout* layout : findChildren<QBoxLayout*>()) {
        if (m_exit != nullptr && layout->indexOf(m_exit) >= 0) {
            row = layout;
        }
    }
    if (m_profile.member.empty() || row == nullptr) {
        return;
    }
    const auto add = [&](const char* name, OwnText text, Qt::Key key,
                         void (CSetupFormDlg::*action)()) {
        auto* button = new QPushButton(ToQString(OwnLabel(text, m_state.languageIndex)), this);
        button->setObjectName(QString::fromLatin1(name));
        button->setAutoDefault(false);
        row->insertWidget(row->indexOf(m_exit), button);
        GiveShortcut(button, QKeySequence(Qt::ALT | key));
        connect(button, &QPushButton::clicked, this, action);
        return button;
    };
    QWidget* before = m_exit->previousInFocusChain();
    QPushButton* save =
        add("saveProfileButton", OwnText::kSaveProfile, Qt::Key_P, &CSetupFormDlg::saveProfile);
    QPushButton* open =
        add("openProfileButton", OwnText::kOpenProfile, Qt::Key_O, &CSetupFormDlg::openProfile);
    // Tab follows the row: the new buttons before Exit.
    setTabOrder(before, save);
    setTabOrder(save, open);
    setTabOrder(open, m_exit);
}

void CSetupFormDlg::saveProfile() {
    const auto bytes = m_profile.build();
    if (!bytes) {
        return;  // the form has said why
    }
    // In the user's documents, never on the card: a profile may hold passwords in clear text,
    // and a card's file system keeps no permissions.
    const std::string documents = m_platform.DocumentsFolder();
    const auto choice = m_platform.AskProfileToSave(documents.empty() ? DefaultFolder() : documents,
                                                    m_state.languageIndex);
    if (!choice) {
        return;
    }
    const profiles::FileSettings read = profiles::SettingsOfFile(
        m_profile.member, *bytes,
        {.modelIndex = m_state.modelIndex, .withSecrets = choice->includePasswords},
        m_platform.FileCodec());
    if (!read.refusal.empty()) {
        m_platform.ShowMessage(read.refusal);
        return;
    }
    profiles::Profile profile;
    profile.model = m_state.modelIndex;
    profile.files[std::string(m_profile.member)] = read.texts;
    const std::string json = profiles::ProfileJson(profile) + "\n";
    const bool secret = profiles::HoldsSecrets(profile);
    const std::filesystem::path target = std::filesystem::u8path(choice->path);
    // Owner-only from its creation when it holds passwords (the temporary file is made so and
    // a replaced profile loses what others could read before the new one takes its name).
    const WriteResult written = WriteFileAtomically(
        target, std::span(reinterpret_cast<const std::uint8_t*>(json.data()), json.size()),
        {.ownerOnly = secret});
    if (!written.ok) {
        m_platform.ShowMessage(
            std::string(m_state.message({"配置未能保存：", "The profile could not be saved: "})) +
            PathText(target) + ": " + written.error);
        return;
    }
    const MessagePair where =
        written.modesIgnored
            ? MessagePair{"（含密码；此处的文件系统不保存权限，谁可读取由挂载决定）",
                          " (with passwords; this file system keeps no permissions, so the "
                          "mount decides who may read it)"}
            : MessagePair{"（含密码，仅所有者可读）", " (with passwords; only you may read it)"};
    m_platform.ShowMessage(
        std::string(m_state.message({"配置已保存：", "The profile is saved: "})) +
        PathText(target) + (secret ? std::string(m_state.message(where)) : std::string()));
}

void CSetupFormDlg::openProfile() {
    const auto path = m_platform.AskProfileToOpen(folder(), m_state.languageIndex);
    if (!path) {
        return;
    }
    const auto say = [this](const std::string& chinese, const std::string& english) {
        m_platform.ShowMessage(m_state.message({chinese, english}));
    };
    const auto text = ReadProfileText(*path);
    if (!text) {
        say("无法读取配置 " + *path, "The profile " + *path + " cannot be read");
        return;
    }
    if (applyProfileText(*text, PathText(std::filesystem::u8path(*path).filename()))) {
        say("已载入配置 " + PathText(std::filesystem::u8path(*path).filename()),
            "Loaded the profile " + PathText(std::filesystem::u8path(*path).filename()));
    }
}

bool CSetupFormDlg::applyProfileText(const std::string& text, const std::string& name,
                                     const SettingTexts& passwords, std::string* quietRefusal) {
    const auto tell = [this, quietRefusal](const std::string& message) {
        if (quietRefusal != nullptr) {
            *quietRefusal = message;
        } else {
            m_platform.ShowMessage(message);
        }
    };
    const auto say = [this, &tell](const std::string& chinese, const std::string& english) {
        tell(std::string(m_state.message({chinese, english})));
    };
    std::string error;
    const auto profile = profiles::ParseProfileJson(text, name, m_state.languageIndex, error);
    if (!profile) {
        tell(error);
        return false;
    }
    const std::string formModel(ModelFor(m_state.modelIndex).name);
    if (profile->model && *profile->model != m_state.modelIndex) {
        const std::string other(ModelFor(*profile->model).name);
        say("此配置属于 " + other + "，本表格为 " + formModel + " 写入文件；未载入",
            "This profile is for the " + other + "; this form writes the " + formModel +
                "'s file. Nothing was loaded.");
        return false;
    }
    const std::string member(m_profile.member);
    if (const auto refused = profile->refused.find(member); refused != profile->refused.end()) {
        say("此配置的设置无法载入：" + refused->second,
            "The profile's settings cannot be loaded: " + refused->second);
        return false;
    }
    const auto texts = profile->files.find(member);
    if (texts == profile->files.end()) {
        say("此配置不含本表格的设置（\"" + member + "\"）",
            "The profile holds no settings of this form (\"" + member + "\").");
        return false;
    }
    SettingTexts settings = texts->second;
    for (const auto& [key, value] : passwords) {
        settings[key] = value;
    }
    // Texts enter the file in its code page, as typed ones do.
    SettingTexts encoded;
    for (const auto& [key, value] : settings) {
        if (const auto at = ForbiddenCharacterPosition(value)) {
            tell(KeyMessage(key, ForbiddenCharacterMessage(*at, m_state.languageIndex)));
            return false;
        }
        FileTextCodec::Encoded bytes = m_platform.FileCodec().Encode(value);
        if (!bytes.unrepresentable.empty()) {
            say(key + "：代码页 " + std::string(m_platform.FileCodec().Name()) + " 无法表示此文本",
                key + ": the code page " + std::string(m_platform.FileCodec().Name()) +
                    " cannot hold this text");
            return false;
        }
        encoded[key] = std::move(bytes.bytes);
    }
    std::string refusal;
    const auto bytes = m_profile.fromTexts(encoded, refusal);
    if (!bytes) {
        say("配置未载入：" + refusal, "The profile was not loaded: " + refusal);
        return false;
    }
    loadFileBytes(*bytes);
    return true;
}

bool CSetupFormDlg::applyLastWritten(const std::string& text, const SettingTexts& passwords,
                                     const std::vector<std::string_view>& missing) {
    const std::string name = PathText(lastSettingsPath().filename());
    std::string refusal;
    if (applyProfileText(text, name, passwords, &refusal)) {
        return true;
    }
    // A form that needs a password the keychain did not give takes the rest: the check passes
    // on a stand-in, which is emptied at once for the user to type. Only the fields the
    // settings leave open take one (Auto locks the GPRS password), hence each choice in turn.
    constexpr std::string_view kStandIn = "standin";
    const std::size_t choices = std::size_t{1} << std::min<std::size_t>(missing.size(), 4);
    for (std::size_t mask = choices - 1; mask > 0; --mask) {
        SettingTexts withStandIns = passwords;
        std::vector<std::string_view> standIns;
        for (std::size_t i = 0; i < missing.size() && i < 4; ++i) {
            if ((mask & (std::size_t{1} << i)) != 0) {
                withStandIns[std::string(missing[i])] = kStandIn;
                standIns.push_back(missing[i]);
            }
        }
        std::string ignored;
        if (applyProfileText(text, name, withStandIns, &ignored)) {
            for (BoundField& field : m_fields) {
                if (std::find(standIns.begin(), standIns.end(), field.key.name()) ==
                    standIns.end()) {
                    continue;
                }
                if (field.text != nullptr) {
                    field.text->clear();
                }
                if (field.edit != nullptr) {
                    field.edit->clear();
                }
            }
            return true;
        }
    }
    m_platform.ShowMessage(refusal);
    return false;
}

std::filesystem::path CSetupFormDlg::lastSettingsPath() const {
    const std::filesystem::path folder = m_platform.LastSettingsFolder();
    if (folder.empty() || m_profile.member.empty()) {
        return {};
    }
    return folder / (std::string(ShortModelName(ModelFor(m_state.modelIndex))) + "-" +
                     std::string(m_profile.member) + ".json");
}

std::string CSetupFormDlg::lastSecretKey(std::string_view key) const {
    return std::to_string(m_state.modelIndex) + "/" + std::string(m_profile.member) + "/" +
           std::string(key);
}

void CSetupFormDlg::keepLastWritten(std::span<const std::uint8_t> bytes) {
    const std::filesystem::path path = lastSettingsPath();
    if (path.empty()) {
        return;
    }
    // Passwords never go into this file: into the keychain where there is one, else nowhere
    // (the offer says so).
    const std::vector<std::string_view> secretKeys = profiles::SecretKeysOf(m_profile.member);
    const bool keepSecrets = !secretKeys.empty() && m_platform.HasSecretStore();
    profiles::FileSettings read = profiles::SettingsOfFile(
        m_profile.member, bytes, {.modelIndex = m_state.modelIndex, .withSecrets = keepSecrets},
        m_platform.FileCodec());
    if (!read.refusal.empty()) {
        return;
    }
    for (const std::string_view key : keepSecrets ? secretKeys : std::vector<std::string_view>{}) {
        const auto value = read.texts.find(key);
        // One the file does not hold (locked by the mode) must not come back from an earlier
        // write, nor one the keychain refused now.
        if (value == read.texts.end() ||
            !m_platform.StoreSecret(lastSecretKey(key), value->second)) {
            m_platform.ForgetSecret(lastSecretKey(key));
        }
        if (value != read.texts.end()) {
            read.texts.erase(value);
        }
    }
    profiles::Profile profile;
    profile.model = m_state.modelIndex;
    profile.files[std::string(m_profile.member)] = read.texts;
    profiles::RemoveSecrets(profile);
    const std::string json = profiles::ProfileJson(profile) + "\n";
    std::error_code ec;
    std::filesystem::create_directories(path.parent_path(), ec);
    // A convenience beside the written file: a failure here changes nothing the user did.
    WriteFileAtomically(path,
                        std::span(reinterpret_cast<const std::uint8_t*>(json.data()), json.size()));
}

void CSetupFormDlg::offerLastWritten() {
    const std::filesystem::path path = lastSettingsPath();
    const auto text = path.empty() ? std::nullopt : ReadProfileText(PathText(path));
    if (!text || m_cardBar == nullptr) {
        return;
    }
    QBoxLayout* column = nullptr;
    for (QBoxLayout* layout : findChildren<QBoxLayout*>()) {
        if (layout->indexOf(m_cardBar) >= 0) {
            column = layout;
        }
    }
    if (column == nullptr) {
        return;
    }
    // A quiet line as the card's load offer: nothing changes until the button is pressed.
    auto* row = new QWidget(this);
    row->setObjectName(QStringLiteral("lastSettingsRow"));
    auto* line = new QHBoxLayout(row);
    line->setContentsMargins(0, 0, 0, 0);
    const std::vector<std::string_view> secretKeys = profiles::SecretKeysOf(m_profile.member);
    const bool keychain = m_platform.HasSecretStore();
    const bool secrets = !secretKeys.empty() && !keychain;
    auto* label = new QLabel(
        ToQString(std::string(OwnLabel(OwnText::kUseLastSettings, m_state.languageIndex)) +
                  (secrets
                       ? std::string(OwnLabel(OwnText::kPasswordsNotKept, m_state.languageIndex))
                       : std::string())),
        row);
    label->setObjectName(QStringLiteral("lastSettingsLabel"));
    label->setWordWrap(true);
    auto* use = new QPushButton(ToQString(OwnLabel(OwnText::kUseThem, m_state.languageIndex)), row);
    use->setObjectName(QStringLiteral("useLastSettingsButton"));
    use->setAutoDefault(false);
    line->addWidget(label, 1);
    line->addWidget(use);
    column->insertWidget(column->indexOf(m_cardBar) + 1, row);
    connect(use, &QPushButton::clicked, this, [this, row, text = *text, secretKeys, keychain] {
        SettingTexts passwords;
        std::vector<std::string_view> missing;
        for (const std::string_view key : secretKeys) {
            if (auto value = keychain ? m_platform.ReadSecret(lastSecretKey(key)) : std::nullopt) {
                passwords[std::string(key)] = std::move(*value);
            } else {
                missing.push_back(key);
            }
        }
        if (applyLastWritten(text, passwords, missing)) {
            row->hide();
        }
    });
}

}  // namespace tov
