#include "app/host/SystemLanguage.h"

#include "app/core/LanguageIds.h"

#include <QByteArray>
#include <QLocale>
#include <QtGlobal>

#ifdef _WIN32
#include <windows.h>
#endif

namespace tov {

std::uint16_t SystemDefaultLanguageId() {
    const QByteArray overrideText = qgetenv("TOVBRENN_SYSTEM_LANGID");
    if (const auto id = ParseLanguageId(overrideText.toStdString())) {
        return *id;
    }
#ifdef _WIN32
    return static_cast<std::uint16_t>(GetSystemDefaultLangID());
#else
    return LanguageIdForLocale(QLocale::system().name().toStdString());
#endif
}

}  // namespace tov
