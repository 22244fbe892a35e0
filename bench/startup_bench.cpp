// Start-up of the real program against two floors: a minimal Qt window with one Latin label,
// and a window that loads the faces the main window's look needs.
//
//   quilvane_startup_bench [--rounds N] QUILVANE LATIN_FLOOR SAME_FONTS_FLOOR
//   quilvane_startup_bench --instructions QUILVANE LATIN_FLOOR SAME_FONTS_FLOOR
//
// Runs on the X server named by DISPLAY, which must be private to it (nothing else may map or
// draw windows there). Each run starts one program and records, from just before the process
// is created:
//   - the X map event of its top-level window (a SubstructureNotify listener on the root window),
//   - the end of its first paint: the last damage rectangle over that window (XDamage raw
//     rectangles on the root window) before the program falls quiet, that is neither draws nor
//     runs its main thread for kQuietSpan,
//   - the CPU time of its main thread until then, and its peak resident memory (VmHWM).
// After one warm-up run of each program, N rounds follow (default 30), each running the three
// programs once, the order rotating through all six orders.
//
// With --instructions it runs each program once under callgrind instead and reports the
// instructions the process executed from its start to the quiet after its first paint, a
// count that does not move with the machine's load.
//
// The real program gets a temporary settings folder holding a complete, valid store, rewritten
// before every run, so it starts without any repair message. A run whose first mapped window is
// not the expected one (a message box, say) fails the benchmark.
//
// Prints tab-separated rows "measure, value, target" on standard output for bench/run-bench.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>

#include <algorithm>
#include <array>
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
#include <string_view>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
using Milliseconds = std::chrono::duration<double, std::milli>;
namespace fs = std::filesystem;

// The first paint is over once the program has neither drawn nor run its main thread (on a CPU
// or waiting for one) for more than kIdleCpu during kQuietSpan; the cursor of a focused text
// box first blinks well after that.
constexpr auto kQuietSpan = std::chrono::milliseconds(100);
constexpr auto kIdleCpu = std::chrono::milliseconds(1);
constexpr auto kTimeout = std::chrono::seconds(30);
// Under callgrind a program runs some fifty times slower.
constexpr auto kInstrumentedTimeout = std::chrono::seconds(300);
constexpr int kDefaultRounds = 30;

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

struct Run {
    double mapMs = 0;
    double paintMs = 0;
    double cpuMs = 0;
    double peakKib = 0;
};

struct Program {
    std::string label;
    std::string path;
    std::string expectedTitle;
    bool needsStore = false;
    std::vector<Run> runs;
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

// Time the main thread of a process has spent on a CPU and waiting for one, from
// /proc/<pid>/schedstat. On a busy machine a thread that wants to run may get no CPU for a
// while: only both together tell that it is idle.
struct Schedule {
    std::chrono::nanoseconds running{};
    std::chrono::nanoseconds waiting{};

    bool IdleSince(const Schedule& before) const {
        return running - before.running < kIdleCpu && waiting - before.waiting < kIdleCpu;
    }
};

Schedule MainThreadSchedule(pid_t pid) {
    std::ifstream schedstat("/proc/" + std::to_string(pid) + "/schedstat");
    long long running = 0;
    long long waiting = 0;
    if (!(schedstat >> running >> waiting)) {
        throw std::runtime_error("no schedstat for process " + std::to_string(pid));
    }
    return {std::chrono::nanoseconds(running), std::chrono::nanoseconds(waiting)};
}

// Whether a child has ended; it stays a zombie, to be reaped by Child.
bool HasExited(pid_t pid) {
    siginfo_t info{};
    return waitid(P_PID, static_cast<id_t>(pid), &info, WEXITED | WNOHANG | WNOWAIT) == 0 &&
           info.si_pid == pid;
}

// A started program, killed and reaped when the run that started it ends, however it ends.
class Child {
public:
    explicit Child(pid_t child) : pid_(child) {}
    ~Child() {
        if (!reaped_) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
    }
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;

    pid_t pid() const { return pid_; }

