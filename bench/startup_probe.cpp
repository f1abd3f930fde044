// SPDX-License-Identifier: GPL-3.0-or-later
// Measures how long programs take from their start to their first window on the screen.
// It watches an X display (a private Xvfb the bench starts) and runs the programs one after
// the other, each run alone on the display. A run is timed from just before the program is
// started to the first time the program draws into a window that is mapped: the moment the
// window is on the screen with something in it. The programs are alternated run after run,
// so that whatever else the machine is doing weighs on all of them alike.
//
// On a shared machine much of the wall time is the other programs' doing: a run may wait
// nearly as long for a processor as it runs. So the program is stopped at its first paint,
// and its processor time is read from the kernel: all of it once the program is reaped
// (threads that had already finished included), what the program costs whatever the load;
// and its main thread's alone at the paint (schedstat), the part no other core can take off
// it. The time its threads waited for a processor up to the paint says how busy the machine
// was.
//
//   startup_probe RUNS PROGRAM [PROGRAM...]
//
// Prints each run, then per program (n from 1) the medians "RESULT startup_ms_<n>" (wall
// time), "RESULT startup_cpu_ms_<n>" (processor time) and "RESULT startup_main_cpu_ms_<n>"
// (the main thread's).
#include "Measure.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <fstream>
#include <memory>
#include <poll.h>
#include <set>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>
#include <xcb/damage.h>
#include <xcb/xcb.h>

extern char** environ;

