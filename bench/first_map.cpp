// Starts a program on the current X display and measures it:
//
//   first_map [--timeout S] [--settle S] [--idle S] [--hold S] -- PROGRAM [ARGS...]
//
// 1. Start-up: the time from just before the program is started to the
//    moment the X server maps its first top-level window. The helper listens
//    for MapNotify on the root window before it starts the program, so the
//    moment comes from the server's own event, not from polling; the window
//    counts when its _NET_WM_PID is the program's process id. Also the CPU
//    time the program had used by then (run time summed over its threads),
//    which a busy machine disturbs less than the elapsed time.
// 2. Rest (--idle S > 0): after --settle seconds, the CPU time the program
//    uses over S seconds: utime + stime from /proc/PID/stat (clock ticks), and
//    the exact run time and number of times it was scheduled, summed over
//    its threads from /proc/PID/task/*/schedstat; and the run time from the
//    start to the end of that rest (life_runtime_us). The run time is also
//    sampled every half second: idle_active_at lists the moments (seconds
//    after the map) that ended a half second in which the program ran at
//    all, so that work between its timer's ticks shows.
// 3. Peak memory: after --hold more seconds the program is ended (SIGTERM)
//    and its peak resident set size is read from wait4()'s resource usage,
//    as /usr/bin/time reports it.
//
// Prints key=value lines: pid, map_ms, map_cpu_ms, title, idle_*, maxrss_kb.
// Exits 0 when the window came, 1 when the program ended or the timeout
// passed first.

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <dirent.h>
#include <fcntl.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

namespace {

double Now() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) / 1e9;
}

void SleepSeconds(double seconds) {
    if (seconds > 0) std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
}

