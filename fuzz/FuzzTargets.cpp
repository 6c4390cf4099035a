// The fuzz targets, one binary each (TOV_FUZZ_TARGET names it). Each checks more than "no
// crash" and brings its seeds: run with TOV_FUZZ_SEEDS=DIR, a target writes them into DIR.

#include "app/core/PreferenceStore.h"
#include "app/host/QtFileTextCodec.h"
#include "app/host/SettingsPreferenceBackend.h"
#include "camera/core/CameraFields.h"
#include "camera/core/CameraSettings.h"
#include "camera/core/MenuFile.h"
#include "cards/core/CardFinder.h"
#include "cards/core/MountTable.h"
#include "cards/core/VolumeFormat.h"
#include "cli/CommandLine.h"
#include "cli/InspectCommand.h"
#include "cli/Json.h"
#include "cli/KeysHelp.h"
#include "cli/ReadOnlyPreferenceBackend.h"
#include "common/Models.h"
#include "common/Text.h"
#include "mms/core/MmsFields.h"
#include "mms/core/MmsFile.h"
#include "mms/core/MmsRules.h"
#include "profiles/core/Csv.h"
#include "smtp/core/SmtpFields.h"
#include "smtp/core/SmtpFile.h"
#include "smtp/core/SmtpSettings.h"
#include "support/MemoryPreferenceBackend.h"

#include <nlohmann/json.hpp>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <map>
#include <set>
#include <sstream>

namespace tov::fuzz {
namespace {

using Bytes = std::vector<std::uint8_t>;

// Ends the run on a finding; libFuzzer keeps the input that led to it.
void Check(bool ok, const char* what, const std::string& detail = {}) {
    if (!ok) {
        std::fprintf(stderr, "finding: %s\n%s\n", what, detail.c_str());
        std::abort();
    }
}

bool NoControlCharacters(std::string_view text) {
    return std::none_of(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) < 0x20 && c != '\n') || c == 0x7F;
    });
}

// Whether inspect holds nothing against a file: no problem, no value a form does not write.
bool Clean(const FileReport& report) {
    return report.problems.empty() && report.notes.empty();
}

void WriteFile(const std::filesystem::path& path, std::span<const std::uint8_t> data) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(data.data()),
               static_cast<std::streamsize>(data.size()));
}

// A file of this process's own on a memory file system (writes there cost no disk), in a
// folder removed at exit.
std::filesystem::path Scratch(const std::string& name, std::span<const std::uint8_t> data) {
    static const struct Folder {
        std::filesystem::path path =
            std::filesystem::path(std::filesystem::is_directory("/dev/shm")
                                      ? "/dev/shm"
                                      : std::filesystem::temp_directory_path()) /
            ("tovbrenn-fuzz-" + std::to_string(::getpid()));
        ~Folder() { std::filesystem::remove_all(path); }
    } folder;
    std::filesystem::create_directories(folder.path / "card");
    WriteFile(folder.path / name, data);
    return folder.path / name;
}

// Each file inspect reads: how it is built again from what its decoder read, and its known
// images.
Bytes RebuildMenu(std::span<const std::uint8_t> bytes, int model) {
    MenuRecord record{};
    std::copy_n(bytes.begin(), record.size(), record.begin());
    ClockSnapshot clock{
        kClockFirstYear + record[14], record[15], record[16], record[17], record[18], record[19]};
    const MenuRecord rebuilt =
        record == FactoryMenuRecord()
            ? record
            : BuildMenuRecord(ReadMenuSettings(record, FamilyOf(model)), FamilyOf(model), clock,
                              record[29], record[30]);
    return {rebuilt.begin(), rebuilt.end()};
}
std::vector<Bytes> MenuImages() {
    const MenuRecord factory = FactoryMenuRecord();
    std::vector<Bytes> images = {Bytes(factory.begin(), factory.end())};
    for (const ModelInfo& model : Models()) {
        ClockSnapshot clock{2024, 2, 29, 23, 59, 58};
        const MenuRecord record = BuildMenuRecord(OpeningCameraSettings(model.index), model.family,
                                                  clock, model.index, model.index);
        images.emplace_back(record.begin(), record.end());
    }
    return images;
}
// setup.dat and smtp.dat: the records read back, then built again for the model.
RecordFileBody PlainRecords(std::span<const std::uint8_t> bytes) {
    return ReadRecordFile(bytes).plain;
}
Bytes RebuildMms(std::span<const std::uint8_t> bytes, int model) {
    const RecordFileBody plain = PlainRecords(bytes);
    const ModelInfo& info = ModelFor(model);
    return BuildMmsFile(ReadMmsSettings(plain, info.family), info, plain[0][5], plain[0][6]);
}
std::vector<Bytes> MmsImages() {
    std::vector<Bytes> images;
    for (const ModelInfo& model : Models()) {
        MmsSettings settings = OpeningMmsSettings(model.index);
        LoadMmsPreset(settings, 3, model.index);
        images.push_back(BuildMmsFile(settings, model, model.index, 0));
    }
    return images;
}
Bytes RebuildSmtp(std::span<const std::uint8_t> bytes, int model) {
    const RecordFileBody plain = PlainRecords(bytes);
    const Family family = FamilyOf(model);
    return BuildSmtpFile(ReadSmtpSettings(plain, family), family, plain[0][5]);
}
std::vector<Bytes> SmtpImages() {
    std::vector<Bytes> images;
    for (const Family family : {Family::First, Family::Second}) {
        SmtpSettings settings = WithGprsPreset(OpeningSmtpSettings(family));
        settings.senderEmail = "cam@example.com";
        images.push_back(BuildSmtpFile(settings, family, kEnglish));
    }
    return images;
}

