#pragma once

#include <string>
#include <string_view>

namespace tov {

/// Turns typed text into the bytes a configuration file carries: the legacy code page of the
/// system that writes the file (GBK on a Chinese system, Windows-1252 elsewhere). Texts are
/// encoded once, where they enter (a form's field, the command line); the core works on the
/// bytes, and every text limit counts them.
class FileTextCodec {
public:
    virtual ~FileTextCodec() = default;

    struct Encoded {
        std::string bytes;
        /// The first character the code page cannot hold (UTF-8); empty when all fit.
        std::string unrepresentable;
    };

    /// The bytes of a UTF-8 text.
    virtual Encoded Encode(std::string_view utf8) const = 0;
    /// The UTF-8 text of file bytes.
    virtual std::string Decode(std::string_view bytes) const = 0;
    /// The code page's name, for messages ("GBK", "windows-1252").
    virtual std::string_view Name() const = 0;
};

}  // namespace tov
