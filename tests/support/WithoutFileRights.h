#pragma once

#include <functional>
#include <thread>

#ifdef __linux__
#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>
#elif !defined(_WIN32)
#include <unistd.h>
#endif

namespace tov::test {

/// Runs `work` as anyone would: for the superuser, on a thread of its own that has given up
/// the right to pass permission bits (effective and permitted, so that access() checks hold
/// too), so that an unreadable or read-only file refuses it as it refuses everyone. False
/// when that right could not be given up (the work did not run).
inline bool RunWithoutFileRights(const std::function<void()>& work) {
#ifdef _WIN32
    work();
    return true;
#else
    if (::geteuid() != 0) {
        work();
        return true;
    }
#ifdef __linux__
    bool dropped = false;
    std::thread([&] {
        __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
        __user_cap_data_struct caps[2]{};
        if (::syscall(SYS_capget, &header, caps) != 0) {
            return;
        }
        const unsigned fileRights = (1U << CAP_DAC_OVERRIDE) | (1U << CAP_DAC_READ_SEARCH);
        caps[0].effective &= ~fileRights;
        caps[0].permitted &= ~fileRights;
        dropped = ::syscall(SYS_capset, &header, caps) == 0;
        if (dropped) {
            work();
        }
    }).join();
    return dropped;
#else
    return false;
#endif
#endif
}

}  // namespace tov::test