struct FileKind {
    Bytes (*rebuild)(std::span<const std::uint8_t> bytes, int model);
    std::vector<Bytes> (*images)();
};
// One line per file inspect reads.
const std::map<std::string_view, FileKind> kFiles = {
    {kMenuFileName, {RebuildMenu, MenuImages}},
    {kMmsFileName, {RebuildMms, MmsImages}},
    {kSmtpFileName, {RebuildSmtp, SmtpImages}},
};

// Every decoder inspect uses, from its own list: byte 0 picks it, byte 1 the model (0: none).
// The report agrees with itself and its JSON; a valid file with no value a form does not
// write rebuilds to the same bytes.
void Decoders(std::span<const std::uint8_t> data) {
    static const auto decoders = cli::InspectedDecoders();
    if (data.size() < 2) {
        return;
    }
    const auto& [name, decode] = decoders[data[0] % decoders.size()];
    const int modelByte = data[1] % (kModelCount + 1);
    const auto model = modelByte == 0 ? std::nullopt : std::optional(modelByte);
    const auto bytes = data.subspan(2);
    const FileReport report = decode(bytes, model, data[1] >= 0x80);
    Check(report.size == bytes.size() && (report.sizeOk || report.damaged()), "size");
    const auto json = nlohmann::json::parse(cli::FileReportJson("f", report, model));
    Check(json.at("valid").get<bool>() == !report.damaged(), "the JSON report disagrees");
    if (const auto file = kFiles.find(name); model && Clean(report) && file != kFiles.end()) {
        Check(file->second.rebuild(bytes, *model) == Bytes(bytes.begin(), bytes.end()),
              "a valid file does not rebuild to its bytes");
    }
}
std::vector<Bytes> DecoderSeeds() {
    std::vector<Bytes> seeds;
    const auto decoders = cli::InspectedDecoders();
    for (std::uint8_t index = 0; index < decoders.size(); ++index) {
        for (std::uint8_t model = 0; model <= kModelCount; ++model) {
            for (Bytes image : kFiles.at(decoders[index].first).images()) {
                image.insert(image.begin(), {index, model});
                seeds.push_back(std::move(image));
            }
        }
    }
    return seeds;
}

