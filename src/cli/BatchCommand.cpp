#include "cli/BatchCommand.h"

#include "cli/FileOutput.h"
#include "cli/SettingInput.h"
#include "cli/StopSignals.h"
#include "cli/WriteCommand.h"
#include "common/FilePath.h"
#include "common/InputFile.h"
#include "common/Models.h"
#include "common/SafeFileWriter.h"
#include "common/Text.h"
#include "profiles/core/Csv.h"

#include <fstream>
#include <set>
#include <sstream>
#include <thread>

namespace tov::cli {
namespace {

constexpr std::size_t kMaxCardsFileSize = 1024 * 1024;
constexpr std::string_view kDestination = "destination";

// What the log keeps of a row.
struct Outcome {
    std::string destination;
    std::string card;
    std::string files;
    std::string result;  // written, skipped, failed, stopped
    std::string reason;
};

// The card's identity for "written in this batch already": its volume serial, where the
// finder could read one; else its label, device and size.
std::string CardIdentity(const cards::Card& card) {
    if (!card.serial.empty()) {
        return "serial " + card.serial;
    }
    return card.label + " " + card.device + " " + std::to_string(card.totalBytes);
}

// The text of `stream` on one line: lines joined with "; ".
std::string OneLine(const std::string& text) {
    std::string line;
    std::istringstream lines(text);
    for (std::string each; std::getline(lines, each);) {
        if (!each.empty()) {
            line += (line.empty() ? "" : "; ") + each;
        }
    }
    return Printable(line);
}

class Progress {
public:
    Progress(std::ostream& err, bool terminal) : m_err(err), m_terminal(terminal) {}
    void show(const std::string& text) {
        if (m_terminal) {
            m_err << "\r\x1b[K" << text << std::flush;
        } else {
            m_err << text << "\n";
        }
    }
    void done() {
        if (m_terminal) {
            m_err << "\r\x1b[K" << std::flush;
        }
    }

private:
    std::ostream& m_err;
    bool m_terminal;
};

}  // namespace

std::atomic<bool>& BatchStopRequested() {
    return StopRequested();
}

int RunBatchCommand(const BatchOptions& options, CliEnvironment& env, std::ostream& out,
                    std::ostream& err) {
    const auto profile = ReadProfileFile(options.settings, StoredAppState(env), env, err);
    if (!profile) {
        return kExitBadInput;
    }
    // A destination is per row: the folder check of the file commands takes a placeholder.
    const auto state = ResolveFileCommandState(options.common, "rows", env, err, profile->model);
    if (!state) {
        return kExitBadInput;
    }
    const InputFile input = ReadInputFile(options.cards, kMaxCardsFileSize);
    std::string csvError;
    const auto rows =
        input.error.empty() && !input.truncated
            ? profiles::ParseCsv(std::string(input.bytes.begin(), input.bytes.end()), csvError)
            : std::nullopt;
    const std::string cardsFile = "--cards " + Printable(options.cards);
    if (!rows) {
        err << cardsFile << ": "
            << (!input.error.empty() ? input.error
                : input.truncated    ? std::string("too large for a list of cards")
                                     : csvError)
            << "\n";
        return kExitBadInput;
    }
    if (rows->empty() || rows->front().cells.empty() ||
        !SameIgnoringCase(TrimSpaces(rows->front().cells.front()), kDestination)) {
        err << cardsFile
            << ": the first line names the columns, the first \"destination\" (a folder or "
               "\"card\"), then settings keys (serialChars,phone1,...)\n";
        return kExitBadInput;
    }
    const std::vector<std::string>& header = rows->front().cells;
    if (!CheckCardColumns(*profile, header, *state, cardsFile + ": ", err)) {
        return kExitBadInput;
    }
    const std::size_t total = rows->size() - 1;
    // The log is checked before the first card is written: a batch that cannot keep its log
    // writes nothing.
    const std::filesystem::path logPath = options.log ? UserFilePath(*options.log) : "";
    if (options.log) {
        std::error_code ec;
        const auto there = std::filesystem::symlink_status(logPath, ec).type();
        std::string refusal = FolderRefusal(logPath.parent_path());
        if (refusal.empty() && there != std::filesystem::file_type::not_found &&
            there != std::filesystem::file_type::regular) {
            refusal = std::string(kNotRegularTarget);
        }
        if (!refusal.empty()) {
            err << "--log " << Printable(*options.log) << ": " << refusal
                << "; nothing was written\n";
            return kExitBadInput;
        }
    }

    // The log is written as the batch goes, a row per card as it ends, so that a batch that
    // is stopped or killed leaves the rows of what it did.
    std::ofstream log;
    if (options.log) {
        log.open(logPath, std::ios::binary | std::ios::trunc);
        log << profiles::CsvLogLine({"destination", "card", "files", "result", "reason"}) << "\n"
            << std::flush;
        if (!log) {
            err << "--log " << Printable(*options.log) << ": cannot be written; nothing was "
                << "written\n";
            return kExitBadInput;
        }
    }

    // Ctrl+C, SIGTERM and SIGHUP stop the batch between cards; a closed output does not.
    const StopSignalGuard stopSignals;
    BatchStopRequested().store(false);
    Progress progress(err, env.terminal);
    bool logFailed = false;
    std::set<std::string> written;
    int code = kExitOk;
    for (std::size_t n = 1; n <= total; ++n) {
        const profiles::CsvRow& row = (*rows)[n];
        const std::string counter = "card " + std::to_string(n) + " of " + std::to_string(total);
        Outcome outcome;
        outcome.destination = row.cells.empty() ? "" : std::string(TrimSpaces(row.cells[0]));
        const auto report = [&](const std::string& result, const std::string& reason) {
            outcome.result = result;
            outcome.reason = reason;
            out << counter << ": " << Printable(outcome.destination)
                << (outcome.card.empty() ? "" : " (" + Printable(outcome.card) + ")") << ": "
                << result << (reason.empty() ? "" : ": " + reason) << "\n";
            if (log.is_open()) {
                // Cells come from the cards file and the card's label: safe for a spreadsheet.
                log << profiles::CsvLogLine({outcome.destination, outcome.card, outcome.files,
                                             outcome.result, outcome.reason})
                    << "\n"
                    << std::flush;
                logFailed = logFailed || !log;
            }
        };
        if (BatchStopRequested().load()) {
            report("stopped", "Ctrl+C before this card");
            code = kExitWriteFailed;
            continue;
        }
        progress.show(counter + ": checking line " + std::to_string(row.line));

        // The row's values over the profile, checked as --set is.
        profiles::Profile card = *profile;
        std::ostringstream why;
        bool bad = row.cells.size() > header.size() || outcome.destination.empty();
        if (row.cells.size() > header.size()) {
            why << "line " << row.line << " has more cells than the first line names\n";
        } else if (outcome.destination.empty()) {
            why << "line " << row.line << " gives no destination\n";
        }
        std::vector<std::string> setters;
        for (std::size_t c = 1; !bad && c < row.cells.size(); ++c) {
            if (!row.cells[c].empty()) {
                setters.push_back(std::string(TrimSpaces(header[c])) + "=" + row.cells[c]);
            }
        }
        bad = bad || !ApplySetters(card, setters, *state, "", why);
        std::optional<std::vector<PreparedFile>> files;
        if (!bad) {
            files = PrepareProfileFiles(card, *state, options.clock, env, why);
            bad = !files;
        }
        if (bad) {
            report("skipped", OneLine(why.str()));
            code = code == kExitOk ? kExitBadInput : code;
            continue;
        }
        for (const PreparedFile& file : *files) {
            if (!outcome.files.empty()) {
                outcome.files += ' ';
            }
            outcome.files += file.fileName;
        }

        const std::string destination = outcome.destination;
        std::optional<cards::Card> target;
        if (destination == kOutCard) {
            // Wait for a usable card this batch has not written (or any, with --again).
            bool told = false;
            const auto since = std::chrono::steady_clock::now();
            while (!target && !BatchStopRequested().load() &&
                   (!batchCardWaitLimit ||
                    std::chrono::steady_clock::now() - since < *batchCardWaitLimit)) {
                const std::vector<cards::Card> found =
                    env.listCards ? env.listCards() : std::vector<cards::Card>{};
                const cards::CardChoice choice = cards::OnlyUsableCard(found);
                if (choice.card != nullptr &&
                    (options.again || !written.contains(CardIdentity(*choice.card)))) {
                    target = *choice.card;
                    break;
                }
                if (!env.listCards) {
                    break;
                }
                if (!told) {
                    progress.show(counter + ": " +
                                  (choice.card != nullptr
                                       ? "this card was written in this batch already; insert "
                                         "the next card (--again writes it once more)"
                                       : "insert the next card"));
                    told = true;
                }
                std::this_thread::sleep_for(batchCardPoll);
            }
            if (!target) {
                report(BatchStopRequested().load() ? "stopped" : "failed",
                       BatchStopRequested().load() ? "Ctrl+C while waiting for a card"
                                                   : "no memory card found");
                code = kExitWriteFailed;
                continue;
            }
            outcome.card = target->label;
        }
        progress.show(counter + ": writing " + Printable(outcome.files) + " to " +
                      Printable(target ? target->mountPoint : destination));
        std::ostringstream said;
        std::ostringstream failed;
        // Ctrl+C now is kept for after the write: the flag is read between cards only.
        const writes::Destination where = target ? writes::Destination{target->mountPoint, *target}
                                                 : writes::Destination{destination, std::nullopt};
        const int result =
            WritePreparedFiles(*files, where, *state, options.common, env, said, failed);
        if (result != kExitOk) {
            // Which files of the card were written before the failure, if any.
            std::string before;
            std::istringstream lines(said.str());
            for (std::string line; std::getline(lines, line);) {
                if (line.size() > 9 && line.ends_with(": written")) {
                    before += (before.empty() ? "" : " ") + line.substr(0, line.size() - 9);
                }
            }
            report("failed", OneLine(failed.str()) +
                                 (before.empty() ? "" : "; written before it: " + before));
            code = kExitWriteFailed;
            continue;
        }
        if (options.common.dryRun) {
            // Every check ran; nothing was written, so the card stays in.
            report("would write", "");
        } else if (target) {
            written.insert(CardIdentity(*target));
            const EjectResult ejected =
                env.ejectCard ? env.ejectCard(*target) : EjectResult{false, "cannot eject here"};
            report("written",
                   ejected.ok ? "ejected; insert the next card" : OneLine(ejected.message));
        } else {
            report("written", "");
        }
    }
    progress.done();

    if (logFailed) {
        err << "--log " << Printable(*options.log) << ": a row could not be written\n";
        code = kExitWriteFailed;
    }
    return code;
}

}  // namespace tov::cli
