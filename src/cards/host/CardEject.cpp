#include "cards/host/CardEject.h"

#include "cards/core/CardMessages.h"

#include <QProcess>
#include <QString>
#include <QStringList>

#if defined(_WIN32)
#include <windows.h>
// clang-format off
#include <winioctl.h>
// clang-format on

#include "cards/core/WindowsDrive.h"
#elif !defined(__APPLE__)
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusReply>
#include <QDBusVariant>
#include <unistd.h>

#include "cards/core/MountTable.h"
#include <QVariantMap>
#endif

#include <fstream>
#include <sstream>

namespace tov {
namespace {

namespace text = cards::text;

std::string Name(const cards::Card& card) {
    return card.label.empty() ? card.mountPoint : card.label + " (" + card.mountPoint + ")";
}

// What the system did, put in words in the user's language at the end.
struct Ejected {
    enum Kind { kRemovable, kStillOpen, kFailed } kind;
    std::string detail;  ///< the system's own words, if any
    MessagePair how{};   ///< how the reader took it, for a removable card
};

Ejected Removable(MessagePair how = {}) {
    return {Ejected::kRemovable, {}, how};
}

Ejected Busy(const std::string& detail) {
    return {Ejected::kStillOpen, detail};
}

Ejected Failed(const std::string& detail) {
    return {Ejected::kFailed, detail};
}

EjectResult InWords(const cards::Card& card, const Ejected& ejected, int language) {
    const std::string name = Name(card);
    switch (ejected.kind) {
    case Ejected::kRemovable:
        return {true, cards::Filled(PickMessage(text::kMayBeRemoved, language),
                                    {name, PickMessage(ejected.how, language)})};
    case Ejected::kStillOpen:
        return {false, cards::Filled(PickMessage(text::kStillOpen, language),
                                     {name, ejected.detail.empty() ? std::string()
                                                                   : " (" + ejected.detail + ")"})};
    case Ejected::kFailed:
        break;
    }
    return {false,
            cards::Filled(PickMessage(text::kEjectFailed, language), {name, ejected.detail})};
}

#if defined(_WIN32)

// The volume opened for the eject's DeviceIoControl calls.
class Win32Volume final : public cards::VolumeControl {
public:
    explicit Win32Volume(HANDLE handle) : m_handle(handle) {}
    bool Lock() override { return Control(FSCTL_LOCK_VOLUME, nullptr, 0); }
    bool Dismount() override { return Control(FSCTL_DISMOUNT_VOLUME, nullptr, 0); }
    void AllowRemoval() override {
        PREVENT_MEDIA_REMOVAL allow{};
        allow.PreventMediaRemoval = FALSE;
        Control(IOCTL_STORAGE_MEDIA_REMOVAL, &allow, sizeof allow);
    }
    bool EjectMedia() override { return Control(IOCTL_STORAGE_EJECT_MEDIA, nullptr, 0); }
    void Wait(int milliseconds) override { Sleep(static_cast<DWORD>(milliseconds)); }

private:
    bool Control(DWORD code, void* in, DWORD inSize) {
        DWORD returned = 0;
        return DeviceIoControl(m_handle, code, in, inSize, nullptr, 0, &returned, nullptr) != 0;
    }
    HANDLE m_handle;
};

// Lock, dismount and eject: this ejects the card from the reader, not the reader from the
// system.
Ejected EjectPlatform(const cards::Card& card) {
    const std::wstring root = QString::fromStdString(card.mountPoint).toStdWString();
    if (root.size() < 2 || root[1] != L':') {
        return Failed("not a drive letter");
    }
    const std::wstring volume = std::wstring(L"\\\\.\\") + root.substr(0, 2);
    HANDLE handle =
        CreateFileW(volume.c_str(), GENERIC_READ | GENERIC_WRITE,
                    FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        return Failed("the volume cannot be opened (error " + std::to_string(GetLastError()) + ")");
    }
    // Written files reach the card before it goes.
    FlushFileBuffers(handle);
    Win32Volume control(handle);
    const cards::EjectOutcome outcome = cards::EjectVolume(control);
    CloseHandle(handle);
    switch (outcome) {
    case cards::EjectOutcome::Ejected:
        return Removable();
    case cards::EjectOutcome::DismountedOnly:
        return Removable(text::kReaderKeepsIt);
    case cards::EjectOutcome::Busy:
        return Busy("");
    case cards::EjectOutcome::NotDismounted:
        break;
    }
    return Failed("the volume could not be dismounted");
}

#endif

#if !defined(_WIN32)

// The output of a finished program, trimmed.
std::string Output(QProcess& process) {
    return QString::fromLocal8Bit(process.readAllStandardError() + process.readAllStandardOutput())
        .trimmed()
        .toStdString();
}

bool Run(const QString& program, const QStringList& args, std::string& output) {
    QProcess process;
    process.start(program, args);
    if (!process.waitForFinished(30000)) {
        output = process.errorString().toStdString();
        process.kill();
        process.waitForFinished(1000);
        return false;
    }
    output = Output(process);
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

#endif

#if defined(__APPLE__)

// Untested: diskutil unmounts every volume of the disk and ejects it.
Ejected EjectPlatform(const cards::Card& card) {
    std::string output;
    if (Run("diskutil", {"eject", QString::fromStdString(card.mountPoint)}, output)) {
        return Removable();
    }
    if (output.find("in use") != std::string::npos) {
        return Busy(output);
    }
    return Failed(output);
}

#elif !defined(_WIN32)

constexpr const char* kUdisks = "org.freedesktop.UDisks2";
constexpr const char* kUdisksError = "org.freedesktop.UDisks2.Error.";

// The UDisks2 block object of the card's device, when UDisks2 runs and knows the device.
QString UdisksBlock(const cards::Card& card) {
    QDBusConnection bus = QDBusConnection::systemBus();
    if (!bus.isConnected()) {
        return {};
    }
    QVariantMap spec;
    spec.insert("path", QString::fromStdString(card.device));
    QDBusMessage resolve =
        QDBusMessage::createMethodCall(kUdisks, "/org/freedesktop/UDisks2/Manager",
                                       "org.freedesktop.UDisks2.Manager", "ResolveDevice");
    resolve << spec << QVariantMap();
    const QDBusReply<QList<QDBusObjectPath>> reply = bus.call(resolve);
    if (!reply.isValid() || reply.value().isEmpty()) {
        return {};
    }
    return reply.value().front().path();
}

// A property read with Properties.Get: QDBusInterface::property needs the interface's
// introspection data, which a service need not give.
QVariant UdisksProperty(const QString& path, const QString& interface, const QString& name) {
    QDBusMessage get =
        QDBusMessage::createMethodCall(kUdisks, path, "org.freedesktop.DBus.Properties", "Get");
    get << interface << name;
    const QDBusMessage reply = QDBusConnection::systemBus().call(get);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
        return {};
    }
    return reply.arguments().front().value<QDBusVariant>().variant();
}

Ejected UdisksEject(const QString& block) {
    QDBusConnection bus = QDBusConnection::systemBus();
    QDBusMessage unmount = QDBusMessage::createMethodCall(
        kUdisks, block, "org.freedesktop.UDisks2.Filesystem", "Unmount");
    unmount << QVariantMap();
    const QDBusMessage unmounted = bus.call(unmount);
    if (unmounted.type() == QDBusMessage::ErrorMessage) {
        const std::string detail = unmounted.errorMessage().toStdString();
        if (unmounted.errorName() == QString(kUdisksError) + "DeviceBusy") {
            return Busy(detail);
        }
        return Failed(detail);
    }
    // The drive is powered off only where it says it can be (a USB reader, not a built-in slot).
    const QString drive = UdisksProperty(block, "org.freedesktop.UDisks2.Block", "Drive")
                              .value<QDBusObjectPath>()
                              .path();
    if (drive.isEmpty() || drive == "/" ||
        !UdisksProperty(drive, "org.freedesktop.UDisks2.Drive", "CanPowerOff").toBool()) {
        return Removable();
    }
    QDBusMessage powerOff =
        QDBusMessage::createMethodCall(kUdisks, drive, "org.freedesktop.UDisks2.Drive", "PowerOff");
    powerOff << QVariantMap();
    const QDBusMessage off = bus.call(powerOff);
    return Removable(off.type() == QDBusMessage::ErrorMessage ? text::kReaderStillOn
                                                              : text::kReaderOff);
}

bool StillMounted(const std::string& mountPoint) {
    std::ifstream in("/proc/self/mountinfo");
    std::stringstream text;
    text << in.rdbuf();
    for (const cards::MountEntry& mount : cards::ParseMountInfo(text.str())) {
        if (mount.mountPoint == mountPoint) {
            return true;
        }
    }
    return false;
}

// Without UDisks2: umount, and for a FUSE mount of another user fusermount.
Ejected UnmountEject(const cards::Card& card) {
    const QString where = QString::fromStdString(card.mountPoint);
    std::string output;
    bool done = Run("umount", {where}, output);
    if (!done && output.find("busy") == std::string::npos) {
        std::string fuseOutput;
        done = Run("fusermount3", {"-u", where}, fuseOutput) ||
               Run("fusermount", {"-u", where}, fuseOutput);
    }
    if (done && !StillMounted(card.mountPoint)) {
        ::sync();
        return Removable();
    }
    if (output.find("busy") != std::string::npos) {
        return Busy(output);
    }
    return Failed(output.empty() ? "it is still mounted" : output);
}

Ejected EjectPlatform(const cards::Card& card) {
    const QString block = UdisksBlock(card);
    return block.isEmpty() ? UnmountEject(card) : UdisksEject(block);
}

#endif

}  // namespace

EjectResult EjectCard(const cards::Card& card, int languageIndex) {
    return InWords(card, EjectPlatform(card), languageIndex);
}

}  // namespace tov
