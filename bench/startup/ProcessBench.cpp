// Times two programs as whole processes in interleaved pairs and reports their medians, the
// ratio of the medians and their peak memory (ru_maxrss of each run).
//
// Usage: tov-process-bench [--runs N] [--warmup N] [--paint] -- COMMAND_A... --vs COMMAND_B...
//   --paint  a run ends at the program's first painted window: the program is started with
//            TOVBRENN_QUIT_AFTER_FIRST_PAINT=1 and prints "first-paint NS" (steady clock)
//   without  a run ends when the process exits
//
// Prints, one line each: "time_ms A B RATIO", "cpu_ms A B RATIO" (user and system time of
// the whole process, far less sensitive than the wall clock to other load on the machine),
// "rss_mib A B RATIO" (medians) and "spread_pct A B" (interquartile range of the wall times
// relative to their median).
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kTimeoutMs = 30000;

struct Sample {
    double ms = 0;
    double cpuMs = 0;
    double rssMib = 0;
};

double Milliseconds(const timeval& t) {
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_usec) / 1e3;
}

struct Options {
    int runs = 40;
    int warmup = 3;
    bool paint = false;
    std::vector<std::string> a;
    std::vector<std::string> b;
};

[[noreturn]] void Fail(const std::string& what) {
    std::fprintf(stderr, "tov-process-bench: %s\n", what.c_str());
    std::exit(1);
}

std::vector<char*> Pointers(std::vector<std::string>& strings) {
    std::vector<char*> pointers;
    for (std::string& s : strings) {
        pointers.push_back(s.data());
    }
    pointers.push_back(nullptr);
    return pointers;
}

// Reads the child's standard output until its first-paint line; the steady clock it names.
std::optional<std::int64_t> ReadPaintMark(int fd) {
    std::string seen;
    char buffer[256];
    for (;;) {
        pollfd p{fd, POLLIN, 0};
        if (::poll(&p, 1, kTimeoutMs) <= 0) {
            return std::nullopt;
        }
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n <= 0) {
            return std::nullopt;
        }
        seen.append(buffer, static_cast<std::size_t>(n));
        const auto at = seen.find("first-paint ");
        if (at != std::string::npos && seen.find('\n', at) != std::string::npos) {
            return std::strtoll(seen.c_str() + at + 12, nullptr, 10);
        }
    }
}

Sample RunOnce(const std::vector<std::string>& command, bool paint) {
    std::vector<std::string> args = command;
    std::vector<std::string> env;
    for (char** e = environ; *e != nullptr; ++e) {
        env.emplace_back(*e);
    }
    if (paint) {
        env.emplace_back("TOVBRENN_QUIT_AFTER_FIRST_PAINT=1");
    }
    auto argv = Pointers(args);
    auto envp = Pointers(env);

    int out[2];
    if (::pipe2(out, O_CLOEXEC) != 0) {
        Fail("pipe failed");
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, out[1], 1);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);

    pid_t pid = 0;
    const Clock::time_point start = Clock::now();
    const int spawned = ::posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    ::close(out[1]);
    if (spawned != 0) {
        Fail("cannot start " + command[0] + ": " + std::strerror(spawned));
    }

    std::optional<std::int64_t> mark;
    if (paint) {
        mark = ReadPaintMark(out[0]);
        if (!mark) {
            ::kill(pid, SIGKILL);
        }
    } else {
        // Drain the output so that a chatty child never blocks on a full pipe.
        char buffer[4096];
        while (::read(out[0], buffer, sizeof buffer) > 0) {
        }
    }
    int status = 0;
    rusage usage{};
    ::wait4(pid, &status, 0, &usage);
    const Clock::time_point end = Clock::now();
    ::close(out[0]);
    if (paint && !mark) {
        Fail(command[0] + " printed no first-paint mark");
    }
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        Fail(command[0] + " failed");
    }
    const std::int64_t endNs =
        paint
            ? *mark
            : std::chrono::duration_cast<std::chrono::nanoseconds>(end.time_since_epoch()).count();
    const std::int64_t startNs =
        std::chrono::duration_cast<std::chrono::nanoseconds>(start.time_since_epoch()).count();
    return {static_cast<double>(endNs - startNs) / 1e6,
            Milliseconds(usage.ru_utime) + Milliseconds(usage.ru_stime),
            static_cast<double>(usage.ru_maxrss) / 1024.0};
}

