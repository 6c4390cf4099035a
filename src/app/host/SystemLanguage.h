#pragma once

#include <cstdint>

namespace tov {

/// The system default language identifier: TOVBRENN_SYSTEM_LANGID when it holds a valid
/// hexadecimal identifier, else the system's own (the Windows default language, or the
/// system locale mapped to its Windows identifier on other hosts).
std::uint16_t SystemDefaultLanguageId();

}  // namespace tov
