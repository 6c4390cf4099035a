#include "cards/host/BackupsFolder.h"

#include <QStandardPaths>
#include <QString>

namespace tov {

std::filesystem::path BackupsFolder() {
    const QString given = qEnvironmentVariable("TOVBRENN_BACKUPS");
    if (!given.isEmpty()) {
        return std::filesystem::path(given.toStdU16String());
    }
    // The generic data folder needs no application name, so the CLI (no QCoreApplication)
    // and the application find the same folder.
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return std::filesystem::path((data + "/tovbrenn/backups").toStdU16String());
}

}  // namespace tov
