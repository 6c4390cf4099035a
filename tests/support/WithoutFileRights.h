#pragma once

#include <functional>
#include <thread>

#ifdef __linux__
#include <linux/capability.h>
#include <sys/syscall.h>
#endif
#ifndef _WIN32
#include <unistd.h>
#endif

namespace tov::test {

/// Runs `work` as anyone would: for the superuser, on a thread of its own that has given up
/// the right to pass permission bits (effective and permitted, so that access() holds too).
/// False when that right could not be given up; the work did not run then.
inline bool RunWithoutFileRights(const std::function<void()>& work) {
#ifndef _WIN32
    if (::geteuid() == 0) {
        bool dropped = false;
#ifdef __linux__
        std::thread([&] {
            __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
            __user_cap_data_struct caps[2]{};
            const unsigned rights = (1U << CAP_DAC_OVERRIDE) | (1U << CAP_DAC_READ_SEARCH);
            ::syscall(SYS_capget, &header, caps);
            caps[0].effective &= ~rights;
            caps[0].permitted &= ~rights;
            if ((dropped = ::syscall(SYS_capset, &header, caps) == 0)) {
                work();
            }
        }).join();
#endif
        return dropped;
    }
#endif
    work();
    return true;
}

}  // namespace tov::test
