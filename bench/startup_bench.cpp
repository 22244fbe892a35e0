// Start-up time and peak memory of the real program against a minimal Qt window.
//
//   quilvane_startup_bench QUILVANE BASELINE [PAIRS]
//
// Runs on the X server named by DISPLAY, which must be private to it (nothing else may map
// windows there). Each run starts one program and takes the time from just before the process
// is created to the X map event of its top-level window, which a SubstructureNotify listener
// on the root window receives without polling. Then it lets the process finish its first paint
// (until its main thread has been idle for a while), reads its peak resident memory (VmHWM)
// and kills it. After one warm-up run of each, PAIRS alternated pairs follow (default 10), the
// order flipping from one pair to the next.
//
// The real program gets a temporary settings folder holding a complete, valid store, rewritten
// before every run, so it starts without any repair message. A run whose first mapped window is
// not the expected one (a message box, say) fails the benchmark.
//
// Prints tab-separated rows "measure, value, target" on standard output for bench/run-bench.
#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <optional>
#include <poll.h>
#include <stdexcept>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
namespace fs = std::filesystem;

constexpr auto kMapTimeout = std::chrono::seconds(30);
// A process counts as idle once its main thread has run less than kIdleCpu during kIdleSpan.
constexpr auto kIdleSpan = std::chrono::milliseconds(200);
constexpr auto kIdleCpu = std::chrono::milliseconds(1);
constexpr auto kIdleTimeout = std::chrono::seconds(10);

// A complete store with every value valid: position 0, 0, the default options, the current
// version, no face, grey, and ten valid favourites.
constexpr const char* kValidStore = "[Quilvane]\n"
                                    "top=0\n"
                                    "left=0\n"
                                    "Check1=False\n"
                                    "Check2=True\n"
                                    "Check3=True\n"
                                    "Check4=False\n"
                                    "Check5=False\n"
                                    "ver=2.8\n"
                                    "font=なし\n"
                                    "Last_Color=128128128\n"
                                    "fav1=000000000\n"
                                    "fav2=255000000\n"
                                    "fav3=000255000\n"
                                    "fav4=000000255\n"
                                    "fav5=255255000\n"
                                    "fav6=000255255\n"
                                    "fav7=255000255\n"
                                    "fav8=255255255\n"
                                    "fav9=128060255\n"
                                    "fav10=040216040\n";

struct Program {
    std::string label;
    std::string path;
    std::string expectedTitle;
    bool needsStore = false;
    std::vector<double> milliseconds;
    std::vector<double> peakKib;
};

struct Run {
    double milliseconds = 0;
    double peakKib = 0;
};

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

std::string Format(const char* format, double value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, format, value);
    return buffer;
}

// Peak resident set of a running process in KiB, from /proc/<pid>/status.
double PeakResidentKib(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0) {
            return std::stod(line.substr(6));
        }
    }
    throw std::runtime_error("no VmHWM for process " + std::to_string(pid));
}

// Time the main thread of a process has spent on a CPU, from /proc/<pid>/schedstat.
std::chrono::nanoseconds CpuTime(pid_t pid) {
    std::ifstream schedstat("/proc/" + std::to_string(pid) + "/schedstat");
    long long nanoseconds = 0;
    if (!(schedstat >> nanoseconds)) {
        throw std::runtime_error("no schedstat for process " + std::to_string(pid));
    }
    return std::chrono::nanoseconds(nanoseconds);
}

// Waits until the process is idle, so that its memory includes the first paint of its window.
void WaitUntilIdle(pid_t pid) {
    const auto deadline = Clock::now() + kIdleTimeout;
    auto before = CpuTime(pid);
    while (Clock::now() < deadline) {
        std::this_thread::sleep_for(kIdleSpan);
        const auto after = CpuTime(pid);
        if (after - before < kIdleCpu) {
            return;
        }
        before = after;
    }
}

// Whether a child has ended; it stays a zombie, to be reaped by KilledAtEnd.
bool HasExited(pid_t pid) {
    siginfo_t info{};
    return waitid(P_PID, static_cast<id_t>(pid), &info, WEXITED | WNOHANG | WNOWAIT) == 0 &&
           info.si_pid == pid;
}

// A started program, killed and reaped when the run that started it ends, however it ends.
struct KilledAtEnd {
    explicit KilledAtEnd(pid_t child) : pid(child) {}
    ~KilledAtEnd() {
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
    }
    KilledAtEnd(const KilledAtEnd&) = delete;
    KilledAtEnd& operator=(const KilledAtEnd&) = delete;
    pid_t pid;
};