// KEY=VALUE lines for the model and language of bytes 0 and 1. A refusal starts with a given
// key and repeats no control character; accepted settings build a file inspect calls valid.
void SettingTexts(std::span<const std::uint8_t> data) {
    if (data.size() < 2) {
        return;
    }
    const int model = 1 + data[0] % kModelCount;
    tov::SettingTexts texts;
    std::istringstream lines(std::string(data.begin() + 2, data.end()));
    for (std::string line; std::getline(lines, line);) {
        if (const auto equals = line.find('='); equals != std::string::npos) {
            texts[line.substr(0, equals)] = line.substr(equals + 1);
        }
    }
    const auto result = ApplyCameraSettings(model, texts, 1 + data[1] % kLanguageCount);
    if (result.error) {
        Check(NoControlCharacters(*result.error), "a refusal repeats a control character",
              *result.error);
        Check(std::any_of(texts.begin(), texts.end(),
                          [&](const auto& given) {
                              return result.error->rfind(Printable(given.first) + ": ", 0) == 0;
                          }),
              "a refusal names no given key", *result.error);
        return;
    }
    ClockSnapshot clock{2014, 5, 7, 13, 4, 9};
    const MenuRecord record = BuildMenuRecord(result.settings, FamilyOf(model), clock, 2, 0);
    Check(Clean(DecodeMenuFile(record, model)), "accepted settings make a faulty file");
}
std::vector<Bytes> SettingTextsSeeds() {
    std::vector<Bytes> seeds;
    for (const ModelInfo& model : Models()) {
        std::string lines = {static_cast<char>(model.index - 1), 1};
        for (const Field<CameraMenuSettings>& field : kCameraFields) {
            if (IsSettingKey(field, model.family)) {
                lines += std::string(field.key) + "=" +
                         (field.kind == FieldKind::Chars ? "A9Z0" : std::to_string(field.min)) +
                         "\n";
            }
        }
        seeds.emplace_back(lines.begin(), lines.end());
    }
    return seeds;
}

// The --settings file of a whole menu command. A refused input leaves no file and repeats no
// control character; an accepted one leaves only a menu.dat that inspect calls valid.
void SettingsJson(std::span<const std::uint8_t> data) {
    static const QtFileTextCodec codec(0x0409);
    const std::filesystem::path settings = Scratch("settings.json", data);
    const std::filesystem::path card = settings.parent_path() / "card";
    MemoryPreferenceBackend prefs;
    cli::CliEnvironment env{prefs, 0x0409, [] { return LocalDateTime{2014, 5, 7, 13, 4, 9}; },
                            codec};
    const int model = 1 + static_cast<int>(data.size() % kModelCount);
    std::ostringstream out;
    std::ostringstream err;
    const int code = cli::RunCommandLine({"menu", "--out", card.string(), "--model",
                                          std::to_string(model), "--settings", settings.string()},
                                         env, out, err);
    Check(code == cli::kExitOk || code == cli::kExitBadInput, "neither written nor refused",
          err.str());
    Check(NoControlCharacters(err.str()), "a message repeats a control character", err.str());
    const auto files = std::distance(std::filesystem::directory_iterator(card), {});
    Check(files == (code == cli::kExitOk ? 1 : 0), "the folder holds another file than menu.dat");
    if (code == cli::kExitOk) {
        std::ifstream in(card / "menu.dat", std::ios::binary);
        Check(Clean(DecodeMenuFile(Bytes(std::istreambuf_iterator<char>(in), {}), model)),
              "an accepted input wrote a faulty file");
        std::filesystem::remove(card / "menu.dat");
    }
}

// A batch's cards file. Its first line's names are refused or each given once; every row
// written back as a log line is one CSV line again, with as many cells, none that a
// spreadsheet takes for a formula and no control character.
void BatchCsv(std::span<const std::uint8_t> data) {
    const std::string text(data.begin(), data.end());
    std::string error;
    const auto rows = profiles::ParseCsv(text, error);
    if (!rows) {
        Check(!error.empty() && NoControlCharacters(error), "a refusal without a reason", error);
        return;
    }
    if (!rows->empty() && profiles::ColumnNamesRefusal(rows->front().cells).empty()) {
        std::set<std::string_view> names;
        for (const std::string& name : rows->front().cells) {
            Check(names.insert(TrimSpaces(name)).second, "a column given twice is taken", name);
        }
    }
    int line = 0;
    for (const profiles::CsvRow& row : *rows) {
        Check(row.line > line, "rows out of order");
        line = row.line;
        const std::string logged = profiles::CsvLogLine(row.cells);
        Check(logged.find_first_of(std::string("\r\n\0\x1b\x7f", 5)) == std::string::npos,
              "a log line holds a control character", logged);
        std::string again;
        const auto back = profiles::ParseCsv(logged, again);
        if (logged.empty()) {
            continue;  // one empty cell: a blank line
        }
        Check(back && back->size() == 1 && back->front().cells.size() == row.cells.size(),
              "a log line does not read back as one row of its cells", logged);
        for (const std::string& cell : back->front().cells) {
            Check(cell.empty() ||
                      std::string_view("=+-@\t\r").find(cell.front()) == std::string_view::npos,
                  "a log cell starts like a formula", cell);
        }
    }
}

