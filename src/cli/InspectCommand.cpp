#include "cli/InspectCommand.h"

#include "camera/core/MenuFile.h"
#include "cli/Json.h"
#include "common/DecodedMeanings.h"
#include "common/FilePath.h"
#include "common/InputFile.h"
#include "common/Models.h"
#include "common/Text.h"
#include "mms/core/MmsFields.h"
#include "mms/core/MmsFile.h"
#include "profiles/core/FileSettings.h"
#include "profiles/json/ProfileJson.h"
#include "smtp/core/SmtpFields.h"
#include "smtp/core/SmtpFile.h"

#include <algorithm>
#include <filesystem>
#include <functional>
#include <iomanip>
#include <span>

namespace tov::cli {
namespace {

// The configuration files are small; a larger file is read only this far to say what it is.
constexpr std::size_t kMaxInspectedSize = 1024 * 1024;

// A file the tool writes, how to read it, and the records that hold its passwords.
struct InspectedFile {
    std::string_view name;
    std::function<FileReport(std::span<const std::uint8_t> bytes, std::optional<int> model,
                             bool showSecrets)>
        decode;
    std::vector<std::size_t> secretRecords{};
};

template <class S>
std::vector<std::size_t> SecretRecords(FieldTable<S> table) {
    std::vector<std::size_t> records;
    for (const Field<S>& field : table) {
        if (field.secret) {
            records.push_back(static_cast<std::size_t>(field.place[Family::First].record));
        }
    }
    return records;
}

const std::vector<InspectedFile>& InspectedFiles() {
    static const std::vector<InspectedFile> files = {
        {kMenuFileName,
         [](std::span<const std::uint8_t> bytes, std::optional<int> model, bool) {
             return DecodeMenuFile(bytes, model);
         }},
        {kMmsFileName, DecodeMmsFile, SecretRecords(MmsFieldTable())},
        {kSmtpFileName, DecodeSmtpFile, SecretRecords(SmtpFieldTable())},
    };
    return files;
}

const InspectedFile* FileNamed(std::string_view name) {
    for (const InspectedFile& file : InspectedFiles()) {
        if (SameIgnoringCase(name, file.name)) {
            return &file;
        }
    }
    return nullptr;
}

std::string FamilyName(Family family) {
    return family == Family::First ? "first family" : "second family";
}

// A text record's 58 bytes would drown the line: its meaning tells the text, the first
// bytes show that it is there (the JSON report keeps them all).
constexpr std::size_t kShownBytes = 6;

std::string ShownBytes(const std::vector<std::uint8_t>& bytes) {
    if (bytes.size() <= kShownBytes) {
        return HexBytes(bytes);
    }
    return HexBytes(std::span(bytes).first(kShownBytes - 1)) + " ..";
}

void PrintFields(const std::vector<DecodedField>& fields, std::ostream& out) {
    for (const DecodedField& field : fields) {
        // A meaning may repeat text from the file: it reaches the terminal only printable.
        out << "  " << std::left << std::setw(10) << OffsetRange(field) << std::setw(19)
            << field.name << std::setw(19) << ShownBytes(field.bytes) << Printable(field.meaning)
            << (field.expected ? "" : "  [unexpected]") << "\n";
    }
}

void PrintList(std::string_view title, const std::vector<std::string>& lines, std::ostream& out) {
    if (lines.empty()) {
        return;
    }
    out << title << ":\n";
    for (const std::string& line : lines) {
        out << "  - " << line << "\n";
    }
}

void PrintText(const std::string& file, const FileReport& report, std::optional<int> model,
               bool formWritten, std::ostream& out) {
    const auto ok = [](bool good) {
        return good ? " (ok)" : " (wrong)";
    };
    out << "file: " << Printable(file) << "\n"
        << "size: " << report.size << " bytes" << ok(report.sizeOk) << "\n";
    if (report.size >= report.expectedSize) {
        out << "line end: " << (report.lineEndOk ? "0D 0A" : "not 0D 0A") << ok(report.lineEndOk)
            << "\n"
            << "checksum: stored " << Hex4(report.storedChecksum) << ", computed "
            << Hex4(report.computedChecksum) << ok(report.checksumOk) << "\n"
            << "record: " << report.contents << "\n";
    }
    if (model) {
        out << "model: " << ModelDisplayName(*model) << ", " << FamilyName(FamilyOf(*model))
            << "\n";
    } else if (!report.sections.empty()) {
        out << "model: not given; model-dependent bytes are read for every model\n";
    }
    for (const FieldSection& section : report.sections) {
        if (section.title.empty()) {
            out << "\n  " << std::left << std::setw(10) << "offset" << std::setw(19) << "field"
                << std::setw(19) << "bytes"
                << "meaning\n";
        } else {
            out << section.title << ":\n";
        }
        PrintFields(section.fields, out);
    }
    PrintList("notes", report.notes, out);
    if (report.damaged()) {
        PrintList("result: damaged", report.problems, out);
    } else if (formWritten) {
        out << "result: valid\n";
    } else {
        out << "result: valid, but no form writes these values (see the notes)\n";
    }
}

// How bad an exit code is for a folder's summary: a sound file, one with values no form
// writes, one that cannot be read, a damaged one.
int Severity(int code) {
    switch (code) {
    case kExitOk:
        return 0;
    case kExitUnexpected:
        return 1;
    case kExitBadInput:
        return 2;
    default:
        return 3;
    }
}

int WorseExit(int a, int b) {
    return Severity(b) > Severity(a) ? b : a;
}

// Whether a form could have written the bytes: for the given model, or for one of them. A
// sound frame around values no form writes is no file this tool made, and a script can tell
// the two apart by the exit code.
bool WrittenByAForm(const InspectedFile& kind, std::span<const std::uint8_t> bytes,
                    std::optional<int> model) {
    if (model) {
        return kind.decode(bytes, model, false).notes.empty();
    }
    return std::any_of(Models().begin(), Models().end(), [&](const ModelInfo& each) {
        return kind.decode(bytes, each.index, false).notes.empty();
    });
}

// The settings of files read for a profile, as its JSON.
std::string SettingsJson(const std::vector<profiles::ReadFile>& files, std::optional<int> model,
                         const InspectOptions& options, const CliEnvironment& env) {
    return profiles::ProfileJson(
        profiles::ProfileOfFiles(files, model, options.showSecrets, env.codec));
}

// What a file's reading leaves for the summary: its JSON report and bytes.
struct Inspected {
    std::string json;
    std::vector<std::uint8_t> bytes;
    bool read = false;
};

// Reads one file as `kind` and prints its report; with `kept`, a JSON report is kept there
// instead of printed (a folder prints one object for all its files).
int InspectFile(const std::string& file, const InspectedFile& kind, std::optional<int> model,
                const InspectOptions& options, const AppState& state, const CliEnvironment& env,
                std::ostream& out, std::ostream& err, Inspected* kept = nullptr) {
    const InputFile input = ReadInputFile(file, kMaxInspectedSize);
    if (!input.error.empty()) {
        const std::string shown = Printable(file);
        err << state.message({"无法读取 " + shown + "：" + input.error,
                              "cannot read " + shown + ": " + input.error})
            << "\n";
        return kExitBadInput;
    }
    FileReport report = kind.decode(input.bytes, model, options.showSecrets);
    // Read as another file than its name says, the file's passwords lie where this reading
    // sees other fields: they stay hidden all the same.
    const std::filesystem::path path(std::u8string(file.begin(), file.end()));
    const InspectedFile* named = FileNamed(PathText(path.filename()));
    if (!options.showSecrets && named != nullptr && named != &kind) {
        HideRecords(report, named->secretRecords,
                    "(hidden: a password of " + std::string(named->name) + ")");
    }
    if (input.truncated && !report.problems.empty()) {
        // Only the beginning of an oversized file was read; say so instead of its size.
        report.problems.front() = "size is more than " + std::to_string(kMaxInspectedSize) +
                                  " bytes, expected " + std::to_string(report.expectedSize);
    }
    const bool formWritten = report.damaged() || WrittenByAForm(kind, input.bytes, model);
    if (kept != nullptr) {
        kept->json = FileReportJson(file, report, model, formWritten);
        kept->bytes = input.bytes;
        kept->read = true;
    } else if (options.json) {
        const profiles::ProfileFileKind* member = profiles::ProfileFileByName(kind.name);
        out << FileReportJson(
                   file, report, model, formWritten,
                   member == nullptr || input.truncated
                       ? std::string()
                       : SettingsJson({{member->member, input.bytes}}, model, options, env))
            << "\n";
    } else {
        PrintText(file, report, model, formWritten, out);
    }
    if (report.damaged()) {
        return kExitDamaged;
    }
    return formWritten ? kExitOk : kExitUnexpected;
}

}  // namespace

int RunInspectCommand(const InspectOptions& options, CliEnvironment& env, std::ostream& out,
                      std::ostream& err) {
    const AppState state = StoredAppState(env);
    std::optional<int> model;
    if (options.model) {
        model = CheckedModel(*options.model, state, err);
        if (!model) {
            return kExitBadInput;
        }
    }

    const InspectedFile* as = nullptr;
    if (options.as) {
        as = FileNamed(*options.as);
        if (as == nullptr) {
            err << "--as: "
                << state.message(
                       {Quoted(*options.as) + " 不是本工具写入的文件；可用：" +
                            InspectedFileNames(),
                        Quoted(*options.as) +
                            " is not a file the tool writes; allowed: " + InspectedFileNames()})
                << "\n";
            return kExitBadInput;
        }
    }

    // A folder: every configuration file in it, each read as its name says. An entry is only
    // ever read as a file: one that is a folder, or a link to one, is reported, never entered.
    const std::filesystem::path path(std::u8string(options.file.begin(), options.file.end()));
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) {
        int worst = kExitOk;
        int found = 0;
        std::vector<Inspected> read;
        read.reserve(InspectedFiles().size());
        std::vector<profiles::ReadFile> files;
        std::vector<std::string> reports;
        for (const InspectedFile& file : InspectedFiles()) {
            const std::filesystem::path inside = path / file.name;
            // An entry that cannot be looked at (no permission) is read, to tell the reason.
            if (std::filesystem::symlink_status(inside, ec).type() ==
                std::filesystem::file_type::not_found) {
                continue;
            }
            if (found++ > 0 && !options.json) {
                out << "\n";
            }
            Inspected* kept = options.json ? &read.emplace_back() : nullptr;
            worst = WorseExit(worst, InspectFile(PathText(inside), file, model, options, state, env,
                                                 out, err, kept));
            if (kept != nullptr && kept->read) {
                reports.push_back(kept->json);
                files.push_back({profiles::ProfileFileByName(file.name)->member, kept->bytes});
            }
        }
        if (options.json && found > 0) {
            // One object that is a profile of the folder's files, their reports inside.
            out << FolderReportJson(SettingsJson(files, model, options, env), reports) << "\n";
        }
        if (found == 0) {
            const std::string folder = Printable(options.file);
            err << state.message(
                       {folder + " 中没有配置文件（" + InspectedFileNames() + "）",
                        "no configuration file (" + InspectedFileNames() + ") in " + folder})
                << "\n";
            return kExitBadInput;
        }
        return worst;
    }

    const InspectedFile* kind = as != nullptr ? as : FileNamed(PathText(path.filename()));
    if (kind == nullptr) {
        kind = FileNamed(kMenuFileName);
    }
    return InspectFile(options.file, *kind, model, options, state, env, out, err);
}

std::vector<std::pair<std::string_view, FileDecoder>> InspectedDecoders() {
    std::vector<std::pair<std::string_view, FileDecoder>> decoders;
    for (const InspectedFile& file : InspectedFiles()) {
        decoders.emplace_back(file.name, file.decode);
    }
    return decoders;
}

const FileDecoder* InspectedDecoderOf(std::string_view fileName) {
    const InspectedFile* file = FileNamed(fileName);
    return file != nullptr ? &file->decode : nullptr;
}

std::string InspectedFileNames() {
    std::string names;
    for (const InspectedFile& file : InspectedFiles()) {
        names += (names.empty() ? "" : ", ") + std::string(file.name);
    }
    return names;
}

}  // namespace tov::cli