namespace {

constexpr int WarmUpRuns = 2; // not counted: they fill the file and font caches
constexpr int TimeoutMilliseconds = 20000;

struct Display
{
    xcb_connection_t* connection = nullptr;
    xcb_window_t root = 0;
    std::uint8_t damageEvent = 0; // first event code of the damage extension
};

bool connect(Display& display)
{
    // A display just started may not take connections yet: a few tries, a tenth of a second apart.
    for (int attempt = 0; attempt < 20; ++attempt) {
        if (display.connection) {
            xcb_disconnect(display.connection);
            usleep(100000);
        }
        display.connection = xcb_connect(nullptr, nullptr);
        if (!xcb_connection_has_error(display.connection)) {
            break;
        }
    }
    if (xcb_connection_has_error(display.connection)) {
        std::fprintf(stderr, "startup_probe: cannot open the display %s\n", std::getenv("DISPLAY"));
        return false;
    }
    const xcb_query_extension_reply_t* damage = xcb_get_extension_data(display.connection, &xcb_damage_id);
    if (!damage || !damage->present) {
        std::fprintf(stderr, "startup_probe: the display has no DAMAGE extension\n");
        return false;
    }
    display.damageEvent = damage->first_event;
    std::free(xcb_damage_query_version_reply(display.connection,
        xcb_damage_query_version(display.connection, XCB_DAMAGE_MAJOR_VERSION, XCB_DAMAGE_MINOR_VERSION),
        nullptr));

    display.root = xcb_setup_roots_iterator(xcb_get_setup(display.connection)).data->root;
    // Top-level windows are children of the root: their creation and mapping are reported.
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(display.connection, display.root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(display.connection);
    return true;
}

// The milliseconds between two instants.
double millisecondsBetween(Measure::Clock::time_point from, Measure::Clock::time_point to)
{
    return Measure::secondsBetween(from, to) * 1000.0;
}

struct RunTimes
{
    double mapped = -1; // first window mapped
    double painted = -1; // first drawing into a mapped window
    double cpu = -1; // processor time of the program up to the first drawing
    double mainCpu = -1; // of its main thread
    double waited = -1; // time its threads were ready to run but had no processor
};

// The milliseconds a process's main thread has run, and its live threads have waited for a
// processor, so far: the first two fields of /proc/PID/task/TID/schedstat, in nanoseconds.
bool readSchedulerTimes(pid_t process, double& mainRan, double& waited)
{
    const std::string tasks = "/proc/" + std::to_string(process) + "/task";
    DIR* directory = opendir(tasks.c_str());
    if (!directory) {
        return false;
    }
    const std::string mainThread = std::to_string(process);
    double mainRanNanoseconds = -1e6;
    double waitedNanoseconds = 0;
    bool found = false;
    while (const dirent* entry = readdir(directory)) {
        if (entry->d_name[0] == '.') {
            continue;
        }
        std::ifstream schedstat(tasks + "/" + entry->d_name + "/schedstat");
        double threadRan = 0;
        double threadWaited = 0;
        if (schedstat >> threadRan >> threadWaited) {
            if (entry->d_name == mainThread) {
                mainRanNanoseconds = threadRan;
            }
            waitedNanoseconds += threadWaited;
            found = true;
        }
    }
    closedir(directory);
    mainRan = mainRanNanoseconds / 1e6;
    waited = waitedNanoseconds / 1e6;
    return found;
}

// Waits for events until the run's first paint, the program's end or the timeout.
RunTimes watch(Display& display, pid_t child, Measure::Clock::time_point start)
{
    RunTimes times;
    std::set<xcb_window_t> mapped;
    pollfd watched{xcb_get_file_descriptor(display.connection), POLLIN, 0};
    while (times.painted < 0) {
        while (xcb_generic_event_t* event = xcb_poll_for_event(display.connection)) {
            const auto now = Measure::Clock::now();
            const std::uint8_t type = event->response_type & 0x7F;
            if (type == XCB_CREATE_NOTIFY) {
                // Every new top-level window is watched for drawing from the start.
                const auto* created = reinterpret_cast<xcb_create_notify_event_t*>(event);
                const xcb_damage_damage_t damage = xcb_generate_id(display.connection);
                xcb_damage_create(
                    display.connection, damage, created->window, XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
                xcb_flush(display.connection);
            } else if (type == XCB_MAP_NOTIFY) {
                const auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event);
                mapped.insert(map->window);
                if (times.mapped < 0) {
                    times.mapped = millisecondsBetween(start, now);
                }
            } else if (type == display.damageEvent + XCB_DAMAGE_NOTIFY) {
                const auto* damage = reinterpret_cast<xcb_damage_notify_event_t*>(event);
                if (mapped.count(damage->drawable) > 0 && times.painted < 0) {
                    times.painted = millisecondsBetween(start, now);
                    // Stopped where it is, so that what it would do after this paint is not
                    // counted in its processor time.
                    kill(child, SIGSTOP);
                    if (!readSchedulerTimes(child, times.mainCpu, times.waited)) {
                        times.mainCpu = times.waited = -1;
                    }
                }
            }
            std::free(event);
        }
        if (times.painted >= 0) {
            break;
        }
        if (xcb_connection_has_error(display.connection)) {
            std::fprintf(stderr, "startup_probe: lost the display\n");
            break;
        }
        int status = 0;
        if (waitpid(child, &status, WNOHANG) == child) {
            std::fprintf(stderr, "startup_probe: the program ended before showing a window\n");
            break;
        }
        if (millisecondsBetween(start, Measure::Clock::now()) > TimeoutMilliseconds) {
            std::fprintf(stderr, "startup_probe: no window after %d ms\n", TimeoutMilliseconds);
            break;
        }
        poll(&watched, 1, 50);
    }
    return times;
}

// Ends the program and waits until the display has let go of its windows. Returns the
// milliseconds of processor time the program used, its own and its reaped children's.
double stop(Display& display, pid_t child)
{
    kill(child, SIGTERM);
    kill(child, SIGCONT); // it may have been stopped at its first paint
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    // A round trip: every event the program caused is in by its answer.
    std::free(
        xcb_get_input_focus_reply(display.connection, xcb_get_input_focus(display.connection), nullptr));
    while (xcb_generic_event_t* event = xcb_poll_for_event(display.connection)) {
        std::free(event);
    }
    const auto milliseconds = [](const timeval& time) {
        return static_cast<double>(time.tv_sec) * 1000.0 + static_cast<double>(time.tv_usec) / 1000.0;
    };
    return milliseconds(usage.ru_utime) + milliseconds(usage.ru_stime);
}

pid_t launch(const std::string& program)
{
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    std::vector<char*> arguments{const_cast<char*>(program.c_str()), nullptr};
    pid_t child = -1;
    const int failed = posix_spawn(&child, program.c_str(), &actions, nullptr, arguments.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (failed != 0) {
        std::fprintf(stderr, "startup_probe: cannot start %s: %s\n", program.c_str(), std::strerror(failed));
        return -1;
    }
    return child;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: startup_probe RUNS PROGRAM [PROGRAM...]\n");
        return 2;
    }
    const int runs = std::atoi(argv[1]);
    std::vector<std::string> programs(argv + 2, argv + argc);
    // The programs are to draw on this display, whatever the caller's own setting.
    unsetenv("QT_QPA_PLATFORM");

    Display display;
    if (!connect(display)) {
        return 1;
    }

    std::vector<std::vector<double>> painted(programs.size());
    std::vector<std::vector<double>> mapped(programs.size());
    std::vector<std::vector<double>> cpu(programs.size());
    std::vector<std::vector<double>> mainCpu(programs.size());
    std::vector<std::vector<double>> waited(programs.size());
    for (int run = 0; run < WarmUpRuns + runs; ++run) {
        for (std::size_t p = 0; p < programs.size(); ++p) {
            const auto start = Measure::Clock::now();
            const pid_t child = launch(programs[p]);
            if (child < 0) {
                return 1;
            }
            RunTimes times = watch(display, child, start);
            times.cpu = stop(display, child);
            if (times.painted < 0) {
                return 1;
            }
            if (run >= WarmUpRuns) {
                painted[p].push_back(times.painted);
                mapped[p].push_back(times.mapped);
                cpu[p].push_back(times.cpu);
                mainCpu[p].push_back(times.mainCpu);
                waited[p].push_back(times.waited);
            }
        }
    }

    for (std::size_t p = 0; p < programs.size(); ++p) {
        std::printf("%s: %d runs, first paint of a mapped window after (ms): %s\n", programs[p].c_str(), runs,
            Measure::join(painted[p], "%.1f").c_str());
        std::printf("  processor time to the first paint (ms): %s\n", Measure::join(cpu[p], "%.1f").c_str());
        std::printf("  median %.1f ms to the first paint, %.1f ms to the first window mapped;\n"
                    "  median %.1f ms of processor time to the first paint (%.1f ms of it the main thread's),"
                    " %.1f ms waiting for a processor\n",
            Measure::median(painted[p]), Measure::median(mapped[p]), Measure::median(cpu[p]),
            Measure::median(mainCpu[p]), Measure::median(waited[p]));
        const std::string number = std::to_string(p + 1);
        Measure::result(("startup_ms_" + number).c_str(), Measure::median(painted[p]), "ms");
        Measure::result(("startup_cpu_ms_" + number).c_str(), Measure::median(cpu[p]), "ms");
        Measure::result(("startup_main_cpu_ms_" + number).c_str(), Measure::median(mainCpu[p]), "ms");
    }
    return 0;
}
