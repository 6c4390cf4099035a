#include "cli/Json.h"

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
            nlohmann::ordered_json entry = {
                {"position", op.position}, {"name", op.name}, {"preset", preset}};
            if (!op.placeholder.empty()) {
                entry["placeholder"] = op.placeholder;
            }
            operators.push_back(std::move(entry));
        }
        json["countries"].push_back({{"position", country.position},
                                     {"name", country.name},
                                     {"englishName", country.englishName},
                                     {"operators", operators}});
    }
    return json.dump(2);
}

}  // namespace tov::cli
