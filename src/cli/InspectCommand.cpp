#include "cli/InspectCommand.h"

#include "camera/core/MenuFile.h"
#include "cli/InputFile.h"
#include "cli/Json.h"
#include "common/Models.h"
#include "common/Text.h"

#include <iomanip>

namespace tov::cli {
namespace {

// menu.dat has 60 bytes; a larger file is read only this far to say what it is.
constexpr std::size_t kMaxInspectedSize = 1024 * 1024;

std::string FamilyName(Family family) {
    return family == Family::First ? "first family" : "second family";
}

void PrintFields(const std::vector<DecodedField>& fields, std::ostream& out) {
    for (const DecodedField& field : fields) {
        out << "  " << std::left << std::setw(8) << OffsetRange(field) << std::setw(19)
            << field.name << std::setw(19) << HexBytes(field.bytes) << field.meaning
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
               std::ostream& out) {
    const auto ok = [](bool good) {
        return good ? " (ok)" : " (wrong)";
    };
    out << "file: " << file << "\n"
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
            out << "\n  " << std::left << std::setw(8) << "offset" << std::setw(19) << "field"
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
    } else {
        out << "result: valid\n";
    }
}

}  // namespace

int RunInspectCommand(const InspectOptions& options, CliEnvironment& env, std::ostream& out,
                      std::ostream& err) {
    const auto state = ResolveAppState({}, env, err);
    if (!state) {
        return kExitBadInput;
    }
    std::optional<int> model;
    if (options.model) {
        model = CheckedModel(*options.model, *state, err);
        if (!model) {
            return kExitBadInput;
        }
    }

    const InputFile input = ReadInputFile(options.file, kMaxInspectedSize);
    if (!input.error.empty()) {
        err << state->message({"无法读取 " + options.file + "：" + input.error,
                               "cannot read " + options.file + ": " + input.error})
            << "\n";
        return kExitBadInput;
    }
    FileReport report = DecodeMenuFile(input.bytes, model);
    if (input.truncated && !report.problems.empty()) {
        // Only the beginning of an oversized file was read; say so instead of its size.
        report.problems.front() = "size is more than " + std::to_string(kMaxInspectedSize) +
                                  " bytes, expected " + std::to_string(report.expectedSize);
    }
    if (options.json) {
        out << FileReportJson(options.file, report, model) << "\n";
    } else {
        PrintText(options.file, report, model, out);
    }
    return report.damaged() ? kExitDamaged : kExitOk;
}

}  // namespace tov::cli
