#include "cli/WriteCommand.h"

#include "cli/FileOutput.h"
#include "cli/SettingInput.h"
#include "common/Models.h"
#include "common/Text.h"
#include "profiles/core/Csv.h"

#include <sstream>

namespace tov::cli {
namespace {

// Every line of `text` led by `prefix`.
void Prefixed(const std::string& prefix, const std::string& text, std::ostream& err) {
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        err << prefix << line << "\n";
    }
}

}  // namespace

bool ApplySetters(profiles::Profile& profile, const std::vector<std::string>& setters,
                  const AppState& state, const std::string& where, std::ostream& err) {
    for (const std::string& setter : setters) {
        const auto equals = setter.find('=');
        if (equals == std::string::npos || equals == 0) {
            err << where
                << state.message({Quoted(setter) + " 不是 KEY=VALUE 的形式",
                                  Quoted(setter) + " is not of the form KEY=VALUE"})
                << "\n";
            return false;
        }
        const std::string key = setter.substr(0, equals);
        if (!profiles::SetOverProfile(profile, key, setter.substr(equals + 1),
                                      FamilyOf(state.modelIndex))) {
            err << where
                << state.message({Quoted(key) + " 不是配置文件中任何文件的设置",
                                  Quoted(key) + " is a setting of no file the profile holds"})
                << "\n";
            return false;
        }
    }
    return true;
}

bool CheckCardColumns(const profiles::Profile& profile, const std::vector<std::string>& header,
                      const AppState& state, const std::string& where, std::ostream& err) {
    if (const std::string refusal = profiles::ColumnNamesRefusal(header); !refusal.empty()) {
        err << where << refusal << "\n";
        return false;
    }
    // A column no file takes would be read over on every row whose cell is empty, and refused
    // only on the first row that fills it, after the cards before it were written.
    profiles::Profile trial = profile;
    for (std::size_t c = 1; c < header.size(); ++c) {
        const std::string key(TrimSpaces(header[c]));
        if (!profiles::SetOverProfile(trial, key, "", FamilyOf(state.modelIndex))) {
            err << where
                << state.message({"第 " + std::to_string(c + 1) + " 列 " + Quoted(key) +
                                      " 不是配置文件中任何文件的设置",
                                  "column " + std::to_string(c + 1) + " " + Quoted(key) +
                                      " is a setting of no file the profile holds"})
                << "\n";
            return false;
        }
    }
    return true;
}

std::optional<std::vector<PreparedFile>>
PrepareProfileFiles(const profiles::Profile& profile, const AppState& state,
                    const std::optional<std::string>& clock, CliEnvironment& env,
                    std::ostream& err) {
    const std::string refusal =
        profiles::ProfileRefusal(profile, state.modelIndex, state.languageIndex);
    if (!refusal.empty()) {
        err << refusal << "\n";
        return std::nullopt;
    }
    std::vector<PreparedFile> files;
    bool refused = false;
    for (const profiles::ProfileFileKind& kind : profiles::kProfileFiles) {
        const auto given = profile.files.find(kind.member);
        if (given == profile.files.end()) {
            continue;
        }
        // Each file is checked, so that every refusal is told at once.
        std::ostringstream why;
        const auto texts = CollectSettings(given->second, {}, state, env.codec, why,
                                           profiles::SecretKeysOf(kind.member),
                                           profiles::AsciiOnlyKeysOf(kind.member));
        std::optional<PreparedFile> prepared;
        if (texts) {
            prepared = kind.member == "menu"  ? PrepareMenuFile(*texts, state, clock, env, why)
                       : kind.member == "mms" ? PrepareMmsFile(*texts, state, why)
                                              : PrepareSmtpFile(*texts, state, why);
        }
        if (!prepared) {
            Prefixed(std::string(kind.fileName) + ": ", why.str(), err);
            refused = true;
            continue;
        }
        // A clock note is no refusal: it is told all the same.
        Prefixed(std::string(kind.fileName) + ": ", why.str(), err);
        files.push_back(std::move(*prepared));
    }
    if (refused) {
        err << state.message({"未写入任何文件", "nothing was written"}) << "\n";
        return std::nullopt;
    }
    return files;
}

int WritePreparedFiles(const std::vector<PreparedFile>& files,
                       const writes::Destination& destination, const AppState& state,
                       const CommonOptions& options, CliEnvironment& env, std::ostream& out,
                       std::ostream& err) {
    int code = kExitOk;
    for (const PreparedFile& file : files) {
        const std::string name(file.fileName);
        if (code != kExitOk) {
            out << name << ": "
                << state.message(
                       {"未写入（前一个文件失败）", "not written (an earlier file failed)"})
                << "\n";
            continue;
        }
        code = WriteConfigFileStep(destination, file.fileName, file.bytes, file.confirmation, state,
                                   env, options.dryRun, out, err,
                                   FileWriteOptions(options, file.holdsPasswords));
        out << name << ": "
            << (code != kExitOk ? state.message({"未写入", "not written"})
                : options.dryRun ? state.message({"未写入（--dry-run）", "not written (--dry-run)"})
                                 : state.message({"已写入", "written"}))
            << "\n";
    }
    return code;
}

int RunWriteCommand(const ProfileWriteOptions& options, CliEnvironment& env, std::ostream& out,
                    std::ostream& err) {
    auto profile = ReadProfileFile(options.settings, StoredAppState(env), env, err);
    if (!profile) {
        return kExitBadInput;
    }
    const auto state =
        ResolveFileCommandState(options.common, options.outDir, env, err, profile->model);
    if (!state) {
        return kExitBadInput;
    }
    // Standard input held the profile: a "-" password cannot come from it too.
    std::vector<std::string> secretNames;
    for (const profiles::ProfileFileKind& kind : profiles::kProfileFiles) {
        for (const std::string_view key : profiles::SecretKeysOf(kind.member)) {
            secretNames.emplace_back(key);
            secretNames.push_back(std::string(kind.member) + "." + std::string(key));
        }
    }
    if (ReadsStandardInputTwice({options.settings, options.setters},
                                {secretNames.begin(), secretNames.end()}, *state, err) ||
        RepeatedSetter(options.setters, *state, err) ||
        !ApplySetters(*profile, options.setters, *state, "--set: ", err)) {
        return kExitBadInput;
    }
    const auto files = PrepareProfileFiles(*profile, *state, options.clock, env, err);
    if (!files) {
        return kExitBadInput;
    }
    const auto destination = ResolveOutFolder(options.outDir, env, err);
    if (!destination) {
        return kExitBadInput;
    }
    return WritePreparedFiles(*files, *destination, *state, options.common, env, out, err);
}

}  // namespace tov::cli
