#pragma once

#include "common/FileTextCodec.h"

#include <cstdint>
#include <string>

namespace tov {

/// The code page of configuration-file texts on Qt: GBK when the system language is Chinese
/// (PRC), Windows-1252 otherwise; on Windows the system's active ANSI code page.
class QtFileTextCodec final : public FileTextCodec {
public:
    explicit QtFileTextCodec(std::uint16_t systemLangId);
#ifdef _WIN32
    /// Windows: the texts of an ANSI code page given by number (the system's is GetACP()).
    static QtFileTextCodec ForCodePage(unsigned codePage);
#endif

    Encoded Encode(std::string_view utf8) const override;
    std::string Decode(std::string_view bytes) const override;
    std::string_view Name() const override {
        return m_name;
    }

private:
    std::string m_name;
#ifdef _WIN32
    unsigned m_codePage = 0;
#endif
};

}  // namespace tov
