#include "cli/SecretInput.h"

#include <algorithm>
#include <cstdio>
#include <iostream>

#ifdef _WIN32
#include <windows.h>
// clang-format off
#include <io.h>
// clang-format on
#else
#include <termios.h>
#include <unistd.h>
#endif

namespace tov::cli {
namespace {

std::optional<std::string> ReadPlainLine() {
    std::string line;
    if (!std::getline(std::cin, line)) {
        return std::nullopt;
    }
    if (!line.empty() && line.back() == '\r') {
        line.pop_back();
    }
    return line;
}

#ifdef _WIN32

bool InputIsTerminal() {
    return _isatty(_fileno(stdin)) != 0;
}

}  // namespace

bool ErrorIsTerminal() {
    return _isatty(_fileno(stderr)) != 0;
}

namespace {

// The console hands typed text over in UTF-16; the file's code page is applied later, once.
std::optional<std::string> ReadTerminalLine() {
    const HANDLE input = GetStdHandle(STD_INPUT_HANDLE);
    DWORD mode = 0;
    const bool quiet =
        GetConsoleMode(input, &mode) && SetConsoleMode(input, mode & ~ENABLE_ECHO_INPUT);
    std::wstring line;
    wchar_t buffer[256];
    DWORD read = 0;
    bool ended = true;
    while (ReadConsoleW(input, buffer, 256, &read, nullptr) && read > 0) {
        line.append(buffer, read);
        if (line.back() == L'\n') {
            ended = false;
            break;
        }
    }
    if (quiet) {
        SetConsoleMode(input, mode);
    }
    while (!line.empty() && (line.back() == L'\n' || line.back() == L'\r')) {
        line.pop_back();
    }
    if (ended && line.empty()) {
        return std::nullopt;
    }
    const int size = WideCharToMultiByte(CP_UTF8, 0, line.data(), static_cast<int>(line.size()),
                                         nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(std::max(size, 0)), '\0');
    WideCharToMultiByte(CP_UTF8, 0, line.data(), static_cast<int>(line.size()), utf8.data(), size,
                        nullptr, nullptr);
    return utf8;
}

#else

bool InputIsTerminal() {
    return isatty(STDIN_FILENO) != 0;
}

}  // namespace

bool ErrorIsTerminal() {
    return isatty(STDERR_FILENO) != 0;
}

namespace {

// Echo is off only while the line is read, and comes back whatever happens to the read.
class EchoOff final {
public:
    EchoOff() {
        if (tcgetattr(STDIN_FILENO, &m_saved) == 0) {
            termios quiet = m_saved;
            quiet.c_lflag &= ~static_cast<tcflag_t>(ECHO);
            m_active = tcsetattr(STDIN_FILENO, TCSAFLUSH, &quiet) == 0;
        }
    }
    ~EchoOff() {
        if (m_active) {
            tcsetattr(STDIN_FILENO, TCSAFLUSH, &m_saved);
        }
    }
    EchoOff(const EchoOff&) = delete;
    EchoOff& operator=(const EchoOff&) = delete;

private:
    termios m_saved{};
    bool m_active = false;
};

std::optional<std::string> ReadTerminalLine() {
    const EchoOff quiet;
    return ReadPlainLine();
}

#endif

}  // namespace

std::optional<std::string> ReadSecretLine(std::string_view prompt, std::ostream& err) {
    if (!InputIsTerminal()) {
        return ReadPlainLine();
    }
    err << prompt << std::flush;
    std::optional<std::string> line = ReadTerminalLine();
    err << "\n";  // the Enter that ended the line was not echoed
    return line;
}

std::optional<SettingSources> ReadSecretSetters(const SettingSources& sources,
                                                const std::vector<std::string_view>& secretKeys,
                                                const AppState& state, CliEnvironment& env,
                                                std::ostream& err) {
    SettingSources read = sources;
    for (std::string& setter : read.setters) {
        const auto equals = setter.find('=');
        if (equals == std::string::npos ||
            std::string_view(setter).substr(equals + 1) != kSecretFromInput) {
            continue;
        }
        const std::string key = setter.substr(0, equals);
        if (std::find(secretKeys.begin(), secretKeys.end(), key) == secretKeys.end()) {
            continue;
        }
        const std::optional<std::string> value = env.readSecret(key + ": ", err);
        if (!value) {
            err << key << ": " << state.message({"标准输入中没有值", "no value on standard input"})
                << "\n";
            return std::nullopt;
        }
        setter = key + "=" + *value;
    }
    return read;
}

}  // namespace tov::cli
