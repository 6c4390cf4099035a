#include "app/host/SettingsPreferenceBackend.h"
#include "app/core/LanguageIds.h"
#include "app/core/PreferenceStore.h"
#include "app/host/SystemLanguage.h"
#include "common/AppState.h"
#include "support/TempDir.h"

#include <QByteArray>
#include <QLocale>
#include <QString>
#include <QtGlobal>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <sstream>
#include <string>

namespace tov {
namespace {

using test::ReadBytes;
using test::TempDir;
using test::WriteBytes;

// Sets an environment variable for one test and puts the old value back.
class ScopedEnv final {
public:
    ScopedEnv(const char* name, const char* value) : m_name(name) {
        if (qEnvironmentVariableIsSet(name)) {
            m_old = qgetenv(name);
        }
        qputenv(name, value);
    }
    ~ScopedEnv() {
        if (m_old) {
            qputenv(m_name, *m_old);
        } else {
            qunsetenv(m_name);
        }
    }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    const char* m_name;
    std::optional<QByteArray> m_old;
};

QString QPath(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}

void WriteText(const std::filesystem::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

// The key=value lines of an INI file, quotes taken off, as another program would see them.
std::map<std::string, std::string> IniValues(const std::filesystem::path& path) {
    std::map<std::string, std::string> values;
    std::ifstream in(path);
    std::string line;
    while (std::getline(in, line)) {
        const auto equals = line.find('=');
        if (equals == std::string::npos) {
            continue;
        }
        std::string value = line.substr(equals + 1);
        if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
            value = value.substr(1, value.size() - 2);
        }
        values[line.substr(0, equals)] = value;
    }
    return values;
}

AppState Load(PreferenceBackend& backend, std::uint16_t langId) {
    PreferenceStore store(backend, langId);
    AppState state;
    LoadPreferences(store, state);
    return state;
}

TEST(SettingsPreferenceBackend, FirstRunCreatesTheFileWithEveryDefault) {
    TempDir dir;
    const auto path = dir.path() / "config" / "tovbrenn" / "preferences.ini";
    SettingsPreferenceBackend backend(QPath(path));
    EXPECT_FALSE(backend.OpenKey());

    const AppState state = Load(backend, 0x0804);
    EXPECT_EQ(state.languageIndex, 1);
    EXPECT_EQ(state.modelIndex, 1);
    EXPECT_EQ(state.TvMode, 0);
    EXPECT_TRUE(backend.OpenKey());
    const auto values = IniValues(path);
    EXPECT_EQ(values.at("language"), "1");
    EXPECT_EQ(values.at("model"), "1");
    EXPECT_EQ(values.at("TvMode"), "0");
    EXPECT_EQ(values.at("Company"), "Tov Brenn Electronics Co., Ltd");
}

TEST(SettingsPreferenceBackend, HandSetValuesAreReadAndNotRewritten) {
    TempDir dir;
    const auto path = dir.path() / "preferences.ini";
    // 65538 is 0x00010002: the upper half is ignored.
    WriteText(path, "[General]\nlanguage=65538\nmodel=4\nTvMode=1\nCompany=Someone, Else\n");
    const auto before = ReadBytes(path);

    SettingsPreferenceBackend backend(QPath(path));
    const AppState state = Load(backend, 0x0804);
    EXPECT_EQ(state.languageIndex, 2);
    EXPECT_EQ(state.modelIndex, 4);
    EXPECT_EQ(state.TvMode, 1);
    EXPECT_EQ(ReadBytes(path), before);
}

TEST(SettingsPreferenceBackend, MissingValuesInAnExistingFile) {
    TempDir dir;
    const auto path = dir.path() / "preferences.ini";
    WriteText(path, "[General]\nmodel=2\n");

    SettingsPreferenceBackend backend(QPath(path));
    const AppState state = Load(backend, 0x1407);
    EXPECT_EQ(state.languageIndex, 3);
    EXPECT_EQ(state.modelIndex, 2);
    const auto values = IniValues(path);
    // The file could be opened, so the language default is used but not written.
    EXPECT_FALSE(values.contains("language"));
    EXPECT_EQ(values.at("TvMode"), "0");
    EXPECT_TRUE(values.contains("Company"));
}

TEST(SettingsPreferenceBackend, OnlyUnsigned32BitNumbersCount) {
    TempDir dir;
    const auto path = dir.path() / "preferences.ini";
    WriteText(path, "[General]\nlanguage=4294967295\nmodel=4294967296\nTvMode=-1\n"
                    "a=abc\nb=0x10\nc=\nd=1,2\ne=\"7\"\n");
    SettingsPreferenceBackend backend(QPath(path));
    EXPECT_EQ(backend.ReadNumber("language"), 0xFFFFFFFFU);
    EXPECT_EQ(backend.ReadNumber("model"), std::nullopt);
    EXPECT_EQ(backend.ReadNumber("TvMode"), std::nullopt);
    for (const char* name : {"a", "b", "c", "d", "missing"}) {
        EXPECT_EQ(backend.ReadNumber(name), std::nullopt) << name;
    }
    EXPECT_EQ(backend.ReadNumber("e"), 7U);

    PreferenceStore store(backend, 0x0409);
    EXPECT_EQ(store.ReadLanguagePreference().value, 0xFFFF);
    const PreferenceValue model = store.ReadModelPreference();
    EXPECT_FALSE(model.found);
    EXPECT_EQ(model.value, 1);
}

TEST(SettingsPreferenceBackend, WritesAreSeenByTheNextInstance) {
    TempDir dir;
    const auto path = dir.path() / "preferences.ini";
    {
        SettingsPreferenceBackend backend(QPath(path));
        PreferenceStore store(backend, 0x0409);
        EXPECT_TRUE(store.WriteModelPreference(5));
        EXPECT_TRUE(store.WriteLanguagePreference(11));
        EXPECT_TRUE(store.WriteCompanyPreference());
    }
    SettingsPreferenceBackend again(QPath(path));
    EXPECT_EQ(again.ReadNumber("model"), 5U);
    EXPECT_EQ(again.ReadNumber("language"), 11U);
    EXPECT_TRUE(again.HasText("Company"));
    EXPECT_FALSE(again.HasText("Other"));
}

// A file that is not an INI file gives the defaults; it is kept aside and a fresh file
// takes its place, so the next start remembers the choices again.
TEST(SettingsPreferenceBackend, DamagedFileGivesDefaultsAndIsReplaced) {
    const std::vector<std::vector<std::uint8_t>> damaged = {
        {0x00, 0xFF, 0x13, 'l', 'a', 'n', 'g', 'u', 'a', 'g', 'e', '=', '5', 0x00, 0xC3},
        {'[', 'G', 'e', 'n', 'e', 'r', 'a', 'l', '\n', 'l',
         'a', 'n', 'g', 'u', 'a', 'g', 'e', '=', '5',  '\n'},
        std::vector<std::uint8_t>(200 * 1024, 'x'),
        // Damage only the INI reader sees, and reports on a file's first read only.
        {'[', 'G', '=', ';', ']', '\n', 'l', ')', '=', '1', '\n'},
    };
    for (const auto& bytes : damaged) {
        TempDir dir;
        const auto path = dir.path() / "preferences.ini";
        WriteBytes(path, bytes);
        SettingsPreferenceBackend backend(QPath(path));
        EXPECT_FALSE(backend.OpenKey());

        const AppState state = Load(backend, 0x0409);
        EXPECT_EQ(state.languageIndex, 2);
        EXPECT_EQ(state.modelIndex, 1);
        EXPECT_EQ(state.TvMode, 0);
        EXPECT_EQ(ReadBytes(dir.path() / "preferences.ini.damaged"), bytes);
        EXPECT_TRUE(backend.OpenKey());
        EXPECT_EQ(IniValues(path).at("language"), "2");
    }
}

TEST(SettingsPreferenceBackend, PathThatCannotBeAFileGivesDefaultsAndWritesFail) {
    TempDir dir;
    const auto path = dir.path() / "preferences.ini";
    std::filesystem::create_directory(path);
    SettingsPreferenceBackend backend(QPath(path));
    EXPECT_FALSE(backend.OpenKey());
    EXPECT_FALSE(backend.CreateKey());

    const AppState state = Load(backend, 0x1407);
    EXPECT_EQ(state.languageIndex, 3);
    EXPECT_EQ(state.modelIndex, 1);
    EXPECT_FALSE(backend.WriteNumber("model", 2));
    EXPECT_FALSE(backend.WriteText("Company", "x"));
    EXPECT_TRUE(std::filesystem::is_directory(path));
    EXPECT_TRUE(std::filesystem::is_empty(path));
}

TEST(SettingsPreferenceBackend, EnvironmentChoosesTheFile) {
    TempDir dir;
    const auto path = dir.path() / "chosen.ini";
    const ScopedEnv env("TOVBRENN_PREFERENCES", path.string().c_str());
    EXPECT_EQ(SettingsPreferenceBackend::DefaultIniPath(), QPath(path));

    SettingsPreferenceBackend backend;
    EXPECT_EQ(backend.Location(), path.string());
    EXPECT_TRUE(backend.WriteNumber("model", 3));
    EXPECT_EQ(IniValues(path).at("model"), "3");
}

#ifdef __linux__
TEST(SettingsPreferenceBackend, DefaultFileIsInTheUsersConfigFolder) {
    TempDir dir;
    const ScopedEnv noOverride("TOVBRENN_PREFERENCES", "");
    const ScopedEnv config("XDG_CONFIG_HOME", dir.str().c_str());
    EXPECT_EQ(SettingsPreferenceBackend::DefaultIniPath(),
              QPath(dir.path() / "tovbrenn" / "preferences.ini"));
}
#endif

TEST(SystemLanguage, EnvironmentOverridesTheSystem) {
    {
        const ScopedEnv env("TOVBRENN_SYSTEM_LANGID", "0x1407");
        EXPECT_EQ(SystemDefaultLanguageId(), 0x1407);
    }
    {
        const ScopedEnv env("TOVBRENN_SYSTEM_LANGID", "0804");
        EXPECT_EQ(SystemDefaultLanguageId(), 0x0804);
    }
#ifndef _WIN32
    const ScopedEnv env("TOVBRENN_SYSTEM_LANGID", "not a language");
    EXPECT_EQ(SystemDefaultLanguageId(),
              LanguageIdForLocale(QLocale::system().name().toStdString()));
#endif
}

}  // namespace
}  // namespace tov
