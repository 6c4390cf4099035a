#include "cli/CommandLine.h"

#include "cli/BatchCommand.h"
#include "cli/CardsCommand.h"
#include "cli/InspectCommand.h"
#include "cli/MenuCommand.h"
#include "cli/MmsCommand.h"
#include "cli/OperatorsCommand.h"
#include "cli/PrefsCommand.h"
#include "cli/ProfileCommand.h"
#include "cli/SmtpCommand.h"
#include "cli/WriteCommand.h"
#include "common/Models.h"
#include "common/Text.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <functional>
#include <sstream>

// The one place that knows the command-line parser: every command's options are declared
// here, and the commands themselves get plain option values.

namespace tov::cli {
namespace {

/// An option whose value is kept only when it is given, so that a given but empty value can
/// be told from a missing one.
CLI::Option* AddOptional(CLI::App& command, const std::string& name,
                         std::optional<std::string>& value, const std::string& help) {
    return command.add_option_function<std::string>(
        name, [&value](const std::string& text) { value = text; }, help);
}

// "1..5, "Tov 2740M" or "2740M"": how a model can be named.
std::string ModelHelp() {
    const ModelInfo& example = Models().front();
    return "1.." + std::to_string(Models().size()) + ", " + Quoted(example.name) + " or " +
           Quoted(ShortModelName(example));
}

void AddModelAndLanguage(CLI::App& command, CommonOptions& options) {
    AddOptional(command, "--model", options.model,
                "Camera model: " + ModelHelp() + " (default: the stored preference)");
    AddOptional(command, "--language", options.language,
                "Language: 1..11 or the list entry, e.g. \"English\", \"Chinese\" (default: the "
                "stored preference)");
}

void AddForce(CLI::App& command, CommonOptions& options) {
    command.add_flag("--force", options.force,
                     "Replace the file even when it is read-only (its mode is kept)");
}

void AddDryRun(CLI::App& command, CommonOptions& options) {
    command.add_flag("--dry-run", options.dryRun,
                     "Print what would change in the folder and write nothing");
}

// A folder name holds no double quote on Windows. One in --out is what cmd makes of
// --out "E:\": a backslash before the closing quote escapes it, and the rest of the line
// joins the folder's name. Refused on every platform, so that a script behaves alike.
std::string QuoteInFolder(std::string& value) {
    if (value.find('"') == std::string::npos) {
        return {};
    }
    return Quoted(value) +
           " holds a double quote, which no folder name can: a backslash before a closing "
           "quote escapes the quote on Windows, so the options after it joined the folder; "
           "write \"E:\\\\\" or E: instead";
}

// --out: a folder, or "card" for the only memory card.
void AddOut(CLI::App& command, std::string& outDir, std::string_view fileName) {
    command
        .add_option("--out", outDir,
                    "Folder to write " + std::string(fileName) +
                        " into, or \"card\" for the only memory card (./card for a folder "
                        "of that name)")
        ->required()
        ->check(CLI::Validator(QuoteInFolder, "", "folder"));
}

void AddCommonOptions(CLI::App& command, CommonOptions& options) {
    AddModelAndLanguage(command, options);
    AddForce(command, options);
    AddDryRun(command, options);
    AddOptional(command, "--tv-mode", options.tvMode,
                "TV mode byte, 0..255 (default: the stored \"TvMode\")");
}

// `example`: a JSON object with keys of the command's own file.
void AddSettingSources(CLI::App& command, SettingSources& sources, CLI::Option*& settings,
                       CLI::Option*& setters, std::string_view example) {
    settings = AddOptional(command, "--settings", sources.settingsFile,
                           "JSON object of settings by key, e.g. " + std::string(example) +
                               ", or a profile (see write); - reads standard input");
    setters = command.add_option(
        "--set", sources.setters,
        "KEY=VALUE, repeatable, over --settings; a choice is its index or its English text");
    command.add_flag("--update", sources.update,
                     "Start from the settings of the file at --out (without it the settings "
                     "start from the form's initial values)");
}

CLI::App& AddPrefsCommand(CLI::App& app, PrefsOptions& options) {
    CLI::App* command = app.add_subcommand(
        "prefs", "Shows the stored language, model and TvMode and where they are kept");
    AddOptional(*command, "--tv-mode", options.tvMode,
                "Stores this TV mode (0..255) as \"TvMode\"");
    return *command;
}

CLI::App& AddMenuCommand(CLI::App& app, MenuOptions& options) {
    CLI::App* command = app.add_subcommand("menu", "Writes the camera menu file menu.dat");
    AddOut(*command, options.outDir, "menu.dat");
    AddCommonOptions(*command, options.common);
    CLI::Option* clock =
        AddOptional(*command, "--clock", options.clock,
                    "Camera clock \"YYYY-MM-DD HH:MM:SS\" instead of the local clock");
    CLI::Option* settings = nullptr;
    CLI::Option* setters = nullptr;
    AddSettingSources(*command, options.settings, settings, setters,
                      R"({"videoLength": 30, "imageSize": "5MP"})");
    command->add_flag("--factory", options.factory, "Write the factory-settings record")
        ->excludes(clock)
        ->excludes(settings)
        ->excludes(setters);
    command->footer(&MenuKeysHelp);  // made only when help is shown
    return *command;
}

CLI::App& AddMmsCommand(CLI::App& app, MmsOptions& options) {
    CLI::App* command = app.add_subcommand("mms", "Writes the MMS configuration file setup.dat");
    AddOut(*command, options.outDir, "setup.dat");
    AddCommonOptions(*command, options.common);
    CLI::Option* settings = nullptr;
    CLI::Option* setters = nullptr;
    AddSettingSources(*command, options.settings, settings, setters,
                      R"({"mode": "Manual", "apn": "internet"})");
    command->footer(&MmsKeysHelp);
    return *command;
}

CLI::App& AddSmtpCommand(CLI::App& app, SmtpOptions& options) {
    CLI::App* command =
        app.add_subcommand("smtp", "Writes the GPRS and e-mail configuration file smtp.dat");
    AddOut(*command, options.outDir, "smtp.dat");
    AddModelAndLanguage(*command, options.common);
    AddForce(*command, options.common);
    AddDryRun(*command, options.common);
    CLI::Option* settings = nullptr;
    CLI::Option* setters = nullptr;
    AddSettingSources(*command, options.settings, settings, setters,
                      R"({"smtpServer": "smtp.example.com", "port": "465"})");
    command->footer(&SmtpKeysHelp);
    return *command;
}

CLI::App& AddWriteCommand(CLI::App& app, ProfileWriteOptions& options) {
    CLI::App* command = app.add_subcommand(
        "write", "Writes every file a profile holds (menu.dat, setup.dat, smtp.dat), all "
                 "checked before any is written");
    command
        ->add_option("--settings", options.settings,
                     "The profile: {\"format\": 1, \"model\": \"Tov 9030MG\", \"menu\": {...}, "
                     "\"mms\": {...}, \"smtp\": {...}} (as inspect --json prints it); - reads "
                     "standard input")
        ->required();
    AddOut(*command, options.outDir, "the files");
    AddCommonOptions(*command, options.common);
    AddOptional(*command, "--clock", options.clock,
                "Camera clock \"YYYY-MM-DD HH:MM:SS\" instead of the local clock");
    command->add_option("--set", options.setters,
                        "KEY=VALUE over the profile, repeatable: every file that takes KEY, or "
                        "FILE.KEY (mms.port)");
    command->footer("--model gives or overrides the profile's model. Nothing is written when "
                    "one file is refused (exit 2); a failed write stops the rest (exit 1).");
    return *command;
}

CLI::App& AddProfileCommand(CLI::App& app, ProfileOptions& options) {
    CLI::App* command = app.add_subcommand(
        "profile", "Saves the settings of a card's or folder's files as a profile for write");
    command
        ->add_option("source", options.source,
                     "The folder, \"card\" for the only memory card, or one configuration file")
        ->required();
    command->add_option("--out", options.out, "The profile to write, or - for standard output")
        ->required();
    AddOptional(*command, "--model", options.model,
                "Camera model: " + ModelChoices() + " (default: the model the files tell)");
    command->add_flag("--include-secrets", options.includeSecrets,
                      "Keep the passwords; the profile is then made owner-only (0600)");
    command->add_flag("--force", options.force, "Replace the profile even when it is read-only");
    return *command;
}

CLI::App& AddBatchCommand(CLI::App& app, BatchOptions& options) {
    CLI::App* command = app.add_subcommand(
        "batch", "Writes a profile to many cards or folders in a row, each with its own values");
    command->add_option("--settings", options.settings, "The profile (see write)")->required();
    command
        ->add_option("--cards", options.cards,
                     "CSV: a first line \"destination,KEY,...\", then one line per card: a folder "
                     "or \"card\" (wait for the next card) and its values by key")
        ->required();
    AddOptional(*command, "--log", options.log,
                "Write the results as CSV: destination, card, files, result, reason");
    command->add_flag("--again", options.again,
                      "Write a card this batch has written already (refused otherwise)");
    AddCommonOptions(*command, options.common);
    AddOptional(*command, "--clock", options.clock,
                "Camera clock \"YYYY-MM-DD HH:MM:SS\" instead of the local clock");
    command->footer("A line with a bad value is reported and skipped. Ctrl+C stops before the "
                    "next card; a write under way is finished first. Exit 0 all written, 2 a "
                    "line skipped, 1 a write failed or the batch was stopped.");
    return *command;
}

CLI::App& AddInspectCommand(CLI::App& app, InspectOptions& options) {
    CLI::App* command =
        app.add_subcommand("inspect", "Checks a configuration file (" + InspectedFileNames() +
                                          ") and prints every field with its meaning");
    command->add_option("file", options.file, "The file to inspect, or a folder of them")
        ->required();
    AddOptional(*command, "--as", options.as,
                "Read the file as this one: " + InspectedFileNames() +
                    " (default: as its name says; menu.dat for other names)");
    command->add_flag("--show-secrets", options.showSecrets,
                      "Show passwords instead of masking them");
    AddOptional(*command, "--model", options.model,
                "Camera model: " + ModelChoices() + " (default: the readings of every model)");
    command->add_flag("--json", options.json, "Print the report as one JSON object");
    command->footer("Exit codes: 0 sound files; 4 a sound file holding values no form writes "
                    "(see its notes); 3 a damaged file; 2 a file or folder entry that cannot be "
                    "read (a folder's entries are read as files only, links to folders are not "
                    "followed). Passwords are masked, every byte of their records, unless "
                    "--show-secrets.");
    return *command;
}

CLI::App& AddOperatorsCommand(CLI::App& app, OperatorsOptions& options) {
    CLI::App* command = app.add_subcommand(
        "operators", "Lists a built-in operator catalogue with every preset text");
    command->add_option("catalogue", options.catalogue, "The catalogue: " + CatalogueNames())
        ->required();
    AddOptional(*command, "--country", options.country,
                "Only this country: its position or its name");
    command->add_flag("--json", options.json, "Print the catalogue as one JSON object");
    return *command;
}

CLI::App& AddCardsCommand(CLI::App& app, CardsOptions& options) {
    CLI::App* command = app.add_subcommand(
        "cards", "Lists the memory cards: mount point, label, file system, size, camera files");
    command->add_flag("--json", options.json, "Print the cards as one JSON object");
    return *command;
}

CLI::App& AddBackupsCommand(CLI::App& app, BackupsOptions& options) {
    CLI::App* command = app.add_subcommand(
        "backups", "Lists the files kept before a write replaced them on a card");
    command->add_flag("--json", options.json, "Print the backups as one JSON object");
    return *command;
}

CLI::App& AddRestoreCommand(CLI::App& app, RestoreOptions& options) {
    CLI::App* command =
        app.add_subcommand("restore", "Writes a kept backup back into a folder or onto the card");
    command->add_option("backup", options.backup, "The backup's id as `backups` lists it")
        ->required();
    AddOut(*command, options.outDir, "the file");
    AddModelAndLanguage(*command, options.common);
    AddDryRun(*command, options.common);
    return *command;
}

CLI::App& AddEjectCommand(CLI::App& app, EjectOptions& options) {
    CLI::App* command =
        app.add_subcommand("eject", "Unmounts a memory card and says when it may be removed");
    command->add_option_function<std::string>(
        "card", [&options](const std::string& text) { options.card = text; },
        "The card's mount point or label (default: the only card)");
    return *command;
}

}  // namespace

int RunCommandLine(const std::vector<std::string>& args, CliEnvironment& env, std::ostream& out,
                   std::ostream& err) {
    CLI::App app("Writes and checks the configuration files of the Tov Brenn cameras",
                 "tovbrenn-cli");
    // The same options on every system: on Windows the parser would take "/x" for an option
    // (a path such as /cards/menu.dat among them) unless told not to.
    app.allow_windows_style_options(false);
    app.set_version_flag("--version", TOV_VERSION_TEXT);
    app.require_subcommand(1);
    // The parser's messages repeat the arguments: they reach the terminal only printable.
    app.failure_message([](const CLI::App* failed, const CLI::Error& e) {
        std::string text;
        std::istringstream lines(CLI::FailureMessage::simple(failed, e));
        for (std::string line; std::getline(lines, line);) {
            text += Printable(line) + "\n";
        }
        return text;
    });

    // Each command: its name, how its options are declared, how it runs. Only the command
    // the arguments name is declared (declaring the options is most of a short run's work);
    // without one, all are, for the help and the messages.
    PrefsOptions prefs;
    MenuOptions menu;
    MmsOptions mms;
    SmtpOptions smtp;
    InspectOptions inspect;
    ProfileWriteOptions write;
    ProfileOptions profile;
    BatchOptions batch;
    OperatorsOptions operators;
    CardsOptions cardsOptions;
    BackupsOptions backups;
    RestoreOptions restore;
    EjectOptions eject;
    struct Command {
        std::string_view name;
        std::function<CLI::App&()> declare;
        std::function<int()> run;
        const CLI::App* parsed = nullptr;
    };
    std::vector<Command> commands = {
        {"prefs", [&]() -> CLI::App& { return AddPrefsCommand(app, prefs); },
         [&] {
             return RunPrefsCommand(prefs, env, out, err);
         }},
        {"menu", [&]() -> CLI::App& { return AddMenuCommand(app, menu); },
         [&] {
             return RunMenuCommand(menu, env, out, err);
         }},
        {"mms", [&]() -> CLI::App& { return AddMmsCommand(app, mms); },
         [&] {
             return RunMmsCommand(mms, env, out, err);
         }},
        {"smtp", [&]() -> CLI::App& { return AddSmtpCommand(app, smtp); },
         [&] {
             return RunSmtpCommand(smtp, env, out, err);
         }},
        {"write", [&]() -> CLI::App& { return AddWriteCommand(app, write); },
         [&] {
             return RunWriteCommand(write, env, out, err);
         }},
        {"batch", [&]() -> CLI::App& { return AddBatchCommand(app, batch); },
         [&] {
             return RunBatchCommand(batch, env, out, err);
         }},
        {"profile", [&]() -> CLI::App& { return AddProfileCommand(app, profile); },
         [&] {
             return RunProfileCommand(profile, env, out, err);
         }},
        {"inspect", [&]() -> CLI::App& { return AddInspectCommand(app, inspect); },
         [&] {
             return RunInspectCommand(inspect, env, out, err);
         }},
        {"operators", [&]() -> CLI::App& { return AddOperatorsCommand(app, operators); },
         [&] {
             return RunOperatorsCommand(operators, env, out, err);
         }},
        {"cards", [&]() -> CLI::App& { return AddCardsCommand(app, cardsOptions); },
         [&] {
             return RunCardsCommand(cardsOptions, env, out, err);
         }},
        {"backups", [&]() -> CLI::App& { return AddBackupsCommand(app, backups); },
         [&] {
             return RunBackupsCommand(backups, env, out, err);
         }},
        {"restore", [&]() -> CLI::App& { return AddRestoreCommand(app, restore); },
         [&] {
             return RunRestoreCommand(restore, env, out, err);
         }},
        {"eject", [&]() -> CLI::App& { return AddEjectCommand(app, eject); },
         [&] {
             return RunEjectCommand(eject, env, out, err);
         }},
    };
    const auto named = std::find_if(args.begin(), args.end(), [](const std::string& arg) {
        return arg.empty() || arg.front() != '-';
    });
    const bool known =
        named != args.end() && std::any_of(commands.begin(), commands.end(),
                                           [&](const auto& c) { return c.name == *named; });
    for (Command& command : commands) {
        if (!known || command.name == *named) {
            command.parsed = &command.declare();
        }
    }

    try {
        // The parser takes the arguments last first.
        std::vector<std::string> reversed(args.rbegin(), args.rend());
        app.parse(reversed);
    } catch (const CLI::ParseError& e) {
        // Help and version end the run successfully; every other parse error is a usage error.
        return app.exit(e, out, err) == 0 ? kExitOk : kExitBadInput;
    }

    for (const Command& command : commands) {
        if (command.parsed != nullptr && command.parsed->parsed()) {
            return command.run();
        }
    }
    return kExitBadInput;
}

}  // namespace tov::cli