    // Ends the program with a signal that lets a tool it runs under write its results.
    void terminate() {
        kill(pid_, SIGTERM);
        waitpid(pid_, nullptr, 0);
        reaped_ = true;
    }

private:
    pid_t pid_;
    bool reaped_ = false;
};

class StartupBench {
public:
    explicit StartupBench(fs::path scratch) : scratch_(std::move(scratch)) {
        display_ = XOpenDisplay(nullptr);
        if (display_ == nullptr) {
            throw std::runtime_error("cannot open the X display named by DISPLAY");
        }
        int damageError = 0;
        if (!XDamageQueryExtension(display_, &damageEvent_, &damageError)) {
            throw std::runtime_error("the X server has no DAMAGE extension");
        }
        root_ = DefaultRootWindow(display_);
        pidAtom_ = XInternAtom(display_, "_NET_WM_PID", False);
        nameAtom_ = XInternAtom(display_, "_NET_WM_NAME", False);
        utf8Atom_ = XInternAtom(display_, "UTF8_STRING", False);
        XSelectInput(display_, root_, SubstructureNotifyMask);
        // Raw rectangles: one event per drawing, nothing merged or held back.
        damage_ = XDamageCreate(display_, root_, XDamageReportRawRectangles);
        XSync(display_, False);
        fs::create_directories(scratch_ / "config");
        fs::create_directories(scratch_ / "runtime");
        fs::permissions(scratch_ / "runtime", fs::perms::owner_all);
    }
    ~StartupBench() {
        XDamageDestroy(display_, damage_);
        XCloseDisplay(display_);
    }
    StartupBench(const StartupBench&) = delete;
    StartupBench& operator=(const StartupBench&) = delete;

    Run measure(const Program& program) {
        const Clock::time_point start = BeforeLaunch(program);
        const Child child(Launch(program, {}));
        return Observe(program, child.pid(), start, kTimeout);
    }

    // Instructions from the process's start to the quiet after its first paint.
    double instructions(const Program& program) {
        const fs::path counts = scratch_ / (program.label + ".callgrind");
        const Clock::time_point start = BeforeLaunch(program);
        Child child(Launch(program, {"valgrind", "--tool=callgrind", "--cache-sim=no",
                                     "--callgrind-out-file=" + counts.string()}));
        Observe(program, child.pid(), start, kInstrumentedTimeout);
        child.terminate();
        return CallgrindTotal(counts);
    }

private:
    Clock::time_point BeforeLaunch(const Program& program) {
        if (program.needsStore) {
            std::ofstream(scratch_ / "config" / "Kelvary.conf", std::ios::trunc) << kValidStore;
        }
        DiscardPendingEvents();
        return Clock::now();
    }

    pid_t Launch(const Program& program, std::vector<std::string> command) {
        command.push_back(program.path);
        std::vector<char*> argv;
        for (std::string& word : command) {
            argv.push_back(word.data());
        }
        argv.push_back(nullptr);
        const std::string log = LogPath(program).string();
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
            execvp(argv[0], argv.data());
            _exit(127);
        }
        return pid;
    }

    fs::path LogPath(const Program& program) const { return scratch_ / (program.label + ".log"); }

    // Follows one started program to the quiet after its first paint.
    Run Observe(const Program& program, pid_t pid, Clock::time_point start,
                Clock::duration timeout) {
        const auto fail = [&](const std::string& what) {
            return std::runtime_error(program.label + ": " + what +
                                      " (log: " + LogPath(program).string() + ")");
        };
        const Clock::time_point deadline = start + timeout;
        const std::optional<Mapped> mapped = WaitForMap(pid, deadline);
        if (!mapped) {
            throw fail("the program ended, or mapped no window in time");
        }
        if (const std::string title = Title(mapped->window); title != program.expectedTitle) {
            throw fail("first window mapped is '" + title + "', not '" + program.expectedTitle +
                       "'");
        }
        const std::optional<Quiet> quiet = WaitForFirstPaint(pid, *mapped, deadline);
        if (!quiet) {
            throw fail("the program ended, or did not finish its first paint in time");
        }
        Run run;
        run.mapMs = Milliseconds(mapped->at - start).count();
        run.paintMs = Milliseconds(quiet->lastDamage - start).count();
        run.cpuMs = Milliseconds(quiet->cpu).count();
        run.peakKib = PeakResidentKib(pid);
        return run;
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
        int x, y, width, height;
    };

    struct Quiet {
        Clock::time_point lastDamage; // when the last rectangle of the first paint arrived
        std::chrono::nanoseconds cpu; // main-thread CPU time once quiet
    };

