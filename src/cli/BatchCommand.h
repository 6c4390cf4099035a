#pragma once

#include "cli/CliOptions.h"

#include <atomic>
#include <chrono>
#include <functional>
#include <optional>
#include <ostream>
#include <string>

namespace tov::cli {

struct BatchOptions {
    CommonOptions common;
    std::string settings;              ///< the profile
    std::string cards;                 ///< the CSV: destination, then values by key
    std::optional<std::string> log;    ///< the results as CSV
    std::optional<std::string> clock;  ///< not given: the local clock at each card
    bool again = false;                ///< write a card this batch has written already
};

/// Set when the user asks the batch to stop (Ctrl+C): it stops before the next card, never
/// during a write.
std::atomic<bool>& BatchStopRequested();

/// How long a `card` row waits between two looks for the next card; tests shorten it.
inline std::chrono::milliseconds batchCardPoll{500};
/// How long a `card` row waits for its card at most; none: until a card comes or Ctrl+C.
inline std::optional<std::chrono::milliseconds> batchCardWaitLimit;

/// `batch`: the profile written to one card after the other, each row of the CSV giving a
/// destination (a folder, or "card": wait for the next card, write, eject) and values by key
/// over the profile, checked like --set. A row with a bad value is reported and skipped. One
/// line per row on `out`, the progress ("card 2 of 5: ...") on `err` (one updating line on a
/// terminal), the log as CSV (destination, card, files, result, reason). Exit 0 when every
/// row was written, 2 when a row was skipped, 1 when a write failed or the batch was
/// stopped.
int RunBatchCommand(const BatchOptions& options, CliEnvironment& env, std::ostream& out,
                    std::ostream& err);

}  // namespace tov::cli
