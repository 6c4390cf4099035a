#include "app/host/QtFileTextCodec.h"
#include "app/host/SettingsPreferenceBackend.h"
#include "app/host/SystemLanguage.h"
#include "cards/host/BackupsFolder.h"
#include "cards/host/CardEject.h"
#include "cards/host/CardList.h"
#include "cli/CommandLine.h"
#include "cli/StopSignals.h"

#include <csignal>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#ifdef _WIN32
#include <windows.h>
// clang-format off
#include <shellapi.h>
// clang-format on
#endif

namespace {

// The arguments as UTF-8. Windows hands programs their arguments in the ANSI code page through
// argv, which loses what it cannot hold; its UTF-16 command line holds them all.
std::vector<std::string> Arguments(int argc, char** argv) {
#ifdef _WIN32
    (void)argc;
    (void)argv;
    std::vector<std::string> args;
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    for (int i = 1; wide != nullptr && i < count; ++i) {
        const int size = WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, nullptr, 0, nullptr, nullptr);
        std::string arg(static_cast<std::size_t>(size > 0 ? size - 1 : 0), '\0');
        WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, arg.data(), size, nullptr, nullptr);
        args.push_back(std::move(arg));
    }
    LocalFree(wide);
    return args;
#else
    return std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc);
#endif
}

// The preference file, found only when a command first asks for it: --help and --version
// never look for it.
class LazyPreferences final : public tov::PreferenceBackend {
public:
    bool OpenKey() override { return Store().OpenKey(); }
    bool CreateKey() override { return Store().CreateKey(); }
    std::optional<std::uint32_t> ReadNumber(std::string_view name) override {
        return Store().ReadNumber(name);
    }
    std::optional<Numbers> ReadNumbers(std::span<const std::string_view> names) override {
        return Store().ReadNumbers(names);
    }
    bool WriteNumber(std::string_view name, std::uint32_t value) override {
        return Store().WriteNumber(name, value);
    }
    bool HasText(std::string_view name) override { return Store().HasText(name); }
    bool WriteText(std::string_view name, std::string_view text) override {
        return Store().WriteText(name, text);
    }
    std::string Location() const override { return Store().Location(); }
    std::string Condition() override { return Store().Condition(); }

private:
    tov::SettingsPreferenceBackend& Store() const {
        if (!m_store) {
            m_store.emplace();
        }
        return *m_store;
    }

    mutable std::optional<tov::SettingsPreferenceBackend> m_store;
};

}  // namespace

int main(int argc, char** argv) {
#ifdef SIGXFSZ
    // Past a file-size limit (ulimit -f) the write fails with EFBIG, which the safe output
    // reports and cleans up after; the signal would end the run with the temporary left.
    std::signal(SIGXFSZ, SIG_IGN);
#endif
    // A stop signal lets a write under way finish (or remove its temporary file) before the
    // command ends with its own exit code.
    const tov::cli::StopSignalGuard stopSignals;
    LazyPreferences preferences;
    const std::uint16_t systemLangId = tov::SystemDefaultLanguageId();
    const tov::QtFileTextCodec codec(systemLangId);
    tov::cli::CliEnvironment env{preferences, systemLangId, tov::cli::ReadLocalClock, codec};
    env.listCards = tov::ListCards;
    env.ejectCard = [](const tov::cards::Card& card) {
        return tov::EjectCard(card);
    };
    env.backupsFolder = tov::BackupsFolder();
    env.terminal = tov::cli::ErrorIsTerminal();
    return tov::cli::RunCommandLine(Arguments(argc, argv), env, std::cout, std::cerr);
}
