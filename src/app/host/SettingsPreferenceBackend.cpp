#include "app/host/SettingsPreferenceBackend.h"

#include "common/SafeFileWriter.h"
#include "forms/QtText.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
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
constexpr char kRegistryKey[] =
    "HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\Tov Brenn.exe";
constexpr char kDamagedSuffix[] = ".damaged";

// The file holds four short values; anything this large was not written by the tool.
constexpr qint64 kMaxIniSize = 64 * 1024;

enum class IniCondition { Missing, Usable, Damaged, Inaccessible };

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

IniCondition ConditionOf(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists()) {
        return IniCondition::Missing;
    }
    if (!info.isFile() || !info.isReadable() || !info.isWritable()) {
        return IniCondition::Inaccessible;
    }
    if (info.size() > kMaxIniSize) {
        return IniCondition::Damaged;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return IniCondition::Inaccessible;
    }
    const QByteArray bytes = file.readAll();
    if (!IsText(bytes) || !IsIniText(bytes)) {
        return IniCondition::Damaged;
    }
    const QSettings settings(path, QSettings::IniFormat);
    switch (settings.status()) {
    case QSettings::NoError:
        return IniCondition::Usable;
    case QSettings::FormatError:
        return IniCondition::Damaged;
    case QSettings::AccessError:
        break;
    }
    return IniCondition::Inaccessible;
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
    switch (ConditionOf(path)) {
    case IniCondition::Usable:
        return true;
    case IniCondition::Inaccessible:
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
        return ConditionOf(m_iniPath) == IniCondition::Usable;
    }
    // An existing key without any value cannot be told from a missing one here; it is
    // treated as missing, which only means the defaults are written once more.
    return WithSettings(m_iniPath, [](QSettings& settings) {
        return settings.status() == QSettings::NoError && settings.isWritable() &&
               !settings.childKeys().isEmpty();
    });
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
    return WithSettings(
        m_iniPath, [&](QSettings& settings) { return AsNumber(settings.value(ToQString(name))); });
}

bool SettingsPreferenceBackend::WriteNumber(std::string_view name, std::uint32_t value) {
    return WriteValue(*this, m_iniPath, name, QVariant(static_cast<uint>(value)));
}

bool SettingsPreferenceBackend::HasText(std::string_view name) {
    if (!OpenKey()) {
        return false;
    }
    return WithSettings(m_iniPath,
                        [&](QSettings& settings) { return settings.contains(ToQString(name)); });
}

bool SettingsPreferenceBackend::WriteText(std::string_view name, std::string_view text) {
    return WriteValue(*this, m_iniPath, name, QVariant(ToQString(text)));
}

std::string SettingsPreferenceBackend::Location() const {
    return m_iniPath.isEmpty() ? std::string(kRegistryKey) : m_iniPath.toStdString();
}

}  // namespace tov