long WindowPid(Display* display, Window window) {
    const Atom netWmPid = XInternAtom(display, "_NET_WM_PID", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    long pid = -1;
    if (XGetWindowProperty(display, window, netWmPid, 0, 1, False, XA_CARDINAL, &type, &format, &count, &after,
                           &data) == Success &&
        data != nullptr && format == 32 && count == 1) {
        pid = *reinterpret_cast<long*>(data);
    }
    if (data != nullptr) XFree(data);
    return pid;
}

std::string WindowTitle(Display* display, Window window) {
    const Atom netWmName = XInternAtom(display, "_NET_WM_NAME", False);
    const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    std::string title;
    if (XGetWindowProperty(display, window, netWmName, 0, 1024, False, utf8, &type, &format, &count, &after,
                           &data) == Success &&
        data != nullptr && format == 8) {
        title.assign(reinterpret_cast<const char*>(data), count);
    }
    if (data != nullptr) XFree(data);
    return title;
}

struct CpuSample {
    long long ticks = 0;       // utime + stime
    long long runtimeNs = 0;   // sum over threads of sum_exec_runtime
    long long timeslices = 0;  // sum over threads of the times they were scheduled
};

CpuSample Sample(pid_t pid) {
    CpuSample sample;
    std::ifstream statFile("/proc/" + std::to_string(pid) + "/stat");
    std::string stat((std::istreambuf_iterator<char>(statFile)), std::istreambuf_iterator<char>());
    // The fields after the command name, which is in parentheses and may hold blanks.
    const std::size_t close = stat.rfind(')');
    if (close != std::string::npos) {
        std::istringstream fields(stat.substr(close + 2));
        std::string field;
        // Fields 3 to 13, then utime (14) and stime (15).
        for (int i = 3; i <= 13 && fields >> field; ++i) {
        }
        long long utime = 0, stime = 0;
        fields >> utime >> stime;
        sample.ticks = utime + stime;
    }
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
    if (DIR* dir = opendir(tasks.c_str())) {
        while (const dirent* entry = readdir(dir)) {
            if (entry->d_name[0] == '.') continue;
            std::ifstream schedstat(tasks + "/" + entry->d_name + "/schedstat");
            long long runtime = 0, waited = 0, slices = 0;
            if (schedstat >> runtime >> waited >> slices) {
                sample.runtimeNs += runtime;
                sample.timeslices += slices;
            }
        }
        closedir(dir);
    }
    return sample;
}

int Usage() {
    std::fprintf(stderr, "usage: first_map [--timeout S] [--settle S] [--idle S] [--hold S] -- PROGRAM [ARGS...]\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    double timeout = 20, settle = 2, idle = 0, hold = 1;
    int first = 1;
    while (first < argc) {
        const std::string option = argv[first];
        if (option == "--") {
            ++first;
            break;
        }
        if (first + 1 >= argc) return Usage();
        const double value = std::atof(argv[first + 1]);
        if (option == "--timeout") timeout = value;
        else if (option == "--settle") settle = value;
        else if (option == "--idle") idle = value;
        else if (option == "--hold") hold = value;
        else return Usage();
        first += 2;
    }
    if (first >= argc) return Usage();

    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "first_map: cannot open the display\n");
        return 1;
    }
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);
    const int connection = ConnectionNumber(display);
    fcntl(connection, F_SETFD, FD_CLOEXEC);

    const double started = Now();
    const pid_t pid = fork();
    if (pid < 0) {
        std::perror("first_map: fork");
        return 1;
    }
    if (pid == 0) {
        execvp(argv[first], argv + first);
        std::perror("first_map: exec");
        _exit(127);
    }
    std::printf("pid=%d\n", static_cast<int>(pid));

    double mapped = -1;
    CpuSample atMap;
    std::string title;
    bool ended = false;
    while (mapped < 0 && !ended && Now() - started < timeout) {
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type != MapNotify || event.xmap.override_redirect) continue;
            if (WindowPid(display, event.xmap.window) != pid) continue;
            mapped = Now();
            atMap = Sample(pid);
            title = WindowTitle(display, event.xmap.window);
            break;
        }
        if (mapped >= 0) break;
        pollfd wait{connection, POLLIN, 0};
        poll(&wait, 1, 20);
        int status = 0;
        ended = waitpid(pid, &status, WNOHANG) == pid;
    }
    if (ended) {
        std::fprintf(stderr, "first_map: the program ended before it mapped a window\n");
        return 1;
    }
    if (mapped < 0) {
        std::fprintf(stderr, "first_map: no window within %.0f s\n", timeout);
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
        return 1;
    }
    std::printf("map_ms=%.1f\n", (mapped - started) * 1000.0);
    std::printf("map_cpu_ms=%.1f\n", static_cast<double>(atMap.runtimeNs) / 1e6);
    std::printf("title=%s\n", title.c_str());
    std::fflush(stdout);

    if (idle > 0) {
        SleepSeconds(settle);
        const CpuSample before = Sample(pid);
        const double from = Now();
        std::string activeAt;
        CpuSample last = before;
        for (double next = from + 0.5; next <= from + idle + 1e-6; next += 0.5) {
            SleepSeconds(next - Now());
            const CpuSample sample = Sample(pid);
            if (sample.runtimeNs != last.runtimeNs) {
                char moment[32];
                std::snprintf(moment, sizeof moment, "%s%.1f", activeAt.empty() ? "" : ",", Now() - mapped);
                activeAt += moment;
            }
            last = sample;
        }
        const CpuSample after = Sample(pid);
        std::printf("idle_seconds=%.1f\n", Now() - from);
        std::printf("idle_ticks=%lld\n", after.ticks - before.ticks);
        std::printf("idle_clk_tck=%ld\n", sysconf(_SC_CLK_TCK));
        std::printf("idle_runtime_us=%.1f\n", static_cast<double>(after.runtimeNs - before.runtimeNs) / 1000.0);
        std::printf("idle_timeslices=%lld\n", after.timeslices - before.timeslices);
        std::printf("life_runtime_us=%.1f\n", static_cast<double>(after.runtimeNs) / 1000.0);
        std::printf("idle_active_at=%s\n", activeAt.c_str());
        std::fflush(stdout);
    }

    SleepSeconds(hold);
    kill(pid, SIGTERM);
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) == pid) std::printf("maxrss_kb=%ld\n", usage.ru_maxrss);
    XCloseDisplay(display);
    return 0;
}
