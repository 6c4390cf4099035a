#include "app/host/SystemLanguage.h"

#include "app/core/LanguageIds.h"

#include <QByteArray>
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
    // The locale the environment names, as the C library takes it: read here directly, since
    // building Qt's system locale costs a short command more than its whole work.
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QByteArray name = qgetenv(variable);
        if (!name.isEmpty()) {
            return LanguageIdForLocale(name.toStdString());
        }
    }
    return LanguageIdForLocale("C");
#endif
}

}  // namespace tov
