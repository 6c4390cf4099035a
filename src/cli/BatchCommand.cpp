#include "cli/BatchCommand.h"

#include "cli/FileOutput.h"
#include "cli/InputFile.h"
#include "cli/SettingInput.h"
#include "cli/WriteCommand.h"
#include "common/FilePath.h"
#include "common/Models.h"
#include "common/SafeFileWriter.h"
#include "common/Text.h"
#include "profiles/core/Csv.h"

#include <csignal>
#include <set>
#include <sstream>
#include <thread>

namespace tov::cli {
namespace {

constexpr std::size_t kMaxCardsFileSize = 1024 * 1024;
constexpr std::string_view kDestination = "destination";

extern "C" void OnInterrupt(int) {
    BatchStopRequested().store(true);
}

// Ctrl+C asks the batch to stop between cards while it runs; the previous handler after.
class InterruptGuard {
public:
    InterruptGuard() : m_previous(std::signal(SIGINT, OnInterrupt)) {
        BatchStopRequested().store(false);
    }
    ~InterruptGuard() { std::signal(SIGINT, m_previous); }
    InterruptGuard(const InterruptGuard&) = delete;
    InterruptGuard& operator=(const InterruptGuard&) = delete;

private:
    void (*m_previous)(int);
};

// What the log keeps of a row.
struct Outcome {
    std::string destination;
    std::string card;
    std::string files;
    std::string result;  // written, skipped, failed, stopped
    std::string reason;
};

// The card's identity for "written in this batch already": its volume's label, device and
// size (the finder gives no volume serial).
std::string CardIdentity(const cards::Card& card) {
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
    static std::atomic<bool> requested{false};
    return requested;
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

    const InterruptGuard interrupt;
    Progress progress(err, env.terminal);
    std::vector<Outcome> outcomes;
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
            outcomes.push_back(outcome);
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

        std::string destination = outcome.destination;
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
        const int result =
            WritePreparedFiles(*files, destination, *state, options.common, env, said, failed);
        if (result != kExitOk) {
            report("failed", OneLine(failed.str()));
            code = kExitWriteFailed;
            continue;
        }
        if (target) {
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

    if (options.log) {
        std::string log =
            profiles::CsvLogLine({"destination", "card", "files", "result", "reason"});
        log += "\n";
        for (const Outcome& each : outcomes) {
            // Cells come from the cards file and the card's label: made safe for a spreadsheet.
            log += profiles::CsvLogLine(
                       {each.destination, each.card, each.files, each.result, each.reason}) +
                   "\n";
        }
        const WriteResult saved =
            WriteFileAtomically(std::filesystem::u8path(*options.log),
                                {reinterpret_cast<const std::uint8_t*>(log.data()), log.size()});
        if (!saved.ok) {
            err << "--log " << Printable(*options.log) << ": " << saved.error << "\n";
            code = kExitWriteFailed;
        }
    }
    return code;
}

}  // namespace tov::cli