// --clock, --model, --language, --tv-mode texts. An accepted clock is a real moment in the
// years --clock takes, in its canonical text, and the camera gets a real date from it.
void Options(std::span<const std::uint8_t> data) {
    const std::string text(data.begin(), data.end());
    if (const auto clock = cli::ParseClock(text)) {
        const ClockSnapshot given{clock->year, clock->month,  clock->day,
                                  clock->hour, clock->minute, clock->second};
        Check(ClockText(given) == text && clock->year >= cli::kClockOptionFirstYear &&
                  clock->year <= cli::kClockOptionLastYear &&
                  IsRealDate(clock->year, clock->month, clock->day) && clock->hour <= 23 &&
                  clock->minute <= 59 && clock->second <= 59,
              "an accepted clock is no real moment", text);
        const ClockSnapshot held = ReadClockSnapshot(*clock);
        Check(held.year <= kClockLastYear && IsRealDate(held.year, held.month, held.day),
              "the camera gets no real date", ClockText(held));
    }
    const auto model = cli::ParseModel(text);
    Check(!model || cli::ParseModel(ModelFor(*model).name) == model, "a model reads back", text);
    const auto language = cli::ParseLanguage(text);
    Check(!language || cli::ParseLanguage(std::to_string(*language)) == language, "a language",
          text);
    const auto tvMode = cli::ParseTvMode(text);
    Check(!tvMode || (*tvMode <= 255 && AllDigits(text)), "a TV mode", text);
}

// The preference file. Reading never fails; start-up leaves a usable file, keeps a damaged one
// byte for byte and rewrites no value it read.
void Preferences(std::span<const std::uint8_t> data) {
    // A new name each time: QSettings keeps what it read of a path for the process.
    static int count = 0;
    const auto path = Scratch("preferences-" + std::to_string(++count) + ".ini", data);
    SettingsPreferenceBackend backend(QString::fromStdString(path.string()));
    const bool damaged = backend.Condition().rfind("damaged", 0) == 0;
    cli::ReadOnlyPreferenceBackend readOnly(backend);
    const PreferenceValue model = PreferenceStore(readOnly, 0x0409).ReadModelPreference();
    PreferenceStore store(backend, 0x0409);
    AppState state;
    LoadPreferences(store, state);
    Check(backend.OpenKey() && backend.Condition().empty(), "no usable file after start-up",
          backend.Condition());
    Check(!model.found || state.modelIndex == model.value, "a model read was rewritten");
    std::ifstream kept(path.string() + ".damaged", std::ios::binary);
    Check(!damaged ||
              Bytes(std::istreambuf_iterator<char>(kept), {}) == Bytes(data.begin(), data.end()),
          "the damaged file was not kept as it was");
    std::filesystem::remove(path);
    std::filesystem::remove(path.string() + ".damaged");
}

