#include "app/host/QtFileTextCodec.h"

#include "app/host/SystemLanguage.h"
#include "common/AppState.h"

#include <QByteArray>
#include <QtGlobal>

#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>
#endif

namespace tov {
namespace {

TEST(QtFileTextCodec, BytesOfTheSystemsCodePage) {
#ifdef _WIN32
    // Windows takes the ANSI code page the system has, whatever the language: both are tried
    // by number, and the codec of the system's language is the system's code page.
    const QtFileTextCodec gbk = QtFileTextCodec::ForCodePage(936);
    const QtFileTextCodec western = QtFileTextCodec::ForCodePage(1252);
    EXPECT_EQ(QtFileTextCodec(kLangIdChinesePrc).Name(), "windows-" + std::to_string(GetACP()));
#else
    const QtFileTextCodec gbk(kLangIdChinesePrc);
    const QtFileTextCodec western(0x0409);
#endif
    struct Case {
        const FileTextCodec& codec;
        std::string text;
        std::string bytes;
        std::string unrepresentable;
    };
    const Case cases[] = {
        {gbk, "APN 8080", "APN 8080", ""},
        {gbk, "中国移动", "\xD6\xD0\xB9\xFA\xD2\xC6\xB6\xAF", ""},  // two bytes a character
        {western, "Caf\xC3\xA9", "Caf\xE9", ""},
        {western,
         "a\xE4\xB8\xAD"
         "b",
         "a", "\xE4\xB8\xAD"},                                // 中 has no Windows-1252 byte
        {gbk, "x\xF0\x9F\x93\xB7", "x", "\xF0\x9F\x93\xB7"},  // nor has a camera emoji in GBK
        {western, "\xC4\x81", "", "\xC4\x81"},                // a with macron, not its best fit "a"
        // C1 controls: Windows-1252 keeps bytes for five of them, which stand for nothing.
        {western, "a\u0081", "a", "\u0081"},
        {western, "a\u008D", "a", "\u008D"},
        {western, "a\u0085", "a", "\u0085"},
        {western, "a\u009D", "a", "\u009D"},
        {gbk, "a\u0090", "a", "\u0090"},
    };
    for (const Case& c : cases) {
        const FileTextCodec::Encoded encoded = c.codec.Encode(c.text);
        EXPECT_EQ(encoded.unrepresentable, c.unrepresentable) << c.text;
        if (c.unrepresentable.empty()) {
            EXPECT_EQ(encoded.bytes, c.bytes) << c.text;
            EXPECT_EQ(c.codec.Decode(encoded.bytes), c.text);
        }
    }
#ifdef _WIN32
    EXPECT_EQ(gbk.Name(), "windows-936");
#else
    EXPECT_EQ(gbk.Name(), "GBK");
#endif
    EXPECT_EQ(western.Name(), "windows-1252");
}

#ifdef _WIN32
// Run by CTest under Wine in English and in Chinese (TOV_EXPECTED_ACP 1252 and 936): the codec
// takes the system's ANSI code page whatever the language chosen, and the system language comes
// from Windows.
TEST(QtFileTextCodec, TheSystemsAnsiCodePage) {
    const QByteArray expected = qgetenv("TOV_EXPECTED_ACP");
    if (expected.isEmpty()) {
        GTEST_SKIP() << "run with TOV_EXPECTED_ACP under a Wine of that code page";
    }
    const bool chinese = expected == "936";
    EXPECT_EQ(std::to_string(GetACP()), expected.toStdString());
    EXPECT_EQ(SystemDefaultLanguageId(), chinese ? kLangIdChinesePrc : 0x0409);
    const QtFileTextCodec codec(0x0409);  // an English choice on either system
    EXPECT_EQ(codec.Name(), "windows-" + expected.toStdString());
    const FileTextCodec::Encoded china = codec.Encode("中国");
    const FileTextCodec::Encoded umlaut = codec.Encode("\xC3\x84rger");  // A with diaeresis
    if (chinese) {
        EXPECT_EQ(china.bytes, "\xD6\xD0\xB9\xFA");
        EXPECT_EQ(umlaut.unrepresentable, "\xC3\x84");  // GBK has none, nor a best fit
    } else {
        EXPECT_EQ(china.unrepresentable, "中");
        EXPECT_EQ(umlaut.bytes, "\xC4rger");
    }
}
#endif

}  // namespace
}  // namespace tov