    // Waits for events on the display up to `until`, waking at least every 100 ms to notice a
    // program that ended.
    void WaitForEvents(Clock::time_point until) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(until - Clock::now());
        pollfd wait{ConnectionNumber(display_), POLLIN, 0};
        poll(&wait, 1, static_cast<int>(std::clamp<long long>(left.count(), 0, 100)));
    }

    // The first top-level window of process `pid` to be mapped; nothing at the deadline.
    std::optional<Mapped> WaitForMap(pid_t pid, Clock::time_point deadline) {
        while (true) {
            while (XPending(display_) > 0) {
                XEvent event;
                XNextEvent(display_, &event);
                const auto at = Clock::now();
                if (event.type == MapNotify && event.xmap.event == root_ &&
                    !event.xmap.override_redirect && WindowPid(event.xmap.window) == pid) {
                    XWindowAttributes attributes{};
                    XGetWindowAttributes(display_, event.xmap.window, &attributes);
                    return Mapped{event.xmap.window,
                                  at,
                                  attributes.x,
                                  attributes.y,
                                  attributes.width + 2 * attributes.border_width,
                                  attributes.height + 2 * attributes.border_width};
                }
            }
            if (Clock::now() >= deadline || HasExited(pid)) {
                return std::nullopt;
            }
            WaitForEvents(deadline);
        }
    }

    bool Covers(const Mapped& window, const XRectangle& area) const {
        return area.x < window.x + window.width && window.x < area.x + area.width &&
               area.y < window.y + window.height && window.y < area.y + area.height;
    }

    // The end of the first paint of `window`: damage over it stops, and the program's main
    // thread stays idle for kQuietSpan. Nothing at the deadline, or if no paint arrived.
    std::optional<Quiet> WaitForFirstPaint(pid_t pid, const Mapped& window,
                                           Clock::time_point deadline) {
        std::optional<Clock::time_point> lastDamage;
        Clock::time_point sampledAt = window.at;
        Schedule sampled = MainThreadSchedule(pid);
        // Reads the events that have arrived; true if one of them was drawing over the window.
        const auto readDamage = [&] {
            bool drawn = false;
            while (XPending(display_) > 0) {
                XEvent event;
                XNextEvent(display_, &event);
                if (event.type == damageEvent_ + XDamageNotify &&
                    Covers(window, reinterpret_cast<const XDamageNotifyEvent&>(event).area)) {
                    lastDamage = sampledAt = Clock::now();
                    sampled = MainThreadSchedule(pid);
                    drawn = true;
                }
            }
            return drawn;
        };
        while (true) {
            readDamage();
            const auto now = Clock::now();
            if (now - sampledAt >= kQuietSpan) {
                const Schedule schedule = MainThreadSchedule(pid);
                if (lastDamage && schedule.IdleSince(sampled)) {
                    // A round trip makes the server report drawing it has done but not sent.
                    XSync(display_, False);
                    if (!readDamage()) {
                        return Quiet{*lastDamage, schedule.running};
                    }
                    continue;
                }
                sampledAt = now;
                sampled = schedule;
            }
            if (now >= deadline || HasExited(pid)) {
                return std::nullopt;
            }
            WaitForEvents(std::min(deadline, sampledAt + kQuietSpan));
        }
    }

    // The instruction count a callgrind run wrote ("summary:" or "totals:" line).
    static double CallgrindTotal(const fs::path& counts) {
        std::ifstream file(counts);
        std::string line;
        while (std::getline(file, line)) {
            for (const std::string_view key : {"summary: ", "totals: "}) {
                if (line.rfind(key, 0) == 0) {
                    return std::stod(line.substr(key.size()));
                }
            }
        }
        throw std::runtime_error("no instruction count in " + counts.string());
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
    Damage damage_ = 0;
    int damageEvent_ = 0;
    Atom pidAtom_ = None;
    Atom nameAtom_ = None;
    Atom utf8Atom_ = None;
};

void PrintRow(const std::string& measure, const std::string& value, const std::string& target) {
    std::printf("%s\t%s\t%s\n", measure.c_str(), value.c_str(), target.c_str());
}

// A ratio row with its upper bound, marked met or missed; three decimals, so that a ratio just
// above its bound does not print as equal to it.
void PrintRatio(const std::string& measure, double ratio, double limit) {
    PrintRow(measure, Format("%.3f", ratio),
             Format("<= %.2f", limit) + (ratio <= limit ? " (met)" : " (missed)"));
}

using RunField = double Run::*;

std::vector<double> Values(const Program& program, RunField field) {
    std::vector<double> values;
    for (const Run& run : program.runs) {
        values.push_back(run.*field);
    }
    return values;
}

double MedianOf(const Program& program, RunField field) {
    return Median(Values(program, field));
}

struct Measure {
    const char* title;
    RunField field;
    const char* format;
    double scale;
    const char* unit;
};

// Program first, then the same-fonts floor, then the Latin floor.
using Programs = std::array<Program*, 3>;

