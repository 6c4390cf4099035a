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

    Encoded Encode(std::string_view utf8) const override;
    std::string Decode(std::string_view bytes) const override;
    std::string_view Name() const override { return m_name; }

private:
    std::string m_name;
};

}  // namespace tov
