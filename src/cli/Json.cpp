#include "cli/Json.h"

#include "common/FilePath.h"
#include "common/Text.h"

#include <nlohmann/json.hpp>

#include <set>

namespace tov::cli {

std::optional<SettingTexts> ParseSettingsJson(std::string_view text, const std::string& where,
                                              const AppState& state, std::ostream& err) {
    // Keys of the top-level object, to refuse one that is given twice: a script's second
    // value must not win silently.
    std::set<std::string> seen;
    std::string duplicate;
    const nlohmann::json::parser_callback_t noteKeys =
        [&](int depth, nlohmann::json::parse_event_t event, nlohmann::json& parsed) {
            if (event == nlohmann::json::parse_event_t::key && depth == 1 && parsed.is_string() &&
                !seen.insert(parsed.get<std::string>()).second && duplicate.empty()) {
                duplicate = parsed.get<std::string>();
            }
            return true;
        };
    nlohmann::json json;
    try {
        json = nlohmann::json::parse(text, noteKeys);
    } catch (const nlohmann::json::exception& e) {
        // The parser's message quotes the text it stopped at.
        err << where << ": " << Printable(e.what()) << "\n";
        return std::nullopt;
    }
    if (!json.is_object()) {
        err << where << ": "
            << state.message({"必须是一个 JSON 对象（{\"videoLength\": 30, ...}）",
                              "must hold one JSON object ({\"videoLength\": 30, ...})"})
            << "\n";
        return std::nullopt;
    }
    if (!duplicate.empty()) {
        err << Printable(duplicate) << ": "
            << state.message({"在 " + where + " 中出现了两次", "is given twice in " + where})
            << "\n";
        return std::nullopt;
    }
    SettingTexts texts;
    for (const auto& [key, value] : json.items()) {
        if (value.is_string()) {
            texts[key] = value.get<std::string>();
        } else if (value.is_number()) {
            // A fraction stays visible in its text, so the number check refuses it.
            texts[key] = value.dump();
        } else {
            err << Printable(key) << ": "
                << state.message({"值必须是数字或文本", "the value must be a number or a text"})
                << "\n";
            return std::nullopt;
        }
    }
    return texts;
}

namespace {

nlohmann::ordered_json FieldsJson(const std::vector<DecodedField>& fields) {
    auto list = nlohmann::ordered_json::array();
    for (const DecodedField& field : fields) {
        list.push_back({{"offset", field.offset},
                        {"length", field.length},
                        {"name", field.name},
                        {"bytes", field.bytes},
                        {"meaning", field.meaning},
                        {"expected", field.expected}});
    }
    return list;
}

}  // namespace

std::string FileReportJson(const std::string& file, const FileReport& report,
                           std::optional<int> model) {
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
    for (const FieldSection& section : report.sections) {
        json[section.key] = FieldsJson(section.fields);
    }
    if (report.sections.empty()) {
        json["fields"] = nlohmann::ordered_json::array();
    }
    // A file name need not be UTF-8; the output stays valid JSON all the same.
    return json.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
}

std::string OperatorsJson(std::string_view catalogue,
                          const std::vector<CountryListing>& countries) {
    nlohmann::ordered_json json;
    json["catalogue"] = catalogue;
    json["countries"] = nlohmann::ordered_json::array();
    for (const CountryListing& country : countries) {
        nlohmann::ordered_json operators = nlohmann::ordered_json::array();
        for (const OperatorListing& op : country.operators) {
            nlohmann::ordered_json preset = nlohmann::ordered_json::object();
            for (const auto& [column, text] : op.preset) {
                preset[column] = text;
            }
            operators.push_back({{"position", op.position}, {"name", op.name}, {"preset", preset}});
        }
        json["countries"].push_back(
            {{"position", country.position}, {"name", country.name}, {"operators", operators}});
    }
    return json.dump(2);
}

std::string CardsJson(const std::vector<cards::Card>& found) {
    nlohmann::ordered_json json;
    json["cards"] = nlohmann::ordered_json::array();
    for (const cards::Card& card : found) {
        const std::vector<std::string> warnings = cards::CardWarnings(card);
        json["cards"].push_back({{"mountPoint", card.mountPoint},
                                 {"label", card.label},
                                 {"device", card.device},
                                 {"fileSystem", card.fileSystem},
                                 {"size", card.totalBytes},
                                 {"free", card.freeBytes},
                                 {"readOnly", card.readOnly},
                                 {"cameraFiles", card.cameraFiles},
                                 {"dcim", card.hasDcim},
                                 {"usable", warnings.empty()},
                                 {"warnings", warnings}});
    }
    // A label or path may hold any bytes: replace what is no UTF-8 rather than throw.
    return json.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
}

std::string BackupsJson(const std::string& folder, const std::vector<cards::Backup>& backups) {
    nlohmann::ordered_json json;
    json["folder"] = folder;
    json["backups"] = nlohmann::ordered_json::array();
    for (const cards::Backup& backup : backups) {
        json["backups"].push_back({{"id", backup.id},
                                   {"card", backup.card},
                                   {"file", backup.file},
                                   {"time", backup.time},
                                   {"size", backup.size},
                                   {"path", PathText(backup.path)}});
    }
    return json.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
}

}  // namespace tov::cli
