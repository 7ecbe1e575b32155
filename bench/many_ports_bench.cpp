// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

// morvent-cli on many ports at once, as a shop's rack of adapters or a test bench has them.
//
// First `read` on 256 simulated controllers, with the open-file limit at 1024 soft and hard (as
// `ulimit -n 1024` sets it) and at Debian's default (1024 soft, the hard limit far above): wall
// time, peak resident memory, the most descriptors the tool held at once (sampled every
// millisecond), how it ended and how many sessions it ran at a time. Then the ending signals
// against sessions still setting their lines up: `watch` on 40 controllers, SIGINT after a delay
// that sweeps the connect phase, repeated; counted are the lines left with the tool's settings or
// held.
// Usage: many_ports_bench [--ports N] [--signal-runs N] [--cli PATH-OF-ANOTHER-BUILD]
#include "SimulatedController.h"

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

using namespace morvent;
using Clock = std::chrono::steady_clock;
namespace fs = std::filesystem;

namespace {

constexpr tcflag_t kForeign = IXOFF | INPCK | IGNPAR;
const char* g_cli = MORVENT_CLI;

struct Controllers {
    std::vector<std::unique_ptr<SimulatedController>> sims;
    explicit Controllers(std::size_t count) {
        for (std::size_t i = 0; i < count; ++i) {
            sims.push_back(std::make_unique<SimulatedController>());
            sims.back()->start();
        }
    }
    std::vector<std::string> ports() const {
        std::vector<std::string> arguments;
        for (const auto& sim : sims) {
            arguments.insert(arguments.end(), {"-p", sim->devicePath()});
        }
        return arguments;
    }
};

// The descriptors the tool holds; 0 until the child has become it (before that it holds the
// bench's own).
std::size_t openDescriptors(pid_t pid) {
    std::ifstream comm("/proc/" + std::to_string(pid) + "/comm");
    std::string name;
    if (!std::getline(comm, name) || name != "morvent-cli") {
        return 0;
    }
    std::error_code error;
    std::size_t count = 0;
    for (fs::directory_iterator it("/proc/" + std::to_string(pid) + "/fd", error), end;
         !error && it != end; it.increment(error)) {
        ++count;
    }
    return count;
}

struct Started {
    pid_t pid;
    Clock::time_point at;
};

// Starts morvent-cli with its output thrown away and its errors in errFile, with the soft
// open-file limit `soft` and the hard one `hard`; 0 leaves the limits as they are.
Started start(const std::vector<std::string>& arguments, rlim_t soft, rlim_t hard,
              const std::string& errFile) {
    std::vector<char*> argv{const_cast<char*>(g_cli)};
    for (const std::string& a : arguments) {
        argv.push_back(const_cast<char*>(a.c_str()));
    }
    argv.push_back(nullptr);
    const auto at = Clock::now();
    const pid_t pid = ::fork();
    if (pid == 0) {
        const int out = ::open("/dev/null", O_WRONLY);
        const int err = ::open(errFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        ::dup2(out, 1);
        ::dup2(err, 2);
        if (soft != 0) {
            const rlimit few{soft, hard};
            ::setrlimit(RLIMIT_NOFILE, &few);
        }
        sigset_t none;
        sigemptyset(&none);
        ::sigprocmask(SIG_SETMASK, &none, nullptr);
        ::execv(g_cli, argv.data());
        ::_exit(127);
    }
    return {pid, at};
}

std::string lastLines(const std::string& errFile, const char* containing) {
    std::ifstream in(errFile);
    std::string line;
    std::string found;
    while (std::getline(in, line)) {
        if (line.find(containing) != std::string::npos) {
            found = line;
        }
    }
    return found;
}

void manyAtOnce(Controllers& controllers, rlim_t soft, rlim_t hard, const std::string& file,
                const std::string& errFile) {
    // The simulated controllers share the processor with the tool: a generous timeout keeps a
    // reply that is merely late from counting as none.
    std::vector<std::string> arguments{"read", "--timeout", "5000", "-o", file};
    const std::vector<std::string> ports = controllers.ports();
    arguments.insert(arguments.end(), ports.begin(), ports.end());
    const Started run = start(arguments, soft, hard, errFile);
    std::size_t peakFds = 0;
    int status = 0;
    rusage usage{};
    while (::wait4(run.pid, &status, WNOHANG, &usage) == 0) {
        peakFds = std::max(peakFds, openDescriptors(run.pid));
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    const double seconds = std::chrono::duration<double>(Clock::now() - run.at).count();
    std::printf("read on %zu controllers, open files soft limit %llu, hard %llu:\n",
                controllers.sims.size(), static_cast<unsigned long long>(soft),
                static_cast<unsigned long long>(hard));
    std::printf("  %-30s %.2f s\n", "wall time", seconds);
    std::printf("  %-30s %ld MiB\n", "peak resident memory", usage.ru_maxrss / 1024);
    std::printf("  %-30s %zu\n", "peak open descriptors", peakFds);
    std::printf("  %-30s %s\n", "ended",
                WIFEXITED(status) ? ("exit " + std::to_string(WEXITSTATUS(status))).c_str()
                                  : ("signal " + std::to_string(WTERMSIG(status))).c_str());
    const std::string batches = lastLines(errFile, "at a time");
    std::printf("  %-30s %s\n", "batches", batches.empty() ? "none, all at once" : batches.c_str());
    std::printf("  %-30s %s\n", "summary", lastLines(errFile, "controllers succeeded").c_str());
}

// A line as the tool must leave it: the settings a previous program left, not exclusive, free.
bool putBack(const std::string& device) {
    const int fd = ::open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    termios line{};
    int exclusive = -1;
    const bool settings = ::tcgetattr(fd, &line) == 0 && (line.c_iflag & kForeign) == kForeign;
    ::ioctl(fd, TIOCGEXCL, &exclusive);
    const bool free = exclusive == 0 && ::flock(fd, LOCK_EX | LOCK_NB) == 0;
    ::close(fd);
    return settings && free;
}

void leaveForeignSettings(const std::string& device) {
    const int fd = ::open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    termios line{};
    ::tcgetattr(fd, &line);
    line.c_iflag |= kForeign;
    cfsetspeed(&line, B4800);
    ::tcsetattr(fd, TCSANOW, &line);
    ::close(fd);
}

void signalsDuringSetUp(int runs, const std::string& errFile) {
    Controllers controllers(40);
    int runsLeavingLines = 0;
    int linesLeft = 0;
    for (int r = 0; r < runs; ++r) {
        for (const auto& sim : controllers.sims) {
            leaveForeignSettings(sim->devicePath());
        }
        std::vector<std::string> arguments{"watch", "--interval", "100"};
        const std::vector<std::string> ports = controllers.ports();
        arguments.insert(arguments.end(), ports.begin(), ports.end());
        const Started run = start(arguments, 0, 0, errFile);
        // From the first sessions opening their lines to all of them polling.
        std::this_thread::sleep_for(std::chrono::milliseconds(20 + (r * 37) % 600));
        ::kill(run.pid, SIGINT);
        int status = 0;
        ::waitpid(run.pid, &status, 0);
        int left = 0;
        for (const auto& sim : controllers.sims) {
            left += !putBack(sim->devicePath());
        }
        runsLeavingLines += left > 0;
        linesLeft += left;
    }
    std::printf("SIGINT while 40 sessions set their lines up, %d runs:\n", runs);
    std::printf("  %-30s %d\n", "runs leaving a line changed", runsLeavingLines);
    std::printf("  %-30s %d of %d\n", "lines left changed or held", linesLeft, runs * 40);
}

} // namespace

int main(int argc, char** argv) {
    std::size_t ports = 256;
    int signalRuns = 52;
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "--ports") == 0) {
            ports = static_cast<std::size_t>(std::max(2, std::stoi(argv[i + 1])));
        } else if (std::strcmp(argv[i], "--signal-runs") == 0) {
            signalRuns = std::max(1, std::stoi(argv[i + 1]));
        } else if (std::strcmp(argv[i], "--cli") == 0) {
            g_cli = argv[i + 1];
        }
    }
    // The bench itself holds every controller's end of its line.
    rlimit own{};
    ::getrlimit(RLIMIT_NOFILE, &own);
    const rlim_t hard = own.rlim_max;
    own.rlim_cur = own.rlim_max;
    ::setrlimit(RLIMIT_NOFILE, &own);

    const fs::path cache =
        fs::temp_directory_path() / ("many_ports_bench." + std::to_string(::getpid()));
    fs::create_directories(cache);
    ::setenv("XDG_CACHE_HOME", cache.c_str(), 1);
    const std::string file = (cache / "set.el").string();
    const std::string errFile = (cache / "stderr").string();
    {
        Controllers controllers(ports);
        // Every port's rate learnt first, as for bikes seen before.
        manyAtOnce(controllers, 1024, hard, file, errFile);
        std::printf("(the run above learnt the rates; those below are for known rates)\n");
        // ulimit -n 1024, and Debian's default: 1024, with a hard limit far above it.
        manyAtOnce(controllers, 1024, 1024, file, errFile);
        manyAtOnce(controllers, 1024, hard, file, errFile);
    }
    signalsDuringSetUp(signalRuns, errFile);
    fs::remove_all(cache);
    return 0;
}
