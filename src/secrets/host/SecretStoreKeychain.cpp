// The keychain through QtKeychain (the Secret Service on D-Bus), made synchronous: each job
// runs in a local event loop bounded by a timeout, so that a keychain that never answers
// (no service, a locked collection waiting for a prompt) cannot hold up a form.

#include "secrets/host/SecretStore.h"

#include <QEventLoop>
#include <QTimer>

#include <qt6keychain/keychain.h>

#include <memory>

namespace tov::secrets {
namespace {

constexpr int kTimeoutMs = 3000;
// Asked for to learn whether the keychain answers; never stored.
constexpr std::string_view kProbeKey = "keychain-probe";

QString ServiceName() {
    return QString::fromUtf8(kService.data(), static_cast<qsizetype>(kService.size()));
}

QString KeyName(std::string_view key) {
    return QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size()));
}

/// Runs `job` (which deletes itself once finished) and gives its error, or OtherError when it
/// did not finish in time.
QKeychain::Error Run(QKeychain::Job* job, QByteArray* readBack = nullptr) {
    // Never the plain-text file QtKeychain can fall back to.
    job->setInsecureFallback(false);
    QEventLoop loop;
    QKeychain::Error error = QKeychain::OtherError;
    // The loop is the receiver: a job that finishes after the timeout finds no one listening.
    QObject::connect(job, &QKeychain::Job::finished, &loop, [&](QKeychain::Job* done) {
        error = done->error();
        if (readBack != nullptr && error == QKeychain::NoError) {
            *readBack = static_cast<QKeychain::ReadPasswordJob*>(done)->binaryData();
        }
        loop.quit();
    });
    QTimer::singleShot(kTimeoutMs, &loop, &QEventLoop::quit);
    job->start();
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    return error;
}

}  // namespace

bool Available() {
    auto* job = new QKeychain::ReadPasswordJob(ServiceName());
    job->setKey(KeyName(kProbeKey));
    const QKeychain::Error error = Run(job);
    return error == QKeychain::NoError || error == QKeychain::EntryNotFound;
}

bool Store(std::string_view key, std::string_view value) {
    auto* job = new QKeychain::WritePasswordJob(ServiceName());
    job->setKey(KeyName(key));
    job->setBinaryData(QByteArray(value.data(), static_cast<qsizetype>(value.size())));
    return Run(job) == QKeychain::NoError;
}

std::optional<std::string> Read(std::string_view key) {
    auto* job = new QKeychain::ReadPasswordJob(ServiceName());
    job->setKey(KeyName(key));
    QByteArray value;
    if (Run(job, &value) != QKeychain::NoError) {
        return std::nullopt;
    }
    return value.toStdString();
}

bool Forget(std::string_view key) {
    auto* job = new QKeychain::DeletePasswordJob(ServiceName());
    job->setKey(KeyName(key));
    const QKeychain::Error error = Run(job);
    return error == QKeychain::NoError || error == QKeychain::EntryNotFound;
}

}  // namespace tov::secrets
