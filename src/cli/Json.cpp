#include "cli/Json.h"

#include "common/FilePath.h"
#include "common/Text.h"
#include "profiles/json/ProfileJson.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <set>
#include <utility>

namespace tov::cli {
namespace {

// The line and column (from 1) of the byte after `consumed` bytes of `text`, as texts.
std::pair<std::string, std::string> LineAndColumn(std::string_view text, std::size_t consumed) {
    const std::string_view before =
        text.substr(0, std::min(consumed > 0 ? consumed - 1 : 0, text.size()));
    const std::size_t lineStart = before.rfind('\n');
    const auto line = std::count(before.begin(), before.end(), '\n') + 1;
    const std::size_t column =
        before.size() - (lineStart == std::string_view::npos ? 0 : lineStart + 1) + 1;
    return {std::to_string(line), std::to_string(column)};
}

}  // namespace

std::optional<SettingTexts> ParseSettingsJson(std::string_view text, const std::string& where,
                                              const AppState& state, std::ostream& err) {
    if (const std::string shape = profiles::JsonShapeRefusal(text, state.languageIndex);
        !shape.empty()) {
        err << where << ": " << shape << "\n";
        return std::nullopt;
    }
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
    } catch (const nlohmann::json::parse_error& e) {
        // The parser's own message quotes the text it stopped at, which may be a password:
        // only the place is told.
        const auto [line, column] = LineAndColumn(text, e.byte);
        err << where << ": "
            << state.message({"第 " + line + " 行第 " + column + " 列不是有效的 JSON",
                              "not valid JSON at line " + line + ", column " + column})
            << "\n";
        return std::nullopt;
    } catch (const nlohmann::json::exception&) {
        // A number too large for any type; the parser's message quotes it.
        err << where << ": "
            << state.message(
                   {"不是有效的 JSON（数字超出范围）", "not valid JSON (a number out of range)"})
            << "\n";
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
        } else if (value.is_number_integer()) {
            // A whole number keeps its digits exactly; one too large for 64 bits arrives as a
            // float and is refused below, as a fraction is.
            texts[key] = value.dump();
        } else if (value.is_number()) {
            err << Printable(key) << ": "
                << state.message({"数字必须是整数；其他文本请加引号（\"...\"）",
                                  "a number must be a whole number that fits 64 bits; give any "
                                  "other value as a text in quotes (\"...\")"})
                << "\n";
            return std::nullopt;
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
                           std::optional<int> model, bool formWritten,
                           const std::string& settings) {
    nlohmann::ordered_json json;
    json["file"] = file;
    json["size"] = report.size;
    json["valid"] = !report.damaged();
    json["writtenByAForm"] = !report.damaged() && formWritten;
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
    if (!settings.empty()) {
        json["settings"] = nlohmann::ordered_json::parse(settings);
    }
    // A file name need not be UTF-8; the output stays valid JSON all the same.
    return json.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
}

std::string FolderReportJson(const std::string& profile, const std::vector<std::string>& reports) {
    nlohmann::ordered_json json = nlohmann::ordered_json::parse(profile);
    json["reports"] = nlohmann::ordered_json::array();
    for (const std::string& report : reports) {
        json["reports"].push_back(nlohmann::ordered_json::parse(report));
    }
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

std::string CardsJson(const std::vector<cards::Card>& found) {
    nlohmann::ordered_json json;
    json["cards"] = nlohmann::ordered_json::array();
    for (const cards::Card& card : found) {
        const std::vector<std::string> warnings = cards::CardWarnings(card);
        json["cards"].push_back({{"mountPoint", card.mountPoint},
                                 {"label", card.label},
                                 {"device", card.device},
                                 {"serial", card.serial},
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
                                   {"written", backup.written},
                                   {"size", backup.size},
                                   {"path", PathText(backup.path)}});
    }
    return json.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
}

}  // namespace tov::cli
