#include "cli/ProfileCommand.h"

#include "cli/FileOutput.h"
#include "common/FieldMessages.h"
#include "common/FilePath.h"
#include "common/InputFile.h"
#include "common/Text.h"
#include "profiles/core/FileSettings.h"
#include "profiles/json/ProfileJson.h"

#include <filesystem>

namespace tov::cli {
namespace {

// A configuration file is 60 bytes to a few KiB.
constexpr std::size_t kMaxFileSize = 64 * 1024;

struct Source {
    std::string_view member;
    std::vector<std::uint8_t> bytes;
};

}  // namespace

int RunProfileCommand(const ProfileOptions& options, CliEnvironment& env, std::ostream& out,
                      std::ostream& err) {
    const AppState state = StoredAppState(env);
    std::optional<int> model;
    if (options.model) {
        model = CheckedModel(*options.model, state, err);
        if (!model) {
            return kExitBadInput;
        }
    }
    std::string sourceText = options.source;
    if (sourceText == kOutCard) {
        const auto card = ResolveOutFolder(sourceText, env, err);
        if (!card) {
            return kExitBadInput;
        }
        sourceText = card->folder;
    }
    const std::filesystem::path source = std::filesystem::u8path(sourceText);
    std::error_code ec;
    std::vector<Source> sources;
    const auto read = [&](const std::filesystem::path& path, std::string_view member) {
        const InputFile input = ReadInputFile(PathText(path), kMaxFileSize);
        if (!input.error.empty()) {
            err << state.message({"无法读取 " + Printable(PathText(path)) + "：" + input.error,
                                  "cannot read " + Printable(PathText(path)) + ": " + input.error})
                << "\n";
            return false;
        }
        sources.push_back({member, input.bytes});
        return true;
    };
    if (std::filesystem::is_directory(source, ec)) {
        for (const profiles::ProfileFileKind& kind : profiles::kProfileFiles) {
            const std::filesystem::path inside = source / kind.fileName;
            if (std::filesystem::symlink_status(inside, ec).type() !=
                    std::filesystem::file_type::not_found &&
                !read(inside, kind.member)) {
                return kExitBadInput;
            }
        }
    } else {
        const profiles::ProfileFileKind* kind =
            profiles::ProfileFileByName(PathText(source.filename()));
        if (kind == nullptr) {
            err << state.message({Printable(sourceText) + " 不是本工具写入的文件",
                                  Printable(sourceText) + " is no file the tool writes"})
                << "\n";
            return kExitBadInput;
        }
        if (!read(source, kind->member)) {
            return kExitBadInput;
        }
    }
    if (sources.empty()) {
        err << state.message({Printable(sourceText) + " 中没有配置文件",
                              "no configuration file in " + Printable(sourceText)})
            << "\n";
        return kExitBadInput;
    }

    std::vector<profiles::ReadFile> files;
    for (const Source& each : sources) {
        files.push_back({each.member, each.bytes});
    }
    const profiles::Profile profile =
        profiles::ProfileOfFiles(files, model, options.includeSecrets, env.codec);
    if (!profile.refused.empty()) {
        for (const auto& [member, reason] : profile.refused) {
            err << profiles::ProfileFileByMember(member)->fileName << ": " << reason << "\n";
        }
        err << state.message({"未写入配置文件", "no profile was written"}) << "\n";
        return kExitBadInput;
    }
    const std::string json = profiles::ProfileJson(profile) + "\n";
    const bool secret = profiles::HoldsSecrets(profile);
    if (options.out == "-") {
        out << json;
        return kExitOk;
    }
    const std::filesystem::path target = UserFilePath(options.out);
    const std::vector<std::uint8_t> bytes(json.begin(), json.end());
    // Owner-only from its creation when it holds passwords: the temporary file is made so,
    // and a replaced profile's mode loses what others had before the new one takes its name.
    const WriteResult written =
        WriteFileAtomically(target, bytes, {.ownerOnly = secret, .replaceReadOnly = options.force});
    if (!written.ok) {
        err << WriteFailureMessage(PathText(target), written, state.languageIndex) << "\n";
        return written.notRegular ? kExitBadInput : kExitWriteFailed;
    }
    if (!profile.model) {
        err << state.message({"文件未指明型号；写入时请用 --model",
                              "the files name no single model; give --model when writing"})
            << "\n";
    }
    out << Printable(PathText(target))
        << (!secret ? std::string_view()
            : written.modesIgnored
                ? state.message({"（含密码；此文件系统不保存权限，由挂载决定谁可读取）",
                                 " (holds passwords; this file system keeps no permissions: "
                                 "the mount decides who may read it)"})
                : state.message({"（含密码，仅所有者可读）",
                                 " (holds passwords; only its owner may read it)"}))
        << "\n";
    return kExitOk;
}

}  // namespace tov::cli
