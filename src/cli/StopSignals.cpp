#include "cli/StopSignals.h"

#include <csignal>

#ifdef _WIN32
#include <windows.h>
#else
#include <array>
#endif

namespace tov::cli {
namespace {

extern "C" void OnStopSignal(int) {
    StopRequested().store(true);
}

#ifdef _WIN32
BOOL WINAPI OnConsoleEvent(DWORD event) {
    if (event == CTRL_C_EVENT || event == CTRL_BREAK_EVENT || event == CTRL_CLOSE_EVENT) {
        StopRequested().store(true);
        return TRUE;
    }
    return FALSE;
}
#else
constexpr std::array<int, 3> kStopSignals = {SIGINT, SIGTERM, SIGHUP};
#endif

}  // namespace

std::atomic<bool>& StopRequested() {
    static std::atomic<bool> requested{false};
    return requested;
}

#ifdef _WIN32

struct StopSignalGuard::Saved {};

StopSignalGuard::StopSignalGuard() : m_saved(nullptr) {
    SetConsoleCtrlHandler(OnConsoleEvent, TRUE);
}

StopSignalGuard::~StopSignalGuard() {
    SetConsoleCtrlHandler(OnConsoleEvent, FALSE);
}

#else

struct StopSignalGuard::Saved {
    std::array<struct sigaction, 3> stop{};
    struct sigaction pipe {};
};

StopSignalGuard::StopSignalGuard() : m_saved(new Saved) {
    struct sigaction action {};
    action.sa_handler = OnStopSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = 0;  // no SA_RESTART: a wait for input or a card ends with the signal
    for (std::size_t i = 0; i < kStopSignals.size(); ++i) {
        ::sigaction(kStopSignals[i], &action, &m_saved->stop[i]);
    }
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    sigemptyset(&ignore.sa_mask);
    ::sigaction(SIGPIPE, &ignore, &m_saved->pipe);
}

StopSignalGuard::~StopSignalGuard() {
    for (std::size_t i = 0; i < kStopSignals.size(); ++i) {
        ::sigaction(kStopSignals[i], &m_saved->stop[i], nullptr);
    }
    ::sigaction(SIGPIPE, &m_saved->pipe, nullptr);
    delete m_saved;
}

#endif

}  // namespace tov::cli