// The --settings file of an mms or smtp command with its password keys (byte 0 picks the command
// and whether a password comes from `--set KEY=-` as well). No password reaches any output: a
// file that is no JSON is named by line and column only, and no distinctive password of the
// file, nor the one typed, is repeated. A refused input leaves no file; an accepted one leaves
// one, its owner's only.
void PasswordSettings(std::span<const std::uint8_t> data) {
    static const QtFileTextCodec codec(0x0409);
    if (data.empty()) {
        return;
    }
    const bool smtp = (data[0] & 1) != 0;
    const std::vector<std::string_view> keys =
        smtp ? cli::SecretKeys(SmtpFieldTable()) : cli::SecretKeys(MmsFieldTable());
    const std::string typed = "Typed#Secret~9";
    const std::filesystem::path settings = Scratch("passwords.json", data.subspan(1));
    const std::filesystem::path card = settings.parent_path() / "card";
    MemoryPreferenceBackend prefs;
    cli::CliEnvironment env{prefs, 0x0409, [] { return LocalDateTime{2014, 5, 7, 13, 4, 9}; },
                            codec};
    env.readSecret = [&](std::string_view, std::ostream&) {
        return std::optional<std::string>(typed);
    };
    std::vector<std::string> args = {
        smtp ? "smtp" : "mms", "--out",          card.string(), "--model", "4",
        "--settings",          settings.string()};
    if ((data[0] & 2) != 0) {
        args.insert(args.end(), {"--set", std::string(keys[(data[0] >> 2) % keys.size()]) + "=-"});
    }
    std::ostringstream out;
    std::ostringstream err;
    const int code = cli::RunCommandLine(args, env, out, err);
    const std::string said = out.str() + err.str();
    Check(code == cli::kExitOk || code == cli::kExitBadInput, "neither written nor refused", said);
    Check(NoControlCharacters(said), "a message repeats a control character", said);
    Check(said.find(typed) == std::string::npos, "the typed password is shown", said);

    const std::string text(data.begin() + 1, data.end());
    const auto json = nlohmann::json::parse(text, nullptr, false);
    if (json.is_discarded()) {
        Check(code == cli::kExitBadInput && err.str().find(": not valid JSON") != std::string::npos,
              "a file that is no JSON is not named by its place", said);
    } else if (json.is_object()) {
        // A password with a character no message text holds, found nowhere else in the file.
        for (const std::string_view key : keys) {
            const auto value = json.find(std::string(key));
            if (value == json.end() || !value->is_string()) {
                continue;
            }
            const std::string secret = value->get<std::string>();
            int holders = 0;
            for (const auto& item : json.items()) {
                holders +=
                    item.key().find(secret) != std::string::npos ||
                    (item.value().is_string() &&
                     item.value().template get<std::string>().find(secret) != std::string::npos);
            }
            const bool distinctive = secret.size() >= 4 && holders == 1 &&
                                     secret.find_first_of("#$%^&*!~|") != std::string::npos;
            Check(!distinctive || said.find(secret) == std::string::npos,
                  "a password of the settings file is shown", said);
        }
    }
    const std::filesystem::path file = card / (smtp ? kSmtpFileName : kMmsFileName);
    const auto files = std::distance(std::filesystem::directory_iterator(card), {});
    Check(files == (code == cli::kExitOk ? 1 : 0), "the folder holds other files than the written");
    if (code == cli::kExitOk) {
        struct stat status {};
        Check(::stat(file.c_str(), &status) == 0 && (status.st_mode & 0777) == 0600,
              "a new file with passwords is not its owner's only");
        std::filesystem::remove(file);
    }
}
std::vector<Bytes> PasswordSettingsSeeds() {
    std::vector<Bytes> seeds;
    const std::pair<std::uint8_t, std::string_view> inputs[] = {
        {1, R"({"smtpServer": "smtp.example.com", "port": 465, "senderEmail": "a@b.cd",
               "recipientEmail": "me@example.org", "senderPassword": "Pw#1234"})"},
        {3, R"({"smtpServer": "smtp.example.com", "port": "465", "senderEmail": "a@b.cd",
               "recipientEmail": "me@example.org", "mode": "Manual", "gprsPassword": "G!prs"})"},
        {0, R"({"mode": "Manual", "url": "http://mms.example/", "apn": "mms", "port": 8080,
               "gateway": "10.0.0.1", "phone1": "07700900123", "mmsPassword": "Mm$Secret"})"},
        {2, R"({"mode": "Manual", "mmsPassword": "Broken~Secret)"},
        {1, "{\n \"senderPassword\": \"a\u202Eb#c\"\n}"},
    };
    for (const auto& [flags, json] : inputs) {
        Bytes seed = {flags};
        seed.insert(seed.end(), json.begin(), json.end());
        seeds.push_back(std::move(seed));
    }
    return seeds;
}

