#include "app/host/QtFileTextCodec.h"

#include "common/AppState.h"
#include "forms/QtText.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>

#ifdef _WIN32
#include "app/host/WindowsCodePage.h"

#include <windows.h>
#endif

namespace tov {
namespace {

std::string CodePageName(std::uint16_t systemLangId) {
#ifdef _WIN32
    (void)systemLangId;
    return "windows-" + std::to_string(GetACP());
#else
    return systemLangId == kLangIdChinesePrc ? "GBK" : "windows-1252";
#endif
}

bool IsAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return (c & 0x80) == 0; });
}

// U+0080..U+009F: Windows-1252 has bytes for five of them (0x81, 0x8D, 0x8F, 0x90, 0x9D) that
// stand for no character, and the camera shows none of them; all are refused alike.
bool IsC1Control(const QString& one) {
    return one.size() == 1 && one.at(0).unicode() >= 0x80 && one.at(0).unicode() <= 0x9F;
}

}  // namespace

QtFileTextCodec::QtFileTextCodec(std::uint16_t systemLangId) : m_name(CodePageName(systemLangId)) {
#ifdef _WIN32
    m_codePage = GetACP();
#endif
}

#ifdef _WIN32
// A Qt without ICU knows no legacy code page by name, so Windows converts with its own tables.
QtFileTextCodec QtFileTextCodec::ForCodePage(unsigned codePage) {
    QtFileTextCodec codec(0);
    codec.m_codePage = codePage;
    codec.m_name = "windows-" + std::to_string(codePage);
    return codec;
}
#endif

FileTextCodec::Encoded QtFileTextCodec::Encode(std::string_view utf8) const {
    Encoded result;
    // Plain ASCII is the same bytes in every code page the tool writes; most texts are, and
    // this spares loading the converters.
    if (IsAscii(utf8)) {
        result.bytes = utf8;
        return result;
    }
    const QString text = ToQString(utf8);
    // Character by character, so that the first one the code page lacks can be named.
#ifndef _WIN32
    QStringEncoder encoder(m_name.c_str(), QStringConverter::Flag::Stateless);
#endif
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype length = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QString one = text.mid(i, length);
#ifdef _WIN32
        const std::optional<std::string> bytes = EncodeInCodePage(
            m_codePage, std::u16string_view(reinterpret_cast<const char16_t*>(one.utf16()),
                                            static_cast<std::size_t>(one.size())));
        if (!bytes || IsC1Control(one)) {
            result.unrepresentable = one.toStdString();
            break;
        }
        result.bytes += *bytes;
#else
        const QByteArray bytes = encoder.encode(one);
        if (!encoder.isValid() || encoder.hasError() || IsC1Control(one)) {
            result.unrepresentable = one.toStdString();
            break;
        }
        result.bytes.append(bytes.constData(), static_cast<std::size_t>(bytes.size()));
#endif
        i += length;
    }
    return result;
}

std::string QtFileTextCodec::Decode(std::string_view bytes) const {
    if (IsAscii(bytes)) {
        return std::string(bytes);
    }
#ifdef _WIN32
    return DecodeFromCodePage(m_codePage, bytes);
#else
    QStringDecoder decoder(m_name.c_str());
    const QString text =
        decoder.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
    return text.toStdString();
#endif
}

}  // namespace tov
