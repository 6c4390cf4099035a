#pragma once

#include "app/host/QtFileTextCodec.h"
#include "common/AppState.h"

#include <cstdint>

namespace tov::test {

/// The file codec of a system of this language: GBK on a Chinese one, Windows-1252 elsewhere.
/// Windows takes the ANSI code page the system has, whatever the language, so there the tests
/// name the code page such a system would have rather than take the one Wine runs with.
inline QtFileTextCodec CodecOfLanguage(std::uint16_t langId) {
#ifdef _WIN32
    return QtFileTextCodec::ForCodePage(langId == kLangIdChinesePrc ? 936 : 1252);
#else
    return QtFileTextCodec(langId);
#endif
}

}  // namespace tov::test
