#include "app/host/SettingsPreferenceBackend.h"

#include "common/SafeFileWriter.h"
#include "forms/QtText.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QSettings>
#include <QStandardPaths>
#include <QStringDecoder>
#include <QVariant>

#include <filesystem>
#include <limits>
#include <span>

namespace tov {
namespace {

constexpr char kPathVariable[] = "TOVBRENN_PREFERENCES";
// The user's own key: a user without administrator's rights (the installer's default) cannot
// write the machine's, and would lose every choice at exit. Values the machine's key holds
// (left by an earlier version, or set by an administrator) are read where the user's key has
// none.
constexpr char kRegistryKey[] =
    "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\Tov Brenn.exe";
constexpr char kMachineRegistryKey[] =
    "HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\Tov Brenn.exe";
constexpr char kDamagedSuffix[] = ".damaged";

// The file holds four short values; anything this large was not written by the tool.
constexpr qint64 kMaxIniSize = 64 * 1024;

enum class IniCondition { Missing, Usable, Damaged, NotAFile, Unreadable };

// What the file at a path is, and for people why it cannot be used.
struct IniState {
    IniCondition condition = IniCondition::Missing;
    QString reason;
};

bool IsText(const QByteArray& bytes) {
    if (bytes.contains('\0')) {
        return false;
    }
    QStringDecoder decoder(QStringDecoder::Utf8);
    [[maybe_unused]] const QString text = decoder.decode(bytes);
    return !decoder.hasError();
}

// Every line is blank, a comment, a closed [section] or a key=value pair. Checked here and
// not through QSettings::status(), which reports a format error only on the first read of
// a file in a process and not from its cache afterwards.
bool IsIniText(const QByteArray& bytes) {
    for (const QByteArray& rawLine : bytes.split('\n')) {
        const QByteArray line = rawLine.trimmed();
        if (line.isEmpty() || line.startsWith(';') || line.startsWith('#')) {
            continue;
        }
        if (line.startsWith('[') ? !line.endsWith(']') : !line.contains('=')) {
            return false;
        }
    }
    return true;
}

// QSettings reports a file's format error on the first read of it in a process only, and reads
// it from its cache without one afterwards: the verdict is kept for the file's bytes (not its
// size and time, which a quick rewrite of the same length can share).
QSet<QByteArray>& TextsWithFormatErrors() {
    static QSet<QByteArray> texts;
    return texts;
}

// Whether the file can be read as the store. Whether it can be written does not matter here:
// a read-only file is read, and only the writes to it fail.
IniState StateOf(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists()) {
        return {IniCondition::Missing, {}};
    }
    if (!info.isFile()) {
        return {IniCondition::NotAFile,
                info.isDir() ? QStringLiteral("a folder") : QStringLiteral("a special file")};
    }
    if (info.size() > kMaxIniSize) {
        return {IniCondition::Damaged, QStringLiteral("larger than %1 bytes").arg(kMaxIniSize)};
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {IniCondition::Unreadable, file.errorString()};
    }
    const QByteArray bytes = file.read(kMaxIniSize + 1);
    if (bytes.size() > kMaxIniSize) {
        return {IniCondition::Damaged, QStringLiteral("larger than %1 bytes").arg(kMaxIniSize)};
    }
    if (!IsText(bytes) || !IsIniText(bytes)) {
        return {IniCondition::Damaged, QStringLiteral("not an INI text file")};
    }
    const QSettings settings(path, QSettings::IniFormat);
    if (settings.status() == QSettings::FormatError) {
        TextsWithFormatErrors().insert(bytes);
    }
    if (TextsWithFormatErrors().contains(bytes)) {
        return {IniCondition::Damaged, QStringLiteral("not an INI text file")};
    }
    if (settings.status() == QSettings::AccessError) {
        return {IniCondition::Unreadable, QStringLiteral("access denied")};
    }
    return {IniCondition::Usable, {}};
}

// A file name as the file system takes it, without a detour through the local 8-bit code page.
std::filesystem::path FilePathOf(const QString& path) {
    return std::filesystem::path(path.toStdU16String());
}

// A fresh, empty store in place of a damaged one. The damaged file is kept beside it, so
// values set by hand can still be recovered.
bool ReplaceDamaged(const QString& path) {
    const QString keep = path + kDamagedSuffix;
    QFile::remove(keep);
    if (!QFile::rename(path, keep)) {
        return false;
    }
    return WriteFileAtomically(FilePathOf(path), {}).ok;
}

bool CreateIni(const QString& path) {
    switch (StateOf(path).condition) {
    case IniCondition::Usable:
        return true;
    case IniCondition::NotAFile:
    case IniCondition::Unreadable:
        return false;
    case IniCondition::Damaged:
        return ReplaceDamaged(path);
    case IniCondition::Missing:
        break;
    }
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        return false;
    }
    return WriteFileAtomically(FilePathOf(path), {}).ok;
}