// inspect of a folder built from the input: entries named like the files or not, regular files
// with the input's bytes, folders, named pipes, and links to the folder, its parent, each other,
// themselves or nothing. inspect ends (libFuzzer's timeout catches a hang), reads each known
// name at most once, repeats no control character, changes nothing and gives JSON that parses.
void InspectFolder(std::span<const std::uint8_t> data) {
    static constexpr std::string_view kNames[] = {"menu.dat", "setup.dat", "smtp.dat",
                                                  "SMTP.DAT", "sub",       "x"};
    static constexpr std::string_view kTargets[] = {".",         "..",           "menu.dat",
                                                    "setup.dat", "smtp.dat",     "sub",
                                                    "missing",   "sub/menu.dat", "/dev/zero"};
    static int count = 0;
    const std::filesystem::path folder =
        Scratch("folders", {}).parent_path() / ("folder-" + std::to_string(++count));
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder / "sub");
    std::size_t at = 0;
    const auto next = [&]() -> std::uint8_t {
        return at < data.size() ? data[at++] : 0;
    };
    while (at < data.size()) {
        const std::uint8_t kind = next();
        const std::filesystem::path entry = folder / kNames[next() % std::size(kNames)];
        std::error_code ec;
        if (std::filesystem::symlink_status(entry, ec).type() !=
            std::filesystem::file_type::not_found) {
            continue;
        }
        switch (kind % 4) {
        case 0: {
            const std::size_t length = std::min<std::size_t>(next() * 4, data.size() - at);
            WriteFile(entry, data.subspan(at, length));
            at += length;
            break;
        }
        case 1:
            std::filesystem::create_directory(entry, ec);
            break;
        case 2:
            ::mkfifo(entry.c_str(), 0600);
            break;
        default:
            std::filesystem::create_symlink(kTargets[next() % std::size(kTargets)], entry, ec);
            break;
        }
    }
    const auto listing = [&] {
        std::vector<std::string> entries;
        for (const auto& e : std::filesystem::recursive_directory_iterator(folder)) {
            entries.push_back(e.path().string());
        }
        std::sort(entries.begin(), entries.end());
        return entries;
    };
    const std::vector<std::string> before = listing();
    MemoryPreferenceBackend prefs;
    static const QtFileTextCodec codec(0x0409);
    cli::CliEnvironment env{prefs, 0x0409, [] { return LocalDateTime{2014, 5, 7, 13, 4, 9}; },
                            codec};
    const bool json = !data.empty() && (data[0] & 0x80) != 0;
    std::vector<std::string> args = {"inspect", folder.string()};
    if (json) {
        args.emplace_back("--json");
    }
    std::ostringstream out;
    std::ostringstream err;
    const int code = cli::RunCommandLine(args, env, out, err);
    Check(code >= cli::kExitOk && code <= cli::kExitUnexpected && code != cli::kExitWriteFailed,
          "an exit code inspect does not give", err.str());
    Check(NoControlCharacters(out.str() + err.str()), "a report repeats a control character",
          out.str() + err.str());
    const std::string report = out.str();
    std::size_t reports = 0;
    if (json) {
        // A folder's reports sit in one object, a profile of its files; a file's is its own.
        const nlohmann::json object = nlohmann::json::parse(report.empty() ? "{}" : report);
        reports +=
            object.contains("reports") ? object.at("reports").size() : (report.empty() ? 0 : 1);
    } else {
        for (std::size_t p = report.find("file: "); p != std::string::npos;
             p = report.find("file: ", p + 1)) {
            reports += p == 0 || report[p - 1] == '\n' ? 1 : 0;
        }
    }
    const std::string errors = err.str();
    const auto errorLines = std::count(errors.begin(), errors.end(), '\n');
    Check(reports + static_cast<std::size_t>(errorLines) <= 3, "a file is read more than once",
          report + errors);
    Check(listing() == before, "inspect changed the folder");
    std::filesystem::remove_all(folder);
}

// The card finder's readers of system tables: the mount table, a volume's first sector and a
// udev entry. Whatever they hold, the finder lists only mounts the table has, never "/".
void CardTables(std::span<const std::uint8_t> data) {
    const std::string_view text(reinterpret_cast<const char*>(data.data()), data.size());
    const std::vector<cards::MountEntry> mounts = cards::ParseMountInfo(text);
    static const std::filesystem::path noSys =
        std::filesystem::temp_directory_path() / "tov-fuzz-no-sys";
    for (const cards::MountEntry& card : cards::CardMounts(mounts, noSys, "anna")) {
        Check(card.mountPoint != "/", "the system's root listed as a card");
        Check(std::any_of(mounts.begin(), mounts.end(),
                          [&](const cards::MountEntry& m) { return m.id == card.id; }),
              "a card the mount table does not hold", card.mountPoint);
    }
    const cards::VolumeFormat format =
        cards::FormatFromBootSector(data.first(std::min<std::size_t>(data.size(), 512)));
    Check(!cards::FormatName(format, "x").empty(), "a format without a name");
    if (const auto type = cards::UdevProperty(text, "ID_FS_TYPE")) {
        Check(type->find('\n') == std::string::npos, "a udev value runs past its line", *type);
    }
}