void PrintTimings(const Programs& programs, int rounds) {
    const std::array<Measure, 4> measures = {{
        {"Start-up to map event", &Run::mapMs, "%.1f", 1, " ms"},
        {"Start-up to end of first paint", &Run::paintMs, "%.1f", 1, " ms"},
        {"Main-thread CPU to idle after first paint", &Run::cpuMs, "%.1f", 1, " ms"},
        {"Peak resident memory at idle", &Run::peakKib, "%.1f", 1.0 / 1024, " MiB"},
    }};
    const std::string of = " [median (min .. max) of " + std::to_string(rounds) + "]";
    for (const Measure& measure : measures) {
        for (const Program* program : programs) {
            const std::vector<double> values = Values(*program, measure.field);
            const auto [low, high] = std::minmax_element(values.begin(), values.end());
            PrintRow(std::string(measure.title) + ", " + program->label + of,
                     Format(measure.format, Median(values) * measure.scale) + " (" +
                         Format(measure.format, *low * measure.scale) + " .. " +
                         Format(measure.format, *high * measure.scale) + ")" + measure.unit,
                     "");
        }
    }
    const Program& quilvane = *programs[0];
    const Program& sameFonts = *programs[1];
    const Program& latin = *programs[2];
    const auto ratio = [&](const Program& floor, RunField field) {
        return MedianOf(quilvane, field) / MedianOf(floor, field);
    };
    PrintRatio("First paint ratio quilvane / " + sameFonts.label, ratio(sameFonts, &Run::paintMs),
               1.10);
    PrintRatio("First paint ratio quilvane / " + latin.label, ratio(latin, &Run::paintMs), 1.40);
    PrintRatio("Map event ratio quilvane / " + latin.label, ratio(latin, &Run::mapMs), 1.35);
    PrintRatio("Memory ratio quilvane / " + latin.label, ratio(latin, &Run::peakKib), 1.30);
    PrintRow("Memory ratio quilvane / " + sameFonts.label,
             Format("%.3f", ratio(sameFonts, &Run::peakKib)), "");
}

void PrintInstructions(const Programs& programs, const std::array<double, 3>& counts) {
    for (std::size_t i = 0; i < programs.size(); ++i) {
        PrintRow("Instructions to idle after first paint (callgrind), " + programs[i]->label,
                 Format("%.1f", counts[i] / 1e6) + " M", "");
    }
    for (std::size_t floor = 1; floor < programs.size(); ++floor) {
        PrintRow("Instructions ratio quilvane / " + programs[floor]->label,
                 Format("%.3f", counts[0] / counts[floor]), "");
    }
}

void RunTimings(StartupBench& bench, const Programs& order, int rounds) {
    for (const Program* program : order) {
        bench.measure(*program); // warm-up
    }
    // Cycling through the six orders gives each program each place equally often.
    std::array<std::size_t, 3> places = {0, 1, 2};
    for (int round = 0; round < rounds; ++round) {
        for (const std::size_t place : places) {
            order[place]->runs.push_back(bench.measure(*order[place]));
        }
        std::next_permutation(places.begin(), places.end());
    }
}

int Usage(const char* name) {
    std::fprintf(stderr,
                 "usage: %s [--rounds N | --instructions] QUILVANE LATIN_FLOOR SAME_FONTS_FLOOR\n",
                 name);
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    int rounds = kDefaultRounds;
    bool instructions = false;
    int first = 1;
    if (argc > first && std::string_view(argv[first]) == "--instructions") {
        instructions = true;
        ++first;
    } else if (argc > first + 1 && std::string_view(argv[first]) == "--rounds") {
        rounds = std::atoi(argv[first + 1]);
        first += 2;
    }
    if (argc - first != 3 || rounds < 1) {
        return Usage(argv[0]);
    }
    char scratchTemplate[] = "/tmp/quilvane-startup.XXXXXX";
    if (mkdtemp(scratchTemplate) == nullptr) {
        std::perror("mkdtemp");
        return 1;
    }
    const fs::path scratch = scratchTemplate;
    // The real program's main window is titled with the version the store holds.
    Program quilvane{"quilvane", argv[first], "Quilvane Ver2.8", true, {}};
    Program latin{"Latin floor", argv[first + 1], "quilvane_bench_baseline", false, {}};
    Program sameFonts{"same-fonts floor", argv[first + 2], "quilvane_bench_same_fonts", false, {}};
    const Programs programs = {&quilvane, &sameFonts, &latin};
    int status = 0;
    try {
        StartupBench bench(scratch);
        if (instructions) {
            std::array<double, 3> counts{};
            for (std::size_t i = 0; i < programs.size(); ++i) {
                counts[i] = bench.instructions(*programs[i]);
            }
            PrintInstructions(programs, counts);
        } else {
            RunTimings(bench, programs, rounds);
            PrintTimings(programs, rounds);
        }
        fs::remove_all(scratch);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "quilvane_startup_bench: %s\n", error.what());
        status = 1;
    }
    return status;
}