class StartupBench {
public:
    explicit StartupBench(fs::path scratch) : scratch_(std::move(scratch)) {
        display_ = XOpenDisplay(nullptr);
        if (display_ == nullptr) {
            throw std::runtime_error("cannot open the X display named by DISPLAY");
        }
        root_ = DefaultRootWindow(display_);
        pidAtom_ = XInternAtom(display_, "_NET_WM_PID", False);
        nameAtom_ = XInternAtom(display_, "_NET_WM_NAME", False);
        utf8Atom_ = XInternAtom(display_, "UTF8_STRING", False);
        XSelectInput(display_, root_, SubstructureNotifyMask);
        XSync(display_, False);
        fs::create_directories(scratch_ / "config");
        fs::create_directories(scratch_ / "runtime");
        fs::permissions(scratch_ / "runtime", fs::perms::owner_all);
    }
    ~StartupBench() { XCloseDisplay(display_); }
    StartupBench(const StartupBench&) = delete;
    StartupBench& operator=(const StartupBench&) = delete;

    Run measure(const Program& program) {
        if (program.needsStore) {
            std::ofstream(scratch_ / "config" / "Kelvary.conf", std::ios::trunc) << kValidStore;
        }
        DiscardPendingEvents();
        const auto start = Clock::now();
        const KilledAtEnd child(Launch(program));
        const auto fail = [&](const std::string& what) {
            return std::runtime_error(program.label + ": " + what + " (log: " +
                                      (scratch_ / (program.label + ".log")).string() + ")");
        };
        const std::optional<Mapped> mapped = WaitForMap(child.pid, start + kMapTimeout);
        if (!mapped) {
            throw fail("the program ended, or mapped no window within " +
                       std::to_string(kMapTimeout.count()) + " s");
        }
        if (const std::string title = Title(mapped->window); title != program.expectedTitle) {
            throw fail("first window mapped is '" + title + "', not '" + program.expectedTitle +
                       "'");
        }
        Run run;
        run.milliseconds = std::chrono::duration<double, std::milli>(mapped->at - start).count();
        WaitUntilIdle(child.pid);
        run.peakKib = PeakResidentKib(child.pid);
        return run;
    }

private:
    pid_t Launch(const Program& program) {
        const std::string log = (scratch_ / (program.label + ".log")).string();
        const std::string config = (scratch_ / "config").string();
        const std::string runtime = (scratch_ / "runtime").string();
        const pid_t pid = fork();
        if (pid < 0) {
            throw std::runtime_error(std::string("fork: ") + std::strerror(errno));
        }
        if (pid == 0) {
            const int fd = open(log.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
            if (fd >= 0) {
                dup2(fd, STDOUT_FILENO);
                dup2(fd, STDERR_FILENO);
            }
            unsetenv("WAYLAND_DISPLAY");
            unsetenv("XDG_SESSION_TYPE");
            setenv("QT_QPA_PLATFORM", "xcb", 1);
            setenv("XDG_CONFIG_HOME", config.c_str(), 1);
            setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
            execl(program.path.c_str(), program.path.c_str(), static_cast<char*>(nullptr));
            _exit(127);
        }
        return pid;
    }

    void DiscardPendingEvents() {
        XSync(display_, False);
        XEvent event;
        while (XPending(display_) > 0) {
            XNextEvent(display_, &event);
        }
    }

    struct Mapped {
        Window window;
        Clock::time_point at; // when the map event arrived
    };

    // The first top-level window of process `pid` to be mapped; nothing at the deadline.
    std::optional<Mapped> WaitForMap(pid_t pid, Clock::time_point deadline) {
        const int fd = ConnectionNumber(display_);
        while (true) {
            while (XPending(display_) > 0) {
                XEvent event;
                XNextEvent(display_, &event);
                const auto at = Clock::now();
                if (event.type == MapNotify && event.xmap.event == root_ &&
                    !event.xmap.override_redirect && WindowPid(event.xmap.window) == pid) {
                    return Mapped{event.xmap.window, at};
                }
            }
            const auto left =
                std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
            if (left.count() <= 0 || HasExited(pid)) {
                return std::nullopt;
            }
            // Wakes at least every 100 ms to notice a program that ended without a window.
            pollfd wait{fd, POLLIN, 0};
            poll(&wait, 1, static_cast<int>(std::min<long long>(left.count(), 100)));
        }
    }

    std::optional<unsigned long> CardinalProperty(Window window, Atom property) {
        Atom type = None;
        int format = 0;
        unsigned long count = 0;
        unsigned long remaining = 0;
        unsigned char* data = nullptr;
        std::optional<unsigned long> value;
        if (XGetWindowProperty(display_, window, property, 0, 1, False, XA_CARDINAL, &type, &format,
                               &count, &remaining, &data) == Success &&
            type == XA_CARDINAL && format == 32 && count == 1) {
            value = *reinterpret_cast<unsigned long*>(data);
        }
        if (data != nullptr) {
            XFree(data);
        }
        return value;
    }

    std::optional<pid_t> WindowPid(Window window) {
        if (const auto value = CardinalProperty(window, pidAtom_)) {
            return static_cast<pid_t>(*value);
        }
        return std::nullopt;
    }

    std::string Title(Window window) {
        Atom type = None;
        int format = 0;
        unsigned long count = 0;
        unsigned long remaining = 0;
        unsigned char* data = nullptr;
        std::string title;
        if (XGetWindowProperty(display_, window, nameAtom_, 0, 1024, False, utf8Atom_, &type,
                               &format, &count, &remaining, &data) == Success &&
            type == utf8Atom_ && format == 8) {
            title.assign(reinterpret_cast<const char*>(data), count);
        }
        if (data != nullptr) {
            XFree(data);
        }
        return title;
    }

    fs::path scratch_;
    Display* display_ = nullptr;
    Window root_ = 0;
    Atom pidAtom_ = None;
    Atom nameAtom_ = None;
    Atom utf8Atom_ = None;
};

void PrintRow(const std::string& measure, const std::string& value, const std::string& target) {
    std::printf("%s\t%s\t%s\n", measure.c_str(), value.c_str(), target.c_str());
}

void PrintResults(const Program& program, const Program& baseline, int pairs) {
    const auto spread = [](const std::vector<double>& values, const char* format, double scale) {
        const auto [low, high] = std::minmax_element(values.begin(), values.end());
        return Format(format, Median(values) * scale) + " (" + Format(format, *low * scale) +
               " .. " + Format(format, *high * scale) + ")";
    };
    const std::string runs = " [median of " + std::to_string(pairs) + ", min .. max]";
    PrintRow("Start-up to mapped window, quilvane" + runs,
             spread(program.milliseconds, "%.1f", 1) + " ms", "");
    PrintRow("Start-up to mapped window, baseline" + runs,
             spread(baseline.milliseconds, "%.1f", 1) + " ms", "");
    PrintRow("Start-up ratio quilvane / baseline",
             Format("%.2f", Median(program.milliseconds) / Median(baseline.milliseconds)),
             "<= 1.5");
    PrintRow("Peak resident memory, started and idle, quilvane" + runs,
             spread(program.peakKib, "%.1f", 1.0 / 1024) + " MiB", "");
    PrintRow("Peak resident memory, started and idle, baseline" + runs,
             spread(baseline.peakKib, "%.1f", 1.0 / 1024) + " MiB", "");
    PrintRow("Memory ratio quilvane / baseline",
             Format("%.2f", Median(program.peakKib) / Median(baseline.peakKib)), "<= 1.3");
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3 || argc > 4) {
        std::fprintf(stderr, "usage: %s QUILVANE BASELINE [PAIRS]\n", argv[0]);
        return 2;
    }
    const int pairs = argc == 4 ? std::atoi(argv[3]) : 10;
    if (pairs < 1) {
        std::fprintf(stderr, "PAIRS must be at least 1\n");
        return 2;
    }
    char scratchTemplate[] = "/tmp/quilvane-startup.XXXXXX";
    if (mkdtemp(scratchTemplate) == nullptr) {
        std::perror("mkdtemp");
        return 1;
    }
    const fs::path scratch = scratchTemplate;
    // The real program's main window is titled with the version the store holds.
    Program program{"quilvane", argv[1], "Quilvane Ver2.8", true, {}, {}};
    Program baseline{"baseline", argv[2], "quilvane_bench_baseline", false, {}, {}};
    int status = 0;
    try {
        StartupBench bench(scratch);
        bench.measure(program);
        bench.measure(baseline);
        for (int pair = 0; pair < pairs; ++pair) {
            Program& first = pair % 2 == 0 ? program : baseline;
            Program& second = pair % 2 == 0 ? baseline : program;
            for (Program* each : {&first, &second}) {
                const Run run = bench.measure(*each);
                each->milliseconds.push_back(run.milliseconds);
                each->peakKib.push_back(run.peakKib);
            }
        }
        PrintResults(program, baseline, pairs);
        fs::remove_all(scratch);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "quilvane_startup_bench: %s\n", error.what());
        status = 1;
    }
    return status;
}