double Quantile(std::vector<double> values, double q) {
    std::sort(values.begin(), values.end());
    const double at = q * static_cast<double>(values.size() - 1);
    const auto low = static_cast<std::size_t>(at);
    const std::size_t high = std::min(low + 1, values.size() - 1);
    return values[low] + (values[high] - values[low]) * (at - static_cast<double>(low));
}

Options Parse(int argc, char** argv) {
    Options options;
    int i = 1;
    for (; i < argc && std::strcmp(argv[i], "--") != 0; ++i) {
        if (std::strcmp(argv[i], "--paint") == 0) {
            options.paint = true;
        } else if (std::strcmp(argv[i], "--runs") == 0 && i + 1 < argc) {
            options.runs = std::atoi(argv[++i]);
        } else if (std::strcmp(argv[i], "--warmup") == 0 && i + 1 < argc) {
            options.warmup = std::atoi(argv[++i]);
        } else {
            Fail(std::string("unknown option ") + argv[i]);
        }
    }
    std::vector<std::string>* current = &options.a;
    for (++i; i < argc; ++i) {
        if (std::strcmp(argv[i], "--vs") == 0) {
            current = &options.b;
        } else {
            current->emplace_back(argv[i]);
        }
    }
    if (options.a.empty() || options.b.empty() || options.runs < 1 || options.warmup < 0) {
        Fail("usage: tov-process-bench [--runs N] [--warmup N] [--paint] -- A... --vs B...");
    }
    return options;
}

}  // namespace

int main(int argc, char** argv) {
    const Options options = Parse(argc, argv);
    std::vector<double> timeA, timeB, cpuA, cpuB, rssA, rssB;
    for (int i = 0; i < options.warmup + options.runs; ++i) {
        // Alternate which program goes first, so that neither always runs on a warmer cache.
        const bool aFirst = i % 2 == 0;
        const Sample first = RunOnce(aFirst ? options.a : options.b, options.paint);
        const Sample second = RunOnce(aFirst ? options.b : options.a, options.paint);
        if (i < options.warmup) {
            continue;
        }
        const Sample& a = aFirst ? first : second;
        const Sample& b = aFirst ? second : first;
        timeA.push_back(a.ms);
        timeB.push_back(b.ms);
        cpuA.push_back(a.cpuMs);
        cpuB.push_back(b.cpuMs);
        rssA.push_back(a.rssMib);
        rssB.push_back(b.rssMib);
    }
    const double medianTimeA = Quantile(timeA, 0.5);
    const double medianTimeB = Quantile(timeB, 0.5);
    const double medianCpuA = Quantile(cpuA, 0.5);
    const double medianCpuB = Quantile(cpuB, 0.5);
    const double medianRssA = Quantile(rssA, 0.5);
    const double medianRssB = Quantile(rssB, 0.5);
    std::printf("time_ms %.2f %.2f %.3f\n", medianTimeA, medianTimeB, medianTimeA / medianTimeB);
    std::printf("cpu_ms %.2f %.2f %.3f\n", medianCpuA, medianCpuB, medianCpuA / medianCpuB);
    std::printf("rss_mib %.2f %.2f %.3f\n", medianRssA, medianRssB, medianRssA / medianRssB);
    std::printf("spread_pct %.1f %.1f\n",
                100.0 * (Quantile(timeA, 0.75) - Quantile(timeA, 0.25)) / medianTimeA,
                100.0 * (Quantile(timeB, 0.75) - Quantile(timeB, 0.25)) / medianTimeB);
    return 0;
}