std::vector<Bytes> TextSeeds(std::initializer_list<std::string_view> texts) {
    std::vector<Bytes> seeds;
    for (const std::string_view text : texts) {
        seeds.emplace_back(text.begin(), text.end());
    }
    return seeds;
}

struct Target {
    std::string_view name;
    void (*run)(std::span<const std::uint8_t>);
    std::vector<Bytes> (*seeds)();
};
const Target kTargets[] = {
    {"fuzz_decoders", Decoders, DecoderSeeds},
    {"fuzz_setting_texts", SettingTexts, SettingTextsSeeds},
    {"fuzz_settings_json", SettingsJson,
     [] {
         return TextSeeds(
             {R"({"videoLength": 30, "imageSize": "5MP"})",
              R"({"cameraMode": "Video", "serialOn": "On", "serialChars": "A9Z0",
                               "timer1": 1, "intervalValue": 0, "intervalUnit": "Sec"})",
              R"({"videoLength": 5, "videoLength": 6})", R"({"a\u001b": [1e3]})",
              // Profiles, nested and cut by a NUL.
              R"({"format": 1, "menu": {"videoLength": 5}, "refused": {"mms": "x"}})",
              R"({"format": 1, "menu": {"videoLength": [[[[[[[[[[[[[[[[[5]]]]]]]]]]]]]]]]]}})",
              std::string_view("{\"videoLength\": 30}\0{", 21)});
     }},
    {"fuzz_batch_csv", BatchCsv,
     [] {
         return TextSeeds({"destination,serialChars,phone1\n/tmp/a,A001,07700900001\ncard,,\n",
                           "\xEF\xBB\xBF"
                           "destination,phone1\r\n\"=1+1\",\"a,\"\"b\"\n",
                           "destination,phone1,phone1\n\"x\ny\",@x\n"});
     }},
    {"fuzz_options", Options,
     [] {
         return TextSeeds({"2014-05-07 13:04:09", "2040-02-29 12:00:00", "Tov 9030MG", "2760mg",
                           "5", "English", "中文", "255"});
     }},
    {"fuzz_password_settings", PasswordSettings, PasswordSettingsSeeds},
    {"fuzz_inspect_folder", InspectFolder,
     [] {
         // A file of each kind beside links to the folder, to itself and a named pipe.
         std::vector<Bytes> seeds = {{3, 0, 0, 3, 1, 0, 3, 2, 4, 2, 3}, {0x83, 0, 7, 2, 1}};
         for (const Bytes& image : MmsImages()) {
             Bytes seed = {0x00, 0x01, static_cast<std::uint8_t>(image.size() / 4)};
             seed.insert(seed.end(), image.begin(), image.end());
             seeds.push_back(std::move(seed));
         }
         return seeds;
     }},
    {"fuzz_card_tables", CardTables,
     [] {
         return TextSeeds({"29 1 8:1 / / rw,relatime - ext4 /dev/sda1 rw\n"
                           "36 29 8:17 / /media/anna/TOV\\040CARD rw,nosuid - exfat /dev/sdb1 rw\n"
                           "37 29 0:52 / /media/TOVFAT rw - fuse.fusefat /tmp/fat.img rw\n",
                           "\xEB\x76\x90"
                           "EXFAT   ",
                           "E:ID_FS_TYPE=vfat\nE:ID_FS_LABEL=TOVCARD\n"});
     }},
    {"fuzz_preferences", Preferences,
     [] {
         return TextSeeds({"[General]\nlanguage=2\nmodel=4\nTvMode=0\nCompany=Tov\n",
                           "model=65538\nlanguage=\"7\"\n; note\n", "[General\nmodel=1\n"});
     }},
};

const Target& This() {
    return *std::find_if(std::begin(kTargets), std::end(kTargets),
                         [](const Target& t) { return t.name == TOV_FUZZ_TARGET; });
}

}  // namespace
}  // namespace tov::fuzz

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    if (const char* dir = std::getenv("TOV_FUZZ_SEEDS")) {
        const auto seeds = tov::fuzz::This().seeds();
        std::filesystem::create_directories(dir);
        for (std::size_t i = 0; i < seeds.size(); ++i) {
            tov::fuzz::WriteFile(std::filesystem::path(dir) / ("seed-" + std::to_string(i)),
                                 seeds[i]);
        }
        std::exit(0);
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tov::fuzz::This().run({data, size});
    return 0;
}
