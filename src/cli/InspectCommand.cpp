#include "cli/InspectCommand.h"

#include "app/LanguageRules.h"
#include "camera/CameraSettingKeys.h"
#include "camera/MenuRecordDecoder.h"

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>

#include <filesystem>
#include <fstream>
#include <iomanip>
#include <iterator>
#include <sstream>

namespace tov::cli {
namespace {

// menu.dat has 60 bytes; a larger file is read only this far to say what it is.
constexpr std::uintmax_t kMaxInspectedSize = 1024 * 1024;

std::string HexBytes(const std::vector<std::uint8_t>& bytes) {
    std::ostringstream text;
    text << std::hex << std::uppercase << std::setfill('0');
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        text << (i == 0 ? "" : " ") << std::setw(2) << static_cast<unsigned>(bytes[i]);
    }
    return text.str();
}

std::string Hex4(std::uint16_t value) {
    std::ostringstream text;
    text << "0x" << std::hex << std::uppercase << std::setfill('0') << std::setw(4) << value;
    return text.str();
}

std::string FamilyModels(Family family) {
    std::string names;
    for (int model = 1; model <= kModelCount; ++model) {
        if (FamilyOf(model) == family) {
            names += (names.empty() ? "" : ", ") + ModelDisplayName(model);
        }
    }
    return names;
}

std::string FamilyName(Family family) {
    return family == Family::First ? "first family" : "second family";
}

std::string FamilyTitle(Family family) {
    return FamilyName(family) + " (" + FamilyModels(family) + ")";
}

void PrintFields(const std::vector<DecodedMenuField>& fields, std::ostream& out) {
    for (const DecodedMenuField& field : fields) {
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

void PrintText(const std::string& file, const MenuFileReport& report, std::optional<int> model,
               std::ostream& out) {
    const auto ok = [](bool good) {
        return good ? " (ok)" : " (wrong)";
    };
    out << "file: " << file << "\n"
        << "size: " << report.size << " bytes" << ok(report.sizeOk) << "\n";
    if (report.size >= 60) {
        out << "line end: " << (report.lineEndOk ? "0D 0A" : "not 0D 0A") << ok(report.lineEndOk)
            << "\n"
            << "checksum: stored " << Hex4(report.storedChecksum) << ", computed "
            << Hex4(report.computedChecksum) << ok(report.checksumOk) << "\n"
            << "record: " << (report.factory ? "factory settings" : "camera settings") << "\n";
    }
    if (model) {
        out << "model: " << ModelDisplayName(*model) << ", " << FamilyName(FamilyOf(*model))
            << "\n";
    } else if (!report.common.empty()) {
        out << "model: not given; model-dependent bytes are read for every model\n";
    }
    if (!report.common.empty()) {
        out << "\n  " << std::left << std::setw(8) << "offset" << std::setw(19) << "field"
            << std::setw(19) << "bytes"
            << "meaning\n";
        PrintFields(report.common, out);
    }
    for (const auto& [family, fields] : {std::pair{Family::First, &report.firstFamily},
                                         std::pair{Family::Second, &report.secondFamily}}) {
        if (*fields) {
            out << "bytes 31..37, " << FamilyTitle(family) << ":\n";
            PrintFields(**fields, out);
        }
    }
    PrintList("notes", report.notes, out);
    if (report.damaged()) {
        PrintList("result: damaged", report.problems, out);
    } else {
        out << "result: valid\n";
    }
}

nlohmann::ordered_json FieldsJson(const std::vector<DecodedMenuField>& fields) {
    auto list = nlohmann::ordered_json::array();
    for (const DecodedMenuField& field : fields) {
        list.push_back({{"offset", field.offset},
                        {"length", field.length},
                        {"name", field.name},
                        {"bytes", field.bytes},
                        {"meaning", field.meaning},
                        {"expected", field.expected}});
    }
    return list;
}

void PrintJson(const std::string& file, const MenuFileReport& report, std::optional<int> model,
               std::ostream& out) {
    nlohmann::ordered_json json;
    json["file"] = file;
    json["size"] = report.size;
    json["valid"] = !report.damaged();
    json["sizeOk"] = report.sizeOk;
    json["lineEndOk"] = report.lineEndOk;
    json["checksum"] = {{"stored", report.storedChecksum},
                        {"computed", report.computedChecksum},
                        {"ok", report.checksumOk}};
    json["factory"] = report.factory;
    json["model"] = model ? nlohmann::ordered_json(*model) : nlohmann::ordered_json(nullptr);
    json["problems"] = report.problems;
    json["notes"] = report.notes;
    json["fields"] = FieldsJson(report.common);
    if (report.firstFamily) {
        json["firstFamily"] = FieldsJson(*report.firstFamily);
    }
    if (report.secondFamily) {
        json["secondFamily"] = FieldsJson(*report.secondFamily);
    }
    // A file name need not be UTF-8; the output stays valid JSON all the same.
    out << json.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) << "\n";
}

}  // namespace

CLI::App& AddInspectCommand(CLI::App& app, InspectOptions& options) {
    CLI::App* command =
        app.add_subcommand("inspect", "Checks a menu.dat and prints every field with its meaning");
    command->add_option("file", options.file, "The file to inspect")->required();
    command->add_option("--model", options.model,
                        "Camera model: 1..5, \"Tov 9030M\" or \"9030M\" (default: the readings of "
                        "every model)");
    command->add_flag("--json", options.json, "Print the report as one JSON object");
    return *command;
}

int RunInspectCommand(const InspectOptions& options, CliEnvironment& env, std::ostream& out,
                      std::ostream& err) {
    const auto state = ResolveAppState({}, env, err);
    if (!state) {
        return kExitBadInput;
    }
    std::optional<int> model;
    if (!options.model.empty()) {
        model = CheckedModel(options.model, *state, err);
        if (!model) {
            return kExitBadInput;
        }
    }

    const std::filesystem::path file(std::u8string(options.file.begin(), options.file.end()));
    std::error_code ec;
    const std::uintmax_t size = std::filesystem::file_size(file, ec);
    std::ifstream in(file, std::ios::binary);
    if (ec || !in) {
        const std::string reason = ec ? ": " + ec.message() : "";
        err << state->message(
                   {"无法读取 " + options.file + reason, "cannot read " + options.file + reason})
            << "\n";
        return kExitBadInput;
    }
    std::vector<std::uint8_t> bytes;
    bytes.resize(static_cast<std::size_t>(std::min(size, kMaxInspectedSize)));
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<std::size_t>(in.gcount()));

    MenuFileReport report = DecodeMenuFile(bytes, model);
    if (size > bytes.size()) {
        // Only the beginning of an oversized file was read; its size problem comes first.
        report.size = static_cast<std::size_t>(size);
        report.problems.front() = "size is " + std::to_string(size) + " bytes, expected 60";
    }
    if (options.json) {
        PrintJson(options.file, report, model, out);
    } else {
        PrintText(options.file, report, model, out);
    }
    return report.damaged() ? kExitDamaged : kExitOk;
}

}  // namespace tov::cli
