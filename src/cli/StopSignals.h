#pragma once

#include <atomic>

namespace tov::cli {

/// Set when the user or the system asks the command to stop (Ctrl+C, SIGTERM, SIGHUP; a closed
/// console on Windows). A write under way finishes, or its temporary file is removed, first;
/// a batch stops between cards.
std::atomic<bool>& StopRequested();

/// While it lives, the stop signals set StopRequested instead of ending the process, and
/// interrupt a wait (no restart of the call); SIGPIPE is ignored, so that a closed output (a
/// pipe into `head`) fails the writes to it instead of ending the run in the middle of one.
/// The handlers before are restored at the end.
class StopSignalGuard final {
public:
    StopSignalGuard();
    ~StopSignalGuard();
    StopSignalGuard(const StopSignalGuard&) = delete;
    StopSignalGuard& operator=(const StopSignalGuard&) = delete;

private:
    struct Saved;
    Saved* m_saved;
};

}  // namespace tov::cli