// Only a value that reads as a 32-bit unsigned number counts: decimal digits in a file, a
// 4-byte number in the registry.
std::optional<std::uint32_t> AsNumber(const QVariant& value) {
    switch (value.typeId()) {
    case QMetaType::Int:
        return static_cast<std::uint32_t>(value.toInt());
    case QMetaType::UInt:
        return value.toUInt();
    case QMetaType::QString:
        break;
    default:
        return std::nullopt;
    }
    const QString text = value.toString();
    if (text.isEmpty() || text.size() > 10) {
        return std::nullopt;
    }
    for (const QChar c : text) {
        if (c < u'0' || c > u'9') {
            return std::nullopt;
        }
    }
    const qulonglong number = text.toULongLong();
    if (number > std::numeric_limits<std::uint32_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::uint32_t>(number);
}

// Runs `use` on a QSettings of its own over the store: the INI file at `iniPath`, or the
// registry key when `iniPath` is empty.
template <typename Use>
auto WithSettings(const QString& iniPath, Use&& use) {
    if (iniPath.isEmpty()) {
        QSettings settings(QString::fromLatin1(kRegistryKey), QSettings::NativeFormat);
        return use(settings);
    }
    QSettings settings(iniPath, QSettings::IniFormat);
    return use(settings);
}

// A stored value: from the INI file, or from the user's registry key and else the machine's.
QVariant StoredValue(const QString& iniPath, const QString& name) {
    if (!iniPath.isEmpty()) {
        return QSettings(iniPath, QSettings::IniFormat).value(name);
    }
    const QSettings user(QString::fromLatin1(kRegistryKey), QSettings::NativeFormat);
    if (user.contains(name)) {
        return user.value(name);
    }
    return QSettings(QString::fromLatin1(kMachineRegistryKey), QSettings::NativeFormat).value(name);
}

// Whether the registry holds any value of the tool, in the user's key or the machine's.
bool RegistryHasValues() {
    for (const char* key : {kRegistryKey, kMachineRegistryKey}) {
        const QSettings settings(QString::fromLatin1(key), QSettings::NativeFormat);
        if (settings.status() == QSettings::NoError && !settings.childKeys().isEmpty()) {
            return true;
        }
    }
    return false;
}

bool WriteValue(PreferenceBackend& backend, const QString& iniPath, std::string_view name,
                const QVariant& value) {
    if (!backend.OpenKey() && !backend.CreateKey()) {
        return false;
    }
    return WithSettings(iniPath, [&](QSettings& settings) {
        settings.setValue(ToQString(name), value);
        settings.sync();
        return settings.status() == QSettings::NoError;
    });
}

}  // namespace

SettingsPreferenceBackend::SettingsPreferenceBackend() {
#ifdef _WIN32
    if (!qEnvironmentVariableIsEmpty(kPathVariable)) {
        m_iniPath = DefaultIniPath();
    }
#else
    m_iniPath = DefaultIniPath();
#endif
}

SettingsPreferenceBackend::SettingsPreferenceBackend(QString iniPath)
    : m_iniPath(std::move(iniPath)) {}

QString SettingsPreferenceBackend::DefaultIniPath() {
    const QString chosen = qEnvironmentVariable(kPathVariable);
    if (!chosen.isEmpty()) {
        return chosen;
    }
    QString base = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (base.isEmpty()) {
        base = QDir::homePath() + QStringLiteral("/.config");
    }
    return base + QStringLiteral("/tovbrenn/preferences.ini");
}

bool SettingsPreferenceBackend::OpenKey() {
    if (!m_iniPath.isEmpty()) {
        return StateOf(m_iniPath).condition == IniCondition::Usable;
    }
    // An existing key without any value cannot be told from a missing one here; it is
    // treated as missing, which only means the defaults are written once more. A key that
    // cannot be written is read all the same.
    return RegistryHasValues();
}

std::string SettingsPreferenceBackend::Condition() {
    const auto readOnly = [](bool writable) {
        return writable ? std::string() : "read-only: its values are used, changes are not stored";
    };
    if (m_iniPath.isEmpty()) {
        if (!OpenKey()) {
            return "not created yet";
        }
        return readOnly(WithSettings(m_iniPath, [](QSettings& s) { return s.isWritable(); }));
    }
    const IniState state = StateOf(m_iniPath);
    const std::string reason = state.reason.toStdString();
    switch (state.condition) {
    case IniCondition::Missing:
        return "not created yet";
    case IniCondition::Usable:
        return readOnly(QFileInfo(m_iniPath).isWritable());
    case IniCondition::Damaged:
        return "damaged (" + reason + "): the defaults are used";
    case IniCondition::NotAFile:
        return reason + ", not a file: the defaults are used";
    case IniCondition::Unreadable:
        return "unreadable (" + reason + "): the defaults are used";
    }
    return {};
}

bool SettingsPreferenceBackend::CreateKey() {
    if (!m_iniPath.isEmpty()) {
        return CreateIni(m_iniPath);
    }
    // The registry key comes into being with its first value.
    return WithSettings(m_iniPath, [](QSettings& settings) { return settings.isWritable(); });
}

std::optional<std::uint32_t> SettingsPreferenceBackend::ReadNumber(std::string_view name) {
    if (!OpenKey()) {
        return std::nullopt;
    }
    return AsNumber(StoredValue(m_iniPath, ToQString(name)));
}

std::optional<PreferenceBackend::Numbers>
SettingsPreferenceBackend::ReadNumbers(std::span<const std::string_view> names) {
    if (!OpenKey()) {
        return std::nullopt;
    }
    Numbers numbers;
    for (const std::string_view name : names) {
        if (const auto value = AsNumber(StoredValue(m_iniPath, ToQString(name)))) {
            numbers.emplace(name, *value);
        }
    }
    return numbers;
}

bool SettingsPreferenceBackend::WriteNumber(std::string_view name, std::uint32_t value) {
    return WriteValue(*this, m_iniPath, name, QVariant(static_cast<uint>(value)));
}

bool SettingsPreferenceBackend::HasText(std::string_view name) {
    if (!OpenKey()) {
        return false;
    }
    return StoredValue(m_iniPath, ToQString(name)).isValid();
}

bool SettingsPreferenceBackend::WriteText(std::string_view name, std::string_view text) {
    return WriteValue(*this, m_iniPath, name, QVariant(ToQString(text)));
}

std::string SettingsPreferenceBackend::Location() const {
    return m_iniPath.isEmpty() ? std::string(kRegistryKey) : m_iniPath.toStdString();
}

}  // namespace tov
